#pragma once
// The children of one folder made ready for a shell list view, a slice at a
// time: each child's attributes and name are read, the name filter is
// applied, and the children are put into the folder's own order. The list
// view calls Advance with a deadline, from its message loop, until the
// entries are ready, so that a folder of many thousand items leaves the
// window answering while it is read.
//
// The folder's order costs one call into the shell per comparison, and
// such a call is dear (under Wine it reads the registry). The entries are
// therefore first sorted by a cheap order close to the shell's (folders
// first, then names ignoring case); the shell's comparison then only checks
// neighbours and merges what is out of place (RunMergeSort.h), which takes
// about one call per entry where a full sort takes some fourteen.

#include <shlobj.h>

#include <chrono>
#include <string>
#include <vector>

#include "shell/IDListHolder.h"
#include "shell/ShellIDList.h"
#include "shell/portable/Mask.h"
#include "shell/portable/RunMergeSort.h"

class TShellListFill {
 public:
  using TClock = std::chrono::steady_clock;
  struct TEntry {
    TIDListHolder List;  // absolute
    ULONG Attributes = 0;
    std::string Name;
  };

  // Folder is the bound folder of the children (absolute lists); only
  // children whose name matches one of Masks are kept (all without masks;
  // file-system folders always).
  TShellListFill(TShellFolderPtr Folder, std::vector<TIDListHolder> Children,
                 std::vector<TMask> Masks);

  // Works until Deadline or until the entries are ready; true when they are.
  bool Advance(TClock::time_point Deadline);
  bool Ready() const { return FPhase == TPhase::Done; }
  // The entries kept, in the folder's order once Ready.
  std::vector<TEntry>& Entries() { return FEntries; }
  IShellFolder* Folder() const { return FFolder.Get(); }
  // Calls of the folder's comparison so far.
  long long Comparisons() const { return FComparisons; }

 private:
  enum class TPhase { Reading, Checking, Done };
  void ReadChild(TIDListHolder& Child);
  bool Kept(LPCITEMIDLIST Child, ULONG Attributes) const;
  void StartChecking();
  bool ShellLess(const TEntry& A, const TEntry& B);

  TShellFolderPtr FFolder;
  std::vector<TIDListHolder> FChildren;
  std::vector<TMask> FMasks;
  std::vector<TEntry> FEntries;
  std::size_t FRead = 0;
  TPhase FPhase = TPhase::Reading;
  TRunFinder FRuns{0};
  long long FComparisons = 0;
};
