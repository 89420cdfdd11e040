#include "platform/profile.h"

#include "platform/profile_doc.h"
#include "platform/profile_io.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

using ini::Document;
using ini::Key;
using ini::Section;

namespace {

// The file as it is on disk now; a missing or unreadable file reads as empty.
ini::ReadResult Load(const char* fileName, Document& doc)
{
    std::string bytes;
    const ini::ReadResult result = fileName ? ini::ReadWholeFile(fileName, bytes) : ini::ReadResult::Missing;
    doc = result == ini::ReadResult::Ok ? ini::Parse(bytes) : Document();
    return result;
}

std::u16string Arg(const char* text) { return text ? ini::FromAnsi(text) : std::u16string(); }

Section* FindSection(Document& doc, std::u16string_view name)
{
    for (Section& section : doc.sections) {
        if (ini::SameName(section.name, name))
            return &section;
    }
    return nullptr;
}

Key* FindKey(Section& section, std::u16string_view name)
{
    for (Key& key : section.keys) {
        if (ini::SameName(key.name, name))
            return &key;
    }
    return nullptr;
}

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
    Document doc;
    Load(fileName, doc);
    if (!section)
        return SectionNames(doc, size);
    const std::u16string defaultValue = Arg(defaultText);
    if (!key) {
        const Section* found = FindSection(doc, Arg(section));
        const std::u16string list = found ? KeyNames(*found, size) : std::u16string();
        return list.empty() || list[0] == u'\0' ? Entry(defaultValue, size) : list;
    }
    Section* found = FindSection(doc, ini::Trim(Arg(section)));
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

// Deletions take the names as they are given, blanks included.
bool DeleteSection(Document& doc, std::u16string_view name)
{
    for (auto it = doc.sections.begin(); it != doc.sections.end(); ++it) {
        if (ini::SameName(it->name, name)) {
            doc.sections.erase(it);
            return true;
        }
    }
    return false;
}

// The first key of that name in any section of that name.
bool DeleteKey(Document& doc, std::u16string_view section, std::u16string_view key)
{
    for (Section& candidate : doc.sections) {
        if (!ini::SameName(candidate.name, section))
            continue;
        for (auto it = candidate.keys.begin(); it != candidate.keys.end(); ++it) {
            if (ini::SameName(it->name, key)) {
                candidate.keys.erase(it);
                return true;
            }
        }
    }
    return false;
}

// Sets the key in the first section of that name, adding the key at the end of
// the section or the section at the end of the file. The new names and the
// value lose their leading blanks; section names lose trailing ones too.
bool SetValue(Document& doc, std::u16string_view sectionArg, std::u16string_view keyArg,
              std::u16string_view valueArg)
{
    const std::u16string_view sectionName = ini::Trim(sectionArg);
    const std::u16string_view keyName = ini::TrimLeft(keyArg);
    const std::u16string_view value = ini::TrimLeft(valueArg);
    Section* section = FindSection(doc, sectionName);
    if (!section) {
        doc.sections.push_back({std::u16string(sectionName), {}});
        section = &doc.sections.back();
    }
    Key* key = FindKey(*section, ini::TrimRight(keyName));
    if (!key) {
        section->keys.push_back({std::u16string(keyName), std::nullopt});
        key = &section->keys.back();
    }
    if (key->value && *key->value == value)
        return false;
    key->value = std::u16string(value);
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
    Document doc;
    if (Load(fileName, doc) == ini::ReadResult::Failed)
        return FALSE;
    bool changed;
    if (!keyName)
        changed = DeleteSection(doc, Arg(appName));
    else if (!value)
        changed = DeleteKey(doc, Arg(appName), Arg(keyName));
    else
        changed = SetValue(doc, Arg(appName), Arg(keyName), Arg(value));
    if (!changed)
        return TRUE;
    return ini::ReplaceWholeFile(fileName, ini::Serialize(doc)) ? TRUE : FALSE;
}
