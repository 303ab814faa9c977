// The data file: a flat run of "tag=value;" entries, 14 per record, lists in
// index order and records from head to tail. No header, no escaping.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/file_io.h"
#include "store/record_store.h"

namespace mirevo {

// Texts of at least this many bytes are read as two halves at once, each
// on a thread of its own.
inline constexpr std::size_t kReadInHalvesFrom = std::size_t{1} << 20;

// Reads the text into the (empty) lists and raises idCounter. Returns the
// messages to show, in order. Records read before damage stay loaded. The
// records' texts borrow the text's bytes, which the lists keep. A text read
// in halves gives what it gives read in one piece.
std::vector<std::string> ParseData(std::string text, RecordStore& store,
                                   std::size_t halvesFrom = kReadInHalvesFrom);

// The bytes of the data file for the store; the second form writes them into
// out, in the memory it already has when that is large enough.
std::string FormatData(const RecordStore& store);
void FormatData(const RecordStore& store, std::string& out);
// The same bytes, handed to write in pieces of at most pieceBytes each (a
// work longer than that comes in a piece of its own), formatted one after
// another into one buffer. Stops, returning false, as soon as write does.
bool FormatDataInPieces(const RecordStore& store, std::size_t pieceBytes, const PieceWriter& write);

// False for a text that the data file cannot give back as it was: one whose
// first byte is ";", one holding ";" followed by any one byte and "=", or one
// holding a zero byte. Such a text would be cut or misread at the next start.
bool CanDataFileCarry(std::string_view text);

}  // namespace mirevo
