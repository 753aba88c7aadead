#include "app/preview/ShellPageStatus.h"

#include <shlobj.h>

#include "shell/CustomShellListView.h"
#include "shell/ShellListDetails.h"

namespace ShellPageStatus {

std::string ItemCountText(int Count, bool Populating) {
  std::string text = std::to_string(Count) + (Count == 1 ? " item" : " items");
  return Populating ? text + " so far..." : text;
}

std::string SelectionText(int Selected, std::uint64_t Bytes) {
  if (Selected == 0) return "Nothing selected";
  const std::string size = Bytes == 0 ? std::string("0 KB") : FileSizeText(Bytes);
  return std::to_string(Selected) + " selected, " + size;
}

std::uint64_t SelectedBytes(TCustomVintoShellListView& List) {
  TShellFolderPtr folder = BindToFolder(List.CurrentFolder());
  if (!folder) return 0;
  std::uint64_t total = 0;
  for (TListItem* item = List.GetNextItem(nullptr, LVNI_SELECTED); item;
       item = List.GetNextItem(item, LVNI_SELECTED)) {
    LPCITEMIDLIST list = TCustomVintoShellListView::ItemIDList(item);
    WIN32_FIND_DATAA found{};
    // What the item's identifier holds of its file: no disk access.
    if (!list || FAILED(SHGetDataFromIDListA(folder.Get(), LastID(list), SHGDFIL_FINDDATA, &found,
                                             sizeof found)))
      continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    total += (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  }
  return total;
}

}  // namespace ShellPageStatus
