#pragma once
// A tree of the shell namespace: one root node for the folder named by
// RootFolder, children filled in when a node is first expanded, every node
// named and iconed by the shell. Each node owns the absolute identifier list
// of its object (Data); the list is freed when the node goes.
//
// A root text that names nothing the shell can resolve gives a single root
// node without an identifier list: it shows the text as typed, ghosted,
// without icon or button, and selecting it yields no list (so no path).

#include <memory>
#include <string>
#include <vector>

#include "shell/BoundFolders.h"
#include "shell/FolderChildren.h"
#include "shell/IDListHolder.h"
#include "shell/ShellChangeNotifier.h"
#include "shell/ShellIDList.h"
#include "shell/ShellItems.h"
#include "shell/ShellTreeTypes.h"
#include "toolkit/ImageList.h"
#include "toolkit/TreeView.h"

class TVintoShellTreeFollower;
class TVintoShellTreeOle;
struct IDropTarget;

class TCustomVintoShellTreeView : public TCustomTreeView {
  FW_CLASS(TCustomVintoShellTreeView)
 public:
  explicit TCustomVintoShellTreeView(TComponent* AOwner);
  ~TCustomVintoShellTreeView() override;

  void Loaded() override;

  const TVintoShellFolder& GetRootFolder() const { return FRootFolder; }
  void SetRootFolder(const TVintoShellFolder& Value);
  // Discards all nodes and builds the root node afresh from RootFolder.
  void RebuildTree();
  // Rebuilds, keeping the expanded nodes and the selection where they still
  // exist.
  void RefreshTree();
  // Selects the deepest node on the way to List (absolute), expanding what
  // lies on the way, and scrolls it into view.
  void SelectIDList(LPCITEMIDLIST List);
  // The selected node as shell items (empty when nothing, or a node without
  // identifier list, is selected). Owned by the tree; refilled on each call.
  TVintoShellItems& SelectionItems();
  // The absolute list a node holds; null for a node without one.
  static LPCITEMIDLIST NodeIDList(const TTreeNode* Node);
  // The selected node's list, or null.
  LPCITEMIDLIST SelectedIDList();

  bool GetAutoContextMenu() const { return FAutoContextMenu; }
  void SetAutoContextMenu(bool Value) { FAutoContextMenu = Value; }
  bool GetAutoDefaultCommand() const { return FAutoDefaultCommand; }
  void SetAutoDefaultCommand(bool Value) { FAutoDefaultCommand = Value; }
  int GetAutoExpandInterval() const { return FAutoExpandInterval; }
  void SetAutoExpandInterval(int Value) { FAutoExpandInterval = Value; }
  bool GetAutoKeyboardShortcuts() const { return FAutoKeyboardShortcuts; }
  void SetAutoKeyboardShortcuts(bool Value) { FAutoKeyboardShortcuts = Value; }
  bool GetAutoRefreshContents() const { return FAutoRefreshContents; }
  void SetAutoRefreshContents(bool Value);
  int GetAutoScrollInterval() const { return FAutoScrollInterval; }
  void SetAutoScrollInterval(int Value) { FAutoScrollInterval = Value; }
  bool GetCorvaneDragDropBehaviour() const { return FCorvaneDragDropBehaviour; }
  void SetCorvaneDragDropBehaviour(bool Value) { FCorvaneDragDropBehaviour = Value; }
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
  // Takes effect when the window is next created.
  bool GetOleDropEnabled() const { return FOleDropEnabled; }
  void SetOleDropEnabled(bool Value) { FOleDropEnabled = Value; }
  bool GetShowHiddenAsTransparent() const { return FShowHiddenAsTransparent; }
  void SetShowHiddenAsTransparent(bool Value);

  // Linked shell list view and combo box: components that can follow a
  // tree; anything else links nothing.
  TComponent* GetListView() const { return FListView; }
  void SetListView(TComponent* Value);
  TComponent* GetComboBox() const { return FComboBox; }
  void SetComboBox(TComponent* Value);

  // The notifier's reports: each refreshes the tree; the drive and media
  // ones then raise the tree's event of that name.
  void DriveAdded(const std::string& RootPath);
  void DriveAddedByShell();
  void DriveRemoved(const std::string& RootPath);
  void MediaInserted(const std::string& RootPath);
  void MediaRemoved(const std::string& RootPath);
  void FolderChanged();

  // The tree's own change notifier (a component the tree owns); it watches
  // the root with its subtree and is active as AutoRefreshContents says.
  TVintoShellChangeNotifier* Notifier() const { return FNotifier; }
  LPCITEMIDLIST WatchedRoot() const { return FWatchedRoot.Get(); }
  bool Watching() const { return FNotifier && FNotifier->Active(); }

  TVintoShellCommandFailedEvent OnCommandFailed;
  TVintoShellContextMenuCommandEvent OnContextMenuCommand;
  TVintoShellContextMenuPopupEvent OnContextMenuPopup;
  TVintoShellDriveEvent OnDriveAdded;
  TVintoShellDriveEvent OnDriveRemoved;
  TVintoShellDriveEvent OnMediaInserted;
  TVintoShellDriveEvent OnMediaRemoved;
  TNotifyEvent OnSelectionChanged;
  // Drags over and from the tree (see ShellTreeTypes.h).
  TVintoShellDragOverEvent OnDragOver;
  TVintoShellDragDropEvent OnDragDrop;
  TVintoShellStartDragEvent OnStartDrag;
  TVintoShellEndDragEvent OnEndDrag;

  // The window's OLE drop target while it is registered, else null.
  IDropTarget* DropTarget() const;

 protected:
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  bool CanExpand(TTreeNode* Node) override;
  void Expand(TTreeNode* Node) override;
  void Collapse(TTreeNode* Node) override;
  void Change(TTreeNode* Node) override;
  bool CanEdit(TTreeNode* Node) override;
  void Edit(const TVITEMA& Item) override;
  void Delete(TTreeNode* Node) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DblClick() override;
  void DoContextPopup(POINT MousePos, bool& Handled) override;

  // The shell's context menu for the selected node at a client point.
  // Returns false when it was not shown, and the framework's own context
  // menu handling applies instead.
  virtual bool ShowShellContextMenu(POINT MousePos);
  // Registers and revokes the window as an OLE drop target.
  virtual bool RegisterDropTarget();
  virtual void RevokeDropTarget();

 private:
  // Where the shell reports nothing about changes on disk, the folders shown
  // open outside the watched root are watched on disk as well; this asks for
  // that list to be made anew once the current work is done.
  void OpenFoldersChanged();
  void WatchOpenFolders();
  TTreeNode* NodeOnTheWayTo(LPCITEMIDLIST List, bool Open);
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  // Adds a node for List (owned by the node from now on) with the shell's
  // name, icons and state of the object.
  TTreeNode* AddNode(TTreeNode* Parent, LPITEMIDLIST List);
  TTreeNode* AddNode(TTreeNode* Parent, TShellNodeInfo& Info);
  bool ProvideIcons(TMessage& Message);
  int ClosedIcon(TTreeNode* Node, LPCITEMIDLIST List);
  // The image the control keeps for Item.
  int StoredImage(HTREEITEM Item) const;
  bool BeginOleDrag(TMessage& Message);
  bool FillChildren(TTreeNode* Node);
  void AddRootNode(LPITEMIDLIST Root);
  void ApplyRoot();
  // The change notifier watches Root (owned from now on) with its subtree.
  void WatchRoot(LPITEMIDLIST Root);
  void SetWatching(bool Active);
  void ConnectNotifier();
  // The notifier's events.
  void NotifierFolderChanged(TObject* Sender, const std::string& Path, bool Interrupt);
  void NotifierFolderRenamed(TObject* Sender, const std::string& OldPath,
                             const std::string& NewPath, bool Interrupt);
  void NotifierDriveAdded(TObject* Sender, const std::string& RootPath, bool Interrupt);
  void NotifierDriveAddedByShell(TObject* Sender, const std::string& RootPath, bool Interrupt);
  void NotifierDriveRemoved(TObject* Sender, const std::string& RootPath, bool Interrupt);
  void NotifierMediaInserted(TObject* Sender, const std::string& RootPath, bool Interrupt);
  void NotifierMediaRemoved(TObject* Sender, const std::string& RootPath, bool Interrupt);
  TTreeNode* FindChild(TTreeNode* Parent, LPCITEMIDLIST List);
  LPITEMIDLIST RefreshedRootIDList(LPCITEMIDLIST Shown) const;
  void CommandFailed(const std::string& Command) { OnCommandFailed(this, Command); }
  void InvokeOnSelection(const std::string& Verb);
  void OpenContextMenuAtCursor();
  TVintoShellTreeFollower* ListViewFollower() const;
  TVintoShellTreeFollower* ComboBoxFollower() const;

  TVintoShellFolder FRootFolder = "sfDesktop";
  bool FAutoContextMenu = true;
  bool FAutoDefaultCommand = true;
  int FAutoExpandInterval = 500;
  bool FAutoKeyboardShortcuts = true;
  bool FAutoRefreshContents = true;
  int FAutoScrollInterval = 50;
  bool FCorvaneDragDropBehaviour = false;
  TVintoShellItemTypes FItemTypes{itFolders, itIncludeHidden};
  TVintoShellOleDragEffects FOleDragEffects{deCopy, deMove, deLink};
  bool FOleDragEnabled = true;
  TVintoShellOleDropEffect FOleDropEffect = deDefault;
  bool FOleDropEnabled = true;
  bool FShowHiddenAsTransparent = true;
  TComponent* FListView = nullptr;
  TComponent* FComboBox = nullptr;

  TVintoShellItems FSelectionItems;
  std::unique_ptr<TImageList> FSystemImages;
  // The list the notifier watches (it refers to it, the tree owns it).
  TIDListHolder FWatchedRoot;
  std::string FWatchedRootPath;
  // Whether nodes can show folders outside the watched root.
  bool FShowsFoldersOutsideRoot = true;
  TVintoShellChangeNotifier* FNotifier = nullptr;
  bool FRebuilding = false;
  bool FRefreshing = false;
  bool FFilling = false;
  // The control is drawing (see ProvideIcons).
  bool FPainting = false;
  // The folders of the nodes filled last, to bind their children through.
  TBoundFolders FBoundFolders;
  bool FOpenFoldersPending = false;
  TTreeNode* FEditingNode = nullptr;
  bool FDropTargetRegistered = false;
  std::unique_ptr<TVintoShellTreeOle> FOle;
};
