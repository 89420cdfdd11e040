#include "jsonl.h"

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<Json> Document(std::string& error)
    {
        Json value;
        if (Value(value, 0) && (SkipBlanks(), pos_ == text_.size()))
            return value;
        error = (error_.empty() ? std::string("trailing text") : error_) + " at offset " + std::to_string(pos_);
        return std::nullopt;
    }

private:
    bool Fail(const char* why)
    {
        if (error_.empty())
            error_ = why;
        return false;
    }

    void SkipBlanks()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r'))
            ++pos_;
    }

    bool Take(char c)
    {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool Word(std::string_view word)
    {
        if (text_.substr(pos_, word.size()) != word)
            return Fail("unknown word");
        pos_ += word.size();
        return true;
    }

    bool Value(Json& out, int depth)
    {
        if (depth > 64)
            return Fail("nested too deeply");
        SkipBlanks();
        if (pos_ >= text_.size())
            return Fail("value expected");
        const char c = text_[pos_];
        if (c == '{')
            return Object(out, depth);
        if (c == '[')
            return Array(out, depth);
        if (c == '"') {
            out.type = Json::Type::String;
            return String(out.string);
        }
        if (c == '-' || (c >= '0' && c <= '9'))
            return Integer(out);
        if (c == 't' || c == 'f') {
            out.type = Json::Type::Bool;
            out.boolean = c == 't';
            return Word(c == 't' ? "true" : "false");
        }
        out.type = Json::Type::Null;
        return Word("null");
    }

    bool Object(Json& out, int depth)
    {
        out.type = Json::Type::Object;
        ++pos_;
        if (Take('}'))
            return true;
        do {
            SkipBlanks();
            std::string name;
            if (pos_ >= text_.size() || text_[pos_] != '"')
                return Fail("member name expected");
            if (!String(name))
                return false;
            if (!Take(':'))
                return Fail("':' expected");
            Json value;
            if (!Value(value, depth + 1))
                return false;
            out.object.emplace_back(std::move(name), std::move(value));
        } while (Take(','));
        return Take('}') || Fail("'}' expected");
    }

    bool Array(Json& out, int depth)
    {
        out.type = Json::Type::Array;
        ++pos_;
        if (Take(']'))
            return true;
        do {
            Json value;
            if (!Value(value, depth + 1))
                return false;
            out.array.push_back(std::move(value));
        } while (Take(','));
        return Take(']') || Fail("']' expected");
    }

    bool Integer(Json& out)
    {
        out.type = Json::Type::Int;
        const bool negative = text_[pos_] == '-';
        if (negative)
            ++pos_;
        const size_t start = pos_;
        uint64_t magnitude = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            magnitude = magnitude * 10 + static_cast<uint64_t>(text_[pos_] - '0');
            if (magnitude > (uint64_t(1) << 62))
                return Fail("number too large");
            ++pos_;
        }
        if (pos_ == start)
            return Fail("digits expected");
        if (pos_ < text_.size() && (text_[pos_] == '.' || text_[pos_] == 'e' || text_[pos_] == 'E'))
            return Fail("only integers are supported");
        out.integer = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
        return true;
    }

    bool Hex4(uint32_t& out)
    {
        if (pos_ + 4 > text_.size())
            return Fail("short \\u escape");
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[pos_++];
            out <<= 4;
            if (c >= '0' && c <= '9')
                out |= static_cast<uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                out |= static_cast<uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                out |= static_cast<uint32_t>(c - 'A' + 10);
            else
                return Fail("bad \\u escape");
        }
        return true;
    }

    // A character written as raw UTF-8 in the JSON text.
    bool Utf8(uint32_t& out)
    {
        const unsigned char lead = text_[pos_++];
        int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        if (more < 0)
            return Fail("bad UTF-8");
        out = lead & (0x3F >> more);
        for (; more > 0; --more) {
            if (pos_ >= text_.size() || (static_cast<unsigned char>(text_[pos_]) & 0xC0) != 0x80)
                return Fail("bad UTF-8");
            out = (out << 6) | (static_cast<unsigned char>(text_[pos_++]) & 0x3F);
        }
        return true;
    }

    bool String(std::string& out)
    {
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size())
                return Fail("unterminated string");
            const char c = text_[pos_];
            uint32_t code = 0;
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return Fail("control character in string");
            if (c == '\\') {
                if (++pos_ >= text_.size())
                    return Fail("unterminated escape");
                const char e = text_[pos_++];
                switch (e) {
                case '"': code = '"'; break;
                case '\\': code = '\\'; break;
                case '/': code = '/'; break;
                case 'b': code = '\b'; break;
                case 'f': code = '\f'; break;
                case 'n': code = '\n'; break;
                case 'r': code = '\r'; break;
                case 't': code = '\t'; break;
                case 'u':
                    if (!Hex4(code))
                        return false;
                    break;
                default:
                    return Fail("unknown escape");
                }
            } else if (static_cast<unsigned char>(c) >= 0x80) {
                if (!Utf8(code))
                    return false;
            } else {
                code = static_cast<unsigned char>(c);
                ++pos_;
            }
            if (code > 0xFF)
                return Fail("character above U+00FF in a byte string");
            out += static_cast<char>(code);
        }
    }

    std::string_view text_;
    size_t pos_ = 0;
    std::string error_;
};

}  // namespace

const Json* Json::Find(std::string_view name) const
{
    for (const auto& [key, value] : object) {
        if (key == name)
            return &value;
    }
    return nullptr;
}

std::optional<Json> ParseJson(std::string_view text, std::string& error)
{
    return Reader(text).Document(error);
}
