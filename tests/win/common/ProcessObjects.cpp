#include "common/ProcessObjects.h"
// (needs windows.h first)
#include <psapi.h>

#include <vector>

long ObjectsInUse(DWORD Kind) {
  if (const DWORD n = GetGuiResources(GetCurrentProcess(), Kind)) return static_cast<long>(n);
  std::vector<HANDLE> taken;
  for (int i = 0; i < 300000; ++i) {
    HANDLE h = Kind == GR_GDIOBJECTS ? static_cast<HANDLE>(CreateRectRgn(0, 0, 1, 1))
                                     : static_cast<HANDLE>(CreateMenu());
    if (!h) break;
    taken.push_back(h);
  }
  for (HANDLE h : taken)
    Kind == GR_GDIOBJECTS ? DeleteObject(static_cast<HGDIOBJ>(h))
                          : DestroyMenu(static_cast<HMENU>(h));
  return -static_cast<long>(taken.size());
}

SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  if (counters.PrivateUsage) return counters.PrivateUsage;
  if (counters.PagefileUsage) return counters.PagefileUsage;
  return counters.WorkingSetSize;
}
