#include "skinpainters/PainterSupport.h"

#include "skin/imaging/ImagePrimitives.h"
#include "toolkit/GdiHandle.h"

TPixelBuffer CaptureWindow(HWND Window) {
  RECT r{};
  GetWindowRect(Window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  TPixelBuffer result(w, h);
  if (w <= 0 || h <= 0) return result;
  HDC windowDC = GetWindowDC(Window);
  HDC memory = CreateCompatibleDC(windowDC);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, windowDC, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const TPixel*>(bits);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) result.SetPixel(x, y, pixels[y * w + x] & 0xFFFFFF);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(Window, windowDC);
  return result;
}

const TDataSkinButton& ProgramButtonElement(const TSkinData& Data) {
  return *Data.Skin().Buttons;
}

TPixelBuffer ExpectedFace(const TDataSkinButton& Element, int Width, int Height, int Frame,
                          TColor Background) {
  TPixelBuffer face(Width, Height, PixelFromColor(static_cast<TColor>(ColorToRGB(Background))));
  // COLORREF is 0x00BBGGRR, a colour value too.
  DrawSliced(face, TRect{0, 0, Width, Height}, Element.Image, false, Element.Tile != 0,
             Element.Trans != 0, Element.FrameCount, Frame, Element.Margins);
  return face;
}

double EdgeMatch(const TPixelBuffer& Actual, const TPixelBuffer& Expected, int Band) {
  int same = 0, total = 0;
  for (int y = 0; y < Expected.Height(); ++y)
    for (int x = 0; x < Expected.Width(); ++x) {
      const bool edge = x < Band || y < Band || x >= Expected.Width() - Band ||
                        y >= Expected.Height() - Band;
      if (!edge) continue;
      ++total;
      if (Actual.Pixel(x, y) == Expected.Pixel(x, y)) ++same;
    }
  return total ? static_cast<double>(same) / total : 0.0;
}

int ShownFrame(HWND Window, const TDataSkinButton& Element, TColor Background) {
  return MatchingFrame(CaptureWindow(Window), Element, Background);
}

int MatchingFrame(const TPixelBuffer& Shown, const TDataSkinButton& Element, TColor Background) {
  const TPixelBuffer& shown = Shown;
  int best = 0;
  double bestMatch = 0.98;
  for (int frame = 1; frame <= Element.FrameCount; ++frame) {
    const double match = EdgeMatch(
        shown, ExpectedFace(Element, shown.Width(), shown.Height(), frame, Background));
    if (match > bestMatch) {
      bestMatch = match;
      best = frame;
    }
  }
  return best;
}

int CountPixels(const TPixelBuffer& Image, const TRect& Area, TPixel Colour) {
  int n = 0;
  for (int y = Area.Top; y < Area.Bottom; ++y)
    for (int x = Area.Left; x < Area.Right; ++x)
      if (Image.Contains(x, y) && Image.Pixel(x, y) == Colour) ++n;
  return n;
}

POINT CentreOf(HWND Window) {
  RECT r{};
  GetWindowRect(Window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT ScreenPoint(HWND Window, int X, int Y) {
  RECT r{};
  GetWindowRect(Window, &r);
  return {r.left + X, r.top + Y};
}
