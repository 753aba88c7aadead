#pragma once
// A control with a window of its own, made when first needed. It holds the
// child controls (windowed and windowless, in child order) and the tab
// order of its windowed children; windowless children are painted by it
// and get their mouse messages, with enter and leave notifications, from
// it. System notifications it receives for a child are reflected to that
// child as CN_BASE + message.

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/Brush.h"
#include "toolkit/Control.h"

struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  // The system class this control's window class is made from (EDIT,
  // SysTreeView32...); empty for a plain window of the toolkit.
  std::string BaseClassName;
  UINT ClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
  FW_CLASS(TWinControl)
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  HWND Handle();
  // The handle if there is one; never creates it.
  HWND WindowHandle() const { return FHandle; }
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // Destroys the window and makes it again (style changes).
  void RecreateWnd();
  // True while this control's window, or that of a parent, is being
  // destroyed to be made again: what the window holds is to be kept.
  bool Recreating() const;
  // Destroys the window (and with it the children's windows); the control
  // stays and makes a new one when next needed.
  void DestroyHandle();

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(Index); }
  // Windowed children in tab order.
  const std::vector<TWinControl*>& TabList() const { return FTabList; }
  // The windowless child at a client point (enabled or not), or null.
  TControl* ControlAtPos(POINT P) const;

  int GetTabOrder() const;
  void SetTabOrder(int Value);
  bool GetTabStop() const { return FTabStop; }
  void SetTabStop(bool Value);

  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // Next (or previous) tab stop after Current among the descendants; null
  // when there is none.
  TWinControl* FindNextControl(TWinControl* Current, bool Forward) const;
  void SelectNext(TWinControl* Current, bool Forward);

  // Places the visible aligned children: top and bottom ones first, in
  // child order, then left and right ones, then the client ones over the
  // rest. Runs when the client area changes size and when an aligned
  // child comes, goes or changes its alignment; not while loading.
  void AlignControls();

  void Invalidate() override;
  void SetBounds(int Left, int Top, int Width, int Height) override;
  void Loaded() override;

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

  // Paints the windowless children into DC (in client coordinates); also
  // for whoever paints the window in its place (a skin painter).
  void PaintControls(HDC DC);
  // True for a system class that draws its windowless children itself (a
  // tool bar its buttons); the others get them painted over their own
  // drawing.
  virtual bool DrawsItsOwnControls() const { return false; }

 protected:
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // Makes and destroys the window itself (MDI children go through their
  // client window).
  virtual HWND CreateWindowHandle(const TCreateParams& Params, const std::string& ClassName);
  virtual void DestroyWindowHandle();
  // Creates the windows of the windowed children.
  void CreateChildHandles();
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyUp(WORD& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  // Paints the window itself in WM_PAINT (toolkit windows only).
  virtual void PaintWindow(HDC DC) {}
  void VisibleChanged() override;
  void EnabledChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  void TextChanged() override;
  void BiDiModeChanged() override;
  // The extended style bits that carry BiDiMode: right-to-left reading,
  // right alignment, the scroll bar at the left.
  DWORD BiDiExStyle() const;
  std::string GetTextValue() const override;
  void SetTextValue(const std::string& Value) override;
  TBrush& Brush() { return FBrush; }
  bool IsToolkitClass() const { return FDefWndProc == DefWindowProcA; }

  static LRESULT CALLBACK StaticWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

 private:
  friend class TControl;
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
  void UpdateTabOrder(TWinControl* Control, int Value);
  void SortTabListByWantedOrder();
  bool ReflectNotification(TMessage& Message);
  bool RouteMouseToChild(TMessage& Message);
  void SetMouseControl(TControl* Control);
  void TrackLeave();
  void HandleWindowPos();
  void HandleSetCursor(TMessage& Message);
  void PaintHandler(TMessage& Message);
  bool HasGraphicChildren() const;
  void PaintNativeWithControls(TMessage& Message);

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = DefWindowProcA;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  int FTabOrder = -1;
  bool FTabStop = false;
  TBrush FBrush;
  TControl* FMouseControl = nullptr;
  TControl* FCaptureControl = nullptr;
  bool FTrackingLeave = false;
  bool FDestroyingHandle = false;
  bool FRecreating = false;
  bool FAligning = false;
};
