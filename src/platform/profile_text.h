// Character sets of private-profile files. Callers pass and receive code page
// 1252 strings; a file is code page 1252 unless it starts with a byte-order
// mark for UTF-8, UTF-16 LE or UTF-16 BE. Text is held as UTF-16 in between.
#pragma once
#include <string>
#include <string_view>

namespace ini {

enum class Encoding { Ansi, Utf8, Utf16Le, Utf16Be };

// Code page 1252 to UTF-16 and back; characters code page 1252 lacks become '?'.
// Every byte 0x00-0xFF survives the round trip.
std::u16string FromAnsi(std::string_view bytes);
std::string ToAnsi(std::u16string_view text);

// The text of a file's bytes and the encoding its byte-order mark names (the
// mark itself is not part of the text). Invalid UTF-8 becomes U+FFFD; an odd
// last byte of UTF-16 is dropped.
std::u16string DecodeFile(std::string_view bytes, Encoding& encoding);

// The bytes of a file holding text in encoding, byte-order mark first.
std::string EncodeFile(std::u16string_view text, Encoding encoding);

// The encoding a file's byte-order mark names, and the mark's length in bytes.
Encoding EncodingOf(std::string_view bytes, size_t& markLength);

// Bytes after the mark decoded, into out (cleared first). In code page 1252 and
// UTF-8 every ASCII byte stands for itself, so the bytes of one line decode to
// the characters of that line.
void DecodeText(std::string_view bytes, Encoding encoding, std::u16string& out);

// Text encoded, without a mark, added to the end of out.
void AppendEncoded(std::string& out, std::u16string_view text, Encoding encoding);

}  // namespace ini
