// Memory for the many small pieces a large store is made of: each work is a
// record and a few short texts, so 100,000 works are half a million blocks
// of a few dozen bytes. The C runtime's heap (under Wine above all) spends
// far longer on each of those than cutting them from pages of one size does,
// and adds more bytes to each.
//
// Blocks up to kLargestSmallBlock bytes come from size classes 16 bytes
// apart. Each class cuts its blocks from pages of its own, taken from one
// span of address space reserved at the first block, so that a block's page
// is found from its address and a block carries nothing but itself. A freed
// block waits in its page for the next block of its class; a page whose
// blocks are all free is cut afresh, in address order. Pages stay with their
// class and the span is never given back. Larger blocks, and every block
// once the span is used up, are the C runtime's.
//
// Safe to use from several threads. Each thread cuts its blocks from pages
// of an arena with a lock of its own (the first thread's arena is its own;
// the threads after it share the others in turn, once there are more of
// them than arenas): threads that allocate at once neither wait on one
// another nor write blocks side by side in one cache line. A block freed on
// another thread goes back to its page's arena.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace mirevo {

inline constexpr std::size_t kLargestSmallBlock = 512;
inline constexpr std::size_t kHeapPageBytes = std::size_t{64} << 10;

class SmallBlockHeap {
 public:
  explicit constexpr SmallBlockHeap(std::size_t spanBytes = std::size_t{4} << 30)
      : spanBytes_(spanBytes) {}
  SmallBlockHeap(const SmallBlockHeap&) = delete;
  SmallBlockHeap& operator=(const SmallBlockHeap&) = delete;

  // A block of at least size bytes, aligned to 16, or nullptr when there is
  // no memory for it.
  void* Allocate(std::size_t size);
  // Takes back a block of Allocate; nullptr is ignored.
  void Free(void* block);

  // How many pages the heap has cut from its span so far.
  std::size_t Pages() const { return used_.load(std::memory_order_relaxed) / kHeapPageBytes; }

 private:
  struct FreeBlock {
    FreeBlock* next;
  };
  struct Page;
  static constexpr std::size_t kClassCount = kLargestSmallBlock / 16;
  static constexpr std::size_t kArenaCount = 4;

  // The pages one thread (or a few) cuts blocks from; a cache line of its
  // own for its lock.
  struct alignas(64) Arena {
    void Lock();
    void Unlock() { locked.clear(std::memory_order_release); }

    std::atomic_flag locked;
    std::array<Page*, kClassCount> current{};  // where each class cuts next
    std::array<Page*, kClassCount> partial{};  // each class's other pages with free blocks
  };

  bool Owns(const void* block) const;
  char* Span();
  // A page of the class with room, taken from the arena's partial pages or
  // cut anew; nullptr when the span has none left. The arena is locked.
  Page* NextPageLocked(std::size_t arenaIndex, std::size_t sizeClass);

  std::size_t spanBytes_;
  std::atomic<char*> span_ = nullptr;
  std::atomic<bool> reserveFailed_ = false;
  std::atomic_flag reserving_;
  std::atomic<std::size_t> used_ = 0;  // bytes of the span cut into pages
  std::array<Arena, kArenaCount> arenas_{};
};

}  // namespace mirevo
