#pragma once
// A tree view over the system SysTreeView32 control. Nodes carry a data
// pointer, images, overlay and cut state, and may promise children that
// are added only when the node is first expanded. The reactions to the
// control's notifications are virtual so that a derived tree can take
// them over: may expand / collapse, expanded / collapsed, may change,
// changed (after ChangeDelay ms), may edit, edit done, node deleted, key
// down, double click, mouse up, context pop-up, window made and destroyed.

#include <memory>
#include <string>

#include "toolkit/ImageList.h"
#include "toolkit/QuietExpansion.h"
#include "toolkit/TreeNodes.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

using TTVChangedEvent = TEvent<TObject*, TTreeNode*>;
using TTVChangingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVExpandingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVEditingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVEditedEvent = TEvent<TObject*, TTreeNode*, std::string&>;

class TCustomTreeView : public TWinControl {
  FW_CLASS(TCustomTreeView)
 public:
  explicit TCustomTreeView(TComponent* AOwner);
  ~TCustomTreeView() override;

  TTreeNodes& Items() { return FItems; }
  TTreeNode* GetSelected();
  void SetSelected(TTreeNode* Node);
  // The node shown first in the window; setting it scrolls the window.
  TTreeNode* GetTopItem();
  void SetTopItem(TTreeNode* Node);
  TTreeNode* GetNodeAt(int X, int Y);
  bool IsEditing() const { return FEditing; }

  TImageList* GetImages() const { return FImages; }
  void SetImages(TImageList* Value);
  int GetIndent() const { return FIndent; }
  void SetIndent(int Value);
  int GetChangeDelay() const { return FChangeDelay; }
  void SetChangeDelay(int Value) { FChangeDelay = Value; }
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool GetRightClickSelect() const { return FRightClickSelect; }
  void SetRightClickSelect(bool Value) { FRightClickSelect = Value; }
  bool GetShowLines() const { return FShowLines; }
  void SetShowLines(bool Value);
  bool GetShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool Value);
  bool GetShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool Value);
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  bool GetHotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value);
  bool GetRowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value);
  bool GetToolTips() const { return FToolTips; }
  void SetToolTips(bool Value);

  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;
  TTVExpandingEvent OnExpanding;
  TTVChangedEvent OnExpanded;
  TTVExpandingEvent OnCollapsing;
  TTVChangedEvent OnCollapsed;
  TTVEditingEvent OnEditing;
  TTVEditedEvent OnEdited;
  TTVChangedEvent OnDeletion;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  virtual bool CanExpand(TTreeNode* Node);
  virtual void Expand(TTreeNode* Node) { OnExpanded(this, Node); }
  virtual bool CanCollapse(TTreeNode* Node);
  virtual void Collapse(TTreeNode* Node) { OnCollapsed(this, Node); }
  virtual bool CanChange(TTreeNode* Node);
  virtual void Change(TTreeNode* Node) { OnChange(this, Node); }
  virtual bool CanEdit(TTreeNode* Node);
  // Editing ended with a new text: the base fires OnEdited and stores the
  // (possibly changed) text in the node. An override that does not call it
  // leaves the old text.
  virtual void Edit(const TVITEMA& Item);
  // The node is about to be freed.
  virtual void Delete(TTreeNode* Node) { OnDeletion(this, Node); }
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  friend class TTreeNodes;
  friend class TTreeNode;
  // Opens Item as the control would, quietly where it has children already
  // (see TQuietExpansion); a node without any is made quiet, if at all, once
  // the expansion reaction has filled it.
  void ExpandItem(HTREEITEM Item);
  void BeginQuietExpansion(HTREEITEM Item, int EndLevel);
  bool HandleNotify(TMessage& Message);
  void WndProcAtLevel(TMessage& Message);
  void MouseUpAtCursor(TMouseButton Button);
  void SetStyleFlag(DWORD Flag, bool On);
  void SelectionChanged();
  void ApplyImages();

  TTreeNodes FItems;
  TImageList* FImages = nullptr;
  int FIndent = 19;
  int FChangeDelay = 0;
  bool FReadOnly = false;
  bool FRightClickSelect = false;
  bool FShowLines = true;
  bool FShowRoot = true;
  bool FShowButtons = true;
  bool FHideSelection = true;
  bool FHotTrack = false;
  bool FRowSelect = false;
  bool FToolTips = true;
  bool FEditing = false;
  bool FLeftReleaseSeen = false;  // since the left button went down
  TQuietExpansion FQuietExpansion;
  // How deeply WndProc calls are nested, and the level whose end ends a
  // quiet expansion that the control's notification did not end.
  int FDispatchLevel = 0;
  int FQuietEndLevel = 0;
};

class TTreeView : public TCustomTreeView {
  FW_CLASS(TTreeView)
 public:
  using TCustomTreeView::TCustomTreeView;
};

// Published tree-view properties and events, for TTreeView and trees that
// derive from TCustomTreeView.
template <class C>
TClassBuilder<C>& PublishTreeViewProperties(TClassBuilder<C>& B) {
  using T = TCustomTreeView;
  return B
      .ColorProp("Color", &TControl::GetColor, &TControl::SetColor, static_cast<int>(0x80000005))
      .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
      .PropNoDefault("Images", &T::GetImages, &T::SetImages)
      .Prop("Indent", &T::GetIndent, &T::SetIndent, 19)
      .Prop("ChangeDelay", &T::GetChangeDelay, &T::SetChangeDelay, 0)
      .Prop("ReadOnly", &T::GetReadOnly, &T::SetReadOnly, false)
      .Prop("RightClickSelect", &T::GetRightClickSelect, &T::SetRightClickSelect, false)
      .Prop("ShowLines", &T::GetShowLines, &T::SetShowLines, true)
      .Prop("ShowRoot", &T::GetShowRoot, &T::SetShowRoot, true)
      .Prop("ShowButtons", &T::GetShowButtons, &T::SetShowButtons, true)
      .Prop("HideSelection", &T::GetHideSelection, &T::SetHideSelection, true)
      .Prop("HotTrack", &T::GetHotTrack, &T::SetHotTrack, false)
      .Prop("RowSelect", &T::GetRowSelect, &T::SetRowSelect, false)
      .Prop("ToolTips", &T::GetToolTips, &T::SetToolTips, true)
      .EventProp("OnChange", &T::OnChange)
      .EventProp("OnChanging", &T::OnChanging)
      .EventProp("OnExpanding", &T::OnExpanding)
      .EventProp("OnExpanded", &T::OnExpanded)
      .EventProp("OnCollapsing", &T::OnCollapsing)
      .EventProp("OnCollapsed", &T::OnCollapsed)
      .EventProp("OnEditing", &T::OnEditing)
      .EventProp("OnEdited", &T::OnEdited)
      .EventProp("OnDeletion", &T::OnDeletion);
}
