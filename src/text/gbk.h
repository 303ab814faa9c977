// GBK (code page 936) byte strings: the one character set of every text the
// program keeps, shows and stores. Lengths and cuts count bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mirevo {

// First byte of a two-byte GBK character.
constexpr bool IsGbkLeadByte(unsigned char c) {
  return c >= 0x81 && c <= 0xFE;
}

// Second byte of a two-byte GBK character.
constexpr bool IsGbkTrailByte(unsigned char c) {
  return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFE);
}

// The bytes of the character at pos (pos < text.size()): 2 for a lead byte
// with a valid trail byte after it, else 1.
constexpr std::size_t GbkCharLengthAt(std::string_view text, std::size_t pos) {
  return IsGbkLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() &&
                 IsGbkTrailByte(static_cast<unsigned char>(text[pos + 1]))
             ? 2
             : 1;
}

// Multibyte-aware order: a lead byte with a valid trail byte is one character
// worth lead * 256 + trail, every other byte a character of its own value;
// the first differing character decides and a prefix sorts first.
// Returns <0, 0 or >0 like strcmp.
int CompareText(std::string_view a, std::string_view b);

// Writes the text's sort key from out on and returns its end: two bytes a
// character, its value high byte first, so at most twice the text's bytes.
// The plain byte order of two keys is the CompareText order of their texts,
// which a sort of many texts compares far faster.
char* WriteSortKey(std::string_view text, char* out);

// What the C library's atoi gives: leading white space, an optional sign,
// decimal digits up to the first non-digit; 0 without digits. Values beyond
// the 32-bit range saturate instead of being undefined.
int ReadAtoi(std::string_view text);

// A typed whole number: decimal digits only, with C white space around them
// allowed; nullopt for anything else (a sign, letters, an empty text) and for
// a number beyond the 32-bit range.
std::optional<int> ReadDecimal(std::string_view text);

// True when every byte is ASCII or part of a well-formed two-byte character
// (0x80 alone is the euro sign of code page 936).
bool IsValidGbk(std::string_view text);

// The longest prefix of at most maxBytes bytes that does not end inside a
// two-byte character.
std::size_t CharBoundaryAtOrBelow(std::string_view text, std::size_t maxBytes);

// Whitespace as isspace() sees it in the C locale.
constexpr bool IsCSpace(unsigned char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// The text without leading and trailing C white space.
std::string_view TrimWhiteSpace(std::string_view text);

}  // namespace mirevo
