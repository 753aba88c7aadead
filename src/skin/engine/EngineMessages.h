#pragma once
// Every private window message of the skin engine, in one table. The
// manager, the form skinners and the painters signal each other with these;
// numbers are fixed, since skinned windows of one process exchange them.
//
// The messages from 0xBC4A on lie in the toolkit's reflected-notification
// range (CN_BASE + a system message); they always carry lParam
// kEngineMessageTag (0x41A2), which is how they are told apart.

#include <windows.h>

#include "toolkit/Messages.h"

// Skin changed: the form object re-applies the skin (to its WindowProc).
constexpr UINT SM_SKINCHANGED = 0x3401;
// Repaint the whole non-client area now.
constexpr UINT SM_REPAINTFRAME = 0x3502;
// Posted by the manager after a takeover (wParam 0, lParam 1000): activate
// the skin from the window's own message loop.
constexpr UINT SM_ACTIVATE = 0x3503;
// To a control with a painter: wParam > 0 switches skin painting on (and
// repaints), 0 or less switches it off.
constexpr UINT SM_SETPAINTING = 0x3506;
// Posted with wParam = a title button's action that the engine does not
// handle itself.
constexpr UINT SM_TITLEACTION = 0x3514;
// Asks whether a title button with a visibility value from 1000 to 2000 is
// shown (wParam visibility, lParam action); a positive answer shows it.
constexpr UINT SM_BUTTONVISIBLE = 0x3515;
// To the MDI client procedure: redraw the window in wParam with its frame
// and children.
constexpr UINT SM_REDRAWWINDOW = 0x3516;
// wParam = a child handle: replace that child's scroll-bar painter.
constexpr UINT SM_REPLACESCROLLPAINTER = 0x3517;
// Open the menu-bar item under the point in lParam.
constexpr UINT SM_OPENMENUITEM = 0x3518;
// Query: a skinned window, or a control with a painter, answers 1.
constexpr UINT SM_ISSKINNED = 0x3523;

// To an edit's painter (lParam tag): the edit paints itself into the device
// context in wParam; the answer is the tag.
constexpr UINT SM_PAINTCLIENTDC = 0xBC4A;
// To the form object's WindowProc (lParam tag): paint the frame into the
// device context in wParam; the answer is the tag.
constexpr UINT SM_PAINTFRAMEDC = 0xBC4B;
// To the form object's WindowProc: answers the tag when lParam is the tag,
// else 1.
constexpr UINT SM_QUERYSKIN = 0xBC4D;
// Sent or posted to a window when its skinning is finished (lParam tag).
constexpr UINT SM_SKINDONE = 0xBC4E;

// lParam of SM_ACTIVATE as the manager posts it.
constexpr LPARAM kActivateTag = 1000;
