// Search addresses: prefix + escaped search text + postfix.
#pragma once

#include <string>
#include <string_view>

namespace mirevo {

// The printable ASCII characters that the escaping encodings always write as
// "%XX": all but letters, digits, "-", "." and "_" (the blank becomes "+").
bool IsReservedSearchByte(unsigned char c);

// Escapes a search text for encodings 1..3; encoding 0 gives the text
// unchanged; any other value escapes the single bytes and leaves two-byte
// characters out. A two-byte character cut off at the end of the text, or
// one that has no UTF-16 form (encodings 2 and 3), is left out.
std::string EncodeSearchKeyword(std::string_view text, int encoding);

// prefix, the search text (unchanged for encoding 0, else escaped), postfix.
std::string BuildSearchAddress(std::string_view prefix, std::string_view postfix, int encoding,
                               std::string_view searchText);

// What a work is searched by: its keyword, else its name (chosen before
// trimming), without leading and trailing white space.
std::string SearchTextOf(std::string_view keyword, std::string_view name);

}  // namespace mirevo
