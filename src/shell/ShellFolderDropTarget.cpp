#include "shell/ShellFolderDropTarget.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstring>

#include "shell/DirectoryWatcher.h"

namespace {

// The root a path lies on ("C:\", "\\server\share\"), upper-cased.
std::string RootOf(const std::string& Path) {
  char root[MAX_PATH] = {};
  lstrcpynA(root, Path.c_str(), MAX_PATH);
  if (!PathStripToRootA(root)) return {};
  CharUpperA(root);
  return root;
}

// Names separated and ended by zeros, as the file operation takes them.
std::string DoubleZeroList(const std::vector<std::string>& Names) {
  std::string list;
  for (const std::string& name : Names) {
    list += name;
    list += '\0';
  }
  list += '\0';
  return list;
}

}  // namespace

TVintoShellFolderDropTarget::TVintoShellFolderDropTarget(HWND Owner, std::string FolderPath)
    : FOwner(Owner), FFolder(std::move(FolderPath)) {}

// The platform that reports no changes on disk is the one whose folders
// also accept drops without doing anything.
bool TVintoShellFolderDropTarget::PlatformNeedsStandIn() {
  return TDirectoryWatcher::PlatformMissesDiskChanges();
}

DWORD TVintoShellFolderDropTarget::EffectFor(const std::vector<std::string>& Files,
                                             const std::string& Folder, DWORD Keys, DWORD Allowed) {
  if (Files.empty()) return DROPEFFECT_NONE;
  DWORD wanted;
  const bool ctrl = (Keys & MK_CONTROL) != 0, shift = (Keys & MK_SHIFT) != 0;
  if (ctrl && shift) {
    wanted = DROPEFFECT_LINK;
  } else if (ctrl) {
    wanted = DROPEFFECT_COPY;
  } else if (shift) {
    wanted = DROPEFFECT_MOVE;
  } else {
    wanted = RootOf(Files.front()) == RootOf(Folder) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
  }
  if (Allowed & wanted) return wanted;
  // What the keys ask for is not allowed: the first effect that is.
  for (DWORD effect : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK})
    if (Allowed & effect) return effect;
  return DROPEFFECT_NONE;
}

HRESULT TVintoShellFolderDropTarget::QueryInterface(REFIID Iid, void** Object) {
  if (!Object) return E_POINTER;
  if (IsEqualIID(Iid, IID_IUnknown) || IsEqualIID(Iid, IID_IDropTarget)) {
    *Object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *Object = nullptr;
  return E_NOINTERFACE;
}

ULONG TVintoShellFolderDropTarget::Release() {
  const ULONG refs = --FRefs;
  if (refs == 0) delete this;
  return refs;
}

HRESULT TVintoShellFolderDropTarget::DragEnter(IDataObject* Data, DWORD Keys, POINTL Point,
                                               DWORD* Effect) {
  if (!Effect) return E_INVALIDARG;
  try {
    FFiles = FilesOf(Data);
  } catch (...) {
    FFiles.clear();
  }
  return DragOver(Keys, Point, Effect);
}

HRESULT TVintoShellFolderDropTarget::DragOver(DWORD Keys, POINTL, DWORD* Effect) {
  if (!Effect) return E_INVALIDARG;
  // Links are left to the shell, which makes them with their own names.
  *Effect = EffectFor(FFiles, FFolder, Keys, *Effect & (DROPEFFECT_COPY | DROPEFFECT_MOVE));
  return S_OK;
}

HRESULT TVintoShellFolderDropTarget::DragLeave() {
  FFiles.clear();
  return S_OK;
}

HRESULT TVintoShellFolderDropTarget::Drop(IDataObject* Data, DWORD Keys, POINTL Point,
                                          DWORD* Effect) {
  if (!Effect) return E_INVALIDARG;
  try {
    if (FFiles.empty()) FFiles = FilesOf(Data);
    DragOver(Keys, Point, Effect);
    if (*Effect != DROPEFFECT_NONE && !CarryOut(*Effect)) *Effect = DROPEFFECT_NONE;
  } catch (...) {
    *Effect = DROPEFFECT_NONE;
  }
  FFiles.clear();
  return S_OK;
}

std::vector<std::string> TVintoShellFolderDropTarget::FilesOf(IDataObject* Data) {
  std::vector<std::string> files;
  if (!Data) return files;
  FORMATETC wanted{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (Data->GetData(&wanted, &medium) != S_OK) return files;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
    auto drop = static_cast<HDROP>(medium.hGlobal);
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      char name[MAX_PATH] = {};
      if (DragQueryFileA(drop, i, name, MAX_PATH) > 0) files.emplace_back(name);
    }
  }
  ReleaseStgMedium(&medium);
  return files;
}

bool TVintoShellFolderDropTarget::CarryOut(DWORD Effect) const {
  const std::string from = DoubleZeroList(FFiles);
  const std::string to = DoubleZeroList({FFolder});
  SHFILEOPSTRUCTA operation{};
  operation.hwnd = FOwner;
  operation.wFunc = Effect == DROPEFFECT_MOVE ? FO_MOVE : FO_COPY;
  operation.pFrom = from.c_str();
  operation.pTo = to.c_str();
  operation.fFlags = FOF_ALLOWUNDO;
  return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}
