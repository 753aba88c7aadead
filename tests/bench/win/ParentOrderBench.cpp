// For comparison with FolderEnumerationBench: the same children sorted by
// their parent folder's comparison of their last items, which gives the
// order the desktop folder gives for whole lists without walking the path
// down from the desktop for every comparison. Checks that both orders agree.
//   bench_ParentOrderBench [folder count]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/FolderEnumeration.h"
#include "shell/ShellIDList.h"

namespace {

using TClock = std::chrono::steady_clock;

double MillisecondsSince(TClock::time_point Start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - Start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string root = std::string(temp) + "fwparent-" + std::to_string(GetTickCount64());
  CreateDirectoryA(root.c_str(), nullptr);
  for (int i = 0; i < count; ++i)
    CreateDirectoryA((root + "\\folder" + std::to_string((i * 7919) % count)).c_str(), nullptr);

  TIDListHolder parent(PathToIDList(root));
  TShellFolderPtr folder = BindToFolder(parent.Get());
  std::vector<TIDListHolder> children;
  auto start = TClock::now();
  EnumerateFolder(parent.Get(), {itFolders, itIncludeHidden}, children);
  const double enumerateMs = MillisecondsSince(start);
  std::vector<LPITEMIDLIST> byParent;
  for (const TIDListHolder& child : children) byParent.push_back(child.Get());
  start = TClock::now();
  std::stable_sort(byParent.begin(), byParent.end(), [&](LPITEMIDLIST A, LPITEMIDLIST B) {
    return static_cast<short>(HRESULT_CODE(folder->CompareIDs(0, LastID(A), LastID(B)))) < 0;
  });
  const double parentSortMs = MillisecondsSince(start);
  std::printf("folders: %zu\n", children.size());
  std::printf("enumerate:               %9.1f ms\n", enumerateMs);
  std::printf("sort in parent folder:   %9.1f ms\n", parentSortMs);
  if (argc > 2) {  // also the desktop's order, to compare
    SortByShellOrder(children);
    bool same = true;
    for (std::size_t i = 0; i < children.size(); ++i) same &= children[i].Get() == byParent[i];
    std::printf("same order as the desktop's: %s\n", same ? "yes" : "NO");
  }
  for (int i = 0; i < count; ++i) RemoveDirectoryA((root + "\\folder" + std::to_string(i)).c_str());
  RemoveDirectoryA(root.c_str());
  return 0;
}
