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
            doc.sections.push_back({UpToNul(Trim(line.substr(1, close - 1))), {}});
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
    doc.sections.back().keys.push_back(std::move(key));
}

}  // namespace

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
        doc.sections.emplace_back();
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
    doc.sections.emplace_back();
    ForEachLine(text, [&](std::u16string_view line) { AddLine(doc, Trim(line)); });
    return doc;
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
