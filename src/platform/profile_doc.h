// The parsed form of a private-profile file: sections in file order, each with
// its lines in order. A line of a section is a key, with a value when it has an
// '='; comments and other text are keys too, so a rewrite keeps them.
#pragma once
#include "platform/profile_text.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ini {

struct Key {
    std::u16string name;
    std::optional<std::u16string> value;  // none: a line without '='
};

struct Section {
    std::u16string name;  // empty for the lines before the first header
    std::vector<Key> keys;
};

struct Document {
    Encoding encoding = Encoding::Ansi;
    std::vector<Section> sections;  // none for a missing or empty file
};

// Blanks around names and values: tab, line feed, vertical tab, form feed,
// carriage return, Ctrl-Z and space.
bool IsBlank(char16_t c);
std::u16string_view TrimLeft(std::u16string_view s);
std::u16string_view TrimRight(std::u16string_view s);
std::u16string_view Trim(std::u16string_view s);

// Names are equal without regard to the case of ASCII letters.
bool SameName(std::u16string_view a, std::u16string_view b);

// A document of the file's bytes. Lines end at CR LF, LF or a lone CR, mixed
// as they come; blank lines are dropped; names and values are trimmed and end at a
// NUL.
Document Parse(std::string_view bytes);
// The same for text already decoded: a nameless first section, then the rest.
Document ParseText(std::u16string_view text);

// The file's bytes in its encoding: every line ends in CR LF; the nameless
// first section has no header.
std::string Serialize(const Document& doc);

}  // namespace ini
