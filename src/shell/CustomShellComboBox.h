#pragma once
// A drop-down list of the top of the shell namespace, in the manner of a
// file manager's address box: the desktop, the desktop's folders, the
// drives under the computer's drives folder, and the chain of folders down
// to the current folder, each with its shell icon and indented by its depth.
// The box in its closed state shows the current folder: a full path below
// a drive, the display name above. Each entry owns the absolute identifier
// list of its folder.
//
// Linked to a folder tree, the box follows the tree's selection, and
// choosing an entry (with the mouse or the keyboard) makes the tree select
// that folder; the tree's list view follows the tree in turn.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "shell/IDListHolder.h"
#include "shell/ShellIDList.h"
#include "shell/ShellTreeFollower.h"
#include "toolkit/CustomComboBox.h"
#include "toolkit/ImageList.h"

class TCustomVintoShellTreeView;

class TCustomVintoShellComboBox : public TCustomComboBox, public TVintoShellTreeFollower {
  FW_CLASS(TCustomVintoShellComboBox)
 public:
  explicit TCustomVintoShellComboBox(TComponent* AOwner);
  ~TCustomVintoShellComboBox() override;

  // Shows List (absolute; null for none) as the current folder, with the
  // chain of folders leading to it.
  void SetCurrentFolder(LPCITEMIDLIST List);
  LPCITEMIDLIST CurrentFolder() const { return FCurrentFolder.Get(); }
  // Index of the first entry whose list equals List, -1 if none.
  int IndexOfIDList(LPCITEMIDLIST List) const;
  int EntryCount() const { return static_cast<int>(FEntries.size()); }
  // The entry's absolute list; null outside 0 .. EntryCount - 1.
  LPCITEMIDLIST EntryIDList(int Index) const;
  // Indentation of an entry in the drop-down list, in pixels.
  static int EntryIndent(LPCITEMIDLIST List);
  // The text an entry shows in the drop-down list, and in the box itself.
  static std::string EntryText(LPCITEMIDLIST List, bool InBox);
  // Builds the entries afresh (drives and folders may have come or gone).
  void RebuildEntries();

  TCustomVintoShellTreeView* Tree() const { return FTree; }

  // Following a tree; linking sets the tree's ComboBox to this box, and
  // unlinking clears it.
  void LinkTree(TCustomVintoShellTreeView* Tree) override;
  void FollowTreeRoot(const TVintoShellFolder& RootFolder) override;
  void FollowTreeSelection(LPCITEMIDLIST Folder) override { SetCurrentFolder(Folder); }
  void RefreshFromTree() override { RebuildEntries(); }

  // An entry was chosen by the user.
  TNotifyEvent OnFolderSelected;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Change() override;

 private:
  void ClearEntries();
  void AddEntry(int Index, TIDListHolder List);
  void SelectCurrentEntry();
  // The tree goes to the chosen entry (after the box's own notification).
  void ApplyChoice();
  void DrawEntry(const DRAWITEMSTRUCT& Item);
  // The entry's icon, asked of the shell once for each state: finding an
  // icon costs the shell far more than drawing the entry.
  int EntryIcon(int Index, bool Open);
  int EntryHeight() const;

  std::vector<TIDListHolder> FEntries;
  // Each entry's closed and open icon, kUnknownIcon until asked for.
  static constexpr int kUnknownIcon = -2;
  std::vector<std::pair<int, int>> FEntryIcons;
  TIDListHolder FCurrentFolder;
  TCustomVintoShellTreeView* FTree = nullptr;
  std::unique_ptr<TImageList> FSmallSystemImages;
  bool FSettingSelection = false;
  bool FChoicePending = false;
};
