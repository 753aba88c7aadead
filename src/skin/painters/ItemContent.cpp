#include "skin/painters/ItemContent.h"

#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/render/SkinTextDrawing.h"
#include "toolkit/Font.h"
#include "toolkit/GdiHandle.h"

namespace {

constexpr UINT kMeasureFlags = DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK |
                               DT_END_ELLIPSIS;
constexpr UINT kDrawFlags = DT_EXPANDTABS | DT_WORDBREAK | DT_END_ELLIPSIS;

SIZE ImageSize(const RECT& Rect, int ImageIndex, HIMAGELIST Images) {
  SIZE size{0, 0};
  if (ImageIndex == -1 || !Images) return size;
  int width = 0, height = 0;
  if (!ImageList_GetIconSize(Images, &width, &height)) return size;
  if (width >= Rect.right - Rect.left) return size;
  return {width, height};
}

int Start(TAlignment Alignment, int FreeWidth) {
  int start = 3;
  if (Alignment == taCenter) start = FreeWidth / 2;
  if (Alignment == taRightJustify) start = FreeWidth - 2;
  return start < 2 ? 1 : start;
}

}  // namespace

TItemContentLayout LayoutItemContent(HDC DC, const RECT& Rect, TAlignment Alignment,
                                     const std::wstring& Text, int ImageIndex, HIMAGELIST Images,
                                     UINT TextFlags) {
  TItemContentLayout layout;
  const SIZE image = ImageSize(Rect, ImageIndex, Images);
  const int width = Rect.right - Rect.left;
  const int height = Rect.bottom - Rect.top;
  RECT measured{0, 0, width - image.cx, height};
  if (measured.right < 1) measured.right = 1;
  DrawSkinText(DC, Text, measured, kMeasureFlags | (TextFlags & DT_SINGLELINE));
  const int textWidth = measured.right - measured.left;
  const int textHeight = measured.bottom - measured.top;
  const int x = Rect.left + Start(Alignment, width - image.cx - textWidth);
  if (image.cx > 0) {
    const int y = Rect.top + (height - image.cy) / 2;
    layout.Image = {x, y, x + image.cx, y + image.cy};
  }
  const int textTop = Rect.top + (height - textHeight) / 2;
  layout.Text = {x + image.cx, textTop, x + image.cx + textWidth, textTop + textHeight};
  return layout;
}

void DrawItemContent(HDC DC, const RECT& Rect, TAlignment Alignment, const std::wstring& Text,
                     int ImageIndex, HIMAGELIST Images, UINT TextFlags) {
  if (Text.empty() || !DC) return;
  const TItemContentLayout layout =
      LayoutItemContent(DC, Rect, Alignment, Text, ImageIndex, Images, TextFlags);
  if (!IsRectEmpty(&layout.Image))
    ImageList_Draw(Images, ImageIndex, DC, layout.Image.left, layout.Image.top, ILD_TRANSPARENT);
  RECT text{};
  IntersectRect(&text, &layout.Text, &Rect);
  if (IsRectEmpty(&text)) return;
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, Rect.left, Rect.top, Rect.right, Rect.bottom);
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  RECT box = layout.Text;
  // The measured box may be cut by the item; the ellipsis then shows it.
  if (box.right > Rect.right) box.right = Rect.right;
  DrawSkinText(DC, Text, box, kDrawFlags | TextFlags);
  SetBkMode(DC, oldMode);
  RestoreDC(DC, saved);
}

HFONT ItemFont(const TControl* Control, HWND Window) {
  if (auto* font = dynamic_cast<TFont*>(GetObjectPropByName(Control, "Font"))) return font->Handle();
  HFONT font = Window ? reinterpret_cast<HFONT>(SendMessageA(Window, WM_GETFONT, 0, 0)) : nullptr;
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

COLORREF ItemTextColour(const TControl* Control, const TSkinData* Data, bool Enabled) {
  if (!Enabled) return GetSysColor(COLOR_BTNSHADOW);
  // The font's default colour is a system colour; only one given to the
  // control wins over the skin's.
  if (auto* font = dynamic_cast<TFont*>(GetObjectPropByName(Control, "Font")))
    if (font->GetColor() >= 0) return ColorToRGB(font->GetColor());
  return Data ? ColorToRGB(Data->Skin().Colours.ButtonText) : GetSysColor(COLOR_BTNTEXT);
}
