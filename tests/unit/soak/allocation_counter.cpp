#include "allocation_counter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// The counters must live outside any object: operator new is global by
// nature, and it runs before and after every test object exists.
std::atomic<std::int64_t> liveAllocations{0};
std::atomic<std::int64_t> liveBytes{0};

void* allocate(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  liveAllocations.fetch_add(1, std::memory_order_relaxed);
  liveBytes.fetch_add(static_cast<std::int64_t>(malloc_usable_size(block)),
                      std::memory_order_relaxed);
  return block;
}

void release(void* block) noexcept {
  if (block == nullptr) return;
  liveAllocations.fetch_sub(1, std::memory_order_relaxed);
  liveBytes.fetch_sub(static_cast<std::int64_t>(malloc_usable_size(block)),
                      std::memory_order_relaxed);
  std::free(block);
}

}  // namespace

namespace orvalek::soak {

HeapInUse heapInUse() {
  return {liveAllocations.load(std::memory_order_relaxed),
          liveBytes.load(std::memory_order_relaxed)};
}

}  // namespace orvalek::soak

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t) noexcept { release(block); }
