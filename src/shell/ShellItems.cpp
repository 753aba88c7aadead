#include "shell/ShellItems.h"

#include "shell/ShellMenuVerb.h"

TVintoShellItem* TVintoShellItems::Items(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return FItems[Index].get();
}

int TVintoShellItems::Add(std::unique_ptr<TVintoShellItem> Item) {
  FItems.push_back(std::move(Item));
  if (FItems.size() == 1) FParentFolder = BindToParentFolder(FItems.front()->AbsoluteIDList());
  return Count() - 1;
}

void TVintoShellItems::Clear() {
  FItems.clear();
  FParentFolder.Reset();
}

bool TVintoShellItems::InvokeCommand(const std::string& Verb) {
  if (Verb.empty() || lstrcmpiA(Verb.c_str(), "open") == 0) {
    OpenEach(!Verb.empty());
    return false;
  }
  if (FItems.empty() || !FParentFolder) return false;
  return InvokeContextMenuVerb(Verb);
}

void TVintoShellItems::OpenEach(bool WithVerb) {
  for (const auto& item : FItems) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.lpIDList = item->AbsoluteIDList();
    info.lpVerb = WithVerb ? "Open" : nullptr;
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&info);
  }
}

bool TVintoShellItems::InvokeContextMenuVerb(const std::string& Verb) {
  std::vector<LPCITEMIDLIST> relative;
  relative.reserve(FItems.size());
  for (const auto& item : FItems) relative.push_back(item->RelativeIDList());
  Microsoft::WRL::ComPtr<IContextMenu> menu;
  if (FAILED(FParentFolder->GetUIObjectOf(nullptr, static_cast<UINT>(relative.size()),
                                          relative.data(), IID_IContextMenu, nullptr,
                                          reinterpret_cast<void**>(menu.GetAddressOf()))) ||
      !menu)
    return false;
  return InvokeMenuVerb(menu.Get(), Verb) == S_OK;
}
