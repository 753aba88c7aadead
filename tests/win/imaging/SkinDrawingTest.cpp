// Skin drawing on real device contexts: what reaches the device must be what
// the portable primitives compute.
#include <gtest/gtest.h>
#include <windows.h>

#include "skin/definition/SkinLoader.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/imaging/ImageTransforms.h"
#include "skin/render/DeviceDrawing.h"
#include "skin/render/SkinTextDrawing.h"
#include "skin/render/WinSkinSystem.h"

namespace {

// A 32-bit top-down DIB section selected into a memory DC; its pixels read
// back directly.
class TSurface {
 public:
  TSurface(int Width, int Height, TPixel Fill) : FWidth(Width), FHeight(Height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    FDC = CreateCompatibleDC(nullptr);
    FBitmap =
        CreateDIBSection(FDC, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&FBits), nullptr, 0);
    FOld = SelectObject(FDC, FBitmap);
    std::fill(FBits, FBits + Width * Height, Fill);
  }
  ~TSurface() {
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
  }
  HDC DC() const { return FDC; }
  TPixelBuffer Pixels() const {
    GdiFlush();
    TPixelBuffer copy(FWidth, FHeight);
    for (int i = 0; i < FWidth * FHeight; ++i) copy.Data()[i] = FBits[i] & 0xFFFFFF;
    return copy;
  }

 private:
  int FWidth, FHeight;
  HDC FDC;
  HBITMAP FBitmap;
  HGDIOBJ FOld;
  TPixel* FBits = nullptr;
};

TPixelBuffer Pattern(int Width, int Height) {
  TPixelBuffer b(Width, Height);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) b.SetPixel(x, y, PixelFromRgb(x * 7, y * 11, (x + y) * 3));
  return b;
}

}  // namespace

TEST(SkinDrawing, DeviceReceivesExactlyThePortableResult) {
  TPixelBuffer strip = Pattern(40, 12);
  for (int x = 0; x < 40; x += 3) strip.SetPixel(x, 5, KeyPixel);
  const TRect margins = {3, 2, 4, 3};
  const TRect area = {5, 4, 62, 30};
  for (bool transparent : {false, true}) {
    for (bool tile : {false, true}) {
      TSurface surface(70, 40, 0x00123456);
      TPixelBuffer expected(70, 40, 0x123456);
      DrawSliced(surface.DC(), area, strip, false, tile, transparent, 2, 2, margins);
      DrawSliced(expected, area, strip, false, tile, transparent, 2, 2, margins);
      EXPECT_EQ(surface.Pixels(), expected) << transparent << tile;
    }
  }
  TSurface surface(70, 40, 0);
  TPixelBuffer expected(70, 40, 0);
  DrawHorzThreeSlice(surface.DC(), {1, 1, 60, 10}, strip, false, true, 2, 1, margins);
  DrawHorzThreeSlice(expected, {1, 1, 60, 10}, strip, false, true, 2, 1, margins);
  DrawFrameCentered(surface.DC(), {0, 12, 70, 40}, strip, true, 4, 3);
  DrawFrameCentered(expected, {0, 12, 70, 40}, strip, true, 4, 3);
  DrawHorzStretchThree(surface.DC(), {2, 30, 68, 38}, strip, false, 2, 2, margins);
  DrawHorzStretchThree(expected, {2, 30, 68, 38}, strip, false, 2, 2, margins);
  TileBitmap(surface.DC(), {40, 0, 53, 9}, strip, {0, 0, 5, 4});
  TileBitmap(expected, {40, 0, 53, 9}, strip, {0, 0, 5, 4});
  EXPECT_EQ(surface.Pixels(), expected);
}

TEST(SkinDrawing, GradientStaysInsideTheClip) {
  TSurface surface(20, 30, 0x00FFFFFF);
  IntersectClipRect(surface.DC(), 0, 10, 5, 20);
  DrawGradient(surface.DC(), {0, 0, 20, 30}, ColorFromRgb(0, 0, 0), true, ColorFromRgb(0, 0, 29));
  const TPixelBuffer p = surface.Pixels();
  EXPECT_EQ(p.Pixel(0, 9), 0xFFFFFFu);
  EXPECT_EQ(p.Pixel(0, 10), PixelFromRgb(0, 0, 10));
  EXPECT_EQ(p.Pixel(4, 19), PixelFromRgb(0, 0, 19));
  EXPECT_EQ(p.Pixel(5, 15), 0xFFFFFFu);
  // Nothing visible: nothing drawn, no failure.
  DrawGradient(surface.DC(), {30, 30, 40, 40}, 0, false, 0);
  EXPECT_EQ(surface.Pixels(), p);
}

TEST(SkinDrawing, SkinTextIsDrawnAndMeasured) {
  TSurface surface(200, 40, 0x00FFFFFF);
  SetTextColor(surface.DC(), RGB(0, 0, 0));
  SetBkMode(surface.DC(), TRANSPARENT);
  RECT r = {0, 0, 200, 40};
  const int height =
      DrawSkinText(surface.DC(), L"Copy From \x00E9", r, DT_LEFT | DT_TOP | DT_SINGLELINE);
  EXPECT_GT(height, 5);
  const TPixelBuffer p = surface.Pixels();
  int dark = 0;
  for (int i = 0; i < 200 * 40; ++i) dark += p.Data()[i] != 0xFFFFFFu;
  EXPECT_GT(dark, 20);
  RECT measure = {0, 0, 200, 40};
  EXPECT_EQ(DrawSkinText(surface.DC(), L"Copy From \x00E9", measure, DT_CALCRECT | DT_SINGLELINE),
            height);
}

TEST(WinSkinSystem, AnswersFromTheSystemAndTheProgramsResources) {
  TWinSkinSystem system;
  EXPECT_EQ(system.SysColor(COLOR_BTNFACE), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(system.SystemMetric(SM_CXHSCROLL), GetSystemMetrics(SM_CXHSCROLL));
  TPixelBuffer track = system.BitmapResource("TRACK");
  TPixelBuffer vertical = system.BitmapResource("TRACKVERT");
  ASSERT_EQ(track.Width(), 16);
  ASSERT_EQ(track.Height(), 4);
  ASSERT_EQ(vertical.Width(), 4);
  // The vertical groove is the horizontal one turned on its diagonal.
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(vertical.Pixel(x, y), track.Pixel(y, x));
  EXPECT_TRUE(system.BitmapResource("NOSUCHBITMAP").Empty());

  // A skin without tracks falls back to them.
  TWinSkinSystem::Install();
  TParsedSkin skin;
  TQuickIni ini;
  TMemorySkinFiles files;
  TSkinLoader(skin, ini, files).Load();
  SetSkinSystem(nullptr);
  ASSERT_TRUE(skin.Track);
  EXPECT_EQ(skin.Track->Image, track);
}
