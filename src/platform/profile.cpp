#include "platform/profile.h"

#include "platform/profile_cache.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

using ini::Document;
using ini::Key;
using ini::Section;

namespace {

// The open write batch: its file, the parsed form its writes changed (null
// until the first write) and whether that form differs from the file.
struct WriteBatch {
    int depth = 0;
    std::string path;
    std::shared_ptr<Document> doc;
    bool dirty = false;
    uint64_t size = 0;  // what doc takes in its file, or a little more
};
WriteBatch g_batch;

bool Batched(const char* fileName) { return g_batch.depth > 0 && fileName && g_batch.path == fileName; }

// Writes the batch's changes out. The cache then holds the batch's form, or,
// unless that reads back as it is, the written file parsed.
void FlushBatch(bool readsBackAsItIs = true)
{
    if (g_batch.doc && g_batch.dirty)
        ini::StoreDocument(g_batch.path.c_str(), std::move(g_batch.doc),
                           [readsBackAsItIs](Document&) { return readsBackAsItIs; });
    g_batch.doc.reset();
    g_batch.dirty = false;
}

std::u16string Arg(const char* text) { return text ? ini::FromAnsi(text) : std::u16string(); }

using ini::FindKey;
using ini::FindSection;

// A value or default as it comes back in a buffer of size characters: one pair
// of matching quotes around it removed, then cut to size - 1 characters.
std::u16string Entry(std::u16string_view value, uint64_t size)
{
    if (value.size() >= 2 && (value[0] == u'"' || value[0] == u'\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return std::u16string(value.substr(0, size - 1));
}

// The names of a section's keys that have an '=', except comments, each
// followed by a NUL. When they do not fit in size - 1 characters the last one
// is cut and the list is size - 2 characters long.
std::u16string KeyNames(const Section& section, uint64_t size)
{
    std::u16string list;
    uint64_t room = size;
    for (const Key& key : section.keys) {
        if (room <= 2)
            break;
        if (!key.value || (!key.name.empty() && key.name[0] == u';'))
            continue;
        const size_t length = std::min<uint64_t>(key.name.size(), room - 2);
        list.append(key.name, 0, length);
        list += u'\0';
        room -= length + 1;
        if (room < 2) {
            list.pop_back();
            break;
        }
    }
    return list;
}

// The names of the sections, except nameless ones, each followed by a NUL.
// When they do not fit in size - 1 characters the last one is cut and the list
// is size - 2 characters long.
std::u16string SectionNames(const Document& doc, uint64_t size)
{
    std::u16string list;
    if (size < 2)
        return list;
    uint64_t room = size - 1;
    for (const Section& section : doc.sections) {
        if (section.name.empty())
            continue;
        const uint64_t need = section.name.size() + 1;
        if (need >= room) {
            list.append(section.name, 0, room - 1);
            break;
        }
        list += section.name;
        list += u'\0';
        room -= need;
    }
    return list;
}

// What a read with a buffer of size (at least 1) characters returns, without
// its final NUL: a value, a list of key names (key null) or of section names
// (section null), or the default. A value is looked up by names without the
// blanks around them; a key list takes the section name as it is given.
std::u16string Lookup(const char* section, const char* key, const char* defaultText, uint64_t size,
                      const char* fileName)
{
    const ini::Loaded loaded = Batched(fileName) && g_batch.doc ? ini::Loaded{ini::ReadResult::Ok, g_batch.doc}
                                                                : ini::LoadDocument(fileName);
    const Document& doc = *loaded.doc;
    if (!section)
        return SectionNames(doc, size);
    const std::u16string defaultValue = Arg(defaultText);
    if (!key) {
        const Section* found = FindSection(doc, Arg(section));
        const std::u16string list = found ? KeyNames(*found, size) : std::u16string();
        return list.empty() || list[0] == u'\0' ? Entry(defaultValue, size) : list;
    }
    const Section* found = FindSection(doc, ini::Trim(Arg(section)));
    const Key* entry = found ? FindKey(*found, ini::Trim(Arg(key))) : nullptr;
    if (entry && entry->value)
        return Entry(*entry->value, size);
    // Trailing spaces of the default go, but not its only character.
    std::u16string_view fallback = defaultValue;
    while (fallback.size() > 1 && fallback.back() == u' ')
        fallback.remove_suffix(1);
    return Entry(fallback, size);
}

// A number as the Windows run-time reads it: blanks and control characters
// first, one sign, a prefix 0x, 0o or 0b (lowercase), then digits up to the
// first that does not belong; wraps modulo 2^32.
uint32_t ParseNumber(std::u16string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] <= u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    uint32_t base = 10;
    if (i + 1 < text.size() && text[i] == u'0') {
        const char16_t prefix = text[i + 1];
        base = prefix == u'x' ? 16 : prefix == u'o' ? 8 : prefix == u'b' ? 2 : 10;
        if (base != 10)
            i += 2;
    }
    uint32_t total = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        uint32_t digit = 99;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'A' && c <= u'Z')
            digit = c - u'A' + 10;
        else if (c >= u'a' && c <= u'z')
            digit = c - u'a' + 10;
        if (digit >= base)
            break;
        total = total * base + digit;
    }
    return negative ? 0u - total : total;
}

// A write, planned on the document as it is: what it changes, if anything.
struct Edit {
    enum class Kind { None, RemoveSection, RemoveKey, Set } kind = Kind::None;
    static constexpr size_t kNew = size_t(-1);
    size_t section = kNew, key = kNew;
    std::u16string sectionName, keyName, value;  // for Set: what a new section, key or value gets
};

// Deletions take the names as they are given, blanks included.
Edit PlanDeleteSection(const Document& doc, std::u16string_view name)
{
    Edit edit;
    if (const Section* section = FindSection(doc, name)) {
        edit.kind = Edit::Kind::RemoveSection;
        edit.section = static_cast<size_t>(section - doc.sections.data());
    }
    return edit;
}

// The first key of that name in any section of that name.
Edit PlanDeleteKey(const Document& doc, std::u16string_view section, std::u16string_view key)
{
    Edit edit;
    for (size_t s = 0; s < doc.sections.size(); ++s) {
        if (!ini::SameName(doc.sections[s].name, section))
            continue;
        if (const Key* found = FindKey(doc.sections[s], key)) {
            edit.kind = Edit::Kind::RemoveKey;
            edit.section = s;
            edit.key = static_cast<size_t>(found - doc.sections[s].keys.data());
            return edit;
        }
    }
    return edit;
}

// Sets the key in the first section of that name, adding the key at the end of
// the section or the section at the end of the file. The new names and the
// value lose their leading blanks; section names lose trailing ones too.
Edit PlanSet(const Document& doc, std::u16string_view sectionArg, std::u16string_view keyArg,
             std::u16string_view valueArg)
{
    Edit edit;
    edit.kind = Edit::Kind::Set;
    edit.sectionName = ini::Trim(sectionArg);
    edit.keyName = ini::TrimLeft(keyArg);
    edit.value = ini::TrimLeft(valueArg);
    const Section* section = FindSection(doc, edit.sectionName);
    if (!section)
        return edit;
    edit.section = static_cast<size_t>(section - doc.sections.data());
    const Key* key = FindKey(*section, ini::TrimRight(edit.keyName));
    if (!key)
        return edit;
    if (key->value && *key->value == edit.value)
        return {};
    edit.key = static_cast<size_t>(key - section->keys.data());
    return edit;
}

// A parsed document is what a rewrite of it reads back as, but for sections
// without a name after the first: their header is not written. (A new
// section without a name fails this too.)
bool ReadsBackAsItIs(const Document& doc)
{
    if (doc.sections.empty() || !doc.sections[0].name.empty())
        return false;
    return std::none_of(doc.sections.begin() + 1, doc.sections.end(),
                        [](const Section& section) { return section.name.empty(); });
}

void Apply(Document& doc, const Edit& edit)
{
    if (edit.kind == Edit::Kind::RemoveSection) {
        ini::EraseSection(doc, edit.section);
        return;
    }
    Section& section = edit.section == Edit::kNew ? ini::AppendSection(doc, edit.sectionName) : doc.sections[edit.section];
    if (edit.kind == Edit::Kind::RemoveKey) {
        ini::EraseKey(section, edit.key);
        return;
    }
    Key& key = edit.key == Edit::kNew ? ini::AppendKey(section, Key{edit.keyName, {}}) : section.keys[edit.key];
    key.value = edit.value;
}

// The bytes the edit adds to the file (less than 0 when it shrinks it); a new
// key is taken as it is written, before a read-back trims its name.
int64_t Growth(const Document& doc, const Edit& edit)
{
    const ini::Encoding encoding = doc.encoding;
    switch (edit.kind) {
    case Edit::Kind::None: return 0;
    case Edit::Kind::RemoveSection: {
        const Section& section = doc.sections[edit.section];
        int64_t size = static_cast<int64_t>(ini::HeaderSize(section.name, encoding));
        for (const Key& key : section.keys)
            size += static_cast<int64_t>(ini::LineSize(key, encoding));
        return -size;
    }
    case Edit::Kind::RemoveKey:
        return -static_cast<int64_t>(ini::LineSize(doc.sections[edit.section].keys[edit.key], encoding));
    case Edit::Kind::Set: break;
    }
    if (edit.section == Edit::kNew || edit.key == Edit::kNew) {
        const int64_t header =
            edit.section == Edit::kNew ? static_cast<int64_t>(ini::HeaderSize(edit.sectionName, encoding)) : 0;
        return header + static_cast<int64_t>(ini::LineSize(Key{edit.keyName, edit.value}, encoding));
    }
    const Key& old = doc.sections[edit.section].keys[edit.key];
    return static_cast<int64_t>(ini::LineSize(Key{old.name, edit.value}, encoding)) -
           static_cast<int64_t>(ini::LineSize(old, encoding));
}

// Turns the document, once rewritten after the edit, into what the new file
// reads back as, by reading back the changed lines alone; false when only
// parsing the whole file gives that.
bool ReadBack(Document& doc, const Edit& edit)
{
    if (edit.kind != Edit::Kind::Set || !ReadsBackAsItIs(doc))
        return false;
    Section& section = edit.section == Edit::kNew ? doc.sections.back() : doc.sections[edit.section];
    if (edit.section == Edit::kNew) {
        const Document header = ini::ParseText(u"[" + section.name + u"]");
        if (header.sections.size() != 2 || header.sections[1].name != section.name ||
            !header.sections[0].keys.empty())
            return false;
    }
    const size_t at = edit.key == Edit::kNew ? section.keys.size() - 1 : edit.key;
    const Key& key = section.keys[at];
    Document line = ini::ParseText(key.name + u"=" + *key.value);
    if (line.sections.size() != 1 || line.sections[0].keys.size() != 1)
        return false;
    ini::ReplaceKey(section, at, std::move(line.sections[0].keys[0]));
    return true;
}

}  // namespace

// Writes the text and one NUL. A list that did not fit thus ends in a single
// NUL at size - 2, and the last byte of the buffer stays as it was.
DWORD GetPrivateProfileStringA(const char* appName, const char* keyName, const char* defaultText,
                               char* returned, DWORD size, const char* fileName)
{
    if (!returned || size == 0)
        return 0;
    const std::string text = ini::ToAnsi(Lookup(appName, keyName, defaultText, size, fileName));
    std::memcpy(returned, text.data(), text.size());
    returned[text.size()] = '\0';
    return static_cast<DWORD>(text.size());
}

UINT GetPrivateProfileIntA(const char* appName, const char* keyName, int defaultValue, const char* fileName)
{
    // Read as into a buffer of 30 characters; of a list, its first name.
    std::u16string text = Lookup(appName, keyName, "", 30, fileName);
    text.resize(std::min(text.size(), text.find(u'\0')));
    if (text.empty())
        return static_cast<UINT>(defaultValue);
    return ParseNumber(text);
}

BOOL WritePrivateProfileStringA(const char* appName, const char* keyName, const char* value, const char* fileName)
{
    if (!appName || !fileName)
        return FALSE;
    const bool batched = Batched(fileName);
    ini::Loaded loaded = batched && g_batch.doc ? ini::Loaded{ini::ReadResult::Ok, g_batch.doc}
                                                : ini::LoadDocument(fileName);
    if (loaded.result == ini::ReadResult::Failed)
        return FALSE;
    Edit edit;
    if (!keyName)
        edit = PlanDeleteSection(*loaded.doc, Arg(appName));
    else if (!value)
        edit = PlanDeleteKey(*loaded.doc, Arg(appName), Arg(keyName));
    else
        edit = PlanSet(*loaded.doc, Arg(appName), Arg(keyName), Arg(value));
    if (edit.kind == Edit::Kind::None)
        return TRUE;
    if (batched) {
        if (!g_batch.doc) {
            g_batch.doc = ini::TakeDocument(fileName, std::move(loaded.doc));
            g_batch.size = ini::SerializedSize(*g_batch.doc);
        }
        // A write that would make the file too large to be read is refused;
        // the batch goes on without it.
        const int64_t growth = Growth(*g_batch.doc, edit);
        if (growth > 0 && g_batch.size + static_cast<uint64_t>(growth) > ini::kMaxFileSize) {
            ini::ReportProblem(fileName, "is not written", ini::TooLargeToWrite());
            return FALSE;
        }
        g_batch.size = static_cast<uint64_t>(static_cast<int64_t>(g_batch.size) + growth);
        Apply(*g_batch.doc, edit);
        g_batch.dirty = true;
        // Where only parsing the written file tells what it reads back as,
        // write it now.
        if (!ReadBack(*g_batch.doc, edit))
            FlushBatch(false);
        return TRUE;
    }
    std::shared_ptr<Document> doc = ini::TakeDocument(fileName, std::move(loaded.doc));
    Apply(*doc, edit);
    const bool stored =
        ini::StoreDocument(fileName, std::move(doc), [&edit](Document& written) { return ReadBack(written, edit); });
    return stored ? TRUE : FALSE;
}

CProfileWriteBatch::CProfileWriteBatch(const char* fileName)
{
    // Batches nest only for one file; a batch for another file while one is
    // open does nothing (its writes go straight to their file).
    if (g_batch.depth == 0)
        g_batch.path = fileName ? fileName : "";
    if (g_batch.depth == 0 || (fileName && g_batch.path == fileName))
        ++g_batch.depth;
    else
        m_active = false;
}

CProfileWriteBatch::~CProfileWriteBatch()
{
    if (m_active && --g_batch.depth == 0)
        FlushBatch();
}

bool KeepExactProfileValue(const std::string& value, std::string& written)
{
    if (value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        return false;
    const auto blank = [](char c) { return ini::IsBlank(static_cast<unsigned char>(c)); };
    const bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
    written = !value.empty() && (blank(value.front()) || blank(value.back()) || quoted) ? '"' + value + '"' : value;
    return true;
}
