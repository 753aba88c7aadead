#include "skin/frame/MenuBarButton.h"

#include "skin/frame/FormSkinner.h"
#include "skin/frame/MenuBar.h"
#include "skin/render/MenuBarDrawing.h"
#include "toolkit/Bitmap.h"

TMenuBtn::TMenuBtn(TWinSkinForm& Owner, TWinSkinMenu& Bar) : TNCObject(Owner), FBar(Bar) {}

// The item's part of the bar as last painted, with the hover or pressed
// frame over it, straight onto the window.
void TMenuBtn::Paint() {
  const int w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
  const TPixelBuffer& bar = FBar.BarBitmap();
  if (w <= 0 || h <= 0 || bar.Empty()) return;
  const RECT barRect = FBar.BarRect();
  TBitmap bitmap;
  bitmap.Assign(bar.Copy({Rect.left - barRect.left, Rect.top - barRect.top,
                          Rect.right - barRect.left, Rect.bottom - barRect.top}));
  TBarItemDrawing drawing(bitmap, SkinData);
  if (!drawing.DC()) return;
  const RECT local{0, 0, w, h};
  if (State == osPressed || State == osHot) drawing.DrawHotFrame(local);
  drawing.DrawCaption(local, Caption, ItemEnabled);
  HWND window = Owner().Handle();
  if (HDC dc = GetWindowDC(window)) {
    BitBlt(dc, Rect.left, Rect.top, w, h, drawing.DC(), 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
  }
}
