// Every operator new and delete of Mirevo.exe goes to the small-block heap.
// The program links its C++ runtime in, so these replace the runtime's own
// everywhere in the program. The aligned forms stay the runtime's: they
// neither call nor are called by these.
#include <new>

#include "memory/small_block_heap.h"

namespace {

// Constant-initialised and never destroyed: blocks are freed until the
// very end of the process, after every destructor that could run first.
constinit mirevo::SmallBlockHeap heap;

void* AllocateOrThrow(std::size_t size) {
  for (;;) {
    if (void* block = heap.Allocate(size)) return block;
    std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    handler();
  }
}

void* AllocateOrNull(std::size_t size) noexcept {
  try {
    return AllocateOrThrow(size);
  } catch (...) {
    return nullptr;
  }
}

}  // namespace

void* operator new(std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return AllocateOrNull(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return AllocateOrNull(size);
}
void operator delete(void* block) noexcept {
  heap.Free(block);
}
void operator delete[](void* block) noexcept {
  heap.Free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  heap.Free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  heap.Free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  heap.Free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  heap.Free(block);
}
