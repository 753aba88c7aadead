// The program's own bitmaps: the track fallbacks, the system-menu images and
// the media-player glyphs.
#include <gtest/gtest.h>

#include "SkinFiles.h"

namespace {

TPixmap Resource(const std::string& name) {
  return SkinFiles::ReadImage(SkinFiles::ResourceDir() / name);
}

TEST(ResourceBitmaps, TracksAndMenuImagesHaveTheirFixedSizes) {
  TPixmap track = Resource("TRACK.bmp"), vert = Resource("TRACKVERT.bmp");
  EXPECT_EQ(track.Width(), 16);
  EXPECT_EQ(track.Height(), 4);
  EXPECT_EQ(vert.Width(), 4);
  EXPECT_EQ(vert.Height(), 16);
  EXPECT_EQ(vert, track.Transposed());
  // The engine draws these fallbacks without transparency.
  for (int y = 0; y < track.Height(); ++y)
    for (int x = 0; x < track.Width(); ++x) EXPECT_NE(track.At(x, y), kKeyColor);
  TPixmap menu = Resource("TESSERAMENU.bmp");
  EXPECT_EQ(menu.Width(), 64);
  EXPECT_EQ(menu.Height(), 16);
  // White is the images' mask colour: each image has a white surround and a mark.
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(menu.At(16 * i, 0), 0xFFFFFFu);
    int marked = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) marked += menu.At(16 * i + x, y) != 0xFFFFFF;
    EXPECT_GT(marked, 8) << "image " << i;
  }
}

TEST(ResourceBitmaps, PlayerGlyphsShareOneShapePerButtonOnGrey) {
  const TColor grey = 0x808080;  // the transparent colour they are drawn with
  const char* buttons[] = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                           "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
  std::vector<std::vector<bool>> shapes;
  for (const char* b : buttons) {
    std::vector<bool> first;
    for (const char* prefix : {"EN_", "DI_", "CL_"}) {
      std::string name = std::string(prefix) + b + ".bmp";
      SCOPED_TRACE(name);
      TPixmap p = Resource(name);
      ASSERT_EQ(p.Width(), 16);
      ASSERT_EQ(p.Height(), 12);
      EXPECT_EQ(p.At(0, 0), grey);
      std::vector<bool> mask;
      for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) mask.push_back(p.At(x, y) != grey);
      EXPECT_GT(std::count(mask.begin(), mask.end(), true), 12);
      if (first.empty())
        first = mask;
      else
        EXPECT_EQ(mask, first) << "differs in shape from EN_" << b;
    }
    for (const auto& other : shapes) EXPECT_NE(first, other) << b << " repeats another glyph";
    shapes.push_back(first);
  }
}

}  // namespace
