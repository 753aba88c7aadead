#pragma once
// The shell's change-notification registration functions, found at run time
// by ordinal (2: register, 4: deregister) in "SHELL32.DLL". Either may be
// missing; callers then do nothing.

#include <shlobj.h>

struct TShellChangeFunctions {
  using TRegister = ULONG(WINAPI*)(HWND Window, int Sources, LONG Events, UINT Message,
                                   int EntryCount, const SHChangeNotifyEntry* Entries);
  using TDeregister = BOOL(WINAPI*)(ULONG Handle);

  TRegister Register = nullptr;
  TDeregister Deregister = nullptr;

  // The system's functions; the library stays loaded until the process ends.
  static const TShellChangeFunctions& System();
};
