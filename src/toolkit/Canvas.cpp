#include "toolkit/Canvas.h"

#include "toolkit/Bitmap.h"

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()),
      FBrush(std::make_unique<TBrush>()),
      FPen(std::make_unique<TPen>()) {
  FFont->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
  FBrush->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
  FPen->OnChange = TNotifyEvent(this, &TCanvas::ObjectChanged);
}

TCanvas::~TCanvas() {
  DeselectAll();
}

void TCanvas::SetHandle(HDC Value) {
  if (Value == FHandle) return;
  DeselectAll();
  FHandle = Value;
}

void TCanvas::RequireHandle() {
  if (!FHandle) CreateHandle();
}

void TCanvas::DeselectAll() {
  if (!FHandle) return;
  if (FOldFont) SelectObject(FHandle, FOldFont);
  if (FOldBrush) SelectObject(FHandle, FOldBrush);
  if (FOldPen) SelectObject(FHandle, FOldPen);
  FOldFont = FOldBrush = FOldPen = nullptr;
}

// A changed object's GDI handle is about to be deleted: it must not stay
// selected.
void TCanvas::ObjectChanged(TObject* Sender) {
  if (!FHandle) return;
  if (Sender == FFont.get() && FOldFont) {
    SelectObject(FHandle, FOldFont);
    FOldFont = nullptr;
  } else if (Sender == FBrush.get() && FOldBrush) {
    SelectObject(FHandle, FOldBrush);
    FOldBrush = nullptr;
  } else if (Sender == FPen.get() && FOldPen) {
    SelectObject(FHandle, FOldPen);
    FOldPen = nullptr;
  }
}

void TCanvas::RequireFont() {
  RequireHandle();
  HGDIOBJ old = SelectObject(FHandle, FFont->Handle());
  if (!FOldFont) FOldFont = old;
  SetTextColor(FHandle, ColorToRGB(FFont->GetColor()));
}

void TCanvas::RequireBrush() {
  RequireHandle();
  HGDIOBJ old = SelectObject(FHandle, FBrush->Handle());
  if (!FOldBrush) FOldBrush = old;
  if (FBrush->GetStyle() == bsClear) {
    SetBkMode(FHandle, TRANSPARENT);
  } else {
    SetBkMode(FHandle, OPAQUE);
    SetBkColor(FHandle, ColorToRGB(FBrush->GetColor()));
  }
}

void TCanvas::RequirePen() {
  RequireHandle();
  HGDIOBJ old = SelectObject(FHandle, FPen->Handle());
  if (!FOldPen) FOldPen = old;
}

void TCanvas::FillRect(const RECT& R) {
  RequireBrush();
  ::FillRect(FHandle, &R, FBrush->Handle());
}

void TCanvas::FrameRect(const RECT& R) {
  RequireBrush();
  ::FrameRect(FHandle, &R, FBrush->Handle());
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  RequirePen();
  RequireBrush();
  ::Rectangle(FHandle, X1, Y1, X2, Y2);
}

void TCanvas::MoveTo(int X, int Y) {
  RequireHandle();
  MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
  RequirePen();
  ::LineTo(FHandle, X, Y);
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
  RequireFont();
  RequireBrush();
  ::TextOutA(FHandle, X, Y, Text.data(), static_cast<int>(Text.size()));
}

void TCanvas::TextRect(const RECT& R, int X, int Y, const std::string& Text) {
  RequireFont();
  RequireBrush();
  UINT options = ETO_CLIPPED;
  if (FBrush->GetStyle() != bsClear) options |= ETO_OPAQUE;
  ExtTextOutA(FHandle, X, Y, options, &R, Text.data(), static_cast<UINT>(Text.size()), nullptr);
}

SIZE TCanvas::TextExtent(const std::string& Text) {
  RequireFont();
  SIZE size{};
  GetTextExtentPoint32A(FHandle, Text.data(), static_cast<int>(Text.size()), &size);
  return size;
}

void TCanvas::DrawFocusRect(const RECT& R) {
  RequireHandle();
  ::DrawFocusRect(FHandle, &R);
}

void TCanvas::Draw(int X, int Y, TBitmap& Bitmap) {
  RequireHandle();
  if (Bitmap.Empty()) return;
  TCanvas& source = Bitmap.Canvas();
  source.RequireHandle();  // a bitmap not drawn on yet has no DC
  BitBlt(FHandle, X, Y, Bitmap.Width(), Bitmap.Height(), source.FHandle, 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const RECT& Dest, TBitmap& Bitmap) {
  RequireHandle();
  if (Bitmap.Empty()) return;
  TCanvas& source = Bitmap.Canvas();
  source.RequireHandle();
  SetStretchBltMode(FHandle, COLORONCOLOR);
  StretchBlt(FHandle, Dest.left, Dest.top, Dest.right - Dest.left, Dest.bottom - Dest.top,
             source.FHandle, 0, 0, Bitmap.Width(), Bitmap.Height(), SRCCOPY);
}

void TCanvas::CopyRect(const RECT& Dest, TCanvas& Source, const RECT& SourceRect) {
  RequireHandle();
  Source.RequireHandle();
  SetStretchBltMode(FHandle, COLORONCOLOR);
  StretchBlt(FHandle, Dest.left, Dest.top, Dest.right - Dest.left, Dest.bottom - Dest.top,
             Source.FHandle, SourceRect.left, SourceRect.top, SourceRect.right - SourceRect.left,
             SourceRect.bottom - SourceRect.top, SRCCOPY);
}

COLORREF TCanvas::GetPixel(int X, int Y) {
  RequireHandle();
  return ::GetPixel(FHandle, X, Y);
}

void TCanvas::SetPixel(int X, int Y, int Color) {
  RequireHandle();
  ::SetPixel(FHandle, X, Y, ColorToRGB(Color));
}
