#include "shell/ShellModule.h"

TShellModule& TShellModule::Instance() {
  static TShellModule module;
  return module;
}

TShellModule::TShellModule() {
  FOleStarted = SUCCEEDED(OleInitialize(nullptr));
  FIDListArrayFormat = RegisterClipboardFormatA("Shell IDList Array");
  if (FAILED(SHGetMalloc(&FMalloc))) FMalloc.Reset();
  FAllocator = TShellAllocator(FMalloc.Get());
  if (FAILED(SHGetDesktopFolder(&FDesktopFolder))) FDesktopFolder.Reset();
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &FDesktopIDList)))
    FDesktopIDList = nullptr;
}

TShellModule::~TShellModule() {
  FAllocator.Free(FDesktopIDList);
  FDesktopFolder.Reset();
  FMalloc.Reset();
  if (FOleStarted) OleUninitialize();
}
