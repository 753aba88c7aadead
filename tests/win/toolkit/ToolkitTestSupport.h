#pragma once
// Helpers of the toolkit's Windows tests: a module that carries form
// descriptions as resources, and pixel reading.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "common/MessagePump.h"
#include "toolkit/Application.h"

// A copy of the test program with RCDATA resources added, loaded as a data
// module; form descriptions are read from it as from the program itself.
class TDescriptionModule {
 public:
  // Name is the resource name (the form's class name), Text the description.
  TDescriptionModule(const std::string& Name, const std::string& Text) {
    char exe[MAX_PATH], dir[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    GetTempPathA(MAX_PATH, dir);
    Path = std::string(dir) + "fw_forms_" + std::to_string(GetCurrentProcessId()) + ".dll";
    if (!CopyFileA(exe, Path.c_str(), FALSE)) return;
    HANDLE update = BeginUpdateResourceA(Path.c_str(), FALSE);
    if (!update) return;
    UpdateResourceA(update, MAKEINTRESOURCEA(10), Name.c_str(),
                    MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), const_cast<char*>(Text.data()),
                    static_cast<DWORD>(Text.size()));
    if (!EndUpdateResourceA(update, FALSE)) return;
    Module = LoadLibraryExA(Path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }
  TDescriptionModule(const TDescriptionModule&) = delete;
  TDescriptionModule& operator=(const TDescriptionModule&) = delete;
  ~TDescriptionModule() {
    if (Module) FreeLibrary(Module);
    DeleteFileA(Path.c_str());
  }
  HMODULE Get() const { return Module; }

 private:
  std::string Path;
  HMODULE Module = nullptr;
};

// Drops a WM_QUIT that an application's Terminate left in the queue.
inline void DrainQuit() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

inline COLORREF PixelOf(HWND Wnd, int X, int Y) {
  HDC dc = GetDC(Wnd);
  COLORREF c = GetPixel(dc, X, Y);
  ReleaseDC(Wnd, dc);
  return c;
}
