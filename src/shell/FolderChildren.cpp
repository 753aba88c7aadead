#include "shell/FolderChildren.h"

#include <algorithm>

#include "shell/FolderEnumeration.h"
#include "shell/ShellIDList.h"

void DescribeShellObject(LPITEMIDLIST List, ULONG AttributeMask, TShellNodeInfo& Info) {
  Info.List.Reset(List);
  if (!List) return;
  SHFILEINFOA info{};
  info.dwAttributes = AttributeMask;
  const UINT flags = SHGFI_PIDL | SHGFI_ATTRIBUTES | SHGFI_DISPLAYNAME |
                     (AttributeMask != 0 ? SHGFI_ATTR_SPECIFIED : 0);
  if (SHGetFileInfoA(reinterpret_cast<LPCSTR>(List), 0, &info, sizeof info, flags)) {
    Info.Attributes = info.dwAttributes;
    Info.Text.assign(info.szDisplayName, strnlen(info.szDisplayName, MAX_PATH));
  }
}

namespace {

// Siblings are put in order by their parent folder, which is what the
// desktop's comparison of their absolute lists comes down to, without
// binding the parent again for every comparison.
void SortSiblings(LPCITEMIDLIST Parent, std::vector<TIDListHolder>& Lists) {
  TShellFolderPtr folder = BindToFolder(Parent);
  if (!folder) {
    SortByShellOrder(Lists);
    return;
  }
  std::stable_sort(Lists.begin(), Lists.end(), [&](const TIDListHolder& A, const TIDListHolder& B) {
    const HRESULT order = folder->CompareIDs(0, LastID(A.Get()), LastID(B.Get()));
    return static_cast<short>(HRESULT_CODE(order)) < 0;
  });
}

}  // namespace

bool ReadFolderChildren(LPCITEMIDLIST Parent, TVintoShellItemTypes Types, ULONG Required,
                        ULONG AttributeMask, std::vector<TShellNodeInfo>& Children) {
  std::vector<TIDListHolder> lists;
  if (!EnumerateFolder(Parent, Types, lists)) return false;
  SortSiblings(Parent, lists);
  Children.reserve(Children.size() + lists.size());
  for (TIDListHolder& list : lists) {
    TShellNodeInfo info;
    DescribeShellObject(list.Release(), AttributeMask | Required, info);
    if (info.Attributes & Required) Children.push_back(std::move(info));
  }
  return true;
}
