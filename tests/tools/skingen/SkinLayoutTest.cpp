// The definition text and the images agree with each other and with the way
// the engine cuts frames, slices margins and places title buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string>

#include "SkinFiles.h"

using SkinFiles::TIni;

namespace {

struct TElement {
  std::string Section, ImageKey;
  int Frames = 0;
  bool Vertical = false;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

TElement Generic(const TIni& ini, const std::string& section, int frames,
                 const std::string& imageKey = "Image") {
  return {section,
          imageKey,
          frames,
          false,
          ini.Integer(section, "LeftWidth", 0),
          ini.Integer(section, "TopHeight", 0),
          ini.Integer(section, "RightWidth", 0),
          ini.Integer(section, "BottomHeight", 0)};
}

// Every image-bearing element of the skin, with the frame count the engine
// gives it after a load.
std::vector<TElement> Elements(const TIni& ini) {
  const std::string P = "Personality";
  std::vector<TElement> e;
  for (std::string side : {"Left", "Right"})
    e.push_back({P, side, ini.Integer(P, side + "Frame", 1), false, 0,
                 ini.Integer(P, side + "TopHeight", 0), 0, ini.Integer(P, side + "BotHeight", 0)});
  for (std::string side : {"Top", "Bottom"})
    e.push_back({P, side, ini.Integer(P, side + "Frame", 1), true,
                 ini.Integer(P, side + "TopHeight", 0), 0, ini.Integer(P, side + "BotHeight", 0),
                 0});
  e.push_back({P, "TextBack", 2, true, ini.Integer(P, "TXTBackleft", 0), 0,
               ini.Integer(P, "TXTBackRight", 0), 0});
  e.push_back({P, "menuBar", 2, false, ini.Integer(P, "TileLeftMenu", 1), 0,
               ini.Integer(P, "TileRightMenu", 1), 0});
  e.push_back(Generic(ini, "Buttons", 5, "Bitmap"));
  e.push_back({"Buttons", "CheckButton", ini.Integer("Buttons", "CheckButtonFrame", 0), false});
  e.push_back({"Buttons", "RadioButton", ini.Integer("Buttons", "RadioButtonFrame", 0), false});
  e.push_back(Generic(ini, "Progress", ini.Integer("Progress", "Style", 0) != 0 ? 1 : 2, "Bitmap"));
  e.push_back(Generic(ini, "Progress.Chunk", ini.Integer("Progress.Chunk", "Frame", 0)));
  const std::pair<const char*, int> fixed[] = {{"GroupBoxEdge", 2},
                                               {"GroupBox", 1},
                                               {"Tabs", 5},
                                               {"StatusBarEdges", 3},
                                               {"ToolBars", 5},
                                               {"ComboButton", 4},
                                               {"SunkEdge", 4},
                                               {"ExtraImages", 5},
                                               {"MenuItem", 5},
                                               {"MenuBackground", 1},
                                               {"Scrollbar", 23},
                                               {"HorzScroll", 4},
                                               {"VertScroll", 4},
                                               {"Trackbar.ThumbHorz", 5},
                                               {"Trackbar.ThumbVert", 5},
                                               {"Trackbar.ThumbLeft", 5},
                                               {"Trackbar.ThumbRight", 5},
                                               {"Trackbar.ThumbUp", 5},
                                               {"Trackbar.ThumbDown", 5},
                                               {"UpDown.Horz", 8},
                                               {"UpDown.Vert", 8}};
  for (const auto& [section, frames] : fixed) e.push_back(Generic(ini, section, frames));
  TElement pane = Generic(ini, "Tab.Pane", 1);
  pane.Left = std::min(pane.Left, 4);
  pane.Top = std::min(pane.Top, 4);
  pane.Right = std::min(pane.Right, 4);
  pane.Bottom = std::min(pane.Bottom, 4);
  e.push_back(pane);
  int headerFrames = ini.Integer("Headerbar", "Frame", 0);
  e.push_back(Generic(ini, "Headerbar", headerFrames == 0 ? 5 : headerFrames));
  for (const char* thumb : {"HorzScrollThumb", "VertScrollThumb"})
    e.push_back(Generic(ini, thumb, ini.Integer(thumb, "FrameCount", 3)));
  for (const char* track : {"Track", "TRACKVERT"})
    e.push_back(Generic(ini, track, ini.Integer(track, "Frame", 0)));
  e.push_back({"UpDown.Horz", "GlyphImage", 8, false});
  e.push_back({"UpDown.Vert", "GlyphImage", 8, false});
  e.push_back({"Tabs", "Border", 1, false});
  e.push_back({"MDICONTROLS", "Image", 12, false});
  for (const std::string& s : ini.Sections()) {
    std::string upper = s;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.rfind("BUTTON", 0) == 0 && upper != "BUTTON" && upper != "BUTTONS")
      e.push_back({s, "ButtonImage", ini.Integer(s, "frame", 0), false});
  }
  return e;
}

TEST(SkinLayout, EveryElementHasAnImageWhoseFramesAndMarginsFit) {
  TIni ini = SkinFiles::LoadDefinition();
  for (const TElement& el : Elements(ini)) {
    SCOPED_TRACE(el.Section + " / " + el.ImageKey);
    std::string name = ini.String(el.Section, el.ImageKey);
    ASSERT_FALSE(name.empty());
    // The engine takes only lower-case ".bmp" names; the archive lower-cases names.
    ASSERT_GE(name.size(), 4u);
    EXPECT_EQ(name.substr(name.size() - 4), ".bmp");
    EXPECT_TRUE(std::none_of(name.begin(), name.end(), [](char c) { return std::isupper(c); }));
    TPixmap image = SkinFiles::ReadImage(SkinFiles::SkinDir() / name);
    ASSERT_FALSE(image.Empty());
    ASSERT_GT(el.Frames, 0);
    int along = el.Vertical ? image.Height() : image.Width();
    EXPECT_EQ(along % el.Frames, 0) << along << " pixels do not split into " << el.Frames;
    int fw = el.Vertical ? image.Width() : image.Width() / el.Frames;
    int fh = el.Vertical ? image.Height() / el.Frames : image.Height();
    EXPECT_LE(el.Left + el.Right, fw);
    EXPECT_LE(el.Top + el.Bottom, fh);
  }
}

TEST(SkinLayout, EveryImageFileIsNamedByTheDefinition) {
  TIni ini = SkinFiles::LoadDefinition();
  std::set<std::string> named;
  for (const TElement& el : Elements(ini)) named.insert(ini.String(el.Section, el.ImageKey));
  for (const auto& entry : std::filesystem::directory_iterator(SkinFiles::SkinDir())) {
    std::string file = entry.path().filename().string();
    if (file != "skin.ini") {
      EXPECT_TRUE(named.count(file)) << file << " is not used";
    }
  }
}

TEST(SkinLayout, BordersAgreeOnTheFrameMetrics) {
  TIni ini = SkinFiles::LoadDefinition();
  auto image = [&](const char* key) {
    return SkinFiles::ReadImage(SkinFiles::SkinDir() / ini.String("Personality", key));
  };
  auto frames = [&](const std::string& side) {
    return ini.Integer("Personality", side + "Frame", 1);
  };
  const int leftWidth = image("Left").Width() / frames("Left");
  const int rightWidth = image("Right").Width() / frames("Right");
  const int titleHeight = image("Top").Height() / frames("Top");
  const int bottomHeight = image("Bottom").Height() / frames("Bottom");
  EXPECT_EQ(leftWidth, rightWidth);
  // The sides' fixed top part is the title bar's height, so that the title
  // colours run on into the corners; the fixed bottom part is the bottom border.
  EXPECT_EQ(ini.Integer("Personality", "LeftTopHeight", 0), titleHeight);
  EXPECT_EQ(ini.Integer("Personality", "RightTopHeight", 0), titleHeight);
  EXPECT_EQ(ini.Integer("Personality", "LeftBotHeight", 0), bottomHeight);
  EXPECT_EQ(image("TextBack").Height() / 2, titleHeight);
  // Both side strips span the same height; the top strip is as wide as the bottom one.
  EXPECT_EQ(image("Left").Height(), image("Right").Height());
  EXPECT_EQ(image("Top").Width(), image("Bottom").Width());
}

TEST(SkinLayout, TitleButtonsSitInsideTheTitleBarClearOfTheCaption) {
  TIni ini = SkinFiles::LoadDefinition();
  TPixmap top = SkinFiles::ReadImage(SkinFiles::SkinDir() / ini.String("Personality", "Top"));
  const int titleHeight = top.Height() / ini.Integer("Personality", "TopFrame", 1);
  TPixmap left = SkinFiles::ReadImage(SkinFiles::SkinDir() / ini.String("Personality", "Left"));
  const int border = left.Width() / ini.Integer("Personality", "LeftFrame", 1);

  int widestReserve = 0, maximizeX = -1;
  std::vector<std::pair<int, int>> rightSpans;  // (distance of left edge, width) from the right
  for (const std::string& s : ini.Sections()) {
    std::string image = ini.String(s, "ButtonImage");
    if (image.empty()) continue;
    SCOPED_TRACE(s);
    TPixmap strip = SkinFiles::ReadImage(SkinFiles::SkinDir() / image);
    const int w = strip.Width() / ini.Integer(s, "frame", 1), h = strip.Height();
    const int x = ini.Integer(s, "XCoord", 0), y = ini.Integer(s, "YCoord", 0);
    const int action = ini.Integer(s, "Action", 0), visibility = ini.Integer(s, "Visibility", 0);
    EXPECT_GE(y, 1);
    EXPECT_LE(y + h, titleHeight);
    if (ini.Integer(s, "Align", 0) == 1) {
      EXPECT_GE(x - w, border) << "runs into the right border";
      widestReserve = std::max(widestReserve, x);
      if (action == 1 && visibility == 2) maximizeX = x;
      // The help button takes the place of the last maximise button before it.
      if (action == 4) {
        EXPECT_EQ(x, maximizeX);
      }
      if (action != 4 && visibility != 1) rightSpans.push_back({x, w});
    } else {
      EXPECT_LE(x + w, border + ini.Integer("Personality", "TextShift", 0))
          << "left-aligned button under the caption";
    }
  }
  ASSERT_GT(maximizeX, 0);
  // Buttons shown together do not overlap.
  std::sort(rightSpans.begin(), rightSpans.end());
  for (size_t i = 1; i < rightSpans.size(); ++i)
    EXPECT_GE(rightSpans[i].first - rightSpans[i].second, rightSpans[i - 1].first);
  // The caption stops before the leftmost button.
  EXPECT_GE(border + ini.Integer("Personality", "TextRightClip", 0), widestReserve);
}

TEST(SkinLayout, RestoreReplacesMaximiseOnlyWhileMaximised) {
  TIni ini = SkinFiles::LoadDefinition();
  int maximize = 0, restore = 0;
  for (const std::string& s : ini.Sections()) {
    if (ini.String(s, "ButtonImage").empty() || ini.Integer(s, "Action", 0) != 1) continue;
    int v = ini.Integer(s, "Visibility", 0);
    if (v == 2) ++maximize;
    if (v == 1) ++restore;
    EXPECT_TRUE(v == 1 || v == 2) << s;
  }
  EXPECT_EQ(maximize, 1);
  EXPECT_EQ(restore, 1);
}

TEST(SkinLayout, ScrollAndComboPiecesMatchTheSystemSizes) {
  TIni ini = SkinFiles::LoadDefinition();
  const int arrow = 17;  // SM_CXHSCROLL on Windows and under Wine
  TPixmap buttons = SkinFiles::ReadImage(SkinFiles::SkinDir() / ini.String("Scrollbar", "Image"));
  EXPECT_LE(std::abs(buttons.Height() - arrow), 2) << "the engine would ignore the image's breadth";
  EXPECT_EQ(buttons.Width() / 23, buttons.Height()) << "arrow frames are square";
  TPixmap combo = SkinFiles::ReadImage(SkinFiles::SkinDir() / ini.String("ComboButton", "Image"));
  EXPECT_EQ(combo.Width() / 4, arrow + 2) << "the combo button is stretched to this width";
}

}  // namespace
