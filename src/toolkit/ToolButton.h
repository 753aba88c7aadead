#pragma once
// One button of a TToolBar. It has no window of its own: the tool bar's
// system control shows it, and the button's bounds follow the place the
// tool bar gives it. A button is a push button, a check button (Down
// stays, Grouped check buttons exclude each other), a drop-down button
// that opens its DropdownMenu (or the sub-items of its MenuItem), or a
// separator or divider.

#include <string>

#include "toolkit/Control.h"

class TToolBar;
class TMenuItem;
class TPopupMenu;

FW_ENUM(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider)

class TToolButton : public TControl {
  FW_CLASS(TToolButton)
 public:
  explicit TToolButton(TComponent* AOwner);
  ~TToolButton() override;

  TToolBar* ToolBar() const;
  void SetParent(TWinControl* Value) override;

  std::string GetCaption() const { return GetText(); }
  TToolButtonStyle GetStyle() const { return FStyle; }
  void SetStyle(TToolButtonStyle Value);
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool GetDown() const;
  void SetDown(bool Value);
  bool GetGrouped() const { return FGrouped; }
  void SetGrouped(bool Value);
  bool GetAllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool GetIndeterminate() const { return FIndeterminate; }
  void SetIndeterminate(bool Value);
  bool GetWrap() const { return FWrap; }
  void SetWrap(bool Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TPopupMenu* GetDropdownMenu() const { return FDropdownMenu; }
  void SetDropdownMenu(TPopupMenu* Value);
  TMenuItem* GetMenuItem() const { return FMenuItem; }
  void SetMenuItem(TMenuItem* Value);

  // The command number the tool bar's system control knows the button by.
  int Command() const { return FCommand; }
  // Opens the button's menu below it; false when it has none.
  bool CheckMenuDropdown();
  void Click() override;

 protected:
  void TextChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TToolBar;
  void Changed();

  TToolButtonStyle FStyle = tbsButton;
  int FImageIndex = -1;
  bool FDown = false;
  bool FGrouped = false;
  bool FAllowAllUp = false;
  bool FIndeterminate = false;
  bool FWrap = false;
  bool FAutoSize = false;
  TPopupMenu* FDropdownMenu = nullptr;
  TMenuItem* FMenuItem = nullptr;
  int FCommand;
};
