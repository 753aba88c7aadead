#include "shell/ShellIDList.h"

#include <vector>

#include "shell/IDListHolder.h"
#include "shell/ShellModule.h"
#include "shell/portable/IDListBytes.h"

namespace {

TIDListAllocator& Allocator() {
  return TShellModule::Instance().Allocator();
}

const std::uint8_t* Bytes(LPCITEMIDLIST List) {
  return reinterpret_cast<const std::uint8_t*>(List);
}

LPITEMIDLIST AsList(const std::uint8_t* Bytes) {
  return reinterpret_cast<LPITEMIDLIST>(const_cast<std::uint8_t*>(Bytes));
}

bool ShellFileInfo(LPCITEMIDLIST List, UINT Flags, SHFILEINFOA& Info) {
  if (!List) return false;
  return SHGetFileInfoA(reinterpret_cast<LPCSTR>(List), 0, &Info, sizeof Info,
                        Flags | SHGFI_PIDL) != 0;
}

// The trail byte of a double-byte character is no backslash.
bool EndsWithBackslash(const std::string& Text) {
  if (Text.empty()) return false;
  return *CharPrevA(Text.c_str(), Text.c_str() + Text.size()) == '\\';
}

// The file-system path without trailing backslash (but for a drive root),
// upper-cased; empty when there is none.
std::string ComparablePath(LPCITEMIDLIST List) {
  std::string path = IDListToPath(List);
  while (path.size() > 3 && EndsWithBackslash(path)) path.pop_back();
  if (!path.empty()) CharUpperBuffA(path.data(), static_cast<DWORD>(path.size()));
  return path;
}

}  // namespace

LPITEMIDLIST AllocIDList(UINT Size) {
  return AsList(IDListBytes::AllocIDList(Allocator(), Size));
}

void FreeIDList(LPITEMIDLIST List) {
  IDListBytes::FreeIDList(Allocator(), reinterpret_cast<std::uint8_t*>(List));
}

LPITEMIDLIST NextID(LPCITEMIDLIST Item) {
  return Item ? AsList(IDListBytes::NextID(Bytes(Item))) : nullptr;
}

LPITEMIDLIST LastID(LPCITEMIDLIST List) {
  return AsList(IDListBytes::LastID(Bytes(List)));
}

void StripLastID(LPITEMIDLIST List) {
  IDListBytes::StripLastID(reinterpret_cast<std::uint8_t*>(List));
}

UINT IDListSize(LPCITEMIDLIST List) {
  return static_cast<UINT>(IDListBytes::IDListSize(Bytes(List)));
}

UINT IDCount(LPCITEMIDLIST List) {
  return static_cast<UINT>(IDListBytes::IDCount(Bytes(List)));
}

LPITEMIDLIST CopyIDList(LPCITEMIDLIST List) {
  return AsList(IDListBytes::CopyIDList(Allocator(), Bytes(List)));
}

LPITEMIDLIST ConcatIDLists(LPCITEMIDLIST First, LPCITEMIDLIST Second) {
  return AsList(IDListBytes::ConcatIDLists(Allocator(), Bytes(First), Bytes(Second)));
}

LPITEMIDLIST GetSpecialFolderIDList(TVintoShellSpecialFolder Folder) {
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, SpecialFolderCSIDL(Folder), &list)))
    return nullptr;
  return list;
}

LPITEMIDLIST PathToIDList(const std::string& Path) {
  IShellFolder* desktop = TShellModule::Instance().DesktopFolder();
  if (!desktop) return nullptr;
  const int length = MultiByteToWideChar(CP_ACP, 0, Path.c_str(), -1, nullptr, 0);
  if (length <= 0) return nullptr;
  std::vector<wchar_t> wide(length);
  MultiByteToWideChar(CP_ACP, 0, Path.c_str(), -1, wide.data(), length);
  LPITEMIDLIST list = nullptr;
  ULONG eaten = 0, attributes = 0;
  if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, &list, &attributes)))
    return nullptr;
  return list;
}

bool SameIDList(LPCITEMIDLIST A, LPCITEMIDLIST B) {
  if (!A || !B) return !A && !B;
  IShellFolder* desktop = TShellModule::Instance().DesktopFolder();
  return desktop && desktop->CompareIDs(0, A, B) == 0;
}

bool IsDesktopIDList(LPCITEMIDLIST List) {
  return SameIDList(List, TShellModule::Instance().DesktopIDList());
}

bool IsDrivesFolder(LPCITEMIDLIST List) {
  TIDListHolder drives(GetSpecialFolderIDList(sfDrives));
  return SameIDList(List, drives.Get());
}

std::string GetDisplayName(LPCITEMIDLIST List) {
  SHFILEINFOA info{};
  if (!ShellFileInfo(List, SHGFI_DISPLAYNAME, info)) return {};
  return std::string(info.szDisplayName, strnlen(info.szDisplayName, MAX_PATH));
}

std::string IDListToPath(LPCITEMIDLIST List) {
  char path[MAX_PATH + 1] = {};
  if (!List || !SHGetPathFromIDListA(List, path)) return {};
  return std::string(path, strnlen(path, MAX_PATH));
}

ULONG GetAttributes(LPCITEMIDLIST List, ULONG Mask) {
  SHFILEINFOA info{};
  info.dwAttributes = Mask;
  const UINT flags = SHGFI_ATTRIBUTES | (Mask != 0 ? SHGFI_ATTR_SPECIFIED : 0);
  ShellFileInfo(List, flags, info);
  return info.dwAttributes;
}

int GetIconIndex(LPCITEMIDLIST List, bool Large, bool Open) {
  SHFILEINFOA info{};
  const UINT flags =
      SHGFI_SYSICONINDEX | (Large ? 0 : SHGFI_SMALLICON) | (Open ? SHGFI_OPENICON : 0);
  ShellFileInfo(List, flags, info);
  return info.iIcon;
}

int GetClosedIconIndexIn(IShellFolder* Folder, LPCITEMIDLIST List) {
  if (Folder && List) {
    const int index = SHMapPIDLToSystemImageListIndex(Folder, LastID(List), nullptr);
    if (index >= 0) return index;
  }
  return GetIconIndex(List, false, false);
}

TShellFolderPtr BindToFolder(LPCITEMIDLIST List) {
  IShellFolder* desktop = TShellModule::Instance().DesktopFolder();
  if (!List || !desktop) return nullptr;
  if (IsDesktopIDList(List)) return desktop;
  TShellFolderPtr folder;
  if (FAILED(desktop->BindToObject(List, nullptr, IID_IShellFolder,
                                   reinterpret_cast<void**>(folder.GetAddressOf()))))
    return nullptr;
  return folder;
}

TShellFolderPtr BindToParentFolder(LPCITEMIDLIST List) {
  TIDListHolder parent(CopyIDList(List));
  if (!parent) return nullptr;
  StripLastID(parent.Get());
  return BindToFolder(parent.Get());
}

// Some shells hand out special folders as virtual items of their own (the
// user's documents as one item below the desktop) that do not compare equal
// to the same folder reached through its drive. A special folder with a
// file-system path therefore also matches a list with the same path. The
// desktop is the exception: its path is only the folder its files live in.
int SpecialFolderIndex(LPCITEMIDLIST List) {
  if (!List) return kSpecialFolderCount;
  std::string path;
  bool pathKnown = false;
  for (int i = 0; i < kSpecialFolderCount; ++i) {
    const auto folder = static_cast<TVintoShellSpecialFolder>(i);
    TIDListHolder trial(GetSpecialFolderIDList(folder));
    if (!trial) continue;
    if (SameIDList(List, trial.Get())) return i;
    if (folder == sfDesktop) continue;
    if (!pathKnown) {
      path = ComparablePath(List);
      pathKnown = true;
    }
    if (!path.empty() && path == ComparablePath(trial.Get())) return i;
  }
  return kSpecialFolderCount;
}

bool IsSpecialFolder(LPCITEMIDLIST List) {
  return SpecialFolderIndex(List) < kSpecialFolderCount;
}

TVintoShellFolder IDListToFolderText(LPCITEMIDLIST List) {
  const int index = SpecialFolderIndex(List);
  if (index < kSpecialFolderCount)
    return SpecialFolderName(static_cast<TVintoShellSpecialFolder>(index));
  return IDListToPath(List);
}

LPITEMIDLIST FolderTextToIDList(const TVintoShellFolder& Text, bool AddBackslash) {
  try {
    if (auto special = SpecialFolderFromName(Text)) return GetSpecialFolderIDList(*special);
    // An empty text names no folder; parsing "\" would give the current drive.
    if (Text.empty()) return nullptr;
    return PathToIDList(!AddBackslash || EndsWithBackslash(Text) ? Text : Text + "\\");
  } catch (...) {
    return nullptr;
  }
}

DWORD GetDescriptionID(IShellFolder* Folder, LPCITEMIDLIST Item) {
  SHDESCRIPTIONID description{};
  if (!Folder || !Item ||
      FAILED(SHGetDataFromIDListA(Folder, Item, SHGDFIL_DESCRIPTIONID, &description,
                                  sizeof description)))
    return 0;
  return description.dwDescriptionId;
}
