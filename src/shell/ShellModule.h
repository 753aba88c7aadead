#pragma once
// State the shell components share: the shell allocator, the desktop folder
// and its identifier, OLE and the "Shell IDList Array" clipboard format. It is
// created on first use, on the GUI thread, and released when the process ends.

#include <shlobj.h>
#include <wrl/client.h>

#include "shell/ShellAllocator.h"

class TShellModule {
 public:
  static TShellModule& Instance();

  TShellModule(const TShellModule&) = delete;
  TShellModule& operator=(const TShellModule&) = delete;

  IMalloc* Malloc() const { return FMalloc.Get(); }
  IShellFolder* DesktopFolder() const { return FDesktopFolder.Get(); }
  // The empty list; owned by the module.
  LPCITEMIDLIST DesktopIDList() const { return FDesktopIDList; }
  TIDListAllocator& Allocator() { return FAllocator; }
  UINT IDListArrayFormat() const { return FIDListArrayFormat; }

 private:
  TShellModule();
  ~TShellModule();

  bool FOleStarted = false;
  Microsoft::WRL::ComPtr<IMalloc> FMalloc;
  Microsoft::WRL::ComPtr<IShellFolder> FDesktopFolder;
  TShellAllocator FAllocator{nullptr};
  LPITEMIDLIST FDesktopIDList = nullptr;
  UINT FIDListArrayFormat = 0;
};
