// What one look at a polled subtree costs: a root with Folders subfolders
// (the most that are polled), each holding Files files, looked at Rounds
// times with nothing changing. Prints the median and the slowest look, and
// the share of time polling takes at the watcher's pace (a look every
// 500 ms, or nine times the last look's duration when that is longer).
// With "folders" last, only folders are looked at, as for a folder tree.
//   bench_FolderPollBench [folders] [files per folder] [rounds] [folders]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/FolderPoller.h"

namespace {

using TClock = std::chrono::steady_clock;

void MakeTree(const std::string& Root, int Folders, int Files) {
  CreateDirectoryA(Root.c_str(), nullptr);
  for (int i = 0; i < Folders; ++i) {
    const std::string folder = Root + "\\folder" + std::to_string(i);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int j = 0; j < Files; ++j) {
      HANDLE file = CreateFileA((folder + "\\file" + std::to_string(j) + ".txt").c_str(),
                                GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      CloseHandle(file);
    }
  }
}

void RemoveTree(const std::string& Root, int Folders, int Files) {
  for (int i = 0; i < Folders; ++i) {
    const std::string folder = Root + "\\folder" + std::to_string(i);
    for (int j = 0; j < Files; ++j)
      DeleteFileA((folder + "\\file" + std::to_string(j) + ".txt").c_str());
    RemoveDirectoryA(folder.c_str());
  }
  RemoveDirectoryA(Root.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const int folders = argc > 1 ? std::atoi(argv[1]) : 128;
  const int files = argc > 2 ? std::atoi(argv[2]) : 100;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 21;
  const bool filesToo = !(argc > 4 && std::string(argv[4]) == "folders");
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string root = std::string(temp) + "fwpoll-" + std::to_string(GetTickCount64());
  MakeTree(root, folders, files);

  std::size_t reports = 0;
  TFolderPoller poller(filesToo, 128, [&](std::size_t, LONG, const std::string&, const std::string&) {
    ++reports;
  });
  poller.AddRoot(root, 0);
  std::vector<double> looks;
  for (int i = 0; i < rounds; ++i) {
    const auto start = TClock::now();
    poller.Poll();
    looks.push_back(std::chrono::duration<double, std::milli>(TClock::now() - start).count());
  }
  std::sort(looks.begin(), looks.end());
  const double median = looks[looks.size() / 2];
  std::printf("polled folders: %zu, files each: %d, files looked at: %s, reports: %zu\n",
              poller.FolderCount(), files, filesToo ? "yes" : "no", reports);
  std::printf("one look, median of %d: %8.2f ms (slowest %.2f ms)\n", rounds, median,
              looks.back());
  std::printf("share of time at the watcher's pace: %.1f %%\n",
              100.0 * median / (median + std::max(500.0, 9 * median)));
  RemoveTree(root, folders, files);
  return 0;
}
