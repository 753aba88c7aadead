#include "shell/CustomShellListView.h"

#include <shlwapi.h>

#include <algorithm>
#include <vector>

#include "shell/CustomShellTreeView.h"
#include "shell/FolderEnumeration.h"
#include "shell/ShellDropTarget.h"
#include "shell/ShellListDetails.h"
#include "shell/ShellModule.h"
#include "shell/portable/Mask.h"
#include "toolkit/Screen.h"
#include "toolkit/portable/ClassBuilder.h"

namespace {

constexpr ULONG kHiddenAttribute = 0x00080000;  // drawn ghosted
constexpr ULONG kItemAttributes =
    SFGAO_FILESYSTEM | SFGAO_FOLDER | SFGAO_SHARE | SFGAO_LINK | kHiddenAttribute | SFGAO_CANRENAME;

class TBusyCursor {
 public:
  TBusyCursor() : FSaved(Screen ? Screen->GetCursor() : crDefault) {
    if (Screen) Screen->SetCursor(crHourGlass);
  }
  ~TBusyCursor() {
    if (Screen) Screen->SetCursor(FSaved);
  }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;

 private:
  int FSaved;
};

class TFlagScope {
 public:
  explicit TFlagScope(bool& Flag) : FFlag(Flag) { FFlag = true; }
  ~TFlagScope() { FFlag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
};

// The masks of a FileMask text: entries separated by ";", empty ones left
// out. Throws EMaskException for an entry that is no mask.
std::vector<TMask> MasksOf(const std::string& Text) {
  std::vector<TMask> masks;
  std::size_t start = 0;
  while (start <= Text.size()) {
    std::size_t end = Text.find(';', start);
    if (end == std::string::npos) end = Text.size();
    if (end > start) masks.emplace_back(std::string_view(Text).substr(start, end - start));
    start = end + 1;
  }
  return masks;
}

bool Filters(const std::string& Mask) {
  return !Mask.empty() && Mask != "*.*";
}

// The last component of a path: after the last backslash or colon.
std::string_view LastComponent(const std::string& Path) {
  const std::size_t at = Path.find_last_of("\\:");
  return at == std::string::npos ? std::string_view(Path) : std::string_view(Path).substr(at + 1);
}

std::wstring ToWide(const std::string& Text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, Text.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Text.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

}  // namespace

const TClassInfo& TCustomVintoShellListView::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCustomVintoShellListView>(
                                     "TCustomVintoShellListView", &TCustomListView::StaticClass())
                                     .Info();
  return info;
}

TCustomVintoShellListView::TCustomVintoShellListView(TComponent* AOwner)
    : TCustomListView(AOwner),
      FNotifier(new TVintoShellChangeNotifier(this)),
      FLargeSystemImages(std::make_unique<TImageList>(nullptr)),
      FSmallSystemImages(std::make_unique<TImageList>(nullptr)) {
  SetMultiSelect(true);
  for (auto [list, flags] :
       {std::pair{FLargeSystemImages.get(), SHGFI_SYSICONINDEX},
        std::pair{FSmallSystemImages.get(), SHGFI_SYSICONINDEX | SHGFI_SMALLICON}}) {
    SHFILEINFOA info{};
    list->SetShareImages(true);
    list->SetHandle(reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("c:\\", 0, &info, sizeof info, static_cast<UINT>(flags))));
  }
  SetLargeImages(FLargeSystemImages.get());
  SetSmallImages(FSmallSystemImages.get());
  FNotifier->AddWatch(TShellModule::Instance().DesktopIDList(), false);
  ConnectNotifier();
}

TCustomVintoShellListView::~TCustomVintoShellListView() {
  DestroyHandle();
  Items().Clear();
  if (FNotifier) FNotifier->SetActive(false);
  if (FTree && FTree->GetListView() == this) FTree->SetListView(nullptr);
  SetLargeImages(nullptr);
  SetSmallImages(nullptr);
  delete FNotifier;
}

void TCustomVintoShellListView::Loaded() {
  TCustomListView::Loaded();
  RebuildList();
  if (FNotifier) FNotifier->SetActive(FAutoRefreshContents && !Designing());
}

LPCITEMIDLIST TCustomVintoShellListView::ItemIDList(const TListItem* Item) {
  return Item ? static_cast<LPCITEMIDLIST>(Item->Data) : nullptr;
}

TVintoShellItems& TCustomVintoShellListView::SelectionItems() {
  FSelectionItems.Clear();
  for (TListItem* item = GetNextItem(nullptr, LVNI_SELECTED); item;
       item = GetNextItem(item, LVNI_SELECTED))
    if (LPCITEMIDLIST list = ItemIDList(item)) FSelectionItems.Add(list);
  return FSelectionItems;
}

IDropTarget* TCustomVintoShellListView::DropTarget() const {
  return FDropTarget;
}

// ---- Folder shown ----------------------------------------------------------

void TCustomVintoShellListView::SetRootFolder(const TVintoShellFolder& Value) {
  if (Value == FRootFolder) return;
  const TVintoShellFolder old = FRootFolder;
  FRootFolder = Value;
  if (!FRootFolder.empty() && FRootFolder.back() == ':') FRootFolder += '\\';
  try {
    RebuildList();
  } catch (...) {
    FRootFolder = old;
    try {
      RebuildList();
    } catch (...) {
    }
  }
}

void TCustomVintoShellListView::RebuildList() {
  if (FRebuilding || ComponentState().Contains(csLoading)) return;
  TFlagScope rebuilding(FRebuilding);
  ClearSelection();
  SetCurrentFolder(FolderTextToIDList(FRootFolder));
  if (FCurrentFolder) {
    Fill();
  } else {
    Items().Clear();
  }
}

void TCustomVintoShellListView::RefreshList() {
  if (FRefreshing || FRebuilding) return;
  TFlagScope refreshing(FRefreshing);
  Fill();
}

void TCustomVintoShellListView::BrowseTo(LPCITEMIDLIST List) {
  if (!List || SameIDList(List, FCurrentFolder.Get())) return;
  FRootFolder = IDListToFolderText(List);
  SetCurrentFolder(CopyIDList(List));
  Fill();
  ClearSelection();
}

void TCustomVintoShellListView::EnterFolder(LPCITEMIDLIST List) {
  if (!FAutoNavigate || !List) return;
  bool accept = true;
  OnFolderChanging(this, IDListToFolderText(List), accept);
  if (!accept) return;
  if (FTree) {
    FTree->SelectIDList(List);
    // The tree may not reach the folder (it shows folders below its root
    // only); the list goes there all the same.
    BrowseTo(List);
    return;
  }
  FRootFolder = IDListToFolderText(List);
  SetCurrentFolder(CopyIDList(List));
  Fill();
}

void TCustomVintoShellListView::SetCurrentFolder(LPITEMIDLIST List) {
  TIDListHolder list(List);
  if (FCurrentFolder && SameIDList(list.Get(), FCurrentFolder.Get()) &&
      IDListSize(list.Get()) == IDListSize(FCurrentFolder.Get()))
    return;
  FCurrentFolder = std::move(list);
  if (!FNotifier) return;
  FNotifier->SetActive(false);
  if (!FCurrentFolder) return;
  FNotifier->ClearWatches();
  FNotifier->AddWatch(FCurrentFolder.Get(), false);
  FNotifier->SetActive(FAutoRefreshContents && !Designing() &&
                       !ComponentState().Contains(csLoading));
}

// ---- Filling ---------------------------------------------------------------

bool TCustomVintoShellListView::Fill() {
  OnBeforePopulate(this);
  TBusyCursor cursor;
  Items().BeginUpdate();
  struct TEndUpdate {
    TListItems& Items;
    ~TEndUpdate() { Items.EndUpdate(); }
  } endUpdate{Items()};
  Items().Clear();
  TShellFolderPtr folder = BindToFolder(FCurrentFolder.Get());
  std::vector<TIDListHolder> children;
  if (!folder || !EnumerateFolder(folder.Get(), FCurrentFolder.Get(), FItemTypes, children)) {
    OnAfterPopulate(this);
    return false;
  }
  const TShellListColumns kind = ColumnsKind();
  RebuildColumns(kind);
  std::vector<TMask> masks;
  if (Filters(FFileMask)) masks = MasksOf(FFileMask);
  std::stable_sort(children.begin(), children.end(),
                   [&](const TIDListHolder& A, const TIDListHolder& B) {
                     const HRESULT order = folder->CompareIDs(0, LastID(A.Get()), LastID(B.Get()));
                     return static_cast<short>(HRESULT_CODE(order)) < 0;
                   });
  for (TIDListHolder& child : children) {
    LPCITEMIDLIST last = LastID(child.Get());
    ULONG attributes = kItemAttributes;
    if (FAILED(folder->GetAttributesOf(1, &last, &attributes))) attributes = 0;
    const bool fileSystemFolder =
        (attributes & (SFGAO_FILESYSTEM | SFGAO_FOLDER)) == (SFGAO_FILESYSTEM | SFGAO_FOLDER);
    if (!masks.empty() && !fileSystemFolder) {
      const std::string path = IDListToPath(child.Get());
      const std::string_view name = LastComponent(path);
      if (std::none_of(masks.begin(), masks.end(), [&](const TMask& M) { return M.Matches(name); }))
        continue;
    }
    AddItem(folder.Get(), child.Release(), attributes, kind);
  }
  OnAfterPopulate(this);
  return true;
}

void TCustomVintoShellListView::AddItem(IShellFolder* Folder, LPITEMIDLIST List, ULONG Attributes,
                                        TShellListColumns Kind) {
  TIDListHolder list(List);
  LPCITEMIDLIST last = LastID(list.Get());
  STRRET name{};
  char text[MAX_PATH + 1] = {};
  if (FAILED(Folder->GetDisplayNameOf(last, SHGDN_NORMAL, &name)) ||
      FAILED(StrRetToBufA(&name, last, text, MAX_PATH)))
    text[0] = '\0';
  TListItem* item = Items().Add(text);
  item->Data = list.Release();
  // The icon is asked for when the item is first drawn (see ProvideIcons).
  if (Attributes & SFGAO_SHARE) item->SetOverlayIndex(0);
  if (Attributes & SFGAO_LINK) item->SetOverlayIndex(1);
  item->SetCut((Attributes & kHiddenAttribute) && FShowHiddenAsTransparent);
  LPCITEMIDLIST own = ItemIDList(item);
  if (Kind == TShellListColumns::Drives)
    item->SetSubItems(DriveDetails(Folder, own));
  else if (Kind == TShellListColumns::Files)
    item->SetSubItems(FileDetails(own));
}

TShellListColumns TCustomVintoShellListView::ColumnsKind() const {
  if (IsDrivesFolder(FCurrentFolder.Get())) return TShellListColumns::Drives;
  if (GetAttributes(FCurrentFolder.Get(), SFGAO_FILESYSTEM) & SFGAO_FILESYSTEM)
    return TShellListColumns::Files;
  return TShellListColumns::NameOnly;
}

void TCustomVintoShellListView::RebuildColumns(TShellListColumns Kind) {
  if (ComponentState().Contains(csLoading)) return;
  const int unit = HandleAllocated() ? std::max(1, StringWidth("X")) : 8;
  Columns().Clear();
  for (const TShellListColumn& column : ShellListColumnsOf(Kind))
    Columns().Add(column.Caption, column.WidthInX * unit,
                  column.RightAligned ? taRightJustify : taLeftJustify);
}

void TCustomVintoShellListView::ColClick(TListColumn* Column) {
  TCustomListView::ColClick(Column);
  if (Column) SortBy(Column->Index());
}

void TCustomVintoShellListView::SortBy(int Column) {
  TShellFolderPtr folder = BindToFolder(FCurrentFolder.Get());
  if (!folder) return;
  CustomSort(
      [&](TListItem* A, TListItem* B, LPARAM Data) {
        const HRESULT order =
            folder->CompareIDs(Data, LastID(ItemIDList(A)), LastID(ItemIDList(B)));
        return static_cast<int>(static_cast<short>(HRESULT_CODE(order)));
      },
      Column);
}

void TCustomVintoShellListView::Delete(TListItem* Item) {
  FreeIDList(static_cast<LPITEMIDLIST>(Item->Data));
  Item->Data = nullptr;
  if (Item == FHighlighted) FHighlighted = nullptr;
  TCustomListView::Delete(Item);
}

bool TCustomVintoShellListView::ProvideIcons(TMessage& Message) {
  if (Message.LParam == kEngineMessageTag) return false;
  auto* info = reinterpret_cast<NMLVDISPINFOA*>(Message.LParam);
  if (info->hdr.code != LVN_GETDISPINFOA && info->hdr.code != LVN_GETDISPINFOW) return false;
  LVITEMA& item = info->item;
  if (!(item.mask & LVIF_IMAGE)) return false;
  // The image fields lie alike in the ANSI and the wide form.
  auto* owner = reinterpret_cast<TListItem*>(item.lParam);
  if (!owner && item.iItem >= 0 && item.iItem < Items().Count()) owner = Items().Item(item.iItem);
  LPCITEMIDLIST list = ItemIDList(owner);
  item.iImage = list ? GetIconIndex(list, false, false) : I_IMAGENONE;
  item.mask |= LVIF_DI_SETITEM;
  return true;
}

// ---- Settings ----------------------------------------------------------------

void TCustomVintoShellListView::SetAutoRefreshContents(bool Value) {
  if (Value == FAutoRefreshContents) return;
  FAutoRefreshContents = Value;
  if (FNotifier) FNotifier->SetActive(Value && !Designing() && FCurrentFolder);
}

void TCustomVintoShellListView::SetFileMask(const std::string& Value) {
  if (Value == FFileMask) return;
  // A text that holds no mask is refused: the list stays as it is.
  MasksOf(Value);
  FFileMask = Value;
  RefreshList();
}

void TCustomVintoShellListView::SetItemTypes(TVintoShellItemTypes Value) {
  if (Value == FItemTypes) return;
  FItemTypes = Value;
  RefreshList();
}

void TCustomVintoShellListView::SetShowHiddenAsTransparent(bool Value) {
  if (Value == FShowHiddenAsTransparent) return;
  FShowHiddenAsTransparent = Value;
  RefreshList();
}

// ---- Selection, editing --------------------------------------------------------

void TCustomVintoShellListView::Change(TListItem* Item, TItemChange Change) {
  TCustomListView::Change(Item, Change);
  OnSelectionChanged(this);
}

bool TCustomVintoShellListView::CanEdit(TListItem* Item) {
  LPCITEMIDLIST list = ItemIDList(Item);
  if (!list || !(GetAttributes(list, SFGAO_CANRENAME) & SFGAO_CANRENAME)) return false;
  return TCustomListView::CanEdit(Item);
}

void TCustomVintoShellListView::Edit(const LVITEMA& Item) {
  if (Item.iItem < 0 || Item.iItem >= Items().Count() || !Item.pszText) return;
  TListItem* item = Items().Item(Item.iItem);
  LPCITEMIDLIST list = ItemIDList(item);
  TShellFolderPtr parent = BindToFolder(FCurrentFolder.Get());
  const std::wstring name = ToWide(Item.pszText);
  LPITEMIDLIST renamed = nullptr;
  if (!list || !parent ||
      FAILED(parent->SetNameOf(nullptr, LastID(list), name.c_str(), SHGDN_INFOLDER, &renamed))) {
    OnCommandFailed(this, "rename");
    return;
  }
  if (renamed) {
    TIDListHolder newItem(renamed);
    if (LPITEMIDLIST joined = ConcatIDLists(FCurrentFolder.Get(), newItem.Get())) {
      FreeIDList(static_cast<LPITEMIDLIST>(item->Data));
      item->Data = joined;
    }
  }
  TCustomListView::Edit(Item);
}

void TCustomVintoShellListView::StartRename() {
  TListItem* focused = ItemFocused();
  ClearSelection();
  if (focused) focused->EditCaption();
}

// ---- Keys, mouse, menu -------------------------------------------------------

void TCustomVintoShellListView::InvokeOnSelection(const std::string& Verb) {
  SelectionItems().InvokeCommand(Verb);
}

void TCustomVintoShellListView::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomListView::KeyDown(Key, Shift);
  if (!FAutoKeyboardShortcuts || IsEditing() || Key == 0) return;
  const bool ctrl = Shift.Contains(ssCtrl);
  switch (Key) {
    case VK_RETURN:
      Key = 0;
      if (Shift.Contains(ssAlt)) {
        InvokeOnSelection("Properties");
      } else if (TListItem* first = Selected()) {
        LPCITEMIDLIST list = ItemIDList(first);
        // A file is opened as a double click would.
        if (list && (GetAttributes(list, SFGAO_FOLDER) & SFGAO_FOLDER))
          EnterFolder(list);
        else
          DblClick();
      }
      break;
    case VK_DELETE:
      if (!SelectionItems().DeleteItems()) OnCommandFailed(this, "delete");
      break;
    case 'A':
      if (ctrl) SelectAll();
      break;
    case 'C':
      if (ctrl) InvokeOnSelection("Copy");
      break;
    case 'V':
      if (ctrl && FCurrentFolder) {
        TVintoShellItems here;
        here.Add(FCurrentFolder.Get());
        here.InvokeCommand("Paste");
      }
      break;
    case 'X':
      if (ctrl) InvokeOnSelection("Cut");
      break;
    case VK_F2:
      StartRename();
      break;
    case VK_F5:
      RefreshList();
      break;
    case VK_F10:
      if (Shift.Contains(ssShift)) {
        Key = 0;
        POINT p;
        GetCursorPos(&p);
        Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(WindowHandle()), MAKELPARAM(p.x, p.y));
      }
      break;
  }
}

void TCustomVintoShellListView::DblClick() {
  if (TListItem* item = Selected()) {
    LPCITEMIDLIST list = ItemIDList(item);
    if (list && (GetAttributes(list, SFGAO_FOLDER) & SFGAO_FOLDER)) {
      EnterFolder(list);
    } else if (list && FAutoDefaultCommand) {
      bool accept = true;
      OnContextMenuCommand(this, &SelectionItems(), "Open", accept);
      if (accept) SelectionItems().InvokeCommand("");
    }
  }
  TCustomListView::DblClick();
}

void TCustomVintoShellListView::DoContextPopup(POINT MousePos, bool& Handled) {
  if (FAutoContextMenu && ShowContextMenu(MousePos)) {
    Handled = true;
    return;
  }
  TCustomListView::DoContextPopup(MousePos, Handled);
}

bool TCustomVintoShellListView::ShowContextMenu(POINT Client) {
  if (!FCurrentFolder || !HandleAllocated()) return false;
  TVintoShellContextMenu::TRequest request;
  TShellFolderPtr folder;
  TVintoShellItems& selection = SelectionItems();
  if (selection.Count() > 0) {
    folder = BindToFolder(FCurrentFolder.Get());
    request.CanRename = !GetReadOnly();
    for (int i = 0; i < selection.Count(); ++i) {
      LPCITEMIDLIST list = selection.Items(i)->AbsoluteIDList();
      request.Items.push_back(LastID(list));
      if (!(GetAttributes(list, SFGAO_CANRENAME) & SFGAO_CANRENAME)) request.CanRename = false;
    }
  } else {
    // Nothing selected: the menu of the folder shown.
    folder = BindToParentFolder(FCurrentFolder.Get());
    request.Items.push_back(LastID(FCurrentFolder.Get()));
  }
  if (!folder) return false;
  if (Client.x == -1 && Client.y == -1) {
    TListItem* focused = ItemFocused();
    RECT r = focused ? focused->DisplayRect() : RECT{};
    Client = POINT{r.left, r.bottom};
  }
  request.Owner = WindowHandle();
  request.Folder = folder.Get();
  request.ScreenPos = Client;
  ::ClientToScreen(request.Owner, &request.ScreenPos);
  return FMenu.Show(request, *this);
}

bool TCustomVintoShellListView::ContextMenuPopup() {
  bool accept = true;
  OnContextMenuPopup(this, &SelectionItems(), accept);
  return accept;
}

bool TCustomVintoShellListView::ContextMenuCommand(const std::string& Verb) {
  bool accept = true;
  OnContextMenuCommand(this, &SelectionItems(), Verb, accept);
  return accept;
}

// ---- Dragging and dropping ----------------------------------------------------

void TCustomVintoShellListView::DragItems(TMouseButton Button) {
  if (!FOleDragEnabled) {
    TCustomListView::DragItems(Button);
    return;
  }
  TShellFolderPtr folder = BindToFolder(FCurrentFolder.Get());
  TVintoShellItems& selection = SelectionItems();
  if (!folder || selection.Count() == 0) return;
  TVintoShellDragRequest request;
  request.Owner = WindowHandle();
  request.SourceFolder = FCurrentFolder.Get();
  request.Folder = folder.Get();
  for (int i = 0; i < selection.Count(); ++i)
    request.Items.push_back(LastID(selection.Items(i)->AbsoluteIDList()));
  request.Button = Button == mbRight ? MK_RBUTTON : MK_LBUTTON;
  request.Effects = FOleDragEffects;
  RunShellDrag(request, *this);
}

void TCustomVintoShellListView::DragEnded(TVintoShellOleDragDropInfo* Target, POINT ScreenPos) {
  OnEndDrag(this, Target, ScreenPos.x, ScreenPos.y);
}

LPCITEMIDLIST TCustomVintoShellListView::DropItemIDList(void* Item) {
  return ItemIDList(static_cast<TListItem*>(Item));
}

void TCustomVintoShellListView::HighlightDropItem(void* Item) {
  auto* item = static_cast<TListItem*>(Item);
  if (item == FHighlighted || !HandleAllocated()) return;
  if (FHighlighted)
    ListView_SetItemState(WindowHandle(), FHighlighted->Index(), 0, LVIS_DROPHILITED);
  FHighlighted = item;
  if (item)
    ListView_SetItemState(WindowHandle(), item->Index(), LVIS_DROPHILITED, LVIS_DROPHILITED);
}

bool TCustomVintoShellListView::AcceptDrag(TVintoShellOleDragDropInfo* Info, POINT Client,
                                           TDragState State) {
  if (!OnDragOver.Assigned()) return !FCorvaneDragDropBehaviour;
  bool accept = true;
  OnDragOver(this, Info, Client.x, Client.y, State, accept);
  return accept;
}

void TCustomVintoShellListView::DragDropped(TVintoShellOleDragDropInfo* Info, POINT Client) {
  OnDragDrop(this, Info, Client.x, Client.y);
}

bool TCustomVintoShellListView::RegisterDropTarget() {
  if (FDropTarget || !HandleAllocated()) return FDropTarget != nullptr;
  auto* target = new TVintoShellDropTarget(this);
  if (FAILED(RegisterDragDrop(WindowHandle(), target))) {
    target->Release();
    return false;
  }
  FDropTarget = target;
  return true;
}

void TCustomVintoShellListView::RevokeDropTarget() {
  if (!FDropTarget) return;
  if (HandleAllocated()) RevokeDragDrop(WindowHandle());
  FDropTarget->Detach();
  FDropTarget->Release();
  FDropTarget = nullptr;
}

// ---- Window ----------------------------------------------------------------------

void TCustomVintoShellListView::CreateWnd() {
  TCustomListView::CreateWnd();
  if (!Designing() && FOleDropEnabled) RegisterDropTarget();
  RebuildList();
}

void TCustomVintoShellListView::DestroyWnd() {
  RevokeDropTarget();
  Items().Clear();
  TCustomListView::DestroyWnd();
}

void TCustomVintoShellListView::WndProc(TMessage& Message) {
  if (Message.Msg == CN_NOTIFY && ProvideIcons(Message)) return;
  FMenu.HandleMenuMsg(Message.Msg, Message.WParam, Message.LParam);
  TCustomListView::WndProc(Message);
}

void TCustomVintoShellListView::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomListView::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FNotifier) FNotifier = nullptr;
  if (AComponent == FTree) FTree = nullptr;
}

// ---- Changes on disk ----------------------------------------------------------

void TCustomVintoShellListView::ConnectNotifier() {
  using T = TCustomVintoShellListView;
  const TShellChangeEvent changed(this, &T::FolderChangedOnDisk);
  const TShellChangeRenameEvent renamed(this, &T::FolderRenamedOnDisk);
  FNotifier->OnRenameItem = renamed;
  FNotifier->OnRenameFolder = renamed;
  for (TShellChangeEvent* event :
       {&FNotifier->OnCreate, &FNotifier->OnDelete, &FNotifier->OnMkDir, &FNotifier->OnRmDir,
        &FNotifier->OnMediaInserted, &FNotifier->OnMediaRemoved, &FNotifier->OnDriveRemoved,
        &FNotifier->OnDriveAdd, &FNotifier->OnAttributes, &FNotifier->OnUpdateDir,
        &FNotifier->OnUpdateItem, &FNotifier->OnUpdateImage, &FNotifier->OnDriveAddGUI})
    *event = changed;
}

void TCustomVintoShellListView::FolderChangedOnDisk(TObject*, const std::string&, bool) {
  RefreshList();
}

void TCustomVintoShellListView::FolderRenamedOnDisk(TObject*, const std::string&,
                                                    const std::string&, bool) {
  RefreshList();
}
