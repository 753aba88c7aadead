#include "shell/CustomShellComboBox.h"

#include <commctrl.h>

#include <algorithm>

#include "shell/CustomShellTreeView.h"
#include "shell/FlagScope.h"
#include "shell/FolderEnumeration.h"
#include "shell/ShellModule.h"
#include "toolkit/portable/ClassBuilder.h"

namespace {

constexpr int kIndentPerLevel = 8;
constexpr int kIconTextGap = 4;
// Posted to the box itself: the user's choice is carried out once the
// control has finished telling of it.
constexpr UINT kApplyChoiceMessage = WM_APP + 0x52;

// The folders (only) below Parent, in the shell's order.
std::vector<TIDListHolder> SortedSubfolders(LPCITEMIDLIST Parent) {
  std::vector<TIDListHolder> children;
  EnumerateFolder(Parent, TVintoShellItemTypes{itFolders}, children);
  SortByShellOrder(children);
  return children;
}

}  // namespace

const TClassInfo& TCustomVintoShellComboBox::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCustomVintoShellComboBox>(
                                     "TCustomVintoShellComboBox", &TCustomComboBox::StaticClass())
                                     .Info();
  return info;
}

TCustomVintoShellComboBox::TCustomVintoShellComboBox(TComponent* AOwner)
    : TCustomComboBox(AOwner), FSmallSystemImages(std::make_unique<TImageList>(nullptr)) {
  SetStyle(csDropDownList);
  SetDropDownCount(14);
  SHFILEINFOA info{};
  FSmallSystemImages->SetShareImages(true);
  FSmallSystemImages->SetHandle(reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("c:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON)));
}

TCustomVintoShellComboBox::~TCustomVintoShellComboBox() {
  if (FTree) LinkTree(nullptr);
  DestroyHandle();
  ClearEntries();
}

// ---- Entries ----------------------------------------------------------------

LPCITEMIDLIST TCustomVintoShellComboBox::EntryIDList(int Index) const {
  return Index >= 0 && Index < EntryCount() ? FEntries[Index].Get() : nullptr;
}

int TCustomVintoShellComboBox::IndexOfIDList(LPCITEMIDLIST List) const {
  if (!List) return -1;
  for (int i = 0; i < EntryCount(); ++i)
    if (SameIDList(FEntries[i].Get(), List)) return i;
  return -1;
}

int TCustomVintoShellComboBox::EntryIndent(LPCITEMIDLIST List) {
  return static_cast<int>(IDCount(List)) * kIndentPerLevel;
}

std::string TCustomVintoShellComboBox::EntryText(LPCITEMIDLIST List, bool InBox) {
  // Below a drive (the desktop, the computer, the drive: depth 2) the box
  // shows where the folder is.
  if (InBox && IDCount(List) > 2) {
    std::string path = IDListToPath(List);
    if (!path.empty()) return path;
  }
  return GetDisplayName(List);
}

void TCustomVintoShellComboBox::ClearEntries() {
  GetItems()->Clear();
  FEntries.clear();
  FEntryIcons.clear();
}

void TCustomVintoShellComboBox::AddEntry(int Index, TIDListHolder List) {
  if (!List) return;
  Index = std::clamp(Index, 0, EntryCount());
  GetItems()->Insert(Index, GetDisplayName(List.Get()));
  FEntries.insert(FEntries.begin() + Index, std::move(List));
  FEntryIcons.insert(FEntryIcons.begin() + Index, {kUnknownIcon, kUnknownIcon});
}

void TCustomVintoShellComboBox::RebuildEntries() {
  TFlagScope quiet(FSettingSelection);
  GetItems()->BeginUpdate();
  ClearEntries();
  LPCITEMIDLIST desktop = TShellModule::Instance().DesktopIDList();
  AddEntry(0, TIDListHolder(CopyIDList(desktop)));
  for (TIDListHolder& folder : SortedSubfolders(desktop)) AddEntry(EntryCount(), std::move(folder));
  for (int i = 1; i < EntryCount(); ++i) {
    if (!IsDrivesFolder(FEntries[i].Get())) continue;
    int at = i + 1;
    for (TIDListHolder& drive : SortedSubfolders(FEntries[i].Get()))
      AddEntry(at++, std::move(drive));
    break;
  }
  LPCITEMIDLIST current = FCurrentFolder.Get();
  if (current && IndexOfIDList(current) < 0) {
    // The folders between the deepest ancestor among the entries and the
    // current folder go right after that ancestor.
    const UINT depth = IDCount(current);
    int ancestor = -1;
    UINT ancestorDepth = depth;
    while (ancestor < 0 && ancestorDepth > 0) {
      TIDListHolder prefix = PrefixOf(current, --ancestorDepth);
      ancestor = IndexOfIDList(prefix.Get());
    }
    if (ancestor >= 0) {
      int at = ancestor + 1;
      for (UINT count = ancestorDepth + 1; count <= depth; ++count)
        AddEntry(at++, PrefixOf(current, count));
    }
  }
  GetItems()->EndUpdate();
  SelectCurrentEntry();
}

void TCustomVintoShellComboBox::SetCurrentFolder(LPCITEMIDLIST List) {
  FCurrentFolder.Reset(List ? CopyIDList(List) : nullptr);
  RebuildEntries();
}

// With no current folder the box shows the desktop.
void TCustomVintoShellComboBox::SelectCurrentEntry() {
  TFlagScope quiet(FSettingSelection);
  const int index = FCurrentFolder ? IndexOfIDList(FCurrentFolder.Get()) : 0;
  SetItemIndex(index < EntryCount() ? index : -1);
}

// ---- Choosing ------------------------------------------------------------------

void TCustomVintoShellComboBox::Change() {
  TCustomComboBox::Change();
  if (FSettingSelection || !HandleAllocated()) return;
  // Moving through the open list is not yet a choice.
  if (GetDroppedDown()) {
    FChoicePending = true;
    return;
  }
  PostMessageA(WindowHandle(), kApplyChoiceMessage, 0, 0);
}

void TCustomVintoShellComboBox::ApplyChoice() {
  const int index = GetItemIndex();
  LPCITEMIDLIST chosen = EntryIDList(index);
  // The desktop (entry 0) does not move the tree.
  if (FTree && index > 0 && chosen && !SameIDList(chosen, FCurrentFolder.Get())) {
    FTree->SelectIDList(chosen);
    // A tree that cannot reach the folder stays where it is; so does the box.
    if (!SameIDList(FTree->SelectedIDList(), chosen)) SelectCurrentEntry();
  }
  OnFolderSelected(this);
}

// ---- Linking --------------------------------------------------------------------

void TCustomVintoShellComboBox::LinkTree(TCustomVintoShellTreeView* Tree) {
  if (Tree == FTree) return;
  TCustomVintoShellTreeView* old = std::exchange(FTree, Tree);
  if (old && old->GetComboBox() == this) old->SetComboBox(nullptr);
  if (Tree) {
    Tree->FreeNotification(this);
    if (Tree->GetComboBox() != this) Tree->SetComboBox(this);
  }
}

void TCustomVintoShellComboBox::FollowTreeRoot(const TVintoShellFolder& RootFolder) {
  TIDListHolder root(FolderTextToIDList(RootFolder));
  SetCurrentFolder(root.Get());
}

void TCustomVintoShellComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomComboBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FTree) FTree = nullptr;
}

// ---- Window -------------------------------------------------------------------------

int TCustomVintoShellComboBox::EntryHeight() const {
  return std::max(GetSystemMetrics(SM_CYSMICON), std::max(-GetFont()->GetHeight(), 13)) + 2;
}

void TCustomVintoShellComboBox::CreateParams(TCreateParams& Params) {
  TCustomComboBox::CreateParams(Params);
  Params.Style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
}

void TCustomVintoShellComboBox::CreateWnd() {
  TCustomComboBox::CreateWnd();
  HWND wnd = WindowHandle();
  SendMessageA(wnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), EntryHeight());
  SendMessageA(wnd, CB_SETITEMHEIGHT, 0, EntryHeight());
  RebuildEntries();
}

void TCustomVintoShellComboBox::DestroyWnd() {
  FChoicePending = false;
  ClearEntries();
  TCustomComboBox::DestroyWnd();
}

int TCustomVintoShellComboBox::EntryIcon(int Index, bool Open) {
  std::pair<int, int>& icons = FEntryIcons[static_cast<std::size_t>(Index)];
  int& icon = Open ? icons.second : icons.first;
  if (icon == kUnknownIcon) icon = GetIconIndex(EntryIDList(Index), false, Open);
  return icon;
}

void TCustomVintoShellComboBox::DrawEntry(const DRAWITEMSTRUCT& Item) {
  HDC dc = Item.hDC;
  RECT r = Item.rcItem;
  const bool selected = (Item.itemState & ODS_SELECTED) != 0;
  const bool inBox = (Item.itemState & ODS_COMBOBOXEDIT) != 0;
  const COLORREF back = selected ? GetSysColor(COLOR_HIGHLIGHT) : ColorToRGB(GetColor());
  HBRUSH brush = CreateSolidBrush(back);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  const int index = static_cast<int>(Item.itemID);
  LPCITEMIDLIST list = EntryIDList(index);
  if (!list) return;
  const int indent = inBox ? 0 : EntryIndent(list);
  int iconWidth = 0, iconHeight = 0;
  ImageList_GetIconSize(FSmallSystemImages->Handle(), &iconWidth, &iconHeight);
  const bool open = SameIDList(list, FCurrentFolder.Get());
  ImageList_DrawEx(FSmallSystemImages->Handle(), EntryIcon(index, open), dc, r.left + indent, r.top,
                   0, 0, CLR_NONE, GetSysColor(COLOR_HIGHLIGHT),
                   ILD_TRANSPARENT | (selected ? ILD_BLEND50 : 0));
  // A row of the list shows the name the entry was added with.
  const std::string text = inBox ? EntryText(list, inBox) : GetItems()->Get(index);
  SIZE extent{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ColorToRGB(GetFont()->GetColor()));
  const int y = r.top + (r.bottom - r.top - extent.cy) / 2;
  TextOutA(dc, r.left + indent + iconWidth + kIconTextGap, y, text.c_str(),
           static_cast<int>(text.size()));
  if ((Item.itemState & ODS_FOCUS) && inBox) DrawFocusRect(dc, &r);
}

void TCustomVintoShellComboBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM:
      DrawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = TRUE;
      return;
    case CN_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam)->itemHeight =
          static_cast<UINT>(EntryHeight());
      Message.Result = TRUE;
      return;
    case kApplyChoiceMessage:
      ApplyChoice();
      return;
  }
  const bool closing = Message.Msg == CN_COMMAND && HIWORD(Message.WParam) == CBN_CLOSEUP;
  TCustomComboBox::WndProc(Message);
  if (closing && std::exchange(FChoicePending, false) && HandleAllocated())
    PostMessageA(WindowHandle(), kApplyChoiceMessage, 0, 0);
}
