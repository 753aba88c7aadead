#include "skin/frame/MenuTracking.h"

#include "skin/frame/MenuBar.h"
#include "skin/frame/MenuBarButton.h"
#include "toolkit/Menu.h"

namespace {

constexpr int kMenuFilter = 2;  // MSGF_MENU

bool IsMenuWindow(HWND Window) {
  char name[16] = {};
  return Window && GetClassNameA(Window, name, sizeof name) && lstrcmpA(name, "#32768") == 0;
}

}  // namespace

TMenuTracking& TMenuTracking::Instance() {
  static TMenuTracking tracking;
  return tracking;
}

HMENU TrackedMenu() {
  return TMenuTracking::Instance().TrackedMenu();
}

void TMenuTracking::Begin(TWinSkinMenu& Bar, int OpenIndex, HMENU SubMenu) {
  FBar = &Bar;
  FOpenIndex = OpenIndex;
  FTrackedMenu = SubMenu;
  FFocused = nullptr;
  FFocusedMenu = nullptr;
  FFocusedHasChildren = false;
  FSwitching = false;
  FSwitchTarget = -1;
  if (FHook) return;
  GetCursorPos(&FLastMouse);
  FFirstKeySent = false;
  FHook = SetWindowsHookExA(WH_MSGFILTER, &TMenuTracking::FilterHook, nullptr,
                            GetCurrentThreadId());
}

void TMenuTracking::End() {
  if (FHook) UnhookWindowsHookEx(FHook);
  FHook = nullptr;
  FBar = nullptr;
  FOpenIndex = -1;
  FTrackedMenu = nullptr;
  FFocused = nullptr;
  FFocusedMenu = nullptr;
}

LRESULT CALLBACK TMenuTracking::FilterHook(int Code, WPARAM WParam, LPARAM LParam) {
  TMenuTracking& self = Instance();
  const LRESULT next = CallNextHookEx(self.FHook, Code, WParam, LParam);
  if (next != 0 || Code != kMenuFilter || !self.FBar || !LParam) return next;
  try {
    self.OnMessage(*reinterpret_cast<MSG*>(LParam));
  } catch (...) {
    // Nothing crosses the hook; the menu goes on as the system runs it.
  }
  return 0;
}

void TMenuTracking::OnMessage(MSG& M) {
  // A right-to-left drop-down: the arrow keys go the other way.
  if ((M.message == WM_KEYDOWN || M.message == WM_KEYUP) && FocusedRightToLeft()) {
    if (M.wParam == VK_LEFT)
      M.wParam = VK_RIGHT;
    else if (M.wParam == VK_RIGHT)
      M.wParam = VK_LEFT;
  }
  if (!FFirstKeySent) {
    FFirstKeySent = true;
    // The drop-down opens with its first item selected.
    HWND menu = IsMenuWindow(M.hwnd) ? M.hwnd : FindWindowA("#32768", nullptr);
    if (menu) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  }
  switch (M.message) {
    case WM_KEYDOWN:
      OnKeyDown(M);
      break;
    case WM_SYSKEYDOWN:
      if (M.wParam == VK_MENU && FBar) FBar->SetTracking(false);
      break;
    case WM_MOUSEMOVE: {
      // Where the cursor is now: a move the system generates when a menu
      // window appears can carry the position of an earlier one.
      POINT cursor = M.pt;
      GetCursorPos(&cursor);
      if (cursor.x != FLastMouse.x || cursor.y != FLastMouse.y) {
        FLastMouse = cursor;
        if (TMenuBtn* item = FBar->ItemAtScreen(cursor)) SwitchTo(item->Index);
      }
      break;
    }
    default:
      break;
  }
}

void TMenuTracking::OnKeyDown(MSG& M) {
  switch (M.wParam) {
    case VK_RETURN:
    case VK_ESCAPE:
      FSwitching = false;
      break;
    case VK_LEFT:
      if (FocusOnTopLevel()) SwitchTo(FBar->NeighbourIndex(FOpenIndex, -1));
      break;
    case VK_RIGHT:
      if (!FFocusedMenu || !FFocusedHasChildren) SwitchTo(FBar->NeighbourIndex(FOpenIndex, +1));
      break;
    default:
      break;
  }
}

// The keyboard is on the drop-down's own items (not in one of its
// sub-menus).
bool TMenuTracking::FocusOnTopLevel() const {
  return !FFocusedMenu || FFocusedMenu == FTrackedMenu;
}

bool TMenuTracking::FocusedRightToLeft() const {
  if (FFocused) {
    const TMenu* menu = FFocused->GetParentMenu();
    if (menu) return menu->IsRightToLeft();
  }
  return FBar && FBar->RightToLeft();
}

void TMenuTracking::MenuSelected(WPARAM WParam, LPARAM LParam) {
  if (!FBar) return;
  if (HIWORD(WParam) == 0xFFFF && LParam == 0) {
    if (!FSwitching) FBar->SetTracking(false);
    return;
  }
  FSwitching = false;
  auto* menu = reinterpret_cast<HMENU>(LParam);
  const UINT flags = HIWORD(WParam);
  const UINT id = LOWORD(WParam);
  FFocusedMenu = menu;
  FFocusedHasChildren = false;
  FFocused = nullptr;
  if (flags & MF_POPUP) {
    // The identifier is the item's position; its sub-menu names it.
    HMENU sub = GetSubMenu(menu, static_cast<int>(id));
    FFocusedHasChildren = sub != nullptr;
    FFocused = FBar->FindMenuItemBySubMenu(sub);
  } else {
    FFocused = FBar->FindMenuItemByCommand(id);
  }
}

void TMenuTracking::SwitchTo(int Index) {
  if (Index < 0 || Index == FOpenIndex || FSwitchTarget == Index) return;
  FSwitching = true;
  FSwitchTarget = Index;
  EndMenu();
}
