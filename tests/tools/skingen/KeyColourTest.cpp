// Transparency: where the key colour may appear, where it must not, and the
// window outline the borders' key colour gives (the engine makes the window
// region from the rendered border pieces).
#include <gtest/gtest.h>

#include <filesystem>

#include "SkinFiles.h"
#include "Slicer.h"

using SkinFiles::TIni;

namespace {

TPixmap Load(const TIni& ini, const std::string& section, const std::string& key) {
  return SkinFiles::ReadImage(SkinFiles::SkinDir() / ini.String(section, key));
}

bool HasKey(const TPixmap& p) {
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x)
      if (p.At(x, y) == kKeyColor) return true;
  return false;
}

TEST(KeyColour, NoPixelIsCloseEnoughToTheKeyToBeTakenForIt) {
  // The region builder treats red 255, green 0 or 1, blue 255 as transparent.
  for (const auto& entry : std::filesystem::directory_iterator(SkinFiles::SkinDir())) {
    if (entry.path().extension() != ".bmp") continue;
    TPixmap p = SkinFiles::ReadImage(entry.path());
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x) {
        TColor c = p.At(x, y);
        bool nearKey = (c >> 16) == 0xFF && ((c >> 8) & 0xFF) <= 1 && (c & 0xFF) == 0xFF;
        if (nearKey) {
          ASSERT_EQ(c, kKeyColor) << entry.path().filename() << " at " << x << "," << y;
        }
      }
  }
}

TEST(KeyColour, ElementsDrawnOpaqueCarryNoKey) {
  TIni ini = SkinFiles::LoadDefinition();
  for (const std::string& section : ini.Sections()) {
    std::string image = ini.String(section, "Image");
    // The child-window buttons are always drawn with the key left out.
    if (image.empty() || ini.Integer(section, "Trans", 0) != 0 || section == "MDICONTROLS")
      continue;
    EXPECT_FALSE(HasKey(Load(ini, section, "Image"))) << section;
  }
  EXPECT_FALSE(HasKey(Load(ini, "Personality", "menuBar")));
  EXPECT_FALSE(HasKey(Load(ini, "Personality", "TextBack")));
  if (ini.Integer("Personality", "BottomTrans", 1) == 0) {
    EXPECT_FALSE(HasKey(Load(ini, "Personality", "Bottom")));
  }
  // Scroll-bar grips (frames 17 to 22) may be drawn with or without key.
  TPixmap buttons = Load(ini, "Scrollbar", "Image");
  for (int k = 17; k <= 22; ++k)
    EXPECT_FALSE(HasKey(Slicer::CutFrame(buttons, false, 23, k))) << "grip frame " << k;
}

// The window's outline as the engine builds it: every border piece rendered
// at its place in a width x height window, key pixels left out.
TPixmap WindowShape(const TIni& ini, int frame, int width, int height) {
  const std::string P = "Personality";
  auto piece = [&](const char* side, bool vertical) {
    return Slicer::CutFrame(Load(ini, P, side), vertical,
                            ini.Integer(P, std::string(side) + "Frame", 1), frame);
  };
  TPixmap left = piece("Left", false), top = piece("Top", true), bottom = piece("Bottom", true);
  const int b = left.Width(), t = top.Height(), bh = bottom.Height();
  TPixmap window(width, height, 0x000000);
  auto sides = [&](const char* s) {
    return TMargins{0, ini.Integer(P, std::string(s) + "TopHeight", 0), 0,
                    ini.Integer(P, std::string(s) + "BotHeight", 0)};
  };
  window.Draw(Slicer::Sliced(left, b, height, sides("Left")), 0, 0);
  window.Draw(Slicer::Sliced(piece("Right", false), b, height, sides("Right")), width - b, 0);
  window.Draw(
      Slicer::Sliced(top, width - 2 * b, t,
                     {ini.Integer(P, "TopTopHeight", 0), 0, ini.Integer(P, "TopBotHeight", 0), 0}),
      b, 0);
  window.Draw(Slicer::Sliced(bottom, width - 2 * b, bh,
                             {ini.Integer(P, "BottomTopHeight", 0), 0,
                              ini.Integer(P, "BottomBotHeight", 0), 0}),
              b, height - bh);
  return window;
}

TEST(KeyColour, OnlyTheTopCornersAreCutAndTheyAreRound) {
  TIni ini = SkinFiles::LoadDefinition();
  for (int frame : {1, 2}) {
    SCOPED_TRACE(frame == 1 ? "active" : "inactive");
    const int w = 300, h = 200;
    TPixmap shape = WindowShape(ini, frame, w, h);
    int previousRun = w, y = 0;
    for (; y < h; ++y) {
      int run = 0;
      while (run < w && shape.At(run, y) == kKeyColor) ++run;
      int keys = 0;
      for (int x = 0; x < w; ++x) keys += shape.At(x, y) == kKeyColor;
      // Each row is cut only at its two ends, symmetrically, and never more
      // than the row above: a convex rounded corner.
      EXPECT_EQ(keys, 2 * run) << "row " << y;
      for (int x = 0; x < run; ++x) EXPECT_EQ(shape.At(w - 1 - x, y), kKeyColor) << "row " << y;
      EXPECT_LE(run, previousRun) << "row " << y;
      previousRun = run;
      if (y == 0) {
        EXPECT_GE(run, 3) << "the corner is rounded";
      }
      if (run == 0) break;
    }
    EXPECT_EQ(previousRun, 0);
    EXPECT_LT(y, ini.Integer("Personality", "LeftTopHeight", 0)) << "cut reaches below the title";
    for (; y < h; ++y)
      for (int x = 0; x < w; ++x) ASSERT_NE(shape.At(x, y), kKeyColor) << x << "," << y;
    EXPECT_NE(shape.At(0, h - 1), kKeyColor) << "bottom corners stay square";
  }
}

}  // namespace
