#include "shell/CustomShellListView.h"

#include <shlwapi.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "shell/BusyCursor.h"
#include "shell/CustomShellTreeView.h"
#include "shell/FlagScope.h"
#include "shell/FolderEnumeration.h"
#include "shell/ShellDropTarget.h"
#include "shell/ShellListDetails.h"
#include "shell/ShellListFill.h"
#include "shell/ShellModule.h"
#include "shell/portable/Mask.h"
#include "toolkit/portable/ClassBuilder.h"

namespace {

constexpr ULONG kHiddenAttribute = 0x00080000;  // drawn ghosted
// The system's overlays an item is drawn with: the shared-folder hand, the
// shortcut arrow.
constexpr int kSharedOverlay = 0;
constexpr int kShortcutOverlay = 1;
// A fill that is done within its first slice is done before Fill returns;
// a longer one goes on in slices of this length from the window's timer.
constexpr int kLaterSliceMs = 40;
constexpr UINT_PTR kFillTimer = 0x5346;
// Items put into the window between two looks at the clock.
constexpr std::size_t kInsertStride = 64;

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
  // A fill still going on ends untold: the list goes.
  if (FFill) EndFill(false);
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
    if (FFill) EndFill();
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
  if (FFill) EndFill();
  OnBeforePopulate(this);
  TBusyCursor cursor;
  Items().BeginUpdate();
  Items().Clear();
  Items().EndUpdate();
  TShellFolderPtr folder = BindToFolder(FCurrentFolder.Get());
  std::vector<TIDListHolder> children;
  if (!folder || !EnumerateFolder(folder.Get(), FCurrentFolder.Get(), FItemTypes, children)) {
    OnAfterPopulate(this);
    return false;
  }
  FColumnsKind = ColumnsKind();
  RebuildColumns(FColumnsKind);
  std::vector<TMask> masks;
  if (Filters(FFileMask)) masks = MasksOf(FFileMask);
  FFill =
      std::make_unique<TShellListFill>(std::move(folder), std::move(children), std::move(masks));
  FFillInserted = 0;
  ContinueFill(FFirstSliceMs);
  return true;
}

void TCustomVintoShellListView::ContinueFill(int Budget) {
  if (!FFill) return;
  const auto deadline = HandleAllocated()
                            ? std::chrono::steady_clock::now() + std::chrono::milliseconds(Budget)
                            : std::chrono::steady_clock::time_point::max();
  if (FFill->Advance(deadline)) InsertReady(deadline);
  if (FFill->Ready() && FFillInserted == FFill->Entries().size())
    EndFill();
  else
    ScheduleFill();
}

void TCustomVintoShellListView::CompletePopulating() {
  if (!FFill) return;
  TBusyCursor cursor;
  FFill->Advance(std::chrono::steady_clock::time_point::max());
  InsertReady(std::chrono::steady_clock::time_point::max());
  EndFill();
}

void TCustomVintoShellListView::InsertReady(std::chrono::steady_clock::time_point Deadline) {
  std::vector<TShellListFill::TEntry>& entries = FFill->Entries();
  const int onDemand = static_cast<int>(ShellListColumnsOf(FColumnsKind).size()) - 1;
  Items().BeginUpdate();
  while (FFillInserted < entries.size()) {
    const std::size_t end = std::min(entries.size(), FFillInserted + kInsertStride);
    for (; FFillInserted < end; ++FFillInserted) {
      TShellListFill::TEntry& entry = entries[FFillInserted];
      TListItemLook look;
      // The icon is asked for when the item is first drawn (ItemImage).
      if (entry.Attributes & SFGAO_SHARE) look.OverlayIndex = kSharedOverlay;
      if (entry.Attributes & SFGAO_LINK) look.OverlayIndex = kShortcutOverlay;
      look.Cut = (entry.Attributes & kHiddenAttribute) && FShowHiddenAsTransparent;
      look.SubItemsOnDemand = onDemand;
      look.Data = entry.List.Release();
      Items().Add(entry.Name, look);
    }
    if (std::chrono::steady_clock::now() >= Deadline) break;
  }
  Items().EndUpdate();
}

void TCustomVintoShellListView::ScheduleFill() {
  if (FFillScheduled || !HandleAllocated()) return;
  FFillScheduled = SetTimer(WindowHandle(), kFillTimer, USER_TIMER_MINIMUM, nullptr) != 0;
  if (!FFillScheduled) {
    // No timer to be had: the fill ends here and now.
    CompletePopulating();
    return;
  }
  FCursorBeforeFill = GetCursor();
  SetCursor(crAppStart);
}

void TCustomVintoShellListView::EndFill(bool Notify) {
  if (FFillScheduled) {
    if (HandleAllocated()) KillTimer(WindowHandle(), kFillTimer);
    FFillScheduled = false;
    SetCursor(FCursorBeforeFill);
  }
  // Entries not shown (a fill replaced before its end) free their lists.
  FFill.reset();
  FFillInserted = 0;
  if (Notify) OnAfterPopulate(this);
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
  CompletePopulating();
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

int TCustomVintoShellListView::ItemImage(TListItem* Item) {
  LPCITEMIDLIST list = ItemIDList(Item);
  if (!list) return I_IMAGENONE;
  // The index is the same in the large and the small system list. Asked of
  // the folder that holds the item, but not for a shortcut (see
  // GetClosedIconIndexIn).
  IShellFolder* folder =
      Item->GetOverlayIndex() == kShortcutOverlay ? nullptr : IconFolderFor(list);
  return GetClosedIconIndexIn(folder, list);
}

// Bound once for all the items of one folder.
IShellFolder* TCustomVintoShellListView::IconFolderFor(LPCITEMIDLIST List) {
  const auto* start = reinterpret_cast<const char*>(List);
  const std::string_view parent(
      start, static_cast<std::size_t>(reinterpret_cast<const char*>(LastID(List)) - start));
  if (!FIconFolder || parent != FIconFolderBytes) {
    TIDListHolder parentList(CopyIDList(List));
    if (!parentList) return nullptr;
    StripLastID(parentList.Get());
    FIconFolder = BindToFolder(parentList.Get());
    FIconFolderBytes.assign(parent);
  }
  return FIconFolder.Get();
}

std::vector<std::string> TCustomVintoShellListView::ProvideSubItems(TListItem* Item) {
  LPCITEMIDLIST list = ItemIDList(Item);
  if (!list) return {};
  if (FColumnsKind == TShellListColumns::Files) return FileDetails(list);
  if (FColumnsKind == TShellListColumns::Drives) {
    if (TShellFolderPtr drives = BindToFolder(FCurrentFolder.Get()))
      return DriveDetails(drives.Get(), list);
  }
  return {};
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
  // The items go with the window; so does a fill still going on.
  if (FFill) EndFill();
  RevokeDropTarget();
  Items().Clear();
  TCustomListView::DestroyWnd();
}

void TCustomVintoShellListView::WndProc(TMessage& Message) {
  if (Message.Msg == WM_TIMER && Message.WParam == kFillTimer) {
    ContinueFill(kLaterSliceMs);
    return;
  }
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
