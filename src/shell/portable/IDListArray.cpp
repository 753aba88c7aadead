#include "shell/portable/IDListArray.h"

#include "shell/portable/IDListBytes.h"

namespace IDListArray {

namespace {

std::uint32_t ReadWord(const std::uint8_t* At) {
  return static_cast<std::uint32_t>(At[0]) | static_cast<std::uint32_t>(At[1]) << 8 |
         static_cast<std::uint32_t>(At[2]) << 16 | static_cast<std::uint32_t>(At[3]) << 24;
}

void WriteWord(std::vector<std::uint8_t>& Out, std::size_t At, std::uint32_t Value) {
  for (int i = 0; i < 4; ++i) Out[At + i] = static_cast<std::uint8_t>(Value >> (8 * i));
}

// A list needs at least its terminator inside the block.
bool ListAt(const std::uint8_t* Block, std::size_t Size, std::uint32_t Offset, TView::TList& Out) {
  if (Offset > Size || Size - Offset < 2) return false;
  Out.Start = Block + Offset;
  Out.Limit = Size - Offset;
  return true;
}

}  // namespace

bool Read(const std::uint8_t* Block, std::size_t Size, TView& Out) {
  Out = TView{};
  if (!Block || Size < 8) return false;
  const std::uint32_t count = ReadWord(Block);
  // The count and its n+1 offsets must fit in the block.
  if (count > (Size - 4) / 4 - 1) return false;
  TView view;
  if (!ListAt(Block, Size, ReadWord(Block + 4), view.Parent)) return false;
  view.Items.resize(count);
  for (std::uint32_t i = 0; i < count; ++i)
    if (!ListAt(Block, Size, ReadWord(Block + 8 + 4 * i), view.Items[i])) return false;
  Out = std::move(view);
  return true;
}

std::vector<std::uint8_t> Write(const std::uint8_t* Parent,
                                const std::vector<const std::uint8_t*>& Items) {
  const std::size_t header = 4 + 4 * (Items.size() + 1);
  std::vector<std::uint8_t> out(header);
  WriteWord(out, 0, static_cast<std::uint32_t>(Items.size()));
  auto append = [&out](std::size_t Slot, const std::uint8_t* List) {
    WriteWord(out, Slot, static_cast<std::uint32_t>(out.size()));
    const std::size_t size = List ? IDListBytes::IDListSize(List) : 0;
    if (size >= 2) {
      out.insert(out.end(), List, List + size);
    } else {
      out.insert(out.end(), {0, 0});
    }
  };
  append(4, Parent);
  for (std::size_t i = 0; i < Items.size(); ++i) append(8 + 4 * i, Items[i]);
  return out;
}

}  // namespace IDListArray
