#pragma once
// One item of a list view: caption, the texts of the further columns
// (SubItems), images, overlay and cut state, a data pointer and its
// selection. Items are made and freed by the list's TListItems.

#include <windows.h>

#include <string>
#include <vector>

class TListItems;
class TCustomListView;

class TListItem {
 public:
  TListItem(const TListItem&) = delete;
  TListItem& operator=(const TListItem&) = delete;

  TListItems& Owner() const { return FOwner; }
  TCustomListView& ListView() const;
  // Position in the list, in the order shown.
  int Index() const;

  std::string GetCaption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  // The texts of the further columns. An item added with sub-items on
  // demand gets them from its list when they are first shown or asked for.
  const std::vector<std::string>& GetSubItems();
  void SetSubItems(const std::vector<std::string>& Value);
  void AddSubItem(const std::string& Text);
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // The state image (check boxes and the like), -1 for none.
  int GetStateIndex() const { return FStateIndex; }
  void SetStateIndex(int Value);
  // An overlay image of the small and large lists, -1 for none.
  int GetOverlayIndex() const { return FOverlayIndex; }
  void SetOverlayIndex(int Value);
  // Shown faded, as items that are cut to the clipboard.
  bool GetCut() const { return FCut; }
  void SetCut(bool Value);
  bool GetSelected() const;
  void SetSelected(bool Value);
  bool GetFocused() const;
  void SetFocused(bool Value);
  bool GetChecked() const;
  void SetChecked(bool Value);
  // The item's rectangle in client coordinates (empty without a window).
  RECT DisplayRect() const;
  void MakeVisible();
  // Starts editing the caption; false when the list refuses it.
  bool EditCaption();
  // Removes the item from its list and frees it.
  void Delete();

  void* Data = nullptr;

 private:
  friend class TListItems;
  friend class TCustomListView;
  explicit TListItem(TListItems& Owner) : FOwner(Owner) {}
  void ApplyState(UINT Mask, UINT State);
  UINT StateBits() const;
  // Asks the list for the sub-items on demand, once.
  void ResolveSubItems();

  TListItems& FOwner;
  std::string FCaption;
  std::vector<std::string> FSubItems;
  // Columns after the first whose texts the list provides when shown.
  int FSubItemsOnDemand = 0;
  int FImageIndex = -1;
  int FStateIndex = -1;
  int FOverlayIndex = -1;
  bool FCut = false;
  // Selection and focus while the list has no window.
  bool FSelected = false;
  bool FFocused = false;
  bool FChecked = false;
};
