// The parsed form of a private-profile file: sections in file order, each with
// its lines in order. A line of a section is a key, with a value when it has an
// '='; comments and other text are keys too, so a rewrite keeps them.
#pragma once
#include "platform/profile_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ini {

struct Key {
    std::u16string name;
    std::optional<std::u16string> value;  // none: a line without '='
};

// Names folded to lower-case ASCII letters, for the indexes below.
using FoldedName = std::u16string;
FoldedName Fold(std::u16string_view name);

struct Section {
    std::u16string name;  // empty for the lines before the first header
    std::vector<Key> keys;
    // The first key of each name, by index into keys: lookups are no scan.
    // Kept by the functions below; change keys only through them.
    std::unordered_map<FoldedName, size_t> firstKey;
};

struct Document {
    Encoding encoding = Encoding::Ansi;
    std::vector<Section> sections;  // none for a missing or empty file
    // The first section of each name, by index into sections.
    std::unordered_map<FoldedName, size_t> firstSection;
};

// The first key or section of that name (without regard to ASCII case), or null.
const Key* FindKey(const Section& section, std::u16string_view name);
Key* FindKey(Section& section, std::u16string_view name);
const Section* FindSection(const Document& doc, std::u16string_view name);
Section* FindSection(Document& doc, std::u16string_view name);

// Changes that keep the indexes.
Key& AppendKey(Section& section, Key key);
void EraseKey(Section& section, size_t at);
void ReplaceKey(Section& section, size_t at, Key key);
Section& AppendSection(Document& doc, std::u16string name);
void EraseSection(Document& doc, size_t at);

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

// What Serialize gives, in bytes, for the whole document, for one key's line
// and for a section's header line (0 for a nameless section).
uint64_t SerializedSize(const Document& doc);
uint64_t LineSize(const Key& key, Encoding encoding);
uint64_t HeaderSize(std::u16string_view sectionName, Encoding encoding);

}  // namespace ini
