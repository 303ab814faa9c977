#include <sys/mman.h>

#include "memory/address_span.h"

namespace mirevo {

char* ReserveAddressSpace(std::size_t bytes) {
  void* span =
      ::mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  return span == MAP_FAILED ? nullptr : static_cast<char*>(span);
}

bool CommitAddressSpace(char* start, std::size_t bytes) {
  return ::mprotect(start, bytes, PROT_READ | PROT_WRITE) == 0;
}

}  // namespace mirevo
