// Time to list a folder of 10,000 subfolders through the shell, without and
// with sorting the children into the shell's order.
//   bench_FolderEnumerationBench [folder count] [runs]
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

std::string MakeTempFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  // Process ids are reused quickly under some platforms: add the time.
  for (;;) {
    std::string path = std::string(temp) + "fwbench-" + std::to_string(GetCurrentProcessId()) +
                       "-" + std::to_string(GetTickCount64());
    if (CreateDirectoryA(path.c_str(), nullptr)) return path;
  }
}

void RemoveFolders(const std::string& Root, int Count) {
  for (int i = 0; i < Count; ++i) RemoveDirectoryA((Root + "\\folder" + std::to_string(i)).c_str());
  RemoveDirectoryA(Root.c_str());
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

double MillisecondsSince(TClock::time_point Start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - Start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  const std::string root = MakeTempFolder();
  // Created in a shuffled order so that sorting has work to do.
  std::vector<int> order(count);
  for (int i = 0; i < count; ++i) order[i] = (i * 7919) % count;
  auto start = TClock::now();
  for (int i : order) CreateDirectoryA((root + "\\folder" + std::to_string(i)).c_str(), nullptr);
  std::printf("created %d folders in %.1f ms\n", count, MillisecondsSince(start));
  std::fflush(stdout);

  TIDListHolder parent(PathToIDList(root));
  if (!parent) {
    std::fprintf(stderr, "cannot parse %s\n", root.c_str());
    RemoveFolders(root, count);
    return 1;
  }
  std::vector<double> raw, sorted;
  std::size_t seen = 0;
  for (int run = 0; run < runs; ++run) {
    {
      std::vector<TIDListHolder> children;
      const auto start = TClock::now();
      EnumerateFolder(parent.Get(), {itFolders, itIncludeHidden}, children);
      raw.push_back(MillisecondsSince(start));
      seen = children.size();
      std::printf("run %d: enumerate %.1f ms\n", run, raw.back());
      std::fflush(stdout);
    }
    {
      std::vector<TIDListHolder> children;
      const auto start = TClock::now();
      EnumerateFolder(parent.Get(), {itFolders, itIncludeHidden}, children);
      SortByShellOrder(children);
      sorted.push_back(MillisecondsSince(start));
      std::printf("run %d: enumerate + sort %.1f ms\n", run, sorted.back());
      std::fflush(stdout);
    }
  }
  const double rawMs = Median(raw), sortedMs = Median(sorted);
  std::printf("folders: %zu of %d, runs: %d (median)\n", seen, count, runs);
  std::printf("enumerate:        %9.1f ms\n", rawMs);
  std::printf("enumerate + sort: %9.1f ms\n", sortedMs);
  std::printf("ratio:            %9.2f\n", sortedMs / rawMs);
  parent.Reset();
  RemoveFolders(root, count);
  return 0;
}
