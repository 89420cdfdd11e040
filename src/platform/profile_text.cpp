#include "platform/profile_text.h"

#include <cstdint>

namespace ini {
namespace {

// Code page 1252 bytes 0x80-0x9F; the five it leaves unassigned keep their number.
const char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const char kUtf8Mark[] = "\xEF\xBB\xBF";

char16_t AnsiToChar(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : char16_t(byte);
}

char CharToAnsi(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

void AppendCodePoint(std::u16string& out, uint32_t cp)
{
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
        return;
    }
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
}

// UTF-8 to UTF-16; each maximal invalid part becomes one U+FFFD.
void DecodeUtf8(std::string_view in, std::u16string& out)
{
    size_t i = 0;
    while (i < in.size()) {
        const unsigned char lead = in[i];
        if (lead < 0x80) {
            out += lead;
            ++i;
            continue;
        }
        int need = 0;
        uint32_t cp = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            need = 1;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            need = 2;
            cp = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            need = 3;
            cp = lead & 0x07;
        } else {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        // The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
        unsigned char low = 0x80, high = 0xBF;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
        else if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
        size_t j = i + 1;
        int got = 0;
        for (; got < need && j < in.size(); ++got, ++j) {
            const unsigned char c = in[j];
            if (c < (got == 0 ? low : 0x80) || c > (got == 0 ? high : 0xBF))
                break;
            cp = (cp << 6) | (c & 0x3F);
        }
        i = j;
        if (got < need)
            out += u'\uFFFD';
        else
            AppendCodePoint(out, cp);
    }
}

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
void AppendUtf8(std::string& out, std::u16string_view in)
{
    for (size_t i = 0; i < in.size(); ++i) {
        uint32_t cp = in[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
}

void DecodeUtf16(std::string_view in, bool bigEndian, std::u16string& out)
{
    out.resize(in.size() / 2);
    for (size_t i = 0; i < out.size(); ++i) {
        const unsigned char a = in[2 * i], b = in[2 * i + 1];
        out[i] = bigEndian ? char16_t(a << 8 | b) : char16_t(b << 8 | a);
    }
}

void AppendUtf16(std::string& out, std::u16string_view in, bool bigEndian)
{
    for (const char16_t c : in) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
}

}  // namespace

std::u16string FromAnsi(std::string_view bytes)
{
    std::u16string out(bytes.size(), u'\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        out[i] = AnsiToChar(static_cast<unsigned char>(bytes[i]));
    return out;
}

std::string ToAnsi(std::u16string_view text)
{
    std::string out(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i)
        out[i] = CharToAnsi(text[i]);
    return out;
}

Encoding EncodingOf(std::string_view bytes, size_t& markLength)
{
    markLength = 3;
    if (bytes.substr(0, 3) == kUtf8Mark)
        return Encoding::Utf8;
    markLength = 2;
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return Encoding::Utf16Le;
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return Encoding::Utf16Be;
    markLength = 0;
    return Encoding::Ansi;
}

void DecodeText(std::string_view bytes, Encoding encoding, std::u16string& out)
{
    out.clear();
    switch (encoding) {
    case Encoding::Utf8:
        return DecodeUtf8(bytes, out);
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        return DecodeUtf16(bytes, encoding == Encoding::Utf16Be, out);
    case Encoding::Ansi:
        break;
    }
    out.resize(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i)
        out[i] = AnsiToChar(static_cast<unsigned char>(bytes[i]));
}

void AppendEncoded(std::string& out, std::u16string_view text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return AppendUtf8(out, text);
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        return AppendUtf16(out, text, encoding == Encoding::Utf16Be);
    case Encoding::Ansi:
        break;
    }
    for (const char16_t c : text)
        out += CharToAnsi(c);
}

std::u16string DecodeFile(std::string_view bytes, Encoding& encoding)
{
    size_t mark = 0;
    encoding = EncodingOf(bytes, mark);
    std::u16string text;
    DecodeText(bytes.substr(mark), encoding, text);
    return text;
}

std::string EncodeFile(std::u16string_view text, Encoding encoding)
{
    std::string out;
    if (encoding == Encoding::Utf8)
        out = kUtf8Mark;
    else if (encoding != Encoding::Ansi)
        out = encoding == Encoding::Utf16Le ? "\xFF\xFE" : "\xFE\xFF";
    AppendEncoded(out, text, encoding);
    return out;
}

}  // namespace ini
