#pragma once
// Helpers of the widget tests: the shell's open requests are taken here
// instead of starting a browser.

#include <windows.h>

#include <string>
#include <vector>

#include "widgets/ShellOpen.h"

struct TShellCall {
  HWND Owner = nullptr;
  std::string Verb;
  std::string File;
  bool HasParameters = false;
  bool HasDirectory = false;
  int Show = 0;
};

// Records the requests made while it lives.
class TShellCapture {
 public:
  TShellCapture() : Saved(ShellExecuteProc()) {
    Active = this;
    ShellExecuteProc() = &Record;
  }
  ~TShellCapture() {
    ShellExecuteProc() = Saved;
    Active = nullptr;
  }
  TShellCapture(const TShellCapture&) = delete;
  TShellCapture& operator=(const TShellCapture&) = delete;

  std::vector<TShellCall> Calls;

 private:
  static HINSTANCE WINAPI Record(HWND Owner, LPCSTR Verb, LPCSTR File, LPCSTR Parameters,
                                 LPCSTR Directory, INT Show) {
    TShellCall call{
        Owner, Verb ? Verb : "", File ? File : "", Parameters != nullptr, Directory != nullptr,
        Show};
    Active->Calls.push_back(call);
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
  }

  static inline TShellCapture* Active = nullptr;
  TShellExecuteProc Saved;
};
