#pragma once
// Where item identifier lists get their memory. On Windows this is the shell's
// task allocator; tests plug in their own to count or to fail allocations.

#include <cstddef>

class TIDListAllocator {
 public:
  virtual ~TIDListAllocator() = default;
  // Returns null when there is no memory.
  virtual void* Alloc(std::size_t Size) = 0;
  virtual void Free(void* Block) = 0;
};
