// Time to open a folder of 5,000 subfolders in the shell folder tree, and to
// refresh a tree with 1,000 expanded nodes; each split into the shell's part
// (listing, sorting, attributes, icons and names) and the rest (tree nodes).
//   bench_ShellTreeBench [subfolders] [expanded] [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/FolderChildren.h"
#include "shell/ShellIDList.h"
#include "shell/ShellTreeView.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {

using TClock = std::chrono::steady_clock;

double MillisecondsSince(TClock::time_point Start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - Start).count();
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

std::string MakeTempFolder(const char* Name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string path = std::string(temp) + Name + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

void RemoveTree(const std::string& Path) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((Path + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name != "." && name != "..") RemoveTree(Path + "\\" + name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(Path.c_str());
}

// What the tree asks of the shell for one folder's children, without the
// tree: list, sort, then attributes, icons and name of each.
double ShellWorkFor(LPCITEMIDLIST Parent) {
  const auto start = TClock::now();
  std::vector<TShellNodeInfo> children;
  ReadFolderChildren(Parent, {itFolders, itIncludeHidden}, 0x70000000, 0xA00B0000, children);
  return MillisecondsSince(start);
}

TTreeNode* ChildNamed(TTreeNode* Parent, const std::string& Text) {
  for (TTreeNode* c = Parent->GetFirstChild(); c; c = c->GetNextSibling())
    if (c->GetText() == Text) return c;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  const int subfolders = argc > 1 ? std::atoi(argv[1]) : 5000;
  const int expandedCount = argc > 2 ? std::atoi(argv[2]) : 1000;
  const int runs = argc > 3 ? std::atoi(argv[3]) : 3;

  Application->Initialize();
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 600);
  auto* tree = new TVintoShellTreeView(&form);
  tree->SetParent(&form);
  tree->SetBounds(0, 0, 380, 560);
  tree->SetAutoRefreshContents(false);
  form.Show();

  // Opening one folder of many subfolders (made in a shuffled order).
  const std::string wide = MakeTempFolder("fwtreebench-wide-");
  const std::string big = wide + "\\big";
  CreateDirectoryA(big.c_str(), nullptr);
  for (int i = 0; i < subfolders; ++i) {
    const int n = (i * 7919) % subfolders;
    CreateDirectoryA((big + "\\folder" + std::to_string(n)).c_str(), nullptr);
  }
  tree->SetRootFolder(wide);
  std::vector<double> expandTimes, shellTimes;
  std::size_t nodes = 0;
  for (int run = 0; run < runs; ++run) {
    TTreeNode* node = ChildNamed(tree->Items().GetFirstNode(), "big");
    if (!node) {
      std::fprintf(stderr, "no node for %s\n", big.c_str());
      return 1;
    }
    shellTimes.push_back(ShellWorkFor(TCustomVintoShellTreeView::NodeIDList(node)));
    auto start = TClock::now();
    node->Expand(false);
    expandTimes.push_back(MillisecondsSince(start));
    nodes = static_cast<std::size_t>(node->Count());
    tree->RebuildTree();
  }

  // Refreshing a tree with many expanded nodes: folders that each hold one
  // subfolder, all opened.
  const std::string deep = MakeTempFolder("fwtreebench-deep-");
  for (int i = 0; i < expandedCount; ++i) {
    const std::string folder = deep + "\\f" + std::to_string(i);
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\inner").c_str(), nullptr);
  }
  tree->SetRootFolder(deep);
  TTreeNode* root = tree->Items().GetFirstNode();
  auto openStart = TClock::now();
  for (TTreeNode* c = root->GetFirstChild(); c; c = c->GetNextSibling()) c->Expand(false);
  const double openAll = MillisecondsSince(openStart);
  int expanded = 0;
  for (TTreeNode* c = root; c; c = c == root ? root->GetFirstChild() : c->GetNextSibling())
    expanded += c->GetExpanded() ? 1 : 0;
  std::vector<double> refreshTimes, shellRefresh;
  for (int run = 0; run < runs; ++run) {
    auto start = TClock::now();
    tree->RefreshTree();
    refreshTimes.push_back(MillisecondsSince(start));
    // The shell's share: the root's children and each child's children.
    root = tree->Items().GetFirstNode();
    double shell = ShellWorkFor(TCustomVintoShellTreeView::NodeIDList(root));
    for (TTreeNode* c = root->GetFirstChild(); c; c = c->GetNextSibling())
      shell += ShellWorkFor(TCustomVintoShellTreeView::NodeIDList(c));
    shellRefresh.push_back(shell);
  }
  int stillExpanded = 0;
  for (TTreeNode* c = root->GetFirstChild(); c; c = c->GetNextSibling())
    stillExpanded += c->GetExpanded() ? 1 : 0;

  const double expandMs = Median(expandTimes), shellMs = Median(shellTimes);
  const double refreshMs = Median(refreshTimes), refreshShellMs = Median(shellRefresh);
  std::printf("runs: %d (median)\n", runs);
  std::printf("open folder of %zu subfolders:   %9.1f ms\n", nodes, expandMs);
  std::printf("  shell calls alone:              %9.1f ms\n", shellMs);
  std::printf("  tree nodes (rest):              %9.1f ms\n", expandMs - shellMs);
  std::printf("open %d folders one by one:     %9.1f ms\n", expandedCount, openAll);
  std::printf("refresh with %d expanded nodes: %9.1f ms (%d kept open)\n", expanded, refreshMs,
              stillExpanded + 1);
  std::printf("  shell calls alone:              %9.1f ms\n", refreshShellMs);
  std::printf("  tree nodes and matching (rest): %9.1f ms\n", refreshMs - refreshShellMs);
  form.Hide();
  RemoveTree(wide);
  RemoveTree(deep);
  return 0;
}
