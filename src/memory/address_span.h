// Address space reserved in one piece and made usable part by part: the
// small-block heap finds a block's page from its address alone.
#pragma once

#include <cstddef>

namespace mirevo {

// Reserves bytes of address space without memory behind them; nullptr when
// the system has none to give.
char* ReserveAddressSpace(std::size_t bytes);
// Puts memory behind [start, start + bytes) of a reserved span, zeroed.
bool CommitAddressSpace(char* start, std::size_t bytes);

}  // namespace mirevo
