#include <windows.h>

#include "memory/address_span.h"

namespace mirevo {

char* ReserveAddressSpace(std::size_t bytes) {
  return static_cast<char*>(::VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS));
}

bool CommitAddressSpace(char* start, std::size_t bytes) {
  return ::VirtualAlloc(start, bytes, MEM_COMMIT, PAGE_READWRITE) != nullptr;
}

}  // namespace mirevo
