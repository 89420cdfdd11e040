#include "platform/profile_doc.h"

namespace ini {
namespace {

char16_t FoldAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

// Names and values are C strings: they end at the first NUL.
std::u16string UpToNul(std::u16string_view s) { return std::u16string(s.substr(0, s.find(u'\0'))); }

// Calls lineFn with each line of text: lines end at CR LF, LF or a lone CR.
template <typename Char, typename Fn>
void ForEachLine(std::basic_string_view<Char> text, Fn lineFn)
{
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = pos;
        while (end < text.size() && text[end] != Char('\r') && text[end] != Char('\n'))
            ++end;
        lineFn(text.substr(pos, end - pos));
        pos = end + 1;
        if (end + 1 < text.size() && text[end] == Char('\r') && text[end + 1] == Char('\n'))
            ++pos;
    }
}

// A trimmed line: a section header or a key; an empty one is dropped.
void AddLine(Document& doc, std::u16string_view line)
{
    if (line.empty())
        return;
    if (line[0] == u'[') {
        const size_t close = line.rfind(u']');
        if (close != std::u16string_view::npos && close > 0) {
            AppendSection(doc, UpToNul(Trim(line.substr(1, close - 1))));
            return;
        }
    }
    Key key;
    const size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos) {
        key.name = UpToNul(line);
    } else {
        key.name = UpToNul(TrimRight(line.substr(0, equals)));
        key.value = UpToNul(TrimLeft(line.substr(equals + 1)));
    }
    AppendKey(doc.sections.back(), std::move(key));
}

template <typename Items, typename Name>
void Reindex(const Items& items, std::unordered_map<FoldedName, size_t>& index, Name name)
{
    index.clear();
    for (size_t i = 0; i < items.size(); ++i)
        index.emplace(Fold(name(items[i])), i);
}

void Reindex(Section& section)
{
    Reindex(section.keys, section.firstKey, [](const Key& k) -> const std::u16string& { return k.name; });
}

void Reindex(Document& doc)
{
    Reindex(doc.sections, doc.firstSection, [](const Section& s) -> const std::u16string& { return s.name; });
}

}  // namespace

FoldedName Fold(std::u16string_view name)
{
    FoldedName folded(name);
    for (char16_t& c : folded)
        c = FoldAscii(c);
    return folded;
}

const Key* FindKey(const Section& section, std::u16string_view name)
{
    const auto it = section.firstKey.find(Fold(name));
    return it == section.firstKey.end() ? nullptr : &section.keys[it->second];
}

Key* FindKey(Section& section, std::u16string_view name)
{
    return const_cast<Key*>(FindKey(static_cast<const Section&>(section), name));
}

const Section* FindSection(const Document& doc, std::u16string_view name)
{
    const auto it = doc.firstSection.find(Fold(name));
    return it == doc.firstSection.end() ? nullptr : &doc.sections[it->second];
}

Section* FindSection(Document& doc, std::u16string_view name)
{
    return const_cast<Section*>(FindSection(static_cast<const Document&>(doc), name));
}

Key& AppendKey(Section& section, Key key)
{
    section.firstKey.emplace(Fold(key.name), section.keys.size());
    return section.keys.emplace_back(std::move(key));
}

void EraseKey(Section& section, size_t at)
{
    section.keys.erase(section.keys.begin() + static_cast<ptrdiff_t>(at));
    Reindex(section);
}

void ReplaceKey(Section& section, size_t at, Key key)
{
    const bool renamed = !SameName(section.keys[at].name, key.name);
    section.keys[at] = std::move(key);
    if (renamed)
        Reindex(section);
}

Section& AppendSection(Document& doc, std::u16string name)
{
    doc.firstSection.emplace(Fold(name), doc.sections.size());
    Section& section = doc.sections.emplace_back();
    section.name = std::move(name);
    return section;
}

void EraseSection(Document& doc, size_t at)
{
    doc.sections.erase(doc.sections.begin() + static_cast<ptrdiff_t>(at));
    Reindex(doc);
}

bool IsBlank(char16_t c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20; }

std::u16string_view TrimLeft(std::u16string_view s)
{
    size_t begin = 0;
    while (begin < s.size() && IsBlank(s[begin]))
        ++begin;
    return s.substr(begin);
}

std::u16string_view TrimRight(std::u16string_view s)
{
    size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1]))
        --end;
    return s.substr(0, end);
}

std::u16string_view Trim(std::u16string_view s) { return TrimRight(TrimLeft(s)); }

bool SameName(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

Document Parse(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    size_t mark = 0;
    const Encoding encoding = EncodingOf(bytes, mark);
    Document doc;
    if (encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be) {
        std::u16string text;
        DecodeText(bytes.substr(mark), encoding, text);
        doc = ParseText(text);
    } else {
        // Line by line: the whole text is never held twice.
        AppendSection(doc, u"");
        std::u16string line;
        ForEachLine(bytes.substr(mark), [&](std::string_view raw) {
            DecodeText(raw, encoding, line);
            AddLine(doc, Trim(line));
        });
    }
    doc.encoding = encoding;
    return doc;
}

Document ParseText(std::u16string_view text)
{
    Document doc;
    AppendSection(doc, u"");
    ForEachLine(text, [&](std::u16string_view line) { AddLine(doc, Trim(line)); });
    return doc;
}

uint64_t LineSize(const Key& key, Encoding encoding)
{
    std::string bytes;
    AppendEncoded(bytes, key.name, encoding);
    if (key.value) {
        AppendEncoded(bytes, u"=", encoding);
        AppendEncoded(bytes, *key.value, encoding);
    }
    AppendEncoded(bytes, u"\r\n", encoding);
    return bytes.size();
}

uint64_t HeaderSize(std::u16string_view sectionName, Encoding encoding)
{
    if (sectionName.empty())
        return 0;
    std::string bytes;
    AppendEncoded(bytes, u"[", encoding);
    AppendEncoded(bytes, sectionName, encoding);
    AppendEncoded(bytes, u"]\r\n", encoding);
    return bytes.size();
}

uint64_t SerializedSize(const Document& doc)
{
    uint64_t size = EncodeFile(u"", doc.encoding).size();
    for (const Section& section : doc.sections) {
        size += HeaderSize(section.name, doc.encoding);
        for (const Key& key : section.keys)
            size += LineSize(key, doc.encoding);
    }
    return size;
}

std::string Serialize(const Document& doc)
{
    size_t length = 0;
    for (const Section& section : doc.sections) {
        length += section.name.size() + 4;
        for (const Key& key : section.keys)
            length += key.name.size() + (key.value ? key.value->size() + 1 : 0) + 2;
    }
    std::string out = EncodeFile(u"", doc.encoding);
    out.reserve(out.size() + length * (doc.encoding == Encoding::Ansi ? 1 : 2));
    std::u16string line;
    for (const Section& section : doc.sections) {
        if (!section.name.empty()) {
            line = u"[" + section.name + u"]\r\n";
            AppendEncoded(out, line, doc.encoding);
        }
        for (const Key& key : section.keys) {
            line = key.name;
            if (key.value) {
                line += u'=';
                line += *key.value;
            }
            line += u"\r\n";
            AppendEncoded(out, line, doc.encoding);
        }
    }
    return out;
}

}  // namespace ini
