#include "skin/frame/FramePainter.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "skin/engine/SkinData.h"
#include "skin/engine/WindowText.h"
#include "skin/frame/FormSkinner.h"
#include "skin/frame/TitleButtons.h"
#include "skin/imaging/FrameGeometry.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/imaging/SkinSystem.h"
#include "skin/render/DeviceDrawing.h"
#include "skin/render/SkinTextDrawing.h"
#include "toolkit/GdiHandle.h"

namespace {

// A top-down 32-bit DIB section selected into a memory DC.
class TTitleBitmap {
 public:
  TTitleBitmap(HDC Compatible, int Width, int Height) : FDC(CreateCompatibleDC(Compatible)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    FBitmap.Reset(CreateDIBSection(Compatible, &info, DIB_RGB_COLORS, &FBits, nullptr, 0));
    if (FDC && FBitmap && FBits) FOld = SelectObject(FDC.Get(), FBitmap.Get());
  }
  ~TTitleBitmap() {
    if (FOld) SelectObject(FDC.Get(), FOld);
  }
  TTitleBitmap(const TTitleBitmap&) = delete;
  TTitleBitmap& operator=(const TTitleBitmap&) = delete;

  HDC DC() const { return FOld ? FDC.Get() : nullptr; }
  void* Bits() const { return FBits; }

 private:
  TDCHandle FDC;
  TBitmapHandle FBitmap;
  void* FBits = nullptr;
  HGDIOBJ FOld = nullptr;
};

void CopyPixels(void* Bits, const TPixelBuffer& Pixels) {
  GdiFlush();
  std::memcpy(Bits, Pixels.Data(),
              static_cast<size_t>(Pixels.Width()) * static_cast<size_t>(Pixels.Height()) * 4);
}

}  // namespace

bool TFramePainter::CanPaint() const {
  if (!F.FSkinData || !F.FSkinData->SkinLoaded()) return false;
  if (F.FSkinState != TWinSkinForm::ssActive && F.FSkinState != TWinSkinForm::ssReapplying)
    return false;
  if (F.FBorderKind == TWinSkinForm::bkNone) return false;
  return !(F.FFormKind == TWinSkinForm::fkMDIChild && F.FWindowState == TWinSkinForm::wsMaximised);
}

void TFramePainter::PaintNonClient(HDC DC) {
  if (!CanPaint()) return;
  HDC dc = DC ? DC : GetWindowDC(F.FHandle);
  if (!dc) return;
  try {
    PaintFrame(dc);
  } catch (...) {
    // A frame that cannot be drawn is left as it is.
  }
  if (!DC) ReleaseDC(F.FHandle, dc);
}

void TFramePainter::PaintFrame(HDC DC) {
  if (!GetWindowRect(F.FHandle, &F.FWindowRect)) return;
  W = F.FWindowRect.right - F.FWindowRect.left;
  H = F.FWindowRect.bottom - F.FWindowRect.top;
  F.FWindowWidth = W;
  F.FWindowHeight = H;
  TPixelBuffer left, right;
  if (F.FWindowState != TWinSkinForm::wsMinimised) {
    PaintBorderPiece(bsLeftBorder, {0, 0, F.FLeftWidth, H}, DC, &left);
    PaintBorderPiece(bsRightBorder, {W - F.FRightWidth, 0, W, H}, DC, &right);
    PaintBorderPiece(bsBottomBorder, {F.FLeftWidth, H - F.FBottomHeight, W - F.FRightWidth, H}, DC,
                     nullptr);
  }
  PaintTitleBar(DC, left, right);
  FillMenuBand(DC);
  // The buttons were just drawn in their normal state.
  F.DropHotObject();
}

void TFramePainter::PaintBorderPiece(int Index, const RECT& Rect, HDC DC, TPixelBuffer* Keep) {
  const int w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
  if (w <= 0 || h <= 0) return;
  const auto side = static_cast<TBorderSide>(Index);
  TPixelBuffer piece =
      BuildBorderPiece(BorderElement(F.FSkinData->Skin(), side), side, w, h, F.FActive != 0);
  DrawPixelBuffer(DC, Rect.left, Rect.top, piece);
  if (Keep) *Keep = std::move(piece);
}

void TFramePainter::PaintTitleBar(HDC DC, const TPixelBuffer& Left, const TPixelBuffer& Right) {
  const TParsedSkin& skin = F.FSkinData->Skin();
  const bool minimised = F.FWindowState == TWinSkinForm::wsMinimised;
  const int bh = minimised ? H : F.FTitleHeight;
  if (W <= 0 || bh <= 0) return;
  TPixelBuffer pixels;
  RECT title;
  if (minimised) {
    pixels.SetSize(W, bh, PixelFromColor(ResolveColor(skin.Colours.ButtonFace)));
    title = {0, 0, W, F.FTitleHeight};
  } else {
    // What the borders just drew at the title's height, as the window shows it.
    pixels.SetSize(W, bh);
    pixels.CopyFrom(Left, {0, 0, Left.Width(), bh}, 0, 0);
    pixels.CopyFrom(Right, {0, 0, Right.Width(), bh}, W - F.FRightWidth, 0);
    title = {F.FLeftWidth, 0, W - F.FRightWidth, F.FTitleHeight};
  }
  const int tw = title.right - title.left, th = title.bottom - title.top;
  if (tw > 0 && th > 0) {
    const TPixelBuffer top = BuildBorderPiece(*skin.FrameTop, bsTopBorder, tw, th, F.FActive != 0);
    pixels.CopyFrom(top, top.Bounds(), title.left, title.top);
  }
  TTitleBitmap bitmap(DC, W, bh);
  if (!bitmap.DC()) return;
  TTitleButtons& buttons = *F.FTitleButtons;
  buttons.UpdateVisibility();
  DrawTitleText(bitmap.DC(), pixels, bitmap.Bits(), title);
  KeepTitleBackground(bitmap.Bits(), bh);
  buttons.Layout();
  buttons.DrawTitle(bitmap.DC(), F.FActive != 0);
  BitBlt(DC, 0, 0, W, bh, bitmap.DC(), 0, 0, SRCCOPY);
  SetBkMode(DC, OPAQUE);
}

// A button repainting itself alone restores what lies behind it from here.
void TFramePainter::KeepTitleBackground(const void* Bits, int Height) {
  GdiFlush();
  TPixelBuffer& kept = F.FTitleBackground;
  if (kept.Width() != W || kept.Height() != Height) kept.SetSize(W, Height);
  std::memcpy(kept.Data(), Bits, static_cast<size_t>(W) * static_cast<size_t>(Height) * 4);
}

void TFramePainter::DrawTitleText(HDC DC, TPixelBuffer& Pixels, void* Bits, const RECT& Title) {
  const TDataSkinTitle& element = *F.FSkinData->Skin().Title;
  const TSkinColours& colours = F.FSkinData->Skin().Colours;
  const std::wstring text = F.FCaptionPrefix + ReadCaptionText(F.FHandle) + F.FCaptionSuffix;
  F.FButtonReserve = F.FTitleButtons->Reserve();
  HGDIOBJ oldFont = SelectObject(DC, F.FCaptionFont.Get());
  const TColor colour =
      ResolveColor(F.FActive ? colours.TitleTextActive : colours.TitleTextNoActive);
  SetTextColor(DC, static_cast<COLORREF>(colour & 0xFFFFFF));
  const int oldMode = SetBkMode(DC, TRANSPARENT);

  RECT measured = Title;
  DrawSkinText(DC, text, measured, DT_CALCRECT | DT_NOCLIP);
  TCaptionLayout layout;
  layout.Title = {Title.left, Title.top, Title.right, Title.bottom};
  layout.TextWidth = measured.right - measured.left;
  layout.TextHeight = measured.bottom - measured.top;
  layout.Alignment = element.TextAlignment;
  layout.TextShift = element.Margins.Left;
  layout.TextShiftVert = element.Margins.Top;
  layout.TextRightClip = element.Margins.Right;
  layout.BackLeft = element.TXTBackleft;
  layout.BackRight = element.TXTBackRight;
  layout.ButtonReserve = F.FButtonReserve;
  layout.RightToLeft = F.FRightToLeft;
  layout.Popup = (GetWindowLongA(F.FHandle, GWL_STYLE) & WS_POPUP) != 0;
  layout.DialogFrame = F.FBorderKind == TWinSkinForm::bkDialog;
  const TRect placed = PlaceCaption(layout);
  F.FTitleTextRect = {placed.Left, placed.Top, placed.Right, placed.Bottom};

  if (!element.Image.Empty())
    DrawHorzThreeSlice(Pixels, {placed.Left, Title.top, placed.Right, Title.bottom}, element.Image,
                       true, element.Trans != 0, 2, F.FActive ? 1 : 2,
                       {element.TXTBackleft, 0, element.TXTBackRight, 0});
  CopyPixels(Bits, Pixels);

  RECT textRect{placed.Left + element.TXTBackleft, placed.Top, placed.Right - element.TXTBackRight,
                placed.Bottom};
  const UINT flags = F.FRightToLeft
                         ? DT_RTLREADING | DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_RIGHT
                         : DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE;
  if (textRect.right > textRect.left) DrawSkinText(DC, text, textRect, flags);
  SetBkMode(DC, oldMode);
  SelectObject(DC, oldFont);
}

void TFramePainter::FillMenuBand(HDC DC) {
  if (F.FMenuBarHeight <= 0 || F.FWindowState == TWinSkinForm::wsMinimised) return;
  // The skinned menu bar paints this band once it exists.
  RECT band{F.FLeftWidth, F.FTitleHeight, W - F.FRightWidth, F.FTitleHeight + F.FMenuBarHeight};
  TBrushHandle face(CreateSolidBrush(
      static_cast<COLORREF>(ResolveColor(F.FSkinData->Skin().Colours.ButtonFace) & 0xFFFFFF)));
  FillRect(DC, &band, face.Get());
  // The buttons of a maximised MDI child stand at the band's right end.
  F.FTitleButtons->DrawInMenuBar(DC, 0, 0);
}
