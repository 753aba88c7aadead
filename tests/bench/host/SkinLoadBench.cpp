// Time to load a complete skin (decompress, parse, build every element with
// the combo composition and tool-bar background) and to build a 1920x30 title
// strip nine-slice, natively.
//   bench_SkinLoadBench [runs] [skin file]
// Without a skin file, a generated skin with every element is loaded.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/archive/SkinArchiveBuilder.h"
#include "skin/archive/SkinReader.h"
#include "skin/definition/SkinBlobLoader.h"
#include "skin/imaging/ImagePrimitives.h"
#include "toolkit/portable/BmpEncoder.h"

namespace {

using TClock = std::chrono::steady_clock;

double Seconds(TClock::time_point Start) {
  return std::chrono::duration<double>(TClock::now() - Start).count();
}

// A strip of Frames frames, each a shaded panel with a bevel and magenta
// corners, as skin images usually are.
TPixelBuffer Strip(int FrameWidth, int Height, int Frames) {
  TPixelBuffer image(FrameWidth * Frames, Height);
  for (int f = 0; f < Frames; ++f)
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < FrameWidth; ++x) {
        const bool corner = (x < 2 || x >= FrameWidth - 2) && (y < 2 || y >= Height - 2);
        const bool edge = x == 0 || y == 0 || x == FrameWidth - 1 || y == Height - 1;
        const int shade = 120 + (y * 100) / std::max(Height, 1) + f * 12;
        image.SetPixel(f * FrameWidth + x, y,
                       corner ? KeyPixel
                       : edge ? PixelFromRgb(40, 60, 90)
                              : PixelFromRgb(shade / 2, shade * 3 / 4, std::min(shade, 255)));
      }
  return image;
}

struct TBenchImage {
  const char* Name;
  int FrameWidth, Height, Frames;
};

TBytes FullSkin() {
  const TBenchImage images[] = {
      {"top.bmp", 300, 30, 2},     {"bottom.bmp", 300, 8, 2},      {"left.bmp", 8, 200, 2},
      {"right.bmp", 8, 200, 2},    {"caption.bmp", 200, 22, 1},    {"menubar.bmp", 50, 20, 2},
      {"button.bmp", 75, 21, 5},   {"check.bmp", 13, 13, 13},      {"radio.bmp", 13, 13, 13},
      {"close.bmp", 21, 21, 6},    {"max.bmp", 21, 21, 6},         {"min.bmp", 21, 21, 6},
      {"help.bmp", 21, 21, 3},     {"mdi.bmp", 16, 14, 12},        {"progress.bmp", 40, 16, 2},
      {"chunk.bmp", 10, 16, 1},    {"gbedge.bmp", 30, 20, 2},      {"groupbox.bmp", 100, 20, 1},
      {"tabs.bmp", 60, 22, 5},     {"tabborder.bmp", 100, 100, 1}, {"status.bmp", 30, 20, 3},
      {"pane.bmp", 60, 60, 1},     {"toolbars.bmp", 30, 30, 5},    {"combo.bmp", 17, 21, 4},
      {"sunk.bmp", 40, 21, 4},     {"extra.bmp", 9, 9, 5},         {"header.bmp", 40, 20, 5},
      {"menuitem.bmp", 40, 20, 5}, {"menubg.bmp", 100, 100, 1},    {"scroll.bmp", 16, 16, 23},
      {"hscroll.bmp", 32, 16, 4},  {"vscroll.bmp", 16, 32, 4},     {"hthumb.bmp", 32, 16, 3},
      {"vthumb.bmp", 16, 32, 3},   {"thumb.bmp", 11, 21, 5},       {"updown.bmp", 16, 16, 8},
      {"glyph.bmp", 8, 8, 8},      {"track.bmp", 40, 6, 1},        {"trackv.bmp", 6, 40, 1},
  };
  const std::string text =
      "[TitlebarSkin]\r\nSkinName=Benchmark\r\n"
      "[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\nTopTopHeight=40\r\nTopBotHeight=80\r\n"
      "Bottom=bottom.bmp\r\nBottomFrame=2\r\nLeft=left.bmp\r\nLeftFrame=2\r\nRight=right.bmp\r\n"
      "RightFrame=2\r\nTextBack=caption.bmp\r\nmenuBar=menubar.bmp\r\nTextShift=30\r\n"
      "ActiveTextR=255\r\nActiveTextG=255\r\nActiveTextB=255\r\n"
      "[Colours]\r\nWindowText=0 0 0\r\nButtonFace=236, 233, 216\r\nScrollbar=212 208 200\r\n"
      "HilightText=255 255 255\r\nHilight=49 106 197\r\nMenu=255 255 255\r\nMenuText=0 0 0\r\n"
      "ButtonText=0 0 0\r\nButtonHilight=255 255 255\r\nButtonShadow=172 168 153\r\n"
      "ButtonDkShadow=113 111 100\r\nMenuBarText=0 0 0\r\nTitleTextActive=255 255 255\r\n"
      "TitleTextNoActive=216 228 248\r\n[Colour1]\r\ncolor=10 20 30\r\n[Colour2]\r\ncolor=40 50 "
      "60\r\n"
      "[Customcolors]\r\nColor0=1 2 3\r\nColor5=4 5 6\r\n"
      "[Buttons]\r\nBitmap=button.bmp\r\nCheckButton=check.bmp\r\nRadioButton=radio.bmp\r\n"
      "LeftWidth=3\r\nRightWidth=3\r\nTopHeight=3\r\nBottomHeight=3\r\nTrans=1\r\n"
      "[Button.Close]\r\nAction=1\r\nAlign=1\r\nXcoord=25\r\nYcoord=5\r\nVisibility=2\r\n"
      "ButtonImage=close.bmp\r\n[Button.Max]\r\nAction=2\r\nAlign=1\r\nXcoord=48\r\nYcoord=5\r\n"
      "ButtonImage=max.bmp\r\n[Button.Min]\r\nAction=3\r\nAlign=1\r\nXcoord=71\r\nYcoord=5\r\n"
      "ButtonImage=min.bmp\r\n[Button.Help]\r\nAction=4\r\nButtonImage=help.bmp\r\n"
      "[MDICONTROLS]\r\nImage=mdi.bmp\r\n"
      "[Progress]\r\nBitmap=progress.bmp\r\nLeftWidth=3\r\nRightWidth=3\r\n"
      "[Progress.Chunk]\r\nImage=chunk.bmp\r\nFrame=1\r\n[GroupBoxEdge]\r\nImage=gbedge.bmp\r\n"
      "[GroupBox]\r\nImage=groupbox.bmp\r\nLeftWidth=5\r\nRightWidth=5\r\n"
      "[Tabs]\r\nImage=tabs.bmp\r\nBorder=tabborder.bmp\r\nLeftWidth=4\r\nRightWidth=4\r\n"
      "TopHeight=4\r\nBottomHeight=2\r\n[StatusBarEdges]\r\nImage=status.bmp\r\n"
      "[Tab.Pane]\r\nImage=pane.bmp\r\nLeftWidth=4\r\nTopHeight=4\r\nRightWidth=4\r\n"
      "BottomHeight=4\r\n[ToolBars]\r\nImage=toolbars.bmp\r\n"
      "[ComboButton]\r\nImage=combo.bmp\r\nLeftWidth=2\r\nRightWidth=2\r\nTopHeight=2\r\n"
      "BottomHeight=2\r\n[SunkEdge]\r\nImage=sunk.bmp\r\nLeftWidth=3\r\nRightWidth=3\r\n"
      "TopHeight=3\r\nBottomHeight=3\r\nTrans=1\r\n[ExtraImages]\r\nImage=extra.bmp\r\n"
      "[Headerbar]\r\nImage=header.bmp\r\n[MenuItem]\r\nImage=menuitem.bmp\r\n"
      "[MenuBackground]\r\nImage=menubg.bmp\r\n[Scrollbar]\r\nImage=scroll.bmp\r\n"
      "[HorzScroll]\r\nImage=hscroll.bmp\r\n[VertScroll]\r\nImage=vscroll.bmp\r\n"
      "[HorzScrollThumb]\r\nImage=hthumb.bmp\r\n[VertScrollThumb]\r\nImage=vthumb.bmp\r\n"
      "[Trackbar.ThumbHorz]\r\nImage=thumb.bmp\r\n[Trackbar.ThumbVert]\r\nImage=thumb.bmp\r\n"
      "[Trackbar.ThumbLeft]\r\nImage=thumb.bmp\r\n[Trackbar.ThumbRight]\r\nImage=thumb.bmp\r\n"
      "[Trackbar.ThumbUp]\r\nImage=thumb.bmp\r\n[Trackbar.ThumbDown]\r\nImage=thumb.bmp\r\n"
      "[UpDown.Horz]\r\nImage=updown.bmp\r\nGlyphImage=glyph.bmp\r\n"
      "[UpDown.Vert]\r\nImage=updown.bmp\r\nGlyphImage=glyph.bmp\r\n"
      "[Track]\r\nImage=track.bmp\r\nFrame=1\r\n[TRACKVERT]\r\nImage=trackv.bmp\r\nFrame=1\r\n";
  TSkinArchiveBuilder builder;
  builder.Add("benchmark.ini", TBytes(text.begin(), text.end()));
  for (const TBenchImage& image : images)
    builder.Add(image.Name, BmpEncoder::Encode24(Strip(image.FrameWidth, image.Height, image.Frames)));
  return builder.BuildCompressed();
}

template <class F>
double Best(int Runs, F Body) {
  double best = 1e9;
  for (int i = 0; i < Runs; ++i) {
    const auto start = TClock::now();
    Body();
    best = std::min(best, Seconds(start));
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  TBytes blob;
  if (argc > 2) {
    std::ifstream in(argv[2], std::ios::binary);
    blob.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } else {
    blob = FullSkin();
  }
  TBytes archive;
  TSkinReader::Decompress(blob, archive);
  std::printf("skin %s: %zu bytes compressed, %zu bytes unpacked\n",
              argc > 2 ? argv[2] : "(generated, 40 files)", blob.size(), archive.size());

  double total = 0;
  double best = Best(runs, [&] {
    const auto start = TClock::now();
    TParsedSkin skin;
    if (!LoadSkinBlob(blob, skin) || !skin.ComboxArrow) std::abort();
    total += Seconds(start);
  });
  const double decompress = Best(runs, [&] { TSkinReader::Decompress(blob, archive); });
  std::printf("whole skin load (decompress, parse, build): best %.2f ms, mean %.2f ms of %d\n",
              best * 1e3, total / runs * 1e3, runs);
  std::printf("  of which decompression alone: best %.2f ms\n", decompress * 1e3);

  const TPixelBuffer title = Strip(300, 30, 2);
  const TRect margins = {40, 3, 80, 3};
  const int strips = runs * 20;
  for (bool tile : {false, true}) {
    double sum = 0;
    const double stripBest = Best(strips, [&] {
      const auto start = TClock::now();
      TPixelBuffer out = BuildSlicedBitmap(1920, 30, title, margins, false, tile, 2, 1);
      if (out.Width() != 1920) std::abort();
      sum += Seconds(start);
    });
    std::printf("BuildSlicedBitmap 1920x30, %s centre: best %.1f us, mean %.1f us of %d\n",
                tile ? "tiled" : "stretched", stripBest * 1e6, sum / strips * 1e6, strips);
  }
  return 0;
}
