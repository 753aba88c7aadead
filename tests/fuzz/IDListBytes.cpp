// Runs the identifier-list operations over arbitrary bytes with the buffer's
// size as limit: nothing may read outside it, and copies must be well formed.
#include "shell/portable/IDListBytes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace IDListBytes;

namespace {

class TMallocAllocator : public TIDListAllocator {
 public:
  void* Alloc(std::size_t Size) override { return std::malloc(Size); }
  void Free(void* Block) override { std::free(Block); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TMallocAllocator allocator;
  // An exact-size copy so that ASan sees any read past the end.
  std::vector<std::uint8_t> bytes(Data, Data + Size);
  std::uint8_t* list = bytes.data();
  if (!list) return 0;

  const std::size_t size = IDListSize(list, Size);
  const std::size_t count = IDCount(list, Size);
  if (size < 2 || size - 2 > Size) std::abort();
  if (count > (size - 2) / 2) std::abort();
  const std::uint8_t* last = LastID(list, Size);
  if (last < list || last > list + Size) std::abort();

  std::uint8_t* copy = CopyIDList(allocator, list, Size);
  if (!copy) std::abort();
  // The copy is well formed, so it reads the same unbounded.
  if (IDListSize(copy) != size || IDCount(copy) != count) std::abort();
  if (std::memcmp(copy, list, size - 2) != 0) std::abort();

  std::uint8_t* joined = ConcatIDLists(allocator, list, copy, Size);
  if (IDListSize(joined) != 2 * size - 2 || IDCount(joined) != 2 * count) std::abort();
  StripLastID(joined);
  if (count > 0 && IDCount(joined) != 2 * count - 1) std::abort();

  StripLastID(list, Size);
  if (count > 0 && IDCount(list, Size) != count - 1) std::abort();
  FreeIDList(allocator, joined);
  FreeIDList(allocator, copy);
  return 0;
}
