#pragma once
// Byte-level operations on item identifier lists: a sequence of items, each
// starting with an unsigned 16-bit little-endian byte count that includes the
// count itself, ended by a 16-bit zero. The empty list (only the terminator)
// is the desktop; a null pointer is an absent list.
//
// Damaged lists. The format carries no overall length, so every reader takes
// an optional Limit: the number of bytes known to be readable from the list's
// start (kUnbounded for lists made by the shell itself). A list ends at the
// first of: a zero count; an item count of 1 (too short to hold itself); an
// item whose count runs past Limit; fewer than two bytes left before Limit
// where a count should stand. Whatever follows that point is not part of the
// list and is never read. Copies of a damaged list are therefore well formed:
// the good items followed by a terminator.

#include <cstddef>
#include <cstdint>

#include "shell/portable/IDListAllocator.h"

namespace IDListBytes {

using PItem = std::uint8_t*;
using PCItem = const std::uint8_t*;

inline constexpr std::size_t kUnbounded = static_cast<std::size_t>(-1);

// The count of the item at Item, or 0 when the list ends there (see above).
// Remaining is the number of readable bytes from Item on.
std::uint16_t ItemSize(PCItem Item, std::size_t Remaining = kUnbounded);

// The item after Item: its address advanced by its byte count. The end of a
// list is returned as is.
PCItem NextID(PCItem Item, std::size_t Remaining = kUnbounded);

// The last item of List (the one whose successor ends the list); the list
// itself for the empty list; null for an absent list.
PCItem LastID(PCItem List, std::size_t Limit = kUnbounded);

// Writes 0 into the count of the last item, turning the list into its
// parent's list in place. Absent and empty lists are left alone.
void StripLastID(PItem List, std::size_t Limit = kUnbounded);

// 0 for an absent list; otherwise 2 plus the sum of all item counts.
std::size_t IDListSize(PCItem List, std::size_t Limit = kUnbounded);

// Number of items; 0 for an absent list.
std::size_t IDCount(PCItem List, std::size_t Limit = kUnbounded);

// Size bytes from Allocator, zero-filled; null when Size is 0 or there is no
// memory.
PItem AllocIDList(TIDListAllocator& Allocator, std::size_t Size);

void FreeIDList(TIDListAllocator& Allocator, PItem List);

// A new well-formed copy; null for an absent list or when allocation fails.
PItem CopyIDList(TIDListAllocator& Allocator, PCItem List, std::size_t Limit = kUnbounded);

// A new list: the items of First followed by those of Second and a
// terminator. An absent list counts as empty here, so either may be absent;
// null when both are, or when allocation fails.
PItem ConcatIDLists(TIDListAllocator& Allocator, PCItem First, PCItem Second,
                    std::size_t FirstLimit = kUnbounded, std::size_t SecondLimit = kUnbounded);

}  // namespace IDListBytes
