// Bitmaps are DIB sections whose pixels and GDI drawing are the same
// memory; canvases draw with their font, brush and pen; icons load.
#include <gtest/gtest.h>

#include "toolkit/Bitmap.h"
#include "toolkit/Icon.h"

namespace {

TEST(Bitmap, PixelsWrittenThroughScanLineAreWhatGdiSees) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    TBitmap bmp;
    bmp.SetPixelFormat(format);
    bmp.SetSize(7, 3);  // 7 * 3 bytes is not a multiple of four: rows are padded
    const int bytes = format == pf32bit ? 4 : 3;
    EXPECT_EQ(bmp.Stride(), format == pf32bit ? 28 : 24);
    DIBSECTION ds{};
    ASSERT_EQ(GetObjectA(bmp.Handle(), sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmBitsPixel, format == pf32bit ? 32 : 24);
    // Blue, green, red in memory; row 0 is the top row.
    std::uint8_t* row = bmp.ScanLine(2);
    ASSERT_NE(row, nullptr);
    row[6 * bytes + 0] = 0x30;
    row[6 * bytes + 1] = 0x20;
    row[6 * bytes + 2] = 0x10;
    EXPECT_EQ(bmp.Canvas().GetPixel(6, 2), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(bmp.Canvas().GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(bmp.ScanLine(3), nullptr);
    EXPECT_EQ(bmp.ScanLine(-1), nullptr);

    // And GDI drawing lands in the pixels.
    bmp.Canvas().Brush().SetColor(0x0000FF);  // red
    RECT r{1, 0, 3, 1};
    bmp.Canvas().FillRect(r);
    std::uint8_t* top = bmp.ScanLine(0);
    EXPECT_EQ(top[1 * bytes + 2], 0xFF);
    EXPECT_EQ(top[1 * bytes + 0], 0x00);
    EXPECT_EQ(top[3 * bytes + 2], 0x00);  // right edge exclusive
  }
}

TEST(Bitmap, ResizingAssigningAndEmptyBitmaps) {
  TBitmap empty;
  EXPECT_TRUE(empty.Empty());
  EXPECT_EQ(empty.Handle(), nullptr);
  EXPECT_EQ(empty.ScanLine(0), nullptr);
  TBitmap target;
  target.SetSize(4, 4);
  target.Canvas().Draw(0, 0, empty);  // drawing nothing is fine

  TBitmap source;
  source.SetPixelFormat(pf32bit);
  source.SetSize(5, 2);
  source.Canvas().SetPixel(4, 1, 0x00FF00);
  target.Assign(source);
  EXPECT_EQ(target.Width(), 5);
  EXPECT_EQ(target.PixelFormat(), pf32bit);
  EXPECT_EQ(target.Canvas().GetPixel(4, 1), RGB(0, 255, 0));

  // A canvas that drew before a resize draws on the new bitmap after it.
  target.SetSize(10, 10);
  target.Canvas().SetPixel(9, 9, 0xFF0000);
  EXPECT_EQ(target.ScanLine(9)[9 * 4 + 0], 0xFF);

  TBitmap copy;
  copy.SetSize(10, 10);
  copy.Canvas().Draw(0, 0, target);
  EXPECT_EQ(copy.Canvas().GetPixel(9, 9), RGB(0, 0, 255));
  RECT dest{0, 0, 2, 2}, src{8, 8, 10, 10};
  TBitmap small;
  small.SetSize(2, 2);
  small.Canvas().CopyRect(dest, target.Canvas(), src);
  EXPECT_EQ(small.Canvas().GetPixel(1, 1), RGB(0, 0, 255));
}

TEST(Canvas, FontChangesWhileSelectedAreSafeAndTakeEffect) {
  TBitmap bmp;
  bmp.SetSize(200, 50);
  TCanvas& c = bmp.Canvas();
  c.Font().SetName("Arial");
  c.Font().SetHeight(-10);
  int narrow = c.TextWidth("WWWW");
  c.Font().SetHeight(-30);  // the selected font is replaced, not deleted under the DC
  int wide = c.TextWidth("WWWW");
  EXPECT_GT(wide, narrow * 2);
  c.Font().SetStyle({fsBold});
  EXPECT_GE(c.TextWidth("WWWW"), wide);
  EXPECT_EQ(c.Font().GetSize(), 23);  // 30 px at 96 dpi, rounded
}

TEST(Icon, LoadsTheProgramIconAndFreesIt) {
  TIcon icon;
  ASSERT_TRUE(icon.LoadFromResourceId(1, 32));
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Height(), 32);
  HICON handle = icon.Handle();
  icon.SetHandle(nullptr);
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(handle, &info));  // destroyed by its owner
}

}  // namespace

namespace {

TEST(Bitmap, ConvertsToAndFromPortablePixelBuffers) {
  TPixelBuffer source(3, 2, PixelFromRgb(1, 2, 3));
  source.SetPixel(2, 1, KeyPixel);
  TBitmap bmp;
  bmp.Assign(source);
  EXPECT_EQ(bmp.PixelFormat(), pf32bit);
  EXPECT_EQ(bmp.Canvas().GetPixel(2, 1), RGB(255, 0, 255));
  EXPECT_EQ(bmp.Canvas().GetPixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(bmp.ToPixelBuffer(), source);

  TBitmap rgb;
  rgb.SetSize(3, 2);
  rgb.Canvas().Draw(0, 0, bmp);
  EXPECT_EQ(rgb.ToPixelBuffer(), source);

  // A bitmap whose canvas was never used draws as well, plain or stretched.
  TBitmap fresh, copy, doubled;
  fresh.Assign(source);
  copy.SetSize(3, 2);
  copy.Canvas().Draw(0, 0, fresh);
  EXPECT_EQ(copy.ToPixelBuffer(), source);
  TBitmap fresh2;
  fresh2.Assign(source);
  doubled.SetSize(6, 4);
  doubled.Canvas().StretchDraw({0, 0, 6, 4}, fresh2);
  EXPECT_EQ(doubled.Canvas().GetPixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(doubled.Canvas().GetPixel(5, 3), RGB(255, 0, 255));
}

}  // namespace

#include <shellapi.h>

#include "toolkit/ImageList.h"

namespace {

TEST(ImageList, SharesTheSystemListWithoutDestroyingIt) {
  SHFILEINFOA info{};
  auto system = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("c:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  ASSERT_NE(system, nullptr);
  int count = ImageList_GetImageCount(system);
  ASSERT_GT(count, 0);
  {
    TImageList list(nullptr);
    list.SetShareImages(true);
    list.SetHandle(system);
    EXPECT_EQ(list.Count(), count);
    EXPECT_EQ(list.GetWidth(), GetSystemMetrics(SM_CXSMICON));
    list.SetBkColor(0x1FFFFFFF);  // clNone
    EXPECT_EQ(ImageList_GetBkColor(system), CLR_NONE);
    TBitmap bmp;
    bmp.SetSize(16, 16);
    list.Draw(bmp.Canvas(), 0, 0, info.iIcon);
  }
  EXPECT_EQ(ImageList_GetImageCount(system), count);  // still alive

  TImageList own(nullptr);
  TIcon icon;
  ASSERT_TRUE(icon.LoadFromResourceId(1, 16));
  EXPECT_EQ(own.AddIcon(icon.Handle()), 0);
  EXPECT_EQ(own.Count(), 1);
}

}  // namespace
