#include "skin/render/MenuBarDrawing.h"

#include "skin/engine/SkinData.h"
#include "skin/imaging/SkinSystem.h"
#include "skin/render/MenuFont.h"
#include "toolkit/Bitmap.h"

namespace {

COLORREF Rgb(TColor Colour) {
  return static_cast<COLORREF>(ResolveColor(Colour) & 0xFFFFFF);
}

}  // namespace

TBarItemDrawing::TBarItemDrawing(TBitmap& Bitmap, const TSkinData* Data)
    : FData(Data), FDC(CreateCompatibleDC(nullptr)), FFont(CreateMenuFont()) {
  if (!FDC || !Bitmap.Handle()) return;
  FOld = SelectObject(FDC.Get(), Bitmap.Handle());
  FOldFont = SelectObject(FDC.Get(), FFont.Get());
  SetBkMode(FDC.Get(), TRANSPARENT);
}

TBarItemDrawing::~TBarItemDrawing() {
  if (!FOld) return;
  SelectObject(FDC.Get(), FOldFont);
  SelectObject(FDC.Get(), FOld);
}

void TBarItemDrawing::DrawCaption(const RECT& Rect, const std::string& Caption, bool Enabled) {
  if (!DC()) return;
  const TSkinColours* colours = FData ? &FData->Skin().Colours : nullptr;
  COLORREF colour = GetSysColor(Enabled ? COLOR_MENUTEXT : COLOR_GRAYTEXT);
  if (colours) colour = Rgb(Enabled ? colours->MenuBarText : colours->ButtonShadow);
  SetTextColor(FDC.Get(), colour);
  RECT r = Rect;
  DrawTextA(FDC.Get(), Caption.c_str(), static_cast<int>(Caption.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TBarItemDrawing::DrawHotFrame(const RECT& Rect) {
  if (!DC()) return;
  const TColor colour = FData ? FData->Skin().Colours.ButtonHilight : SystemColor(scBtnHighlight);
  TBrushHandle brush(CreateSolidBrush(Rgb(colour)));
  FrameRect(FDC.Get(), &Rect, brush.Get());
}
