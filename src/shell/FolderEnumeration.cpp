#include "shell/FolderEnumeration.h"

#include <algorithm>

#include "shell/ErrorModeGuard.h"
#include "shell/ShellIDList.h"
#include "shell/ShellModule.h"

namespace {

Microsoft::WRL::ComPtr<IEnumIDList> EnumObjects(IShellFolder* Folder, TVintoShellItemTypes Types) {
  Microsoft::WRL::ComPtr<IEnumIDList> items;
  HRESULT result;
  {
    TErrorModeGuard guard;
    result = Folder->EnumObjects(nullptr, ItemTypesToEnumFlags(Types), &items);
  }
  // S_FALSE (nothing to enumerate) comes without an enumerator.
  if (result != S_OK) items.Reset();
  return items;
}

}  // namespace

bool EnumerateFolder(LPCITEMIDLIST Parent, TVintoShellItemTypes Types,
                     std::vector<TIDListHolder>& Children) {
  TShellFolderPtr folder = BindToFolder(Parent);
  return folder && EnumerateFolder(folder.Get(), Parent, Types, Children);
}

bool EnumerateFolder(IShellFolder* Folder, LPCITEMIDLIST Parent, TVintoShellItemTypes Types,
                     std::vector<TIDListHolder>& Children) {
  if (!Folder) return false;
  Microsoft::WRL::ComPtr<IEnumIDList> items = EnumObjects(Folder, Types);
  if (!items) return false;
  LPITEMIDLIST relative = nullptr;
  ULONG fetched = 0;
  while (items->Next(1, &relative, &fetched) == S_OK) {
    TIDListHolder child(relative);
    if (!relative) continue;
    TIDListHolder absolute(ConcatIDLists(Parent, relative));
    if (absolute) Children.push_back(std::move(absolute));
    relative = nullptr;
  }
  return true;
}

int CompareShellOrder(LPCITEMIDLIST A, LPCITEMIDLIST B) {
  IShellFolder* desktop = TShellModule::Instance().DesktopFolder();
  if (!desktop) return 0;
  // The order is the result's code, a signed 16-bit number.
  return static_cast<short>(HRESULT_CODE(desktop->CompareIDs(0, A, B)));
}

void SortByShellOrder(std::vector<TIDListHolder>& Lists) {
  std::stable_sort(Lists.begin(), Lists.end(), [](const TIDListHolder& A, const TIDListHolder& B) {
    return CompareShellOrder(A.Get(), B.Get()) < 0;
  });
}
