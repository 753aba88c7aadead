#pragma once
// A node of a tree view: caption, a data pointer of its owner's choosing,
// images, overlay, cut (ghosted) state and a button that promises children
// before they exist. The node object lives as long as its system item; the
// tree view frees it when the item is deleted.

#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include <string>

class TTreeNodes;
class TCustomTreeView;

class TTreeNode {
 public:
  TTreeNode(TTreeNodes& Owner, HTREEITEM Item) : FOwner(Owner), FItem(Item) {}
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  HTREEITEM ItemId() const { return FItem; }
  TTreeNodes& Owner() const { return FOwner; }
  TCustomTreeView& TreeView() const;

  std::string GetText() const { return FText; }
  void SetText(const std::string& Value);
  void* Data = nullptr;
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int GetSelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int Value);
  // -1: none; otherwise the image list's overlay image Value + 1.
  int GetOverlayIndex() const { return FOverlayIndex; }
  void SetOverlayIndex(int Value);
  bool GetCut() const { return FCut; }
  void SetCut(bool Value);
  bool GetHasChildren() const;
  void SetHasChildren(bool Value);

  TTreeNode* Parent() const;
  TTreeNode* GetFirstChild() const;
  TTreeNode* GetNextSibling() const;
  TTreeNode* GetPrevSibling() const;
  int Count() const;
  TTreeNode* Item(int Index) const;
  int Index() const;
  int Level() const;

  bool GetExpanded() const;
  void Expand(bool Recurse);
  void Collapse(bool Recurse);
  bool GetSelected() const;
  void SetSelected(bool Value);
  void MakeVisible();
  // Starts in-place editing of the caption.
  bool EditText();
  void Delete();
  void DeleteChildren();
  // Sorts the children with a comparison of two nodes (negative, zero,
  // positive) and Data passed through.
  using TCompare = int (*)(TTreeNode* A, TTreeNode* B, LPARAM Data);
  bool CustomSort(TCompare Compare, LPARAM Data);
  bool AlphaSort();

 private:
  friend class TTreeNodes;
  HWND Wnd() const;
  void SetState(UINT Mask, UINT State);
  void Update(TVITEMA& Item) const;
  TTreeNode* NodeOf(HTREEITEM Item) const;

  TTreeNodes& FOwner;
  HTREEITEM FItem;
  std::string FText;
  int FImageIndex = -1;
  int FSelectedIndex = -1;
  int FOverlayIndex = -1;
  bool FCut = false;
};
