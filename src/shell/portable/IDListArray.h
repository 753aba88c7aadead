#pragma once
// The "Shell IDList Array" block that shell data objects carry on the
// clipboard and in drag and drop: a 32-bit little-endian count n, then n+1
// 32-bit offsets from the block's start. The first offset locates the
// absolute list of the folder the items live in, the others the items' lists
// relative to that folder.
//
// The block comes from another program, so nothing in it is trusted: a
// count that the offsets cannot fit in, or an offset outside the block,
// refuses the whole block; every list is read only as far as the block goes
// (a list cut short ends where the block does, see IDListBytes).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace IDListArray {

struct TView {
  // Where each list starts, and how many bytes of the block follow it.
  struct TList {
    const std::uint8_t* Start = nullptr;
    std::size_t Limit = 0;
  };
  TList Parent;
  std::vector<TList> Items;
};

// False, with Out left empty, when Block is no well-formed array.
bool Read(const std::uint8_t* Block, std::size_t Size, TView& Out);

// A block holding Parent and Items (well-formed lists, read to their end).
std::vector<std::uint8_t> Write(const std::uint8_t* Parent,
                                const std::vector<const std::uint8_t*>& Items);

}  // namespace IDListArray
