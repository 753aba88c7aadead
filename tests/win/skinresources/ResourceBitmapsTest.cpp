// The skin engine's own bitmaps are linked into the program under the names
// it loads them by.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

struct TLoadedBitmap {
  explicit TLoadedBitmap(const char* name)
      : Handle(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0,
                                               LR_CREATEDIBSECTION))) {}
  ~TLoadedBitmap() {
    if (Handle) DeleteObject(Handle);
  }
  TLoadedBitmap(const TLoadedBitmap&) = delete;
  TLoadedBitmap& operator=(const TLoadedBitmap&) = delete;

  SIZE Size() const {
    BITMAP info{};
    GetObjectA(Handle, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
  }
  COLORREF Pixel(int x, int y) const {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Handle);
    COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
  }

  HBITMAP Handle;
};

TEST(SkinResourceBitmaps, TrackAndMenuImagesHaveTheirSizes) {
  struct {
    const char* Name;
    int Width, Height;
  } const expected[] = {{"TRACK", 16, 4}, {"TRACKVERT", 4, 16}, {"TESSERAMENU", 64, 16}};
  for (const auto& e : expected) {
    TLoadedBitmap bitmap(e.Name);
    ASSERT_NE(bitmap.Handle, nullptr) << e.Name;
    EXPECT_EQ(bitmap.Size().cx, e.Width) << e.Name;
    EXPECT_EQ(bitmap.Size().cy, e.Height) << e.Name;
  }
  EXPECT_EQ(TLoadedBitmap("TESSERAMENU").Pixel(0, 0), RGB(255, 255, 255));
}

TEST(SkinResourceBitmaps, EveryPlayerGlyphLoadsOnItsGreyBackground) {
  const char* buttons[] = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                           "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
  for (const char* prefix : {"EN", "DI", "CL"})
    for (const char* button : buttons) {
      std::string name = std::string(prefix) + "_" + button;
      TLoadedBitmap bitmap(name.c_str());
      ASSERT_NE(bitmap.Handle, nullptr) << name;
      EXPECT_EQ(bitmap.Size().cx, 16) << name;
      EXPECT_EQ(bitmap.Size().cy, 12) << name;
      EXPECT_EQ(bitmap.Pixel(0, 0), RGB(128, 128, 128)) << name;
      int marked = 0;
      for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) marked += bitmap.Pixel(x, y) != RGB(128, 128, 128);
      EXPECT_GT(marked, 12) << name << " shows no glyph";
    }
}

}  // namespace
