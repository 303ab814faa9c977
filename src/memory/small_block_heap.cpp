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
  std::uint32_t sizeClass;
  bool onPartialList;
};

namespace {

// Keeps the blocks after it at 16-byte alignment.
constexpr std::size_t kPageHeaderBytes = 64;

constexpr std::size_t BlockBytes(std::size_t sizeClass) {
  return (sizeClass + 1) * 16;
}

}  // namespace

void SmallBlockHeap::Lock() {
  // Only the loading and the recovery threads ever meet the window's here,
  // and briefly: yielding is enough.
  while (locked_.test_and_set(std::memory_order_acquire)) std::this_thread::yield();
}

bool SmallBlockHeap::Owns(const void* block) const {
  const char* span = span_.load(std::memory_order_acquire);
  const auto* byte = static_cast<const char*>(block);
  return span != nullptr && byte >= span && byte < span + spanBytes_;
}

SmallBlockHeap::Page* SmallBlockHeap::NextPageLocked(std::size_t sizeClass) {
  // A page on the list has a free block.
  if (Page* page = partial_[sizeClass]) {
    partial_[sizeClass] = page->nextPartial;
    page->onPartialList = false;
    return page;
  }
  char* span = span_.load(std::memory_order_relaxed);
  if (span == nullptr && !reserveFailed_) {
    span = ReserveAddressSpace(spanBytes_);
    reserveFailed_ = span == nullptr;
    span_.store(span, std::memory_order_release);
  }
  if (span == nullptr || spanBytes_ - used_ < kHeapPageBytes ||
      !CommitAddressSpace(span + used_, kHeapPageBytes))
    return nullptr;
  auto* page = reinterpret_cast<Page*>(span + used_);
  used_ += kHeapPageBytes;
  *page = {.free = nullptr,
           .next = reinterpret_cast<char*>(page) + kPageHeaderBytes,
           .nextPartial = nullptr,
           .live = 0,
           .sizeClass = static_cast<std::uint32_t>(sizeClass),
           .onPartialList = false};
  static_assert(kPageHeaderBytes >= sizeof(Page));
  return page;
}

void* SmallBlockHeap::Allocate(std::size_t size) {
  if (size > kLargestSmallBlock) return std::malloc(size);
  const std::size_t sizeClass = size == 0 ? 0 : (size - 1) / 16;
  const std::size_t blockBytes = BlockBytes(sizeClass);
  Lock();
  Page* page = current_[sizeClass];
  const auto hasRoom = [blockBytes](const Page* p) {
    return p->free != nullptr || reinterpret_cast<const char*>(p) + kHeapPageBytes - p->next >=
                                     static_cast<std::ptrdiff_t>(blockBytes);
  };
  if (page == nullptr || !hasRoom(page)) {
    page = NextPageLocked(sizeClass);
    if (page == nullptr) {
      Unlock();
      return std::malloc(blockBytes);
    }
    current_[sizeClass] = page;
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
  Unlock();
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
  Lock();
  freed->next = page->free;
  page->free = freed;
  --page->live;
  if (page != current_[page->sizeClass] && !page->onPartialList) {
    page->nextPartial = partial_[page->sizeClass];
    partial_[page->sizeClass] = page;
    page->onPartialList = true;
  }
  Unlock();
}

}  // namespace mirevo
