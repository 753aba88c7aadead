#include "shell/FolderChildren.h"

#include <shlwapi.h>

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

// The same answers as DescribeShellObject, asked of the parent folder that
// is already bound rather than of the shell, which binds it anew for every
// object.
void DescribeChild(IShellFolder* Parent, LPITEMIDLIST List, ULONG AttributeMask,
                   TShellNodeInfo& Info) {
  Info.List.Reset(List);
  LPCITEMIDLIST last = LastID(List);
  ULONG attributes = AttributeMask;
  if (SUCCEEDED(Parent->GetAttributesOf(1, &last, &attributes))) Info.Attributes = attributes;
  STRRET name{};
  char text[MAX_PATH + 1] = {};
  if (SUCCEEDED(Parent->GetDisplayNameOf(last, SHGDN_NORMAL, &name)) &&
      SUCCEEDED(StrRetToBufA(&name, last, text, MAX_PATH)))
    Info.Text = text;
}

// Siblings are put in order by their parent folder, which is what the
// desktop's comparison of their absolute lists comes down to, without
// binding the parent again for every comparison.
void SortSiblings(IShellFolder* Folder, std::vector<TIDListHolder>& Lists) {
  std::stable_sort(Lists.begin(), Lists.end(), [&](const TIDListHolder& A, const TIDListHolder& B) {
    const HRESULT order = Folder->CompareIDs(0, LastID(A.Get()), LastID(B.Get()));
    return static_cast<short>(HRESULT_CODE(order)) < 0;
  });
}

}  // namespace

bool ReadFolderChildren(LPCITEMIDLIST Parent, TVintoShellItemTypes Types, ULONG Required,
                        ULONG AttributeMask, std::vector<TShellNodeInfo>& Children) {
  TShellFolderPtr folder = BindToFolder(Parent);
  return ReadFolderChildren(folder.Get(), Parent, Types, Required, AttributeMask, Children);
}

bool ReadFolderChildren(IShellFolder* Folder, LPCITEMIDLIST Parent, TVintoShellItemTypes Types,
                        ULONG Required, ULONG AttributeMask,
                        std::vector<TShellNodeInfo>& Children) {
  std::vector<TIDListHolder> lists;
  if (!EnumerateFolder(Folder, Parent, Types, lists)) return false;
  SortSiblings(Folder, lists);
  Children.reserve(Children.size() + lists.size());
  for (TIDListHolder& list : lists) {
    TShellNodeInfo info;
    DescribeChild(Folder, list.Release(), AttributeMask | Required, info);
    if (info.Attributes & Required) Children.push_back(std::move(info));
  }
  return true;
}
