#pragma once
// A combo box over the system COMBOBOX class: csDropDown (an edit with a
// drop-down list), csSimple (an edit above a list that is always shown) or
// csDropDownList (a drop-down list without an edit). Choosing an item,
// with the mouse or the keyboard, fires OnSelect and then OnChange; typing
// in the edit fires OnChange. OnDropDown and OnCloseUp follow the list.
// Keys typed in the edit reach the combo box's OnKeyDown, OnKeyPress and
// OnKeyUp, which may change or swallow them. csOwnerDrawFixed and
// csOwnerDrawVariable are drop-down lists whose items OnDrawItem draws on
// Canvas (the variable one asks OnMeasureItem for each item's height).

#include <memory>

#include "toolkit/Canvas.h"
#include "toolkit/OwnerDrawItem.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/Strings.h"

FW_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed,
        csOwnerDrawVariable)

class TItemStrings;

class TCustomComboBox : public TWinControl {
  FW_CLASS(TCustomComboBox)
 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TStrings* GetItems() const;
  int GetItemIndex() const;
  void SetItemIndex(int Value);
  TComboBoxStyle GetStyle() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  int GetDropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value);
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool Value);
  int GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  int GetItemHeight() const;
  void SetItemHeight(int Value);
  TCanvas& Canvas() { return FCanvas; }
  bool GetDroppedDown() const;
  void SetDroppedDown(bool Value);
  void SetBounds(int Left, int Top, int Width, int Height) override;
  void Loaded() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  void SetTextValue(const std::string& Value) override;
  virtual void Change() { OnChange(this); }
  virtual void Select();

 private:
  static LRESULT CALLBACK EditProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void HookEdit();
  void UnhookEdit();
  // The window's height: the edit part and, for the drop-down styles, the
  // list that drops below it.
  int WindowHeight() const;
  // The styles without an edit: only an item's text can be shown.
  bool IsListStyle() const { return FStyle != csDropDown && FStyle != csSimple; }
  void DrawItem(const DRAWITEMSTRUCT& Item);
  void MeasureItem(MEASUREITEMSTRUCT& Item);

  std::unique_ptr<TItemStrings> FItems;
  TComboBoxStyle FStyle = csDropDown;
  int FItemIndex = -1;
  int FDropDownCount = 8;
  bool FSorted = false;
  int FMaxLength = 0;
  int FItemHeight = 16;
  TCanvas FCanvas;
  HWND FEdit = nullptr;
  WNDPROC FEditProc = nullptr;
};

class TComboBox : public TCustomComboBox {
  FW_CLASS(TComboBox)
 public:
  using TCustomComboBox::TCustomComboBox;
};
