#pragma once
// The toolkit's own window messages.
//
// Control notifications (CM_) are sent to a control's WindowProc by the
// toolkit itself when something about the control changes; they never
// reach the system's window procedure. Reflected notifications (CN_) carry
// a system notification that a parent received (WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLOR...) back to the child control that caused it, as
// CN_BASE + the system message, with the same parameters.
//
// The skin engine's private messages 0xBC4A..0xBC4E lie in the reflected
// range; they always carry lParam 0x41A2 and are told apart by that.

#include <windows.h>

constexpr UINT CM_BASE = 0xB000;
// The form's default button changed; buttons repaint their default frame.
constexpr UINT CM_DEFAULTCHANGED = CM_BASE + 0x05;
// A key typed while a control of the form has the focus, offered to the
// form's controls for accelerators (wParam character, lParam key data);
// non-zero Result means it was handled.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x06;
// The focused control of a form changed (lParam: the new focused control).
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x07;
// Visible changed (wParam: the new value).
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;
// Enabled changed.
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
// A navigation key (wParam: the virtual key) was pressed while a control
// had the focus; the application offers it to that control and then to
// each parent in turn. Non-zero Result means it was taken. Only Ctrl+Tab
// (with or without Shift) is offered so far.
constexpr UINT CM_DIALOGKEY = CM_BASE + 0x10;
// Font changed.
constexpr UINT CM_FONTCHANGED = CM_BASE + 0x0E;
// Colour changed.
constexpr UINT CM_COLORCHANGED = CM_BASE + 0x0F;
// The mouse entered / left the control (lParam: the control).
constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;
// The form's menu was assigned, changed or removed.
constexpr UINT CM_MENUCHANGED = CM_BASE + 0x15;
// Caption or text changed.
constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x18;
// A button-like control was clicked and changed its state (check boxes,
// radio items, speed buttons).
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 0x1B;
// The control is about to be destroyed; whoever replaced its WindowProc
// must put the saved one back now.
constexpr UINT CM_RELEASE = CM_BASE + 0x21;
// The window was destroyed and created anew (wParam: the new handle).
constexpr UINT CM_RECREATEWND = CM_BASE + 0x33;
// Posted to a form that is to be freed: a form whose WndProc answers
// kReleaseAccepted is freed once the message has been handled.
constexpr UINT CM_RELEASEFORM = CM_BASE + 0x3B;
constexpr LRESULT kReleaseAccepted = 0x52454C;
// BiDiMode changed.
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 0x3C;
// The checked state of a control changed.
constexpr UINT CM_CHECKEDCHANGED = CM_BASE + 0xD0;

// lParam of the skin engine's messages in the reflected range; a CN_NOTIFY
// with this lParam is not a notification and carries no NMHDR.
constexpr LPARAM kEngineMessageTag = 0x41A2;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;  // 0xBD11
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;

// A message as it passes through a control's WindowProc.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};
