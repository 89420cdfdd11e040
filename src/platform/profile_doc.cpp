#include "platform/profile_doc.h"

namespace ini {
namespace {

char16_t FoldAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

// Names and values are C strings: they end at the first NUL.
std::u16string UpToNul(std::u16string_view s) { return std::u16string(s.substr(0, s.find(u'\0'))); }

void AddLine(Document& doc, std::u16string_view line)
{
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
    Encoding encoding;
    Document doc = ParseText(DecodeFile(bytes, encoding));
    doc.encoding = encoding;
    return doc;
}

Document ParseText(std::u16string_view all)
{
    Document doc;
    doc.sections.emplace_back();
    size_t pos = 0;
    while (pos < all.size()) {
        size_t end = pos;
        while (end < all.size() && all[end] != u'\r' && all[end] != u'\n')
            ++end;
        const std::u16string_view line = Trim(all.substr(pos, end - pos));
        pos = end + 1;
        if (end + 1 < all.size() && all[end] == u'\r' && all[end + 1] == u'\n')
            ++pos;
        if (!line.empty())
            AddLine(doc, line);
    }
    return doc;
}

std::string Serialize(const Document& doc)
{
    std::u16string text;
    for (const Section& section : doc.sections) {
        if (!section.name.empty())
            text += u"[" + section.name + u"]\r\n";
        for (const Key& key : section.keys) {
            text += key.name;
            if (key.value)
                text += u"=" + *key.value;
            text += u"\r\n";
        }
    }
    return EncodeFile(text, doc.encoding);
}

}  // namespace ini
