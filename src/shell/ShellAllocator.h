#pragma once
// The shell's task allocator as the allocator of identifier lists.

#include <objidl.h>

#include "shell/portable/IDListAllocator.h"

class TShellAllocator : public TIDListAllocator {
 public:
  explicit TShellAllocator(IMalloc* Malloc) : FMalloc(Malloc) {}
  void* Alloc(std::size_t Size) override { return FMalloc ? FMalloc->Alloc(Size) : nullptr; }
  void Free(void* Block) override {
    if (FMalloc && Block) FMalloc->Free(Block);
  }

 private:
  IMalloc* FMalloc;  // not owned
};
