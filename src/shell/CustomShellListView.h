#pragma once
// The contents of one shell folder as a list: icons, small icons, a list or
// a report with detail columns, in the manner of a file manager's right
// pane. Each item owns the absolute identifier list of its object (Data).
// It can work alone or follow a folder tree (and move it when a folder is
// entered), filters names by masks, follows changes in its folder through
// its own notifier, and offers the shell's menu, the keyboard commands,
// renaming in place and OLE drag and drop.
//
// A fill that takes long goes on from the message loop in slices (a timer
// of the window's own, which the system serves after input and painting):
// the items appear in order as they are ready, the window keeps answering,
// and the list's cursor shows the work going on. OnAfterPopulate tells
// when the list is whole; a fill that is replaced by another ends there.
// Icons and the detail texts are asked for when an item is first shown.

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "shell/IDListHolder.h"
#include "shell/ShellChangeNotifier.h"
#include "shell/ShellContextMenu.h"
#include "shell/ShellDragSource.h"
#include "shell/ShellDropHost.h"
#include "shell/ShellItems.h"
#include "shell/ShellListDetails.h"
#include "shell/ShellTreeFollower.h"
#include "shell/ShellTreeTypes.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListView.h"

class TCustomVintoShellTreeView;
class TShellListFill;
class TVintoShellDropTarget;
struct IDropTarget;

using TVintoShellFolderChangingEvent = TEvent<TObject*, const std::string&, bool&>;

class TCustomVintoShellListView : public TCustomListView,
                                  public TVintoShellTreeFollower,
                                  private TVintoShellDropHost,
                                  private TVintoShellDragOwner,
                                  private TVintoShellMenuOwner {
  FW_CLASS(TCustomVintoShellListView)
 public:
  explicit TCustomVintoShellListView(TComponent* AOwner);
  ~TCustomVintoShellListView() override;

  void Loaded() override;

  const TVintoShellFolder& GetRootFolder() const { return FRootFolder; }
  void SetRootFolder(const TVintoShellFolder& Value);
  void RebuildList();
  void RefreshList();
  // Whether a fill is still going on from the message loop.
  bool Populating() const { return FFill != nullptr; }
  // Finishes a fill that goes on, at once.
  void CompletePopulating();
  // How long a fill works before it returns and goes on from the message
  // loop (150 ms unless set).
  void SetFirstFillSlice(int Milliseconds) { FFirstSliceMs = Milliseconds; }
  // Shows List (absolute), unless it is shown already.
  void BrowseTo(LPCITEMIDLIST List);
  // Enters List when AutoNavigate allows and OnFolderChanging accepts;
  // through the linked tree when there is one.
  void EnterFolder(LPCITEMIDLIST List);
  TVintoShellItems& SelectionItems();
  LPCITEMIDLIST CurrentFolder() const { return FCurrentFolder.Get(); }
  static LPCITEMIDLIST ItemIDList(const TListItem* Item);

  bool GetAutoContextMenu() const { return FAutoContextMenu; }
  void SetAutoContextMenu(bool Value) { FAutoContextMenu = Value; }
  bool GetAutoDefaultCommand() const { return FAutoDefaultCommand; }
  void SetAutoDefaultCommand(bool Value) { FAutoDefaultCommand = Value; }
  bool GetAutoKeyboardShortcuts() const { return FAutoKeyboardShortcuts; }
  void SetAutoKeyboardShortcuts(bool Value) { FAutoKeyboardShortcuts = Value; }
  bool GetAutoNavigate() const { return FAutoNavigate; }
  void SetAutoNavigate(bool Value) { FAutoNavigate = Value; }
  bool GetAutoRefreshContents() const { return FAutoRefreshContents; }
  void SetAutoRefreshContents(bool Value);
  int GetAutoScrollInterval() const { return FAutoScrollInterval; }
  void SetAutoScrollInterval(int Value) { FAutoScrollInterval = Value; }
  bool GetCorvaneDragDropBehaviour() const { return FCorvaneDragDropBehaviour; }
  void SetCorvaneDragDropBehaviour(bool Value) { FCorvaneDragDropBehaviour = Value; }
  const std::string& GetFileMask() const { return FFileMask; }
  void SetFileMask(const std::string& Value);
  TVintoShellItemTypes GetItemTypes() const { return FItemTypes; }
  void SetItemTypes(TVintoShellItemTypes Value);
  TSet<TVintoShellItemType> GetItemTypeSet() const { return ItemTypesToSet(FItemTypes); }
  void SetItemTypeSet(TSet<TVintoShellItemType> Value) { SetItemTypes(SetToItemTypes(Value)); }
  TVintoShellOleDragEffects GetOleDragEffects() const { return FOleDragEffects; }
  void SetOleDragEffects(TVintoShellOleDragEffects Value) { FOleDragEffects = Value; }
  bool GetOleDragEnabled() const { return FOleDragEnabled; }
  void SetOleDragEnabled(bool Value) { FOleDragEnabled = Value; }
  TVintoShellOleDropEffect GetOleDropEffect() const { return FOleDropEffect; }
  void SetOleDropEffect(TVintoShellOleDropEffect Value) { FOleDropEffect = Value; }
  bool GetOleDropEnabled() const { return FOleDropEnabled; }
  void SetOleDropEnabled(bool Value) { FOleDropEnabled = Value; }
  bool GetShowHiddenAsTransparent() const { return FShowHiddenAsTransparent; }
  void SetShowHiddenAsTransparent(bool Value);

  // The linked tree (set by the tree itself).
  TCustomVintoShellTreeView* Tree() const { return FTree; }
  TVintoShellChangeNotifier* Notifier() const { return FNotifier; }
  IDropTarget* DropTarget() const;

  // Following a tree.
  void LinkTree(TCustomVintoShellTreeView* Tree) override { FTree = Tree; }
  void FollowTreeRoot(const TVintoShellFolder& RootFolder) override { SetRootFolder(RootFolder); }
  void FollowTreeSelection(LPCITEMIDLIST Folder) override { BrowseTo(Folder); }
  void RefreshFromTree() override { RefreshList(); }

  TVintoShellCommandFailedEvent OnCommandFailed;
  TVintoShellContextMenuCommandEvent OnContextMenuCommand;
  TVintoShellContextMenuPopupEvent OnContextMenuPopup;
  TNotifyEvent OnSelectionChanged;
  TNotifyEvent OnBeforePopulate;
  TNotifyEvent OnAfterPopulate;
  TVintoShellFolderChangingEvent OnFolderChanging;
  TVintoShellDragOverEvent OnDragOver;
  TVintoShellDragDropEvent OnDragDrop;
  TVintoShellStartDragEvent OnStartDrag;
  TVintoShellEndDragEvent OnEndDrag;

 protected:
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Change(TListItem* Item, TItemChange Change) override;
  bool CanEdit(TListItem* Item) override;
  void Edit(const LVITEMA& Item) override;
  void Delete(TListItem* Item) override;
  void ColClick(TListColumn* Column) override;
  void DragItems(TMouseButton Button) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DblClick() override;
  void DoContextPopup(POINT MousePos, bool& Handled) override;
  int ItemImage(TListItem* Item) override;
  std::vector<std::string> ProvideSubItems(TListItem* Item) override;

 private:
  // The folder that holds List, bound once for the items of one folder.
  IShellFolder* IconFolderFor(LPCITEMIDLIST List);
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Fill();
  // Carries the fill on for about Budget milliseconds (all of it without a
  // window), then leaves the rest to the window's fill timer.
  void ContinueFill(int Budget);
  void InsertReady(std::chrono::steady_clock::time_point Deadline);
  void ScheduleFill();
  // Ends the fill going on (finished or not) and, with Notify, raises
  // OnAfterPopulate.
  void EndFill(bool Notify = true);
  TShellListColumns ColumnsKind() const;
  void RebuildColumns(TShellListColumns Kind);
  void SortBy(int Column);
  void SetCurrentFolder(LPITEMIDLIST List);
  void ApplyRoot();
  void ConnectNotifier();
  void FolderChangedOnDisk(TObject*, const std::string&, bool);
  void FolderRenamedOnDisk(TObject*, const std::string&, const std::string&, bool);
  void StartRename();
  void InvokeOnSelection(const std::string& Verb);
  bool ShowContextMenu(POINT Client);
  bool RegisterDropTarget();
  void RevokeDropTarget();

  // Drop host.
  HWND DropWindow() override { return WindowHandle(); }
  void* DropItemAt(POINT Client) override { return GetItemAt(Client.x, Client.y); }
  LPCITEMIDLIST DropItemIDList(void* Item) override;
  void HighlightDropItem(void* Item) override;
  int DropAutoScrollInterval() override { return FAutoScrollInterval; }
  TVintoShellOleDropEffect DropEffectSetting() override { return FOleDropEffect; }
  bool AcceptDrag(TVintoShellOleDragDropInfo* Info, POINT Client, TDragState State) override;
  void DragDropped(TVintoShellOleDragDropInfo* Info, POINT Client) override;
  // Drag owner.
  void DragStarting() override { OnStartDrag(this); }
  void DragEnded(TVintoShellOleDragDropInfo* Target, POINT ScreenPos) override;
  // Menu owner.
  bool ContextMenuPopup() override;
  bool ContextMenuCommand(const std::string& Verb) override;
  void ContextMenuRename() override { StartRename(); }
  void ContextMenuFailed(const std::string& Verb) override { OnCommandFailed(this, Verb); }

  TVintoShellFolder FRootFolder = "sfDesktop";
  bool FAutoContextMenu = true;
  bool FAutoDefaultCommand = true;
  bool FAutoKeyboardShortcuts = true;
  bool FAutoNavigate = true;
  bool FAutoRefreshContents = true;
  int FAutoScrollInterval = 50;
  bool FCorvaneDragDropBehaviour = false;
  std::string FFileMask = "*.*";
  TVintoShellItemTypes FItemTypes{itFolders, itNonFolders, itIncludeHidden};
  TVintoShellOleDragEffects FOleDragEffects{deCopy, deMove, deLink};
  bool FOleDragEnabled = true;
  TVintoShellOleDropEffect FOleDropEffect = deDefault;
  bool FOleDropEnabled = true;
  bool FShowHiddenAsTransparent = true;

  TIDListHolder FCurrentFolder;
  // The folder that holds the items whose icons were asked for last, and
  // its list's bytes.
  TShellFolderPtr FIconFolder;
  std::string FIconFolderBytes;
  TCustomVintoShellTreeView* FTree = nullptr;
  TVintoShellItems FSelectionItems;
  TVintoShellChangeNotifier* FNotifier = nullptr;
  std::unique_ptr<TImageList> FLargeSystemImages;
  std::unique_ptr<TImageList> FSmallSystemImages;
  bool FRebuilding = false;
  bool FRefreshing = false;
  TVintoShellContextMenu FMenu;
  TVintoShellDropTarget* FDropTarget = nullptr;
  TListItem* FHighlighted = nullptr;
  // The fill going on from the message loop, and how far it got.
  std::unique_ptr<TShellListFill> FFill;
  std::size_t FFillInserted = 0;
  int FFirstSliceMs = 150;
  bool FFillScheduled = false;
  int FCursorBeforeFill = 0;
  TShellListColumns FColumnsKind = TShellListColumns::NameOnly;
};
