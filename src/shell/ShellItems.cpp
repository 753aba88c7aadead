#include "shell/ShellItems.h"

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

namespace {

bool InvokeVerb(IContextMenu* Menu, const std::string& Verb) {
  CMINVOKECOMMANDINFO command{};
  command.cbSize = sizeof command;
  command.lpVerb = Verb.c_str();
  command.nShow = SW_SHOWNORMAL;
  return Menu->InvokeCommand(&command) == S_OK;
}

}  // namespace

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
  if (InvokeVerb(menu.Get(), Verb)) return true;
  // Canonical verbs are lower case; some shells only know them so.
  std::string lower = Verb;
  CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
  return lower != Verb && InvokeVerb(menu.Get(), lower);
}
