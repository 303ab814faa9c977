#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <random>
#include <thread>
#include <vector>

#include "memory/small_block_heap.h"

namespace mirevo::testing {
namespace {

// Every size gets a block of its own, aligned, that holds all its bytes
// without touching another block; past the span the C runtime serves.
TEST(SmallBlockHeap, BlocksOfEverySizeAreAlignedAndApart) {
  SmallBlockHeap heap(2 * kHeapPageBytes);
  std::vector<std::pair<unsigned char*, std::size_t>> blocks;
  for (std::size_t size : {0, 1, 15, 16, 17, 31, 300, 511, 512, 513, 4096, 100000})
    for (int copy = 0; copy < 3; ++copy) blocks.push_back({nullptr, size});
  for (int i = 0; i < 300; ++i) blocks.push_back({nullptr, 500});  // beyond two pages
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    auto& [block, size] = blocks[i];
    block = static_cast<unsigned char*>(heap.Allocate(size));
    ASSERT_NE(block, nullptr) << size;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % 16, 0u) << size;
    std::memset(block, static_cast<int>(i % 251), size);
  }
  EXPECT_EQ(heap.Pages(), 2u);
  for (std::size_t i = 0; i < blocks.size(); ++i)
    ASSERT_EQ(std::count(blocks[i].first, blocks[i].first + blocks[i].second, i % 251),
              static_cast<std::ptrdiff_t>(blocks[i].second))
        << i;
  for (auto [block, size] : blocks) heap.Free(block);
  heap.Free(nullptr);
  EXPECT_EQ(heap.Allocate(SIZE_MAX), nullptr);
}

// A freed block serves the next block of its class only; a class whose
// blocks were all freed cuts them again side by side, from the pages it had.
TEST(SmallBlockHeap, FreedBlocksServeTheirClassAgain) {
  SmallBlockHeap heap;
  void* a = heap.Allocate(20);
  void* b = heap.Allocate(40);
  heap.Free(a);
  EXPECT_NE(heap.Allocate(40), a) << "another class";
  EXPECT_EQ(heap.Allocate(32), a) << "the same class: 17 to 32 bytes";
  heap.Free(b);
  EXPECT_EQ(heap.Allocate(48), b);
  heap.Free(heap.Allocate(kLargestSmallBlock + 1));

  std::vector<char*> blocks(5000);
  for (char*& block : blocks) block = static_cast<char*>(heap.Allocate(100));
  const std::size_t pages = heap.Pages();
  std::shuffle(blocks.begin(), blocks.end(), std::mt19937(1));
  for (char* block : blocks) heap.Free(block);
  int apart = 0;
  for (char*& block : blocks) {
    block = static_cast<char*>(heap.Allocate(100));
    apart += &block != &blocks[0] && block != (&block)[-1] + 112;
  }
  EXPECT_EQ(heap.Pages(), pages);
  EXPECT_LE(apart, static_cast<int>(pages)) << "only where a page ends";
}

// Blocks made on one thread are freed on another while a third allocates;
// a block handed out twice shows as a changed mark.
TEST(SmallBlockHeap, ThreadsShareTheHeap) {
  SmallBlockHeap heap;
  constexpr std::size_t kBlocks = 20000;
  const auto work = [&heap](unsigned char mark, std::vector<void*>* toFree) {
    std::vector<unsigned char*> made;
    for (std::size_t i = 0; i < kBlocks; ++i) {
      made.push_back(static_cast<unsigned char*>(heap.Allocate(1 + i % 200)));
      std::memset(made.back(), mark, 1 + i % 200);
      if (toFree != nullptr) heap.Free((*toFree)[i]);
    }
    for (std::size_t i = 0; i < kBlocks; ++i)
      if (std::count(made[i], made[i] + 1 + i % 200, mark) != static_cast<long>(1 + i % 200))
        return false;
    return true;
  };
  std::vector<void*> first;
  for (std::size_t i = 0; i < kBlocks; ++i) first.push_back(heap.Allocate(1 + i % 200));
  bool intact[2] = {};
  std::thread freeing([&] { intact[0] = work(2, &first); });
  std::thread allocating([&] { intact[1] = work(3, nullptr); });
  freeing.join();
  allocating.join();
  EXPECT_TRUE(intact[0] && intact[1]);
}

// Threads that allocate at once cut their blocks from pages of their own:
// no cache line holds bytes of two threads' blocks.
TEST(SmallBlockHeap, ThreadsAllocatingAtOnceShareNoCacheLine) {
  SmallBlockHeap heap;
  std::vector<std::uintptr_t> lines[2];
  const auto allocate = [&heap](std::vector<std::uintptr_t>* own) {
    // An odd count, so that one after the other the two would meet
    // within a line.
    for (int i = 0; i < 1001; ++i) {
      const auto block = reinterpret_cast<std::uintptr_t>(heap.Allocate(48));
      for (std::uintptr_t line = block / 64; line <= (block + 47) / 64; ++line)
        own->push_back(line);
    }
  };
  std::thread first(allocate, &lines[0]);
  std::thread second(allocate, &lines[1]);
  first.join();
  second.join();
  for (auto& own : lines) std::ranges::sort(own);
  std::vector<std::uintptr_t> shared;
  std::ranges::set_intersection(lines[0], lines[1], std::back_inserter(shared));
  EXPECT_EQ(shared.size(), 0u);
}

}  // namespace
}  // namespace mirevo::testing
