#include "skin/painters/SkinMenuButton.h"

#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/render/SkinTextDrawing.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinMenuButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinMenuButton>("TSkinMenuButton", &TSkinButton::StaticClass()).Info();
  return info;
}

void TSkinMenuButton::DrawDropDownMark(HDC Face, int Width, int Height) const {
  const COLORREF colour = !FEnabled     ? GetSysColor(COLOR_BTNSHADOW)
                          : FSkinData   ? ColorToRGB(FSkinData->Skin().Colours.WindowText)
                                        : GetSysColor(COLOR_WINDOWTEXT);
  const POINT mark[3] = {{Width - 12, Height / 2 + 2},
                         {Width - 15, Height / 2 - 1},
                         {Width - 9, Height / 2 - 1}};
  TBrushHandle brush(CreateSolidBrush(colour));
  TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
  HGDIOBJ oldBrush = SelectObject(Face, brush.Get());
  HGDIOBJ oldPen = SelectObject(Face, pen.Get());
  Polygon(Face, mark, 3);
  SelectObject(Face, oldPen);
  SelectObject(Face, oldBrush);
}

void TSkinMenuButton::Paint(HDC DC, const RECT& Rect) {
  if (!ButtonElement()) return;
  ReadWindowState();
  FCaption = FControl ? GetTextPropByName(FControl, "Caption") : ReadWindowText(FHandle);
  FCaption = ReplaceFirst(FCaption, L"||", L"\r\n");
  const int frame = FaceFrame();
  HDC face = PrepareFace(Rect, frame);
  if (!face) return;
  const int width = FFaceBitmap.Width(), height = FFaceBitmap.Height();
  HGDIOBJ oldFont = SelectCaptionFont(face, frame);
  // Measured as a glyph button measures its caption, then centred in the
  // width left of the mark.
  RECT box{2, 2, std::max(width - kMarkWidth - 2, 2), height - 2};
  if (!FCaption.empty()) DrawSkinText(face, FCaption, box, DT_CALCRECT | DT_WORDBREAK);
  const int textWidth = FCaption.empty() ? 0 : box.right - box.left;
  const int textHeight = FCaption.empty() ? 0 : box.bottom - box.top;
  const int room = std::max(width - kMarkWidth, 0);
  box.left = (room - textWidth) / 2;
  box.right = box.left + textWidth;
  box.top = (height - textHeight) / 2;
  box.bottom = box.top + textHeight;
  SetBkMode(face, TRANSPARENT);
  if (!FCaption.empty()) {
    RECT drawn = box;
    DrawSkinText(face, FCaption, drawn, TextFlags(DT_WORDBREAK | DT_CENTER));
  }
  if (WantsFocusRect()) {
    RECT focus = FCaption.empty() ? RECT{3, 3, width - 3, height - 3} : box;
    if (!FCaption.empty()) InflateRect(&focus, 2, 2);
    DrawFocusRect(face, &focus);
  }
  DrawDropDownMark(face, width, height);
  SelectObject(face, oldFont);
  FFaceBitmap.CopyTo(DC, Rect.left, Rect.top);
}
