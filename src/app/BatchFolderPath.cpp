#include "app/BatchFolderPath.h"

#include <windows.h>

#include "shell/ShellIDList.h"

namespace {

// True when Wide converts to the code page without a replacement or a
// best-fit substitute.
bool CodePageHolds(const wchar_t* Wide) {
  BOOL usedDefault = FALSE;
  int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, Wide, -1, nullptr, 0, nullptr,
                                 &usedDefault);
  return size > 0 && !usedDefault;
}

}  // namespace

std::string BatchFolderPath(LPCITEMIDLIST List, const std::string& Heading) {
  const std::string path = List ? IDListToPath(List) : std::string();
  wchar_t wide[MAX_PATH] = L"";
  const bool hasPath = List && SHGetPathFromIDListW(List, wide) && wide[0];
  // No file-system path (the computer, the network, a network computer
  // itself): the pane contributes the empty text.
  if (path.empty() || !hasPath) return std::string();
  if (!CodePageHolds(wide))
    throw EBatchPathError("\"" + Heading + "\": the path " + path +
                          " holds characters that a batch file cannot carry in this system's "
                          "code page (shown as ?). Rename the folder or choose another one.");
  return path;
}
