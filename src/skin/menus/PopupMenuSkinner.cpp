#include "skin/menus/PopupMenuSkinner.h"

#include <unordered_map>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/GdiHandle.h"

namespace {

// The frame of a pop-up menu window is this many pixels on every side.
constexpr int kFrame = 3;

#ifndef MN_GETHMENU
constexpr UINT MN_GETHMENU = 0x01E1;
#endif

// The menu windows taken over, by handle (menus run on the thread that
// opened them).
std::unordered_map<HWND, TWinSkinPopMenu*>& PopupSkinners() {
  thread_local std::unordered_map<HWND, TWinSkinPopMenu*> skinners;
  return skinners;
}

bool SkinningOn() {
  const TSkinManage* manager = TSkinManage::Instance();
  return manager && manager->Active();
}

bool NTFamily() {
  return (GetVersion() & 0x80000000u) == 0;
}

}  // namespace

TWinSkinPopMenu::~TWinSkinPopMenu() {
  Detach();
}

void TWinSkinPopMenu::Attach(HWND Window, TSkinData* Data, int Tag) {
  if (Attached() || !IsWindow(Window)) return;
  FHandle = Window;
  FSkinData = Data;
  FTag = Tag;
  FUnicode = IsWindowUnicode(Window) != 0;
  PopupSkinners()[Window] = this;
  const auto proc = reinterpret_cast<LONG_PTR>(&TWinSkinPopMenu::WindowProc);
  FOldWndProc = reinterpret_cast<WNDPROC>(FUnicode ? SetWindowLongPtrW(Window, GWLP_WNDPROC, proc)
                                                   : SetWindowLongPtrA(Window, GWLP_WNDPROC, proc));
  if (!FOldWndProc) PopupSkinners().erase(Window);
}

void TWinSkinPopMenu::Detach() {
  if (Attached()) {
    if (IsWindow(FHandle)) {
      const auto old = reinterpret_cast<LONG_PTR>(FOldWndProc);
      FUnicode ? SetWindowLongPtrW(FHandle, GWLP_WNDPROC, old)
               : SetWindowLongPtrA(FHandle, GWLP_WNDPROC, old);
    }
    auto it = PopupSkinners().find(FHandle);
    if (it != PopupSkinners().end() && it->second == this) PopupSkinners().erase(it);
  }
  FOldWndProc = nullptr;
  FBackground.Clear();
}

HMENU TWinSkinPopMenu::MenuHandle() {
  if (!FMenu && Attached())
    FMenu = reinterpret_cast<HMENU>(PassOn(MN_GETHMENU, 0, 0));
  return FMenu;
}

LRESULT CALLBACK TWinSkinPopMenu::WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  const auto it = PopupSkinners().find(Window);
  if (it == PopupSkinners().end())
    return IsWindowUnicode(Window) ? DefWindowProcW(Window, Msg, WParam, LParam)
                                   : DefWindowProcA(Window, Msg, WParam, LParam);
  TWinSkinPopMenu* self = it->second;
  try {
    return self->Dispatch(Msg, WParam, LParam);
  } catch (...) {
    // Nothing crosses the window procedure; the menu paints itself.
    return self->PassOn(Msg, WParam, LParam);
  }
}

LRESULT TWinSkinPopMenu::PassOn(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (!FOldWndProc) return 0;
  return FUnicode ? CallWindowProcW(FOldWndProc, FHandle, Msg, WParam, LParam)
                  : CallWindowProcA(FOldWndProc, FHandle, Msg, WParam, LParam);
}

// clang-format off
LRESULT TWinSkinPopMenu::Dispatch(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == SM_ISSKINNED) return 1;
  if (!SkinningOn()) return PassOn(Msg, WParam, LParam);
  switch (Msg) {
    case WM_DESTROY:    return OnDestroy(WParam, LParam);
    case WM_ERASEBKGND: return OnEraseBackground(WParam, LParam);
    case WM_NCPAINT:    return OnNcPaint(WParam, LParam);
    case WM_PAINT:      return OnPaint(WParam, LParam);
    case WM_PRINT:      return OnPrint(WParam, LParam);
    default:            return PassOn(Msg, WParam, LParam);
  }
}
// clang-format on

// The previous procedure is back before the system's own destruction runs.
LRESULT TWinSkinPopMenu::OnDestroy(WPARAM WParam, LPARAM LParam) {
  const HWND window = FHandle;
  const WNDPROC old = FOldWndProc;
  const bool unicode = FUnicode;
  Detach();
  return unicode ? CallWindowProcW(old, window, WM_DESTROY, WParam, LParam)
                 : CallWindowProcA(old, window, WM_DESTROY, WParam, LParam);
}

LRESULT TWinSkinPopMenu::OnEraseBackground(WPARAM WParam, LPARAM LParam) {
  if (!NTFamily()) return 0;
  if (!FSkinData || !FSkinData->GetOptions().Contains(xoMenuBG)) PassOn(WM_ERASEBKGND, WParam, LParam);
  return 1;
}

const TDataSkinObject* TWinSkinPopMenu::BackgroundElement() const {
  if (!FSkinData || !FSkinData->SkinLoaded()) return nullptr;
  const TDataSkinObject* element = FSkinData->Skin().MenuBackground.get();
  return element && !element->Image.Empty() ? element : nullptr;
}

bool TWinSkinPopMenu::BuildBackground() {
  const TDataSkinObject* element = BackgroundElement();
  RECT window;
  if (!element || !GetWindowRect(FHandle, &window)) return false;
  const int w = window.right - window.left, h = window.bottom - window.top;
  if (w <= 0 || h <= 0) return false;
  if (FBackground.Width() != w || FBackground.Height() != h)
    FBackground = BuildSlicedBitmap(w, h, element->Image, element->Margins, false,
                                    element->Tile == 1, 1, 1);
  return !FBackground.Empty();
}

void TWinSkinPopMenu::PaintFrameBands(HDC DC) const {
  const int w = FBackground.Width(), h = FBackground.Height();
  const TRect bands[] = {{0, 0, w, kFrame},
                         {0, h - kFrame, w, h},
                         {0, kFrame, kFrame, h - kFrame},
                         {w - kFrame, kFrame, w, h - kFrame}};
  for (const TRect& band : bands) {
    if (band.Right <= band.Left || band.Bottom <= band.Top) continue;
    DrawPixelBuffer(DC, band.Left, band.Top, FBackground.Copy(band));
  }
}

LRESULT TWinSkinPopMenu::OnNcPaint(WPARAM WParam, LPARAM LParam) {
  if (!BuildBackground()) return PassOn(WM_NCPAINT, WParam, LParam);
  // The DC takes its own copy of the update region (it owns what it is
  // given); 1 means the whole window.
  HDC dc = nullptr;
  if (WParam > 1) {
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    if (clip && CombineRgn(clip, reinterpret_cast<HRGN>(WParam), nullptr, RGN_COPY) != ERROR)
      dc = GetDCEx(FHandle, clip, DCX_WINDOW | DCX_INTERSECTRGN | DCX_CLIPSIBLINGS | DCX_CACHE);
    else if (clip)
      DeleteObject(clip);
  }
  if (!dc) dc = GetWindowDC(FHandle);
  if (!dc) return 0;
  PaintFrameBands(dc);
  DrawPixelBuffer(dc, 0, 0, FBackground);
  ReleaseDC(FHandle, dc);
  return 0;
}

// Some systems draw the menu's frame inside the window with its items; the
// skin's frame is drawn over it afterwards.
LRESULT TWinSkinPopMenu::OnPaint(WPARAM WParam, LPARAM LParam) {
  // The items drawn meanwhile take their background from here.
  const bool skinned = BuildBackground();
  const LRESULT result = PassOn(WM_PAINT, WParam, LParam);
  if (!skinned) return result;
  if (HDC dc = GetWindowDC(FHandle)) {
    PaintFrameBands(dc);
    ReleaseDC(FHandle, dc);
  }
  return result;
}

LRESULT TWinSkinPopMenu::OnPrint(WPARAM WParam, LPARAM LParam) {
  auto* dc = reinterpret_cast<HDC>(WParam);
  if (!dc || !BuildBackground()) return PassOn(WM_PRINT, WParam, LParam);
  const int w = FBackground.Width(), h = FBackground.Height();
  DrawPixelBuffer(dc, 0, 0, FBackground);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  TRegionHandle clip(CreateRectRgn(kFrame, kFrame, w - kFrame, h - kFrame));
  SelectClipRgn(dc, clip.Get());
  const LRESULT result = PassOn(WM_PRINT, WParam, LParam);
  SelectClipRgn(dc, nullptr);
  SetBkMode(dc, oldMode);
  return result;
}
