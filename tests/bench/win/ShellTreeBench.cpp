// The shell folder tree's speed beside its floor, measured in one run:
//   - opening one folder of many subfolders,
//   - opening many folders one by one (the message loop runs in between),
//   - refreshing a tree with many expanded nodes.
// The floor is what the platform needs for the same work without our tree:
// the shell's own calls (binding, listing, sorting, attributes, names), and
// a bare SysTreeView32 given the same inserts with redraw off. The ratios
// are read from one output. Opening folders one by one is also timed with
// the window drawn after each, as a user clicking them would see it.
//
//   bench_ShellTreeBench [subfolders] [expanded] [runs]
//   bench_ShellTreeBench --help
#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "shell/ShellIDList.h"
#include "shell/ShellModule.h"
#include "shell/ShellTreeView.h"
#include "shell/portable/ShellItemTypes.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/QuietExpansion.h"

namespace {

using TClock = std::chrono::steady_clock;

const char* const kHelp =
    "Times the shell folder tree and, in the same run, the floor it stands on.\n"
    "\n"
    "  bench_ShellTreeBench [subfolders] [expanded] [runs]\n"
    "\n"
    "  subfolders  subfolders of the folder that is opened (default 5000)\n"
    "  expanded    folders opened one by one, then refreshed (default 1000);\n"
    "              the first 100 of them are also opened drawing after each\n"
    "  runs        runs of each measurement; the median is shown (default 3)\n"
    "\n"
    "Each figure of the tree stands beside its floor: the shell's calls for the\n"
    "same work, and a bare tree control given the same nodes. For the folders\n"
    "opened one by one the bare control is timed opening them its own way, which\n"
    "under Wine costs far more than the shell's calls, and opening them the way\n"
    "the tree does (its window not drawable while a node opens): that one is the\n"
    "floor the tree's own share is measured against. The shell's calls are timed\n"
    "twice: each folder bound from the desktop, and bound through the folder that\n"
    "holds it, as the tree binds a folder whose parent it listed. For the first\n"
    "draw, the floor is the nodes' closed icons asked of the folder that holds\n"
    "them: a node not drawn selected does not need its open one.\n"
    "\n"
    "Run it under Wine from a built tree, on a display (Xvfb will do):\n"
    "  wine build/win/bench/bench_ShellTreeBench.exe 5000 1000 3\n"
    "Folders are made below the temporary folder and removed afterwards.\n";

double MillisecondsSince(TClock::time_point Start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - Start).count();
}

double Median(std::vector<double> Values) {
  if (Values.empty()) return 0;
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

template <class F>
double Time(F&& Work) {
  const auto start = TClock::now();
  Work();
  return MillisecondsSince(start);
}

std::string MakeTempFolder(const char* Name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  for (;;) {
    std::string path = std::string(temp) + Name + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount64());
    if (CreateDirectoryA(path.c_str(), nullptr)) return path;
  }
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

// Lets the window procedures see what was posted to them, as the message
// loop of a program would between two clicks. Painting is left for later:
// it is timed on its own (first draw).
void PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, WM_PAINT - 1, PM_REMOVE) ||
         PeekMessageA(&msg, nullptr, WM_PAINT + 1, 0xFFFF, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Draws what is waiting to be drawn, and everything else that is pending.
void PumpAll(HWND Window) {
  UpdateWindow(Window);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// The items the window shows, from the first one shown.
std::vector<HTREEITEM> ItemsInView(HWND Tree) {
  std::vector<HTREEITEM> items;
  const UINT count = TreeView_GetVisibleCount(Tree) + 1;
  for (HTREEITEM i = TreeView_GetFirstVisible(Tree); i && items.size() < count;
       i = TreeView_GetNextVisible(Tree, i))
    items.push_back(i);
  return items;
}

// What the shell is asked to draw the nodes in view: each one's closed and
// open icon (a node drawn selected shows the open one), asked of the shell
// by list.
double ShellIconsFor(TCustomTreeView* Tree) {
  std::vector<LPCITEMIDLIST> lists;
  for (HTREEITEM item : ItemsInView(Tree->WindowHandle()))
    if (TTreeNode* node = Tree->Items().GetNode(item))
      if (LPCITEMIDLIST list = TCustomVintoShellTreeView::NodeIDList(node)) lists.push_back(list);
  return Time([&] {
    for (LPCITEMIDLIST list : lists) {
      GetIconIndex(list, false, false);
      GetIconIndex(list, false, true);
    }
  });
}

// The closed icons alone of the nodes in view below Parent, asked of
// Parent's folder (bound already).
double ShellClosedIconsFor(TCustomTreeView* Tree, TTreeNode* Parent) {
  std::vector<LPCITEMIDLIST> lists;
  for (HTREEITEM item : ItemsInView(Tree->WindowHandle()))
    if (TTreeNode* node = Tree->Items().GetNode(item); node && node->Parent() == Parent)
      if (LPCITEMIDLIST list = TCustomVintoShellTreeView::NodeIDList(node)) lists.push_back(list);
  TShellFolderPtr folder = BindToFolder(TCustomVintoShellTreeView::NodeIDList(Parent));
  if (!folder) return 0;
  return Time([&] {
    for (LPCITEMIDLIST list : lists)
      SHMapPIDLToSystemImageListIndex(folder.Get(), LastID(list), nullptr);
  });
}

// ---- The shell's calls alone ------------------------------------------

// What the shell is asked for to show one folder's children in the tree:
// the folder bound once, its subfolders listed, sorted by the folder's own
// comparison, then each one's attributes and name.
struct TShellSteps {
  double Enumerate = 0, Sort = 0, Attributes = 0, Names = 0;
  double Total() const { return Enumerate + Sort + Attributes + Names; }
  TShellSteps& operator+=(const TShellSteps& Other) {
    Enumerate += Other.Enumerate;
    Sort += Other.Sort;
    Attributes += Other.Attributes;
    Names += Other.Names;
    return *this;
  }
};

constexpr ULONG kAskedAttributes = 0x70000000 | 0xA00B0000;

// With Through (the folder that holds Parent, bound already), Parent is
// bound through it, one step, rather than from the desktop.
TShellSteps ShellStepsFor(LPCITEMIDLIST Parent, IShellFolder* Through = nullptr) {
  TShellSteps steps;
  std::vector<LPITEMIDLIST> items;
  TShellFolderPtr folder;
  steps.Enumerate = Time([&] {
    if (!Through) {
      folder = BindToFolder(Parent);
    } else if (FAILED(Through->BindToObject(LastID(Parent), nullptr, IID_IShellFolder,
                                            reinterpret_cast<void**>(folder.GetAddressOf())))) {
      folder.Reset();
    }
    Microsoft::WRL::ComPtr<IEnumIDList> list;
    if (!folder || folder->EnumObjects(nullptr, ItemTypesToEnumFlags({itFolders, itIncludeHidden}),
                                       &list) != S_OK)
      return;
    LPITEMIDLIST item = nullptr;
    while (list->Next(1, &item, nullptr) == S_OK) items.push_back(item);
  });
  if (!folder) return steps;
  steps.Sort = Time([&] {
    std::stable_sort(items.begin(), items.end(), [&](LPITEMIDLIST A, LPITEMIDLIST B) {
      return static_cast<short>(HRESULT_CODE(folder->CompareIDs(0, A, B))) < 0;
    });
  });
  steps.Attributes = Time([&] {
    for (LPITEMIDLIST item : items) {
      ULONG attributes = kAskedAttributes;
      LPCITEMIDLIST one = item;
      folder->GetAttributesOf(1, &one, &attributes);
    }
  });
  steps.Names = Time([&] {
    char text[MAX_PATH];
    for (LPITEMIDLIST item : items) {
      STRRET name{};
      if (SUCCEEDED(folder->GetDisplayNameOf(item, SHGDN_NORMAL, &name)))
        StrRetToBufA(&name, item, text, MAX_PATH);
    }
  });
  for (LPITEMIDLIST item : items) CoTaskMemFree(item);
  return steps;
}

// ---- A bare tree control ------------------------------------------------

// The system image list's index of a folder, given to the bare control.
int gFolderIcon = 0;

LRESULT CALLBACK BareParentProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NOTIFY) {
    auto* info = reinterpret_cast<NMTVDISPINFOA*>(LParam);
    if (info->hdr.code == TVN_GETDISPINFOA) {
      // The text of item n is "folder<n>", n being the item's data.
      if (info->item.mask & TVIF_TEXT)
        std::snprintf(info->item.pszText, static_cast<size_t>(info->item.cchTextMax), "folder%d",
                      static_cast<int>(info->item.lParam));
      if (info->item.mask & TVIF_IMAGE) info->item.iImage = gFolderIcon;
      if (info->item.mask & TVIF_SELECTEDIMAGE) info->item.iSelectedImage = gFolderIcon;
      info->item.mask |= TVIF_DI_SETITEM;
      return 0;
    }
  }
  return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

// A SysTreeView32 of its own, in a window of its own, with the system's
// small icons: no toolkit, no shell.
class TBareTree {
 public:
  TBareTree() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = BareParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FernwickBenchBareParent";
    RegisterClassA(&wc);
    FParent = CreateWindowExA(0, wc.lpszClassName, "bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 420, 0,
                              400, 600, nullptr, nullptr, wc.hInstance, nullptr);
    FTree = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                            WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                            0, 0, 380, 560, FParent, nullptr, wc.hInstance, nullptr);
    SHFILEINFOA info{};
    auto images = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("c:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    TreeView_SetImageList(FTree, images, TVSIL_NORMAL);
  }
  ~TBareTree() { DestroyWindow(FParent); }

  // Inserts Count children under one root with redraw off; with Expand the
  // root is then opened, still with redraw off. Texts as given, or asked for
  // by the control when it needs them. With Draw, the time to draw the
  // opened root afterwards instead.
  double Insert(const std::vector<std::string>& Texts, bool ByCallback, bool Expand,
                bool Draw = false) {
    TreeView_DeleteAllItems(FTree);
    PumpAll(FParent);
    HTREEITEM root = Add(TVI_ROOT, "root", 0, false);
    TreeView_SelectItem(FTree, root);
    double ms = Time([&] {
      SendMessageA(FTree, WM_SETREDRAW, FALSE, 0);
      for (std::size_t i = 0; i < Texts.size(); ++i)
        Add(root, Texts[i].c_str(), static_cast<int>(i), ByCallback);
      if (Expand) TreeView_Expand(FTree, root, TVE_EXPAND);
      SendMessageA(FTree, WM_SETREDRAW, TRUE, 0);
    });
    if (Draw) ms = Time([&] { PumpAll(FParent); });
    TreeView_DeleteAllItems(FTree);
    PumpAll(FParent);
    return ms;
  }

  // Count folders under an open root, each then given one child and opened,
  // one by one with redraw on, as the tree does when a user opens them. With
  // Quiet, the way the tree opens them (see TQuietExpansion); with Draw, the
  // window is drawn after each.
  double OpenOneByOne(int Count, bool Quiet, bool Draw) {
    TreeView_DeleteAllItems(FTree);
    PumpAll(FParent);
    HTREEITEM root = Add(TVI_ROOT, "root", 0, false);
    std::vector<HTREEITEM> folders;
    SendMessageA(FTree, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < Count; ++i) folders.push_back(Add(root, "folder", i, false));
    TreeView_Expand(FTree, root, TVE_EXPAND);
    SendMessageA(FTree, WM_SETREDRAW, TRUE, 0);
    TreeView_SelectItem(FTree, root);
    PumpAll(FParent);
    TQuietExpansion quiet;
    const double ms = Time([&] {
      for (HTREEITEM folder : folders) {
        Add(folder, "inner", 0, false);
        if (Quiet) quiet.Begin(FTree, folder);
        TreeView_Expand(FTree, folder, TVE_EXPAND);
        quiet.End();
        if (Draw) {
          PumpAll(FParent);
        } else {
          PumpPending();
        }
      }
    });
    PumpAll(FParent);
    TreeView_DeleteAllItems(FTree);
    PumpAll(FParent);
    return ms;
  }

  // A tree of Count open folders under an open root, each holding one
  // child, deleted and made anew with redraw off, as a refresh does.
  double Rebuild(int Count) {
    const auto build = [&] {
      TreeView_DeleteAllItems(FTree);
      HTREEITEM root = Add(TVI_ROOT, "root", 0, false);
      for (int i = 0; i < Count; ++i) Add(root, "folder", i, false);
      TreeView_Expand(FTree, root, TVE_EXPAND);
      for (HTREEITEM f = TreeView_GetChild(FTree, root); f; f = TreeView_GetNextSibling(FTree, f)) {
        Add(f, "inner", 0, false);
        TreeView_Expand(FTree, f, TVE_EXPAND);
      }
      TreeView_SelectItem(FTree, root);
    };
    SendMessageA(FTree, WM_SETREDRAW, FALSE, 0);
    build();
    SendMessageA(FTree, WM_SETREDRAW, TRUE, 0);
    PumpAll(FParent);
    const double ms = Time([&] {
      SendMessageA(FTree, WM_SETREDRAW, FALSE, 0);
      build();
      SendMessageA(FTree, WM_SETREDRAW, TRUE, 0);
      PumpPending();
    });
    TreeView_DeleteAllItems(FTree);
    PumpAll(FParent);
    return ms;
  }

 private:
  HTREEITEM Add(HTREEITEM Parent, const char* Text, int Index, bool ByCallback) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = Parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask =
        TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_STATE;
    insert.item.pszText = ByCallback ? LPSTR_TEXTCALLBACKA : const_cast<char*>(Text);
    insert.item.lParam = Index;
    insert.item.iImage = I_IMAGECALLBACK;
    insert.item.iSelectedImage = I_IMAGECALLBACK;
    insert.item.cChildren = 1;
    insert.item.stateMask = TVIS_CUT | TVIS_OVERLAYMASK;
    return TreeView_InsertItem(FTree, &insert);
  }

  HWND FParent = nullptr;
  HWND FTree = nullptr;
};

// ---- Our tree -----------------------------------------------------------

TTreeNode* ChildNamed(TTreeNode* Parent, const std::string& Text) {
  for (TTreeNode* c = Parent->GetFirstChild(); c; c = c->GetNextSibling())
    if (c->GetText() == Text) return c;
  return nullptr;
}

void PrintShellSteps(const char* Label, const TShellSteps& Steps) {
  std::printf(
      "  floor: shell's calls alone %-18s %9.1f ms  (bind and list %.1f, sort %.1f, "
      "attributes %.1f, names %.1f)\n",
      Label, Steps.Total(), Steps.Enumerate, Steps.Sort, Steps.Attributes, Steps.Names);
}

// Goal is the ratio asked for, or 0 for a ratio shown only to be read.
void PrintRatio(const char* Label, double Ours, double Floor, double Goal) {
  std::printf("  ratio, tree / %-40s %9.2f", Label, Floor > 0 ? Ours / Floor : 0.0);
  if (Goal > 0) std::printf("   (goal: at most %.1f)", Goal);
  std::printf("\n");
}

// The median of each step over the runs.
TShellSteps MedianSteps(const std::vector<TShellSteps>& Runs) {
  auto pick = [&](double TShellSteps::*Step) {
    std::vector<double> values;
    for (const TShellSteps& s : Runs) values.push_back(s.*Step);
    return Median(values);
  };
  TShellSteps m;
  m.Enumerate = pick(&TShellSteps::Enumerate);
  m.Sort = pick(&TShellSteps::Sort);
  m.Attributes = pick(&TShellSteps::Attributes);
  m.Names = pick(&TShellSteps::Names);
  return m;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") ||
                   !std::strcmp(argv[1], "/?"))) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  const int subfolders = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5000;
  const int expandedCount = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;

  Application->Initialize();
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 600);
  auto* tree = new TVintoShellTreeView(&form);
  tree->SetParent(&form);
  tree->SetBounds(0, 0, 380, 560);
  // No watching of the disk while timing; the tree's bookkeeping of its
  // open folders still runs.
  tree->SetAutoRefreshContents(false);
  form.Show();
  TBareTree bare;
  {
    TIDListHolder temp(PathToIDList(MakeTempFolder("fwtreebench-icon-")));
    gFolderIcon = GetIconIndex(temp.Get(), false, false);
    RemoveDirectoryA(IDListToPath(temp.Get()).c_str());
  }
  PumpAll(form.Handle());
  std::printf("runs: %d (median of each figure)\n\n", runs);

  // ---- One folder of many subfolders (made in a shuffled order).
  const std::string wide = MakeTempFolder("fwtreebench-wide-");
  const std::string big = wide + "\\big";
  CreateDirectoryA(big.c_str(), nullptr);
  std::vector<std::string> texts(static_cast<std::size_t>(subfolders));
  for (int i = 0; i < subfolders; ++i) {
    const int n = (i * 7919) % subfolders;
    texts[static_cast<std::size_t>(i)] = "folder" + std::to_string(n);
    CreateDirectoryA((big + "\\" + texts[static_cast<std::size_t>(i)]).c_str(), nullptr);
  }
  std::sort(texts.begin(), texts.end());
  tree->SetRootFolder(wide);
  PumpAll(form.Handle());
  std::vector<double> openTimes, bareGiven, bareCallback, bareExpand, drawTimes, drawIcons,
      drawClosedIcons, bareDraw;
  std::vector<TShellSteps> openShell, openShellThrough;
  std::size_t nodes = 0, inView = 0;
  for (int run = 0; run < runs; ++run) {
    TTreeNode* node = ChildNamed(tree->Items().GetFirstNode(), "big");
    if (!node) {
      std::fprintf(stderr, "no node for %s\n", big.c_str());
      return 1;
    }
    openShell.push_back(ShellStepsFor(TCustomVintoShellTreeView::NodeIDList(node)));
    {
      TShellFolderPtr wideFolder =
          BindToFolder(TCustomVintoShellTreeView::NodeIDList(tree->Items().GetFirstNode()));
      openShellThrough.push_back(
          ShellStepsFor(TCustomVintoShellTreeView::NodeIDList(node), wideFolder.Get()));
    }
    bareGiven.push_back(bare.Insert(texts, false, false));
    bareCallback.push_back(bare.Insert(texts, true, false));
    bareExpand.push_back(bare.Insert(texts, false, true));
    bareDraw.push_back(bare.Insert(texts, false, true, true));
    openTimes.push_back(Time([&] {
      node->Expand(false);
      PumpPending();
    }));
    drawTimes.push_back(Time([&] { PumpAll(form.Handle()); }));
    inView = ItemsInView(tree->WindowHandle()).size();
    drawIcons.push_back(ShellIconsFor(tree));
    drawClosedIcons.push_back(ShellClosedIconsFor(tree, node));
    nodes = static_cast<std::size_t>(node->Count());
    tree->RebuildTree();
    PumpAll(form.Handle());
  }
  {
    const TShellSteps shell = MedianSteps(openShell), through = MedianSteps(openShellThrough);
    const double ours = Median(openTimes), inserts = Median(bareGiven);
    std::printf("open a folder of %zu subfolders\n", nodes);
    std::printf("  folder tree, whole                             %9.1f ms\n", ours);
    PrintShellSteps("", shell);
    PrintShellSteps("(through parent)", through);
    std::printf(
        "  floor: bare tree control, %5d inserts         %9.1f ms  (texts by callback "
        "%.1f; inserts and opening %.1f)\n",
        subfolders, inserts, Median(bareCallback), Median(bareExpand));
    const double opening = Median(bareExpand);
    std::printf(
        "  the tree's own share                           %9.1f ms  (besides the control's "
        "opening: %.1f)\n",
        ours - shell.Total() - inserts, ours - shell.Total() - opening);
    PrintRatio("(shell + bare inserts)", ours, shell.Total() + inserts, 1.5);
    PrintRatio("(shell through parent + inserts)", ours, through.Total() + inserts, 1.5);
    PrintRatio("(shell + bare inserts and opening)", ours, shell.Total() + opening, 0);
    std::printf("\n");
    const double draw = Median(drawTimes), icons = Median(drawIcons), bareDrawn = Median(bareDraw);
    std::printf("first draw after opening it (%zu nodes in view)\n", inView);
    std::printf("  folder tree, whole                             %9.1f ms\n", draw);
    std::printf("  shell's icons for the nodes in view, by list   %9.1f ms  (closed and open)\n",
                icons);
    std::printf(
        "  floor: shell's closed icons, through the folder %8.1f ms  (nodes drawn unselected "
        "show no other)\n",
        Median(drawClosedIcons));
    std::printf("  floor: bare tree control drawing them          %9.1f ms\n", bareDrawn);
    std::printf("  the tree's own share                           %9.1f ms\n",
                draw - Median(drawClosedIcons) - bareDrawn);
    PrintRatio("(shell's icons by list + bare drawing)", draw, icons + bareDrawn, 0);
    PrintRatio("(shell's closed icons + bare drawing)", draw, Median(drawClosedIcons) + bareDrawn,
               0);
    std::printf("\n");
  }
  std::fflush(stdout);

  // ---- Many folders, each holding one subfolder: opened one by one, then
  // the tree with all of them open is refreshed.
  const std::string deep = MakeTempFolder("fwtreebench-deep-");
  for (int i = 0; i < expandedCount; ++i) {
    const std::string folder = deep + "\\f" + std::to_string(i);
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\inner").c_str(), nullptr);
  }
  const int drawnCount = std::min(expandedCount, 100);
  std::vector<double> oneByOne, refreshTimes, bareOneByOne, bareQuiet, bareRebuild, drawn,
      bareDrawn, bareQuietDrawn;
  std::vector<TShellSteps> oneByOneShell, refreshShell, oneByOneThrough, refreshThrough;
  int expanded = 0, keptOpen = 0;
  for (int run = 0; run < runs; ++run) {
    tree->SetRootFolder(wide);  // so that each run starts from a new tree
    tree->SetRootFolder(deep);
    PumpAll(form.Handle());
    TTreeNode* root = tree->Items().GetFirstNode();
    // The shell's share of opening them: each folder's children.
    TShellSteps shell, through;
    for (TTreeNode* c = root->GetFirstChild(); c; c = c->GetNextSibling())
      shell += ShellStepsFor(TCustomVintoShellTreeView::NodeIDList(c));
    oneByOneShell.push_back(shell);
    {
      TShellFolderPtr rootFolder = BindToFolder(TCustomVintoShellTreeView::NodeIDList(root));
      for (TTreeNode* c = root->GetFirstChild(); c; c = c->GetNextSibling())
        through += ShellStepsFor(TCustomVintoShellTreeView::NodeIDList(c), rootFolder.Get());
    }
    oneByOneThrough.push_back(through);
    bareOneByOne.push_back(bare.OpenOneByOne(expandedCount, false, false));
    bareQuiet.push_back(bare.OpenOneByOne(expandedCount, true, false));
    oneByOne.push_back(Time([&] {
      for (TTreeNode* c = root->GetFirstChild(); c; c = c->GetNextSibling()) {
        c->Expand(false);
        PumpPending();
      }
    }));
    PumpAll(form.Handle());
    expanded = 0;
    for (TTreeNode* c = root; c; c = c == root ? root->GetFirstChild() : c->GetNextSibling())
      expanded += c->GetExpanded() ? 1 : 0;

    // The shell's share of a refresh: the root's children and each open
    // child's children.
    TShellSteps refresh = ShellStepsFor(TCustomVintoShellTreeView::NodeIDList(root));
    refreshShell.push_back(refresh);
    refreshShell.back() += shell;
    refreshThrough.push_back(refresh);
    refreshThrough.back() += through;
    bareRebuild.push_back(bare.Rebuild(expandedCount));
    refreshTimes.push_back(Time([&] {
      tree->RefreshTree();
      PumpPending();
    }));
    PumpAll(form.Handle());
    root = tree->Items().GetFirstNode();
    keptOpen = root->GetExpanded() ? 1 : 0;
    for (TTreeNode* c = root->GetFirstChild(); c; c = c->GetNextSibling())
      keptOpen += c->GetExpanded() ? 1 : 0;

    // The first folders once more, from a new tree, drawn after each.
    tree->SetRootFolder(wide);
    tree->SetRootFolder(deep);
    PumpAll(form.Handle());
    root = tree->Items().GetFirstNode();
    bareDrawn.push_back(bare.OpenOneByOne(drawnCount, false, true));
    bareQuietDrawn.push_back(bare.OpenOneByOne(drawnCount, true, true));
    drawn.push_back(Time([&] {
      int n = 0;
      for (TTreeNode* c = root->GetFirstChild(); c && n < drawnCount;
           c = c->GetNextSibling(), ++n) {
        c->Expand(false);
        PumpAll(form.Handle());
      }
    }));
  }
  {
    const TShellSteps shell = MedianSteps(oneByOneShell), through = MedianSteps(oneByOneThrough);
    const double ours = Median(oneByOne);
    std::printf("open %d folders one by one\n", expandedCount);
    std::printf("  folder tree, whole                             %9.1f ms\n", ours);
    PrintShellSteps("", shell);
    PrintShellSteps("(through parent)", through);
    const double control = Median(bareOneByOne), quiet = Median(bareQuiet);
    std::printf("  floor: bare tree control opening as many       %9.1f ms\n", control);
    std::printf("  floor: bare tree control, opening as the tree  %9.1f ms\n", quiet);
    std::printf(
        "  the tree's own share                           %9.1f ms  (besides the shell "
        "through the parent and the control as the tree)\n",
        ours - through.Total() - quiet);
    PrintRatio("shell's calls", ours, shell.Total(), 1.5);
    PrintRatio("shell's calls through parent", ours, through.Total(), 1.5);
    PrintRatio("(shell + bare control)", ours, shell.Total() + control, 0);
    PrintRatio("(shell through parent + control as tree)", ours, through.Total() + quiet, 0);
    std::printf("\n");
    std::printf("open the first %d of them one by one, drawing after each\n", drawnCount);
    std::printf("  folder tree, whole                             %9.1f ms\n", Median(drawn));
    std::printf("  bare tree control opening as many              %9.1f ms\n", Median(bareDrawn));
    std::printf("  bare tree control, opening as the tree         %9.1f ms\n",
                Median(bareQuietDrawn));
    std::printf("\n");
  }
  {
    const TShellSteps shell = MedianSteps(refreshShell), through = MedianSteps(refreshThrough);
    const double ours = Median(refreshTimes);
    std::printf("refresh with %d expanded nodes (%d kept open)\n", expanded, keptOpen);
    std::printf("  folder tree, whole                             %9.1f ms\n", ours);
    PrintShellSteps("", shell);
    PrintShellSteps("(through parent)", through);
    const double control = Median(bareRebuild);
    std::printf("  floor: bare tree control making as many anew   %9.1f ms\n", control);
    std::printf(
        "  the tree's own share                           %9.1f ms  (besides the shell "
        "through the parent and the control)\n",
        ours - through.Total() - control);
    PrintRatio("shell's calls", ours, shell.Total(), 1.5);
    PrintRatio("shell's calls through parent", ours, through.Total(), 1.5);
    PrintRatio("(shell through parent + bare control)", ours, through.Total() + control, 0);
  }
  form.Hide();
  RemoveTree(wide);
  RemoveTree(deep);
  return 0;
}
