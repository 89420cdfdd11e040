// A small JSON reader for test data: objects, arrays, strings, integers, true,
// false and null. Strings are byte strings: every character must be below
// U+0100 and becomes the byte of that number (so "\u00e9" is byte 0xE9).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct Json {
    enum class Type { Null, Bool, Int, String, Array, Object };
    // A named member of an object (a pair would need Json complete here).
    struct Member;

    Type type = Type::Null;
    bool boolean = false;
    int64_t integer = 0;
    std::string string;
    std::vector<Json> array;
    std::vector<Member> object;

    // The member of an object with that name; null when there is none.
    const Json* Find(std::string_view name) const;
};

struct Json::Member {
    Member(std::string n, Json v) : name(std::move(n)), value(std::move(v)) {}
    std::string name;
    Json value;
};

// The value of one JSON text, or nothing with the reason in error.
std::optional<Json> ParseJson(std::string_view text, std::string& error);
