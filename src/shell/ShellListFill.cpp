#include "shell/ShellListFill.h"

#include <shlwapi.h>

#include <algorithm>

namespace {

constexpr ULONG kHiddenAttribute = 0x00080000;  // drawn ghosted
constexpr ULONG kItemAttributes =
    SFGAO_FILESYSTEM | SFGAO_FOLDER | SFGAO_SHARE | SFGAO_LINK | kHiddenAttribute | SFGAO_CANRENAME;
// Work between two looks at the clock.
constexpr std::size_t kStride = 32;

// The last component of a path: after the last backslash or colon.
std::string_view LastComponent(const std::string& Path) {
  const std::size_t at = Path.find_last_of("\\:");
  return at == std::string::npos ? std::string_view(Path) : std::string_view(Path).substr(at + 1);
}

// Close to the shell's own order, at no cost: folders first, then the names
// as the system compares them ignoring case.
bool CheapLess(const TShellListFill::TEntry& A, const TShellListFill::TEntry& B) {
  const bool folderA = (A.Attributes & SFGAO_FOLDER) != 0;
  const bool folderB = (B.Attributes & SFGAO_FOLDER) != 0;
  if (folderA != folderB) return folderA;
  return lstrcmpiA(A.Name.c_str(), B.Name.c_str()) < 0;
}

}  // namespace

TShellListFill::TShellListFill(TShellFolderPtr Folder, std::vector<TIDListHolder> Children,
                               std::vector<TMask> Masks)
    : FFolder(std::move(Folder)), FChildren(std::move(Children)), FMasks(std::move(Masks)) {
  FEntries.reserve(FChildren.size());
}

bool TShellListFill::Advance(TClock::time_point Deadline) {
  while (FPhase != TPhase::Done) {
    if (FPhase == TPhase::Reading) {
      const std::size_t end = std::min(FChildren.size(), FRead + kStride);
      for (; FRead < end; ++FRead) ReadChild(FChildren[FRead]);
      if (FRead == FChildren.size()) StartChecking();
    } else {
      FRuns.Find(
          FEntries, [this](const TEntry& A, const TEntry& B) { return ShellLess(A, B); }, kStride);
      if (FRuns.Done()) {
        MergeRuns(FEntries, FRuns.Bounds(),
                  [this](const TEntry& A, const TEntry& B) { return ShellLess(A, B); });
        FPhase = TPhase::Done;
      }
    }
    if (FPhase != TPhase::Done && TClock::now() >= Deadline) return false;
  }
  return true;
}

void TShellListFill::ReadChild(TIDListHolder& Child) {
  LPCITEMIDLIST last = LastID(Child.Get());
  ULONG attributes = kItemAttributes;
  if (FAILED(FFolder->GetAttributesOf(1, &last, &attributes))) attributes = 0;
  if (!Kept(Child.Get(), attributes)) {
    Child.Reset();
    return;
  }
  TEntry entry;
  STRRET name{};
  char text[MAX_PATH + 1] = {};
  if (SUCCEEDED(FFolder->GetDisplayNameOf(last, SHGDN_NORMAL, &name)) &&
      SUCCEEDED(StrRetToBufA(&name, last, text, MAX_PATH)))
    entry.Name = text;
  entry.Attributes = attributes;
  entry.List = std::move(Child);
  FEntries.push_back(std::move(entry));
}

bool TShellListFill::Kept(LPCITEMIDLIST Child, ULONG Attributes) const {
  if (FMasks.empty()) return true;
  const ULONG folderOnDisk = SFGAO_FILESYSTEM | SFGAO_FOLDER;
  if ((Attributes & folderOnDisk) == folderOnDisk) return true;
  const std::string path = IDListToPath(Child);
  const std::string_view name = LastComponent(path);
  return std::any_of(FMasks.begin(), FMasks.end(), [&](const TMask& M) { return M.Matches(name); });
}

void TShellListFill::StartChecking() {
  FChildren.clear();
  std::stable_sort(FEntries.begin(), FEntries.end(), CheapLess);
  FRuns = TRunFinder(FEntries.size());
  FPhase = FRuns.Done() ? TPhase::Done : TPhase::Checking;
}

bool TShellListFill::ShellLess(const TEntry& A, const TEntry& B) {
  ++FComparisons;
  const HRESULT order = FFolder->CompareIDs(0, LastID(A.List.Get()), LastID(B.List.Get()));
  return static_cast<short>(HRESULT_CODE(order)) < 0;
}
