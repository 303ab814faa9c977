#include "memory/small_block_heap.h"

#include <cstdlib>
#include <thread>

#include "memory/address_span.h"

namespace mirevo {

// At the start of each page; its blocks follow.
struct SmallBlockHeap::Page {
  FreeBlock* free;
  char* next;  // the first byte no block was ever cut from
  Page* nextPartial;
  std::uint32_t live;  // blocks handed out and not freed
  std::uint16_t sizeClass;
  std::uint8_t arena;
  bool onPartialList;
};

namespace {

// Keeps the blocks after it at 16-byte alignment.
constexpr std::size_t kPageHeaderBytes = 64;

constexpr std::size_t BlockBytes(std::size_t sizeClass) {
  return (sizeClass + 1) * 16;
}

void Wait(std::atomic_flag& locked) {
  // Two threads meet here only where one frees what the other made, where
  // they share an arena, or where both reserve the span; each briefly:
  // yielding is enough.
  while (locked.test_and_set(std::memory_order_acquire)) std::this_thread::yield();
}

// The arena of the calling thread. The first thread to allocate (the
// program's main thread) has the first arena to itself; the threads after
// it take the others in turn.
std::size_t HomeArena(std::size_t arenaCount) {
  static std::atomic<unsigned> threads = 0;
  thread_local unsigned home = 0;  // the arena's index + 1, once chosen
  if (home == 0) {
    const unsigned thread = threads.fetch_add(1, std::memory_order_relaxed);
    home = thread == 0 ? 1 : 2 + (thread - 1) % (arenaCount - 1);
  }
  return home - 1;
}

}  // namespace

void SmallBlockHeap::Arena::Lock() {
  Wait(locked);
}

bool SmallBlockHeap::Owns(const void* block) const {
  const char* span = span_.load(std::memory_order_acquire);
  const auto* byte = static_cast<const char*>(block);
  return span != nullptr && byte >= span && byte < span + spanBytes_;
}

// The span, reserved by the first thread that needs it.
char* SmallBlockHeap::Span() {
  char* span = span_.load(std::memory_order_acquire);
  if (span != nullptr || reserveFailed_.load(std::memory_order_acquire)) return span;
  Wait(reserving_);
  span = span_.load(std::memory_order_acquire);
  if (span == nullptr && !reserveFailed_.load(std::memory_order_relaxed)) {
    span = ReserveAddressSpace(spanBytes_);
    if (span == nullptr) reserveFailed_.store(true, std::memory_order_release);
    span_.store(span, std::memory_order_release);
  }
  reserving_.clear(std::memory_order_release);
  return span;
}

SmallBlockHeap::Page* SmallBlockHeap::NextPageLocked(std::size_t arenaIndex,
                                                     std::size_t sizeClass) {
  Arena& arena = arenas_[arenaIndex];
  // A page on the list has a free block.
  if (Page* page = arena.partial[sizeClass]) {
    arena.partial[sizeClass] = page->nextPartial;
    page->onPartialList = false;
    return page;
  }
  char* span = Span();
  if (span == nullptr) return nullptr;
  std::size_t offset = used_.load(std::memory_order_relaxed);
  do {
    if (spanBytes_ - offset < kHeapPageBytes) return nullptr;
  } while (
      !used_.compare_exchange_weak(offset, offset + kHeapPageBytes, std::memory_order_relaxed));
  // A page that cannot be committed stays cut and unused: the span is
  // address space, not memory.
  if (!CommitAddressSpace(span + offset, kHeapPageBytes)) return nullptr;
  auto* page = reinterpret_cast<Page*>(span + offset);
  *page = {.free = nullptr,
           .next = reinterpret_cast<char*>(page) + kPageHeaderBytes,
           .nextPartial = nullptr,
           .live = 0,
           .sizeClass = static_cast<std::uint16_t>(sizeClass),
           .arena = static_cast<std::uint8_t>(arenaIndex),
           .onPartialList = false};
  static_assert(kPageHeaderBytes >= sizeof(Page));
  return page;
}

void* SmallBlockHeap::Allocate(std::size_t size) {
  if (size > kLargestSmallBlock) return std::malloc(size);
  const std::size_t sizeClass = size == 0 ? 0 : (size - 1) / 16;
  const std::size_t blockBytes = BlockBytes(sizeClass);
  const std::size_t arenaIndex = HomeArena(kArenaCount);
  Arena& arena = arenas_[arenaIndex];
  arena.Lock();
  Page* page = arena.current[sizeClass];
  const auto hasRoom = [blockBytes](const Page* p) {
    return p->free != nullptr || reinterpret_cast<const char*>(p) + kHeapPageBytes - p->next >=
                                     static_cast<std::ptrdiff_t>(blockBytes);
  };
  if (page == nullptr || !hasRoom(page)) {
    page = NextPageLocked(arenaIndex, sizeClass);
    if (page == nullptr) {
      arena.Unlock();
      return std::malloc(blockBytes);
    }
    arena.current[sizeClass] = page;
  }
  if (page->live == 0) {  // all free: cut afresh, in address order
    page->free = nullptr;
    page->next = reinterpret_cast<char*>(page) + kPageHeaderBytes;
  }
  void* block;
  if (page->free != nullptr) {
    block = page->free;
    page->free = page->free->next;
  } else {
    block = page->next;
    page->next += blockBytes;
  }
  ++page->live;
  arena.Unlock();
  return block;
}

void SmallBlockHeap::Free(void* block) {
  if (block == nullptr) return;
  if (!Owns(block)) {
    std::free(block);
    return;
  }
  char* span = span_.load(std::memory_order_relaxed);
  const auto offset = static_cast<std::size_t>(static_cast<char*>(block) - span);
  auto* page = reinterpret_cast<Page*>(span + offset / kHeapPageBytes * kHeapPageBytes);
  auto* freed = static_cast<FreeBlock*>(block);
  // The page's arena never changes once the page is cut.
  Arena& arena = arenas_[page->arena];
  arena.Lock();
  freed->next = page->free;
  page->free = freed;
  --page->live;
  if (page != arena.current[page->sizeClass] && !page->onPartialList) {
    page->nextPartial = arena.partial[page->sizeClass];
    arena.partial[page->sizeClass] = page;
    page->onPartialList = true;
  }
  arena.Unlock();
}

}  // namespace mirevo
