#pragma once
// The folders a TVintoShellChangeNotifier watches when it is configured by
// properties rather than in code.

#include <string>
#include <vector>

#include "shell/ShellIDList.h"

struct TVintoShellChangeNotifierFolder {
  TVintoShellFolder Folder;
  bool WatchSubTree = false;
};

class TVintoShellChangeNotifierFolders {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TVintoShellChangeNotifierFolder& Items(int Index) { return FItems.at(Index); }
  const TVintoShellChangeNotifierFolder& Items(int Index) const { return FItems.at(Index); }
  TVintoShellChangeNotifierFolder& Add(const TVintoShellFolder& Folder = {},
                                       bool WatchSubTree = false) {
    FItems.push_back({Folder, WatchSubTree});
    return FItems.back();
  }
  void Clear() { FItems.clear(); }

 private:
  std::vector<TVintoShellChangeNotifierFolder> FItems;
};
