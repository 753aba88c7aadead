#include "shell/CustomShellTreeView.h"

#include <cstring>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "shell/BusyCursor.h"
#include "shell/DirectoryWatcher.h"
#include "shell/FlagScope.h"
#include "shell/FolderChildren.h"
#include "shell/ShellDropTarget.h"
#include "shell/ShellModule.h"
#include "shell/ShellTreeFollower.h"
#include "shell/ShellTreeOle.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

namespace {

// Hidden objects (SFGAO_HIDDEN) are drawn ghosted.
constexpr ULONG kHiddenAttribute = 0x00080000;
// Asked of every node added: has subfolders, is a folder, is hidden, is
// shared, is a shortcut.
constexpr ULONG kAppearanceAttributes =
    SFGAO_HASSUBFOLDER | SFGAO_FOLDER | kHiddenAttribute | SFGAO_SHARE | SFGAO_LINK;
// A child gets a node only when it is, or leads to, something in the file
// system, or is a folder.
constexpr ULONG kListedAttributes = SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR | SFGAO_FOLDER;
// The system's overlays a node is drawn with: the shared-folder hand, the
// shortcut arrow.
constexpr int kSharedOverlay = 0;
constexpr int kShortcutOverlay = 1;

// A refresh asked for while the tree is busy is posted to the window and
// done when the busy work is over.
UINT RefreshMessage() {
  static const UINT message = RegisterWindowMessageA("FernwickShellTreeRefresh");
  return message;
}

// Asks the tree to tell its notifier which folders it shows open.
UINT OpenFoldersMessage() {
  static const UINT message = RegisterWindowMessageA("FernwickShellTreeOpenFolders");
  return message;
}

// Children added with redraw off from this many on.
constexpr std::size_t kQuietFillCount = 32;

// Most open folders watched besides the root.
constexpr std::size_t kMaxOpenFolders = 64;

bool IsAtOrBelow(const std::string& Path, const std::string& Folder) {
  if (Folder.empty() || Path.size() < Folder.size()) return false;
  if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, Path.c_str(),
                     static_cast<int>(Folder.size()), Folder.c_str(),
                     static_cast<int>(Folder.size())) != CSTR_EQUAL)
    return false;
  return Path.size() == Folder.size() || Folder.back() == '\\' || Path[Folder.size()] == '\\';
}

// The file-system folders of the open nodes from Node on, outside Root.
void CollectOpenFolders(TTreeNode* Node, const std::string& Root, std::vector<std::string>& Out) {
  for (; Node && Out.size() < kMaxOpenFolders; Node = Node->GetNextSibling()) {
    if (!Node->GetExpanded()) continue;
    const std::string path = IDListToPath(TCustomVintoShellTreeView::NodeIDList(Node));
    const bool inside = IsAtOrBelow(path, Root);
    // What lies below a folder inside the root is inside it too (only the
    // root node can hold more, such as the desktop's computer).
    if (inside && Node->Parent()) continue;
    if (!path.empty() && !inside) Out.push_back(path);
    CollectOpenFolders(Node->GetFirstChild(), Root, Out);
  }
}

std::string_view BytesOf(LPCITEMIDLIST List) {
  return {reinterpret_cast<const char*>(List), IDListSize(List)};
}

class TUpdateScope {
 public:
  explicit TUpdateScope(TTreeNodes& Nodes) : FNodes(Nodes) { FNodes.BeginUpdate(); }
  ~TUpdateScope() { FNodes.EndUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

 private:
  TTreeNodes& FNodes;
};

// The lists of the nodes that were expanded before a refresh, each with the
// name its node showed and the entry of its parent node. Each is found
// again at most once: first by its bytes, which is exact and cheap, then by
// the shell's comparison, which also matches an item whose bytes changed (a
// folder's item carries its times, and looking into a folder can change
// them). The shell is asked only about an entry of the same name below the
// same parent: an object that is the same for the shell has the same name.
class TExpandedLists {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);
  // Same(new list, kept list): the shell's judgement.
  using TSame = std::function<bool(LPCITEMIDLIST, LPCITEMIDLIST)>;

  std::size_t Add(LPCITEMIDLIST List, const std::string& Name, std::size_t Parent) {
    TIDListHolder copy(CopyIDList(List));
    if (!copy) return npos;
    const std::size_t index = FEntries.size();
    FByBytes.emplace(std::string(BytesOf(copy.Get())), index);
    FByName.emplace(Name, index);
    FEntries.push_back({std::move(copy), Parent, false});
    return index;
  }
  // The entry List (below the entry Parent) is found as, or npos.
  std::size_t Take(LPCITEMIDLIST List, const std::string& Name, std::size_t Parent,
                   const TSame& Same) {
    if (!List || FEntries.empty()) return npos;
    auto [first, last] = FByBytes.equal_range(std::string(BytesOf(List)));
    for (auto it = first; it != last; ++it)
      if (!FEntries[it->second].Found) return Mark(it->second);
    auto [named, namedEnd] = FByName.equal_range(Name);
    for (auto it = named; it != namedEnd; ++it) {
      TEntry& entry = FEntries[it->second];
      if (!entry.Found && entry.Parent == Parent && Same(List, entry.List.Get()))
        return Mark(it->second);
    }
    return npos;
  }

 private:
  struct TEntry {
    TIDListHolder List;
    std::size_t Parent;
    bool Found;
  };
  std::size_t Mark(std::size_t Index) {
    FEntries[Index].Found = true;
    return Index;
  }
  std::vector<TEntry> FEntries;
  std::unordered_multimap<std::string, std::size_t> FByBytes;
  std::unordered_multimap<std::string, std::size_t> FByName;
};

std::wstring ToWide(const std::string& Text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, Text.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

}  // namespace

const TClassInfo& TCustomVintoShellTreeView::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCustomVintoShellTreeView>(
                                     "TCustomVintoShellTreeView", &TCustomTreeView::StaticClass())
                                     .Info();
  return info;
}

TCustomVintoShellTreeView::TCustomVintoShellTreeView(TComponent* AOwner)
    : TCustomTreeView(AOwner),
      FSystemImages(std::make_unique<TImageList>(nullptr)),
      FNotifier(new TVintoShellChangeNotifier(this)),
      FOle(std::make_unique<TVintoShellTreeOle>(*this)) {
  SetChangeDelay(50);
  SetRightClickSelect(true);
  SHFILEINFOA info{};
  auto list = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("c:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  FSystemImages->SetShareImages(true);
  FSystemImages->SetHandle(list);
  FSystemImages->SetBkColor(clNone);
  SetImages(FSystemImages.get());
  WatchRoot(CopyIDList(TShellModule::Instance().DesktopIDList()));
  ConnectNotifier();
}

TCustomVintoShellTreeView::~TCustomVintoShellTreeView() {
  // The nodes go while this class can still free their lists.
  DestroyHandle();
  SetWatching(false);
  if (auto* follower = ListViewFollower()) follower->LinkTree(nullptr);
  if (auto* follower = ComboBoxFollower()) follower->LinkTree(nullptr);
  SetImages(nullptr);
  // The notifier refers to the watched root and to this tree's handlers:
  // it goes before they do.
  delete FNotifier;
}

void TCustomVintoShellTreeView::Loaded() {
  TCustomTreeView::Loaded();
  RebuildTree();
  SetWatching(FAutoRefreshContents && !Designing());
}

LPCITEMIDLIST TCustomVintoShellTreeView::NodeIDList(const TTreeNode* Node) {
  return Node ? static_cast<LPCITEMIDLIST>(Node->Data) : nullptr;
}

LPCITEMIDLIST TCustomVintoShellTreeView::SelectedIDList() {
  return NodeIDList(GetSelected());
}

TVintoShellItems& TCustomVintoShellTreeView::SelectionItems() {
  FSelectionItems.Clear();
  if (LPCITEMIDLIST list = SelectedIDList()) FSelectionItems.Add(list);
  return FSelectionItems;
}

// ---- Root -------------------------------------------------------------

void TCustomVintoShellTreeView::SetRootFolder(const TVintoShellFolder& Value) {
  if (Value == FRootFolder) return;
  const TVintoShellFolder old = FRootFolder;
  FRootFolder = Value;
  if (!FRootFolder.empty() && FRootFolder.back() == ':') FRootFolder += '\\';
  try {
    ApplyRoot();
  } catch (...) {
    // The new root could not be shown: back to the old one, silently.
    FRootFolder = old;
    try {
      ApplyRoot();
    } catch (...) {
    }
  }
}

void TCustomVintoShellTreeView::ApplyRoot() {
  RebuildTree();
  if (auto* follower = ListViewFollower()) follower->FollowTreeRoot(FRootFolder);
  SetWatching(false);
  WatchRoot(FolderTextToIDList(FRootFolder));
  SetWatching(FAutoRefreshContents && !Designing());
}

void TCustomVintoShellTreeView::RebuildTree() {
  if (FRebuilding || FRefreshing || !HandleAllocated()) return;
  TFlagScope rebuilding(FRebuilding);
  TIDListHolder root(FolderTextToIDList(FRootFolder));
  Items().Clear();
  SetShowRoot(!IsDesktopIDList(root.Get()));
  AddRootNode(root.Release());
}

void TCustomVintoShellTreeView::AddRootNode(LPITEMIDLIST Root) {
  TTreeNode* node = AddNode(nullptr, Root);
  if (!node) return;
  node->Expand(false);
  if (!Designing()) node->SetSelected(true);
}

// ---- Nodes ------------------------------------------------------------

TTreeNode* TCustomVintoShellTreeView::AddNode(TTreeNode* Parent, LPITEMIDLIST List) {
  TShellNodeInfo info;
  DescribeShellObject(List, kAppearanceAttributes, info);
  return AddNode(Parent, info);
}

TTreeNode* TCustomVintoShellTreeView::AddNode(TTreeNode* Parent, TShellNodeInfo& Info) {
  TTreeNodes::TNodeLook look;
  // Icons are left to the control's callback (see ProvideIcons).
  if (Info.List) {
    look.HasChildren = (Info.Attributes & (SFGAO_HASSUBFOLDER | SFGAO_FOLDER)) != 0;
    if (Info.Attributes & SFGAO_SHARE) look.OverlayIndex = kSharedOverlay;
    if (Info.Attributes & SFGAO_LINK) look.OverlayIndex = kShortcutOverlay;
    look.Cut = (Info.Attributes & kHiddenAttribute) != 0 && FShowHiddenAsTransparent;
  } else {
    // A root that names nothing: its text as typed, ghosted, nothing below.
    look.Cut = true;
  }
  const std::string& text = Info.List ? Info.Text : FRootFolder;
  TTreeNode* node = Items().AddChild(Parent, text, Info.List.Get(), look);
  if (node) Info.List.Release();  // the node's now
  return node;
}

void TCustomVintoShellTreeView::Delete(TTreeNode* Node) {
  FBoundFolders.Forget(Node);
  FreeIDList(static_cast<LPITEMIDLIST>(Node->Data));
  Node->Data = nullptr;
  if (Node == FEditingNode) FEditingNode = nullptr;
  TCustomTreeView::Delete(Node);
}

// ---- Expansion --------------------------------------------------------

bool TCustomVintoShellTreeView::CanExpand(TTreeNode* Node) {
  if (!TCustomTreeView::CanExpand(Node)) return false;
  if (Designing() && Node->Parent()) return true;
  if (Node->GetHasChildren() && !Node->GetFirstChild()) {
    // A folder that cannot be listed keeps its button and stays closed.
    if (!FillChildren(Node)) return false;
  }
  // Setting the button anew redraws its row: only when it changes.
  const bool hasChildren = Node->GetFirstChild() != nullptr;
  if (hasChildren != Node->GetHasChildren()) Node->SetHasChildren(hasChildren);
  OpenFoldersChanged();
  return true;
}

void TCustomVintoShellTreeView::Expand(TTreeNode* Node) {
  TCustomTreeView::Expand(Node);
  OpenFoldersChanged();
}

void TCustomVintoShellTreeView::Collapse(TTreeNode* Node) {
  TCustomTreeView::Collapse(Node);
  OpenFoldersChanged();
}

void TCustomVintoShellTreeView::OpenFoldersChanged() {
  if (FOpenFoldersPending || !FShowsFoldersOutsideRoot || !FNotifier || !HandleAllocated() ||
      !TDirectoryWatcher::PlatformMissesDiskChanges())
    return;
  FOpenFoldersPending = PostMessageA(WindowHandle(), OpenFoldersMessage(), 0, 0) != FALSE;
}

void TCustomVintoShellTreeView::WatchOpenFolders() {
  FOpenFoldersPending = false;
  if (!FNotifier) return;
  std::vector<std::string> folders;
  if (FShowsFoldersOutsideRoot)
    CollectOpenFolders(Items().GetFirstNode(), FWatchedRootPath, folders);
  FNotifier->SetDiskOnlyFolders(folders);
}

bool TCustomVintoShellTreeView::FillChildren(TTreeNode* Node) {
  LPCITEMIDLIST parent = NodeIDList(Node);
  if (!parent) return false;
  TBusyCursor cursor;
  TFlagScope filling(FFilling);
  std::vector<TShellNodeInfo> children;
  TShellFolderPtr folder = FBoundFolders.Bind(Node, parent, Node->Parent());
  if (!ReadFolderChildren(folder.Get(), parent, FItemTypes, kListedAttributes,
                          kAppearanceAttributes, children))
    return false;
  // The node is still closed: its new children are not drawn. Stopping
  // redraw pays only for many of them, since starting it again makes the
  // control lay out and repaint the whole tree.
  std::optional<TUpdateScope> update;
  if (children.size() >= kQuietFillCount) update.emplace(Items());
  for (TShellNodeInfo& child : children) AddNode(Node, child);
  return true;
}

// ---- Refresh and selection by list --------------------------------------

namespace {

void CollectExpanded(TTreeNode* Node, TExpandedLists& Lists, std::size_t Parent) {
  for (; Node; Node = Node->GetNextSibling()) {
    if (!Node->GetExpanded()) continue;
    std::size_t index = TExpandedLists::npos;
    if (LPCITEMIDLIST list = TCustomVintoShellTreeView::NodeIDList(Node))
      index = Lists.Add(list, Node->GetText(), Parent);
    CollectExpanded(Node->GetFirstChild(), Lists, index);
  }
}

// Opens Node again when it was open before, and so on below it.
void Reexpand(TTreeNode* Node, TExpandedLists& Lists, std::size_t Parent,
              const TExpandedLists::TSame& Same) {
  LPCITEMIDLIST list = TCustomVintoShellTreeView::NodeIDList(Node);
  const std::size_t index = Lists.Take(list, Node->GetText(), Parent, Same);
  if (index == TExpandedLists::npos) return;
  Node->Expand(false);
  // Children are compared by the folder that holds them, bound when first
  // needed: far cheaper for the shell than comparing whole lists.
  TShellFolderPtr folder;
  bool bound = false;
  const auto sameChild = [&](LPCITEMIDLIST A, LPCITEMIDLIST B) {
    if (!bound) folder = BindToFolder(list), bound = true;
    return folder ? folder->CompareIDs(0, LastID(A), LastID(B)) == 0 : SameIDList(A, B);
  };
  for (TTreeNode* child = Node->GetFirstChild(); child; child = child->GetNextSibling())
    Reexpand(child, Lists, index, sameChild);
}

}  // namespace

void TCustomVintoShellTreeView::RefreshTree() {
  if (!HandleAllocated()) return;
  if (FRebuilding || FRefreshing) return;
  if (FFilling) {
    // Nodes are being added below a node that is opening: refresh after.
    PostMessageA(WindowHandle(), RefreshMessage(), 0, 0);
    return;
  }
  TTreeNode* first = Items().GetFirstNode();
  if (!first) {
    RebuildTree();
    return;
  }
  TFlagScope refreshing(FRefreshing);
  TBusyCursor cursor;
  TTreeNode* top = GetTopItem();
  TIDListHolder topList(CopyIDList(NodeIDList(top ? top : first)));
  {
    TUpdateScope update(Items());
    TExpandedLists expanded;
    CollectExpanded(first, expanded, TExpandedLists::npos);
    TTreeNode* selected = GetSelected();
    TIDListHolder selection(CopyIDList(NodeIDList(selected ? selected : first)));
    TIDListHolder rootList(CopyIDList(NodeIDList(first)));
    Items().Clear();
    TTreeNode* root = AddNode(nullptr, RefreshedRootIDList(rootList.Get()));
    if (!root) return;
    Reexpand(root, expanded, TExpandedLists::npos, SameIDList);
    SelectIDList(selection.Get());
    // Made anew, the nodes would be shown from the top: the window goes
    // back to the node it showed first, or its nearest ancestor.
    SetTopItem(NodeOnTheWayTo(topList.Get(), false));
  }
  // Unless that leaves the selection out of view: then the least scrolling
  // that brings it back (once the control lays its rows out again).
  if (TTreeNode* selected = GetSelected()) selected->MakeVisible();
  OpenFoldersChanged();
}

// The root text as it stands; a text that names nothing so, but did name
// the root the tree was showing, keeps that root.
LPITEMIDLIST TCustomVintoShellTreeView::RefreshedRootIDList(LPCITEMIDLIST Shown) const {
  if (LPITEMIDLIST list = FolderTextToIDList(FRootFolder, false)) return list;
  return Shown ? CopyIDList(Shown) : nullptr;
}

TTreeNode* TCustomVintoShellTreeView::FindChild(TTreeNode* Parent, LPCITEMIDLIST List) {
  // Lists the same folder gave are the same bytes; the shell's comparison,
  // which is slow, is needed only for lists made otherwise.
  const std::string_view bytes = BytesOf(List);
  for (TTreeNode* child = Parent->GetFirstChild(); child; child = child->GetNextSibling())
    if (LPCITEMIDLIST list = NodeIDList(child); list && BytesOf(list) == bytes) return child;
  // Otherwise the parent folder compares its own items, which costs the
  // shell far less than comparing whole lists from the desktop down.
  TShellFolderPtr folder = BindToFolder(NodeIDList(Parent));
  LPCITEMIDLIST last = LastID(List);
  for (TTreeNode* child = Parent->GetFirstChild(); child; child = child->GetNextSibling()) {
    LPCITEMIDLIST list = NodeIDList(child);
    if (!list) continue;
    const bool same =
        folder ? folder->CompareIDs(0, LastID(list), last) == 0 : SameIDList(list, List);
    if (same) return child;
  }
  return nullptr;
}

void TCustomVintoShellTreeView::SelectIDList(LPCITEMIDLIST List) {
  TTreeNode* node = NodeOnTheWayTo(List, true);
  if (!node) return;
  node->SetSelected(true);
  node->MakeVisible();
}

// The node of List, or of its deepest ancestor that has one; with Open, the
// nodes on the way are opened (and filled) as needed.
TTreeNode* TCustomVintoShellTreeView::NodeOnTheWayTo(LPCITEMIDLIST List, bool Open) {
  TTreeNode* node = Items().GetFirstNode();
  if (!node) return nullptr;
  LPCITEMIDLIST rootList = NodeIDList(node);
  if (SameIDList(List, rootList) || !List || !rootList) return node;
  const UINT total = IDCount(List);
  for (UINT depth = IDCount(rootList) + 1; depth <= total; ++depth) {
    TIDListHolder prefix = PrefixOf(List, depth);
    if (Open && !node->GetExpanded()) node->Expand(false);
    TTreeNode* child = FindChild(node, prefix.Get());
    if (!child) break;
    node = child;
  }
  return node;
}

// ---- Selection ----------------------------------------------------------

void TCustomVintoShellTreeView::Change(TTreeNode* Node) {
  TCustomTreeView::Change(Node);
  LPCITEMIDLIST list = NodeIDList(Node);
  if (list && (GetAttributes(list, SFGAO_FOLDER) & SFGAO_FOLDER)) {
    if (auto* follower = ComboBoxFollower()) follower->FollowTreeSelection(list);
    if (auto* follower = ListViewFollower()) follower->FollowTreeSelection(list);
  }
  OnSelectionChanged(this);
}

// ---- Editing ------------------------------------------------------------

bool TCustomVintoShellTreeView::CanEdit(TTreeNode* Node) {
  LPCITEMIDLIST list = NodeIDList(Node);
  if (!list || !(GetAttributes(list, SFGAO_CANRENAME) & SFGAO_CANRENAME)) return false;
  if (!TCustomTreeView::CanEdit(Node)) return false;
  FEditingNode = Node;
  return true;
}

void TCustomVintoShellTreeView::Edit(const TVITEMA& Item) {
  TTreeNode* node = Items().GetNode(Item.hItem);
  // The control may report the end of one edit more than once.
  if (!node || node != FEditingNode) return;
  FEditingNode = nullptr;
  LPCITEMIDLIST list = NodeIDList(node);
  if (!list || !Item.pszText) return;
  TShellFolderPtr parent = BindToParentFolder(list);
  const std::wstring name = ToWide(Item.pszText);
  LPITEMIDLIST renamed = nullptr;
  if (!parent ||
      FAILED(parent->SetNameOf(nullptr, LastID(list), name.c_str(), SHGDN_INFOLDER, &renamed))) {
    CommandFailed("rename");
    return;
  }
  if (renamed) {
    TIDListHolder item(renamed);
    TIDListHolder parentList(CopyIDList(list));
    StripLastID(parentList.Get());
    if (LPITEMIDLIST joined = ConcatIDLists(parentList.Get(), item.Get())) {
      FreeIDList(static_cast<LPITEMIDLIST>(node->Data));
      node->Data = joined;
    }
  }
  TCustomTreeView::Edit(Item);
}

// ---- Keyboard, mouse, menus --------------------------------------------

void TCustomVintoShellTreeView::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomTreeView::KeyDown(Key, Shift);
  if (!FAutoKeyboardShortcuts || IsEditing() || Key == 0) return;
  const bool ctrl = Shift.Contains(ssCtrl);
  switch (Key) {
    case VK_RETURN:
      Key = 0;
      if (Shift.Contains(ssAlt)) SelectionItems().InvokeCommand("Properties");
      break;
    case VK_DELETE:
      if (!SelectionItems().DeleteItems()) CommandFailed("delete");
      break;
    case 'C':
      if (ctrl) SelectionItems().InvokeCommand("Copy");
      break;
    case 'V':
      if (ctrl) SelectionItems().InvokeCommand("Paste");
      break;
    case 'X':
      if (ctrl) SelectionItems().InvokeCommand("Cut");
      break;
    case VK_F2:
      if (TTreeNode* node = GetSelected()) node->EditText();
      break;
    case VK_F5:
      RefreshTree();
      break;
    case VK_F10:
      if (Shift.Contains(ssShift)) {
        Key = 0;  // the system would raise a second context-menu request
        OpenContextMenuAtCursor();
      }
      break;
  }
}

void TCustomVintoShellTreeView::OpenContextMenuAtCursor() {
  POINT p;
  GetCursorPos(&p);
  Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(WindowHandle()), MAKELPARAM(p.x, p.y));
}

void TCustomVintoShellTreeView::DblClick() {
  LPCITEMIDLIST list = SelectedIDList();
  if (FItemTypes.Contains(itNonFolders) && list && FAutoDefaultCommand &&
      !(GetAttributes(list, SFGAO_FOLDER) & SFGAO_FOLDER)) {
    bool accept = true;
    OnContextMenuCommand(this, &SelectionItems(), "Open", accept);
    if (accept) SelectionItems().InvokeCommand("Open");
  }
  TCustomTreeView::DblClick();
}

void TCustomVintoShellTreeView::DoContextPopup(POINT MousePos, bool& Handled) {
  if (FAutoContextMenu && ShowShellContextMenu(MousePos)) {
    Handled = true;
    return;
  }
  TCustomTreeView::DoContextPopup(MousePos, Handled);
}

bool TCustomVintoShellTreeView::ShowShellContextMenu(POINT MousePos) {
  return FOle->ShowContextMenu(MousePos);
}

bool TCustomVintoShellTreeView::RegisterDropTarget() {
  return FOle->RegisterDropTarget();
}

void TCustomVintoShellTreeView::RevokeDropTarget() {
  FOle->RevokeDropTarget();
}

IDropTarget* TCustomVintoShellTreeView::DropTarget() const {
  return FOle->DropTarget();
}

// A drag the control reports starts an OLE drag of the node's item.
bool TCustomVintoShellTreeView::BeginOleDrag(TMessage& Message) {
  if (!FOleDragEnabled || Message.LParam == kEngineMessageTag) return false;
  auto* info = reinterpret_cast<NMTREEVIEWA*>(Message.LParam);
  const UINT code = info->hdr.code;
  const bool left = code == TVN_BEGINDRAGA || code == TVN_BEGINDRAGW;
  const bool right = code == TVN_BEGINRDRAGA || code == TVN_BEGINRDRAGW;
  if (!left && !right) return false;
  // The node field lies alike in the ANSI and the wide form.
  FOle->BeginDrag(reinterpret_cast<TTreeNode*>(info->itemNew.lParam),
                  left ? MK_LBUTTON : MK_RBUTTON);
  return true;
}

// ---- Window -------------------------------------------------------------

void TCustomVintoShellTreeView::CreateWnd() {
  TCustomTreeView::CreateWnd();
  HWND wnd = WindowHandle();
  SetWindowLongPtrA(wnd, GWL_STYLE, GetWindowLongPtrA(wnd, GWL_STYLE) & ~TVS_DISABLEDRAGDROP);
  if (!Designing() && FOleDropEnabled) FDropTargetRegistered = RegisterDropTarget();
  RebuildTree();
  // A tree made in code is never loaded; its window switches the notifier on.
  if (!ComponentState().Contains(csLoading)) SetWatching(FAutoRefreshContents && !Designing());
}

void TCustomVintoShellTreeView::DestroyWnd() {
  if (FDropTargetRegistered) RevokeDropTarget();
  FDropTargetRegistered = false;
  TCustomTreeView::DestroyWnd();
}

// Nodes are inserted with their images to be asked for; the control asks
// when it first draws a node (or is asked for its images) and keeps the
// answer. Finding an icon costs the shell more than listing the folder, so
// the open icon is left to be asked again while the control only draws a
// node that is not selected (and shows its closed icon): it is found when
// the node is drawn selected, or when anybody asks for it.
bool TCustomVintoShellTreeView::ProvideIcons(TMessage& Message) {
  if (Message.LParam == kEngineMessageTag) return false;
  auto* info = reinterpret_cast<NMTVDISPINFOA*>(Message.LParam);
  if (info->hdr.code != TVN_GETDISPINFOA && info->hdr.code != TVN_GETDISPINFOW) return false;
  // The image fields lie alike in the ANSI and the wide form.
  TVITEMA& item = info->item;
  if (!(item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE))) return false;
  auto* node = reinterpret_cast<TTreeNode*>(item.lParam);
  LPCITEMIDLIST list = NodeIDList(node);
  UINT kept = item.mask;
  if (item.mask & TVIF_IMAGE) item.iImage = list ? ClosedIcon(node, list) : I_IMAGENONE;
  if (item.mask & TVIF_SELECTEDIMAGE) {
    if (FPainting && list && !(item.state & TVIS_SELECTED)) {
      item.iSelectedImage = (item.mask & TVIF_IMAGE) ? item.iImage : StoredImage(item.hItem);
      kept &= ~static_cast<UINT>(TVIF_SELECTEDIMAGE);
    } else {
      item.iSelectedImage = list ? GetIconIndex(list, false, true) : I_IMAGENONE;
    }
  }
  item.mask = kept | TVIF_DI_SETITEM;
  return true;
}

// Asked of the folder that holds the node while that one is still bound;
// not for a shortcut (see GetClosedIconIndexIn).
int TCustomVintoShellTreeView::ClosedIcon(TTreeNode* Node, LPCITEMIDLIST List) {
  TShellFolderPtr parent;
  if (Node->GetOverlayIndex() != kShortcutOverlay) parent = FBoundFolders.Kept(Node->Parent());
  return GetClosedIconIndexIn(parent.Get(), List);
}

int TCustomVintoShellTreeView::StoredImage(HTREEITEM Item) const {
  TVITEMA item{};
  item.mask = TVIF_IMAGE;
  item.hItem = Item;
  SendMessageA(WindowHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.iImage;
}

void TCustomVintoShellTreeView::WndProc(TMessage& Message) {
  if (Message.Msg == RefreshMessage() && RefreshMessage() != 0) {
    RefreshTree();
    return;
  }
  if (Message.Msg == OpenFoldersMessage() && OpenFoldersMessage() != 0) {
    WatchOpenFolders();
    return;
  }
  if (Message.Msg == CN_NOTIFY && (ProvideIcons(Message) || BeginOleDrag(Message))) return;
  if (FOle->SwallowsMouseMessage(Message.Msg)) return;
  // An open shell menu draws its owner-drawn entries first.
  FOle->MenuMessage(Message.Msg, Message.WParam, Message.LParam);
  if (Message.Msg == WM_PAINT || Message.Msg == WM_PRINTCLIENT) {
    // While the control draws, a node it draws unselected is given only its
    // closed icon (see ProvideIcons).
    TFlagScope painting(FPainting);
    TCustomTreeView::WndProc(Message);
    return;
  }
  TCustomTreeView::WndProc(Message);
}

// ---- Properties ---------------------------------------------------------

void TCustomVintoShellTreeView::SetAutoRefreshContents(bool Value) {
  if (Value == FAutoRefreshContents) return;
  FAutoRefreshContents = Value;
  SetWatching(Value && !Designing());
}

void TCustomVintoShellTreeView::SetItemTypes(TVintoShellItemTypes Value) {
  if (Value == FItemTypes) return;
  FItemTypes = Value;
  RebuildTree();
}

void TCustomVintoShellTreeView::SetShowHiddenAsTransparent(bool Value) {
  if (Value == FShowHiddenAsTransparent) return;
  FShowHiddenAsTransparent = Value;
  RefreshTree();
}

// ---- Linked components --------------------------------------------------

TVintoShellTreeFollower* TCustomVintoShellTreeView::ListViewFollower() const {
  return dynamic_cast<TVintoShellTreeFollower*>(FListView);
}

TVintoShellTreeFollower* TCustomVintoShellTreeView::ComboBoxFollower() const {
  return dynamic_cast<TVintoShellTreeFollower*>(FComboBox);
}

void TCustomVintoShellTreeView::SetListView(TComponent* Value) {
  if (!dynamic_cast<TVintoShellTreeFollower*>(Value)) Value = nullptr;
  if (Value == FListView) return;
  if (auto* old = ListViewFollower()) {
    old->LinkTree(nullptr);
    FListView->RemoveFreeNotification(this);
  }
  FListView = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  ListViewFollower()->FollowTreeRoot(FRootFolder);
  ListViewFollower()->LinkTree(this);
}

void TCustomVintoShellTreeView::SetComboBox(TComponent* Value) {
  if (!dynamic_cast<TVintoShellTreeFollower*>(Value)) Value = nullptr;
  if (Value == FComboBox) return;
  // The box is let go before it is told, so that a box that unlinks itself
  // in turn finds nothing left to do.
  TComponent* old = std::exchange(FComboBox, Value);
  if (auto* follower = dynamic_cast<TVintoShellTreeFollower*>(old)) {
    old->RemoveFreeNotification(this);
    follower->LinkTree(nullptr);
  }
  if (!Value) return;
  Value->FreeNotification(this);
  ComboBoxFollower()->FollowTreeRoot(FRootFolder);
  ComboBoxFollower()->LinkTree(this);
}

void TCustomVintoShellTreeView::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomTreeView::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FListView) FListView = nullptr;
  if (AComponent == FComboBox) FComboBox = nullptr;
  if (AComponent == FNotifier) FNotifier = nullptr;
}

// ---- Change reports -----------------------------------------------------

void TCustomVintoShellTreeView::ConnectNotifier() {
  using T = TCustomVintoShellTreeView;
  FNotifier->OnMkDir = TShellChangeEvent(this, &T::NotifierFolderChanged);
  FNotifier->OnRmDir = TShellChangeEvent(this, &T::NotifierFolderChanged);
  FNotifier->OnUpdateDir = TShellChangeEvent(this, &T::NotifierFolderChanged);
  FNotifier->OnRenameFolder = TShellChangeRenameEvent(this, &T::NotifierFolderRenamed);
  FNotifier->OnDriveAdd = TShellChangeEvent(this, &T::NotifierDriveAdded);
  FNotifier->OnDriveAddGUI = TShellChangeEvent(this, &T::NotifierDriveAddedByShell);
  FNotifier->OnDriveRemoved = TShellChangeEvent(this, &T::NotifierDriveRemoved);
  FNotifier->OnMediaInserted = TShellChangeEvent(this, &T::NotifierMediaInserted);
  FNotifier->OnMediaRemoved = TShellChangeEvent(this, &T::NotifierMediaRemoved);
}

void TCustomVintoShellTreeView::NotifierFolderChanged(TObject*, const std::string&, bool) {
  FolderChanged();
}

void TCustomVintoShellTreeView::NotifierFolderRenamed(TObject*, const std::string&,
                                                      const std::string&, bool) {
  FolderChanged();
}

void TCustomVintoShellTreeView::NotifierDriveAdded(TObject*, const std::string& RootPath, bool) {
  DriveAdded(RootPath);
}

void TCustomVintoShellTreeView::NotifierDriveAddedByShell(TObject*, const std::string&, bool) {
  DriveAddedByShell();
}

void TCustomVintoShellTreeView::NotifierDriveRemoved(TObject*, const std::string& RootPath, bool) {
  DriveRemoved(RootPath);
}

void TCustomVintoShellTreeView::NotifierMediaInserted(TObject*, const std::string& RootPath, bool) {
  MediaInserted(RootPath);
}

void TCustomVintoShellTreeView::NotifierMediaRemoved(TObject*, const std::string& RootPath, bool) {
  MediaRemoved(RootPath);
}

// The watch list changes only while the notifier is off (a registration
// keeps the list it was made with); the caller switches it on again.
void TCustomVintoShellTreeView::WatchRoot(LPITEMIDLIST Root) {
  if (FNotifier) FNotifier->ClearWatches();
  FWatchedRoot.Reset(Root);
  FWatchedRootPath = IDListToPath(Root);
  // Below a root that is a folder on disk, every node shown lies inside it;
  // only the desktop and folders without a path of their own (the computer,
  // the network) show folders elsewhere.
  FShowsFoldersOutsideRoot = Root && (FWatchedRootPath.empty() || IsDesktopIDList(Root));
  if (!FNotifier) return;
  if (Root) FNotifier->AddWatch(Root, true);
  if (FShowsFoldersOutsideRoot) {
    OpenFoldersChanged();
  } else {
    FNotifier->SetDiskOnlyFolders({});
  }
}

void TCustomVintoShellTreeView::SetWatching(bool Active) {
  if (FNotifier) FNotifier->SetActive(Active);
}

// A linked combo box lists the drives: it follows each drive and medium
// that comes or goes.
void TCustomVintoShellTreeView::DriveAdded(const std::string& RootPath) {
  RefreshTree();
  OnDriveAdded(this, RootPath);
  if (auto* follower = ComboBoxFollower()) follower->RefreshFromTree();
}

void TCustomVintoShellTreeView::DriveAddedByShell() {
  RefreshTree();
  if (auto* follower = ComboBoxFollower()) follower->RefreshFromTree();
}

void TCustomVintoShellTreeView::DriveRemoved(const std::string& RootPath) {
  RefreshTree();
  OnDriveRemoved(this, RootPath);
  if (auto* follower = ComboBoxFollower()) follower->RefreshFromTree();
}

void TCustomVintoShellTreeView::MediaInserted(const std::string& RootPath) {
  RefreshTree();
  OnMediaInserted(this, RootPath);
  if (auto* follower = ListViewFollower()) follower->RefreshFromTree();
  if (auto* follower = ComboBoxFollower()) follower->RefreshFromTree();
}

void TCustomVintoShellTreeView::MediaRemoved(const std::string& RootPath) {
  RefreshTree();
  OnMediaRemoved(this, RootPath);
  if (auto* follower = ListViewFollower()) follower->RefreshFromTree();
  if (auto* follower = ComboBoxFollower()) follower->RefreshFromTree();
}

void TCustomVintoShellTreeView::FolderChanged() {
  RefreshTree();
}
