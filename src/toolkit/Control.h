#pragma once
// A visual component: bounds, visibility, enabled state, colour, font,
// caption, cursor and hint, and a parent window control. Every message to
// a control passes through its WindowProc, a method pointer that starts at
// the control's own WndProc; whoever replaces it keeps the old value, calls
// it for what it does not handle itself, and puts it back when done.

#include <windows.h>

#include <memory>
#include <string>

#include "toolkit/ControlTypes.h"
#include "toolkit/Font.h"
#include "toolkit/Messages.h"
#include "toolkit/portable/Component.h"

class TWinControl;
class TPopupMenu;

class TControl : public TComponent {
  FW_CLASS(TControl)
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWndMethod WindowProc;
  // Sends a message through WindowProc and returns its result.
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* Value);
  void SetParentComponent(TComponent* Parent) override;

  int GetLeft() const { return FLeft; }
  int GetTop() const { return FTop; }
  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int Left, int Top, int Width, int Height);
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  RECT ClientRect() const { return {0, 0, FWidth, FHeight}; }
  // An aligned control is placed by its parent along one edge, or over
  // what the edges leave; it keeps its own height (top, bottom) or width
  // (left, right).
  TAlign GetAlign() const { return FAlign; }
  void SetAlign(TAlign Value);

  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent visible too.
  bool Showing() const;
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);

  int GetColor() const { return FColor; }
  void SetColor(int Value);
  bool GetParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* GetFont() const { return FFont.get(); }
  bool GetParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);

  // Caption and Text are one value; classes publish it under either name.
  std::string GetText() const { return GetTextValue(); }
  void SetText(const std::string& Value);

  int GetCursor() const { return FCursor; }
  void SetCursor(int Value) { FCursor = Value; }
  std::string GetHint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  // True: BiDiMode follows the parent's (the default).
  bool GetParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  // What the reading direction means for this control: right-to-left text,
  // alignment at the right, the vertical scroll bar at the left.
  bool IsRightToLeft() const { return FBiDiMode != bdLeftToRight; }
  bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
  bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
  bool UseRightToLeftScrollBar() const {
    return FBiDiMode == bdRightToLeft || FBiDiMode == bdRightToLeftNoAlign;
  }
  TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);

  bool MouseInControl() const { return FMouseInControl; }

  virtual void Invalidate();
  // Invalidates and paints at once.
  void Repaint();
  // Client point to screen and back.
  POINT ClientToScreen(POINT P) const;
  POINT ScreenToClient(POINT P) const;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TContextPopupEvent OnContextPopup;

 protected:
  virtual void WndProc(TMessage& Message);
  // What a message does when no handler took it; windowed controls pass it
  // to the system's window procedure.
  virtual void DefaultHandler(TMessage& Message) {}
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void DoContextPopup(POINT MousePos, bool& Handled);
  virtual void FontChanged();
  virtual void ColorChanged() { Invalidate(); }
  virtual void TextChanged() { Invalidate(); }
  // The new BiDiMode is stored; apply it to the window and the children.
  virtual void BiDiModeChanged() { Invalidate(); }
  // The new Visible or Enabled value is stored; apply it to the window.
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  virtual std::string GetTextValue() const { return FText; }
  virtual void SetTextValue(const std::string& Value) { FText = Value; }
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // An aligned control asks its parent to place it again.
  void RequestAlign();
  // Windowed controls click through their own notifications and turn this
  // off.
  bool ClickOnMouseUp = true;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;

  friend class TWinControl;

 private:
  void FontChangedEvent(TObject*) {
    if (!FUpdatingFromParent) FParentFont = false;
    FontChanged();
  }
  void ParentFontChanged();
  void ParentColorChanged();
  void ParentBiDiModeChanged();
  void HandleMouse(TMessage& Message);

  TWinControl* FParent = nullptr;
  TAlign FAlign = alNone;
  bool FEnabled = true;
  int FColor;
  bool FParentColor = false;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  bool FUpdatingFromParent = false;
  std::string FText;
  int FCursor = crDefault;
  std::string FHint;
  bool FShowHint = false;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FParentBiDiMode = true;
  TPopupMenu* FPopupMenu = nullptr;
  bool FMouseInControl = false;
  bool FClicking = false;
};
