// Reads arbitrary bytes as a "Shell IDList Array": a block that is accepted
// must yield lists that lie inside it and can be copied without reading
// past its end.
#include "shell/portable/IDListArray.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "shell/portable/IDListBytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  std::vector<std::uint8_t> block(Data, Data + Size);
  IDListArray::TView view;
  if (!IDListArray::Read(block.data(), block.size(), view)) return 0;
  auto check = [&](const IDListArray::TView::TList& List) {
    if (List.Start < block.data() || List.Start + List.Limit != block.data() + block.size())
      std::abort();
    if (IDListBytes::IDListSize(List.Start, List.Limit) > List.Limit + 2) std::abort();
  };
  check(view.Parent);
  for (const auto& item : view.Items) check(item);
  return 0;
}
