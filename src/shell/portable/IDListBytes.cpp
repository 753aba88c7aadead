#include "shell/portable/IDListBytes.h"

#include <cstring>

namespace IDListBytes {

std::uint16_t ItemSize(PCItem Item, std::size_t Remaining) {
  if (Remaining < 2) return 0;
  const std::uint16_t size = static_cast<std::uint16_t>(Item[0] | (Item[1] << 8));
  if (size < 2) return 0;
  // The whole item must lie within the readable bytes.
  if (Remaining != kUnbounded && size > Remaining) return 0;
  return size;
}

PCItem NextID(PCItem Item, std::size_t Remaining) {
  return Item + ItemSize(Item, Remaining);
}

namespace {

std::size_t Left(std::size_t Limit, std::size_t Used) {
  return Limit == kUnbounded ? kUnbounded : Limit - Used;
}

// Walks the good items of List; calls Visit(offset, size) for each and
// returns the number of bytes they take (without terminator).
template <typename Visitor>
std::size_t WalkItems(PCItem List, std::size_t Limit, Visitor Visit) {
  std::size_t offset = 0;
  while (std::uint16_t size = ItemSize(List + offset, Left(Limit, offset))) {
    Visit(offset, size);
    offset += size;
  }
  return offset;
}

}  // namespace

PCItem LastID(PCItem List, std::size_t Limit) {
  if (!List) return nullptr;
  std::size_t last = 0;
  WalkItems(List, Limit, [&](std::size_t Offset, std::uint16_t) { last = Offset; });
  return List + last;
}

void StripLastID(PItem List, std::size_t Limit) {
  if (!List || ItemSize(List, Limit) == 0) return;
  PItem last = const_cast<PItem>(LastID(List, Limit));
  last[0] = 0;
  last[1] = 0;
}

std::size_t IDListSize(PCItem List, std::size_t Limit) {
  if (!List) return 0;
  return WalkItems(List, Limit, [](std::size_t, std::uint16_t) {}) + 2;
}

std::size_t IDCount(PCItem List, std::size_t Limit) {
  if (!List) return 0;
  std::size_t count = 0;
  WalkItems(List, Limit, [&](std::size_t, std::uint16_t) { ++count; });
  return count;
}

PItem AllocIDList(TIDListAllocator& Allocator, std::size_t Size) {
  if (Size == 0) return nullptr;
  PItem list = static_cast<PItem>(Allocator.Alloc(Size));
  if (list) std::memset(list, 0, Size);
  return list;
}

void FreeIDList(TIDListAllocator& Allocator, PItem List) {
  if (List) Allocator.Free(List);
}

PItem CopyIDList(TIDListAllocator& Allocator, PCItem List, std::size_t Limit) {
  return ConcatIDLists(Allocator, nullptr, List, kUnbounded, Limit);
}

PItem ConcatIDLists(TIDListAllocator& Allocator, PCItem First, PCItem Second,
                    std::size_t FirstLimit, std::size_t SecondLimit) {
  if (!First && !Second) return nullptr;
  const std::size_t firstBytes = First ? IDListSize(First, FirstLimit) - 2 : 0;
  const std::size_t secondBytes = Second ? IDListSize(Second, SecondLimit) - 2 : 0;
  // Zero-filled, so the terminator is already in place.
  PItem list = AllocIDList(Allocator, firstBytes + secondBytes + 2);
  if (!list) return nullptr;
  if (firstBytes) std::memcpy(list, First, firstBytes);
  if (secondBytes) std::memcpy(list + firstBytes, Second, secondBytes);
  return list;
}

}  // namespace IDListBytes
