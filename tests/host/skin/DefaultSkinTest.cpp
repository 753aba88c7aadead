// The program's own skin (skins/default), packed as the build packs it and
// loaded by the engine's loader: every element is there, with an image, and
// with the frame layout the painters expect.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/archive/SkinArchiveBuilder.h"
#include "skin/archive/SkinReader.h"
#include "skin/definition/ParsedSkin.h"
#include "skin/definition/QuickIni.h"
#include "skin/definition/SkinFiles.h"
#include "skin/definition/SkinLoader.h"

namespace fs = std::filesystem;

namespace {

TBytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class DefaultSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TSkinArchiveBuilder builder;
    for (const auto& entry : fs::directory_iterator(fs::path(FW_SOURCE_DIR) / "skins" / "default"))
      builder.Add(entry.path().filename().string(), ReadFile(entry.path()));
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadArchive(builder.BuildCompressed()));
    TBytes text;
    std::string iniName;
    reader.ExtractFirstMatching(".ini", text, iniName);
    ASSERT_FALSE(text.empty());
    TMemorySkinFiles files;
    for (const std::string& name : reader.Names()) {
      TBytes bytes;
      reader.ExtractFile(name, bytes);
      files.Add(name, std::move(bytes));
    }
    TQuickIni ini;
    ini.LoadFromStream(text);
    Skin = new TParsedSkin;
    TSkinLoader(*Skin, ini, files).Load();
  }
  static void TearDownTestSuite() {
    delete Skin;
    Skin = nullptr;
  }

  static TParsedSkin* Skin;
};

TParsedSkin* DefaultSkin::Skin = nullptr;

// Frame width (horizontal strip) or height (stacked) must come out whole.
void ExpectWholeFrames(const TDataSkinObject& e, bool stacked = false) {
  SCOPED_TRACE(e.ElementName);
  ASSERT_GT(e.FrameCount, 0);
  EXPECT_FALSE(e.Image.Empty());
  EXPECT_EQ((stacked ? e.Image.Height() : e.Image.Width()) % e.FrameCount, 0);
}

TEST_F(DefaultSkin, EveryElementIsPresentWithAnImage) {
  const TParsedSkin& s = *Skin;
  EXPECT_EQ(s.SkinName, "Fernwick");
  const TDataSkinObject* optional[] = {
      s.Progress.get(),   s.ProgressChunk.get(), s.MenuBar.get(),         s.GroupBoxEdge.get(),
      s.GroupBox.get(),   s.Tabs.get(),          s.StatusBarEdges.get(),  s.TabPane.get(),
      s.ToolBars.get(),   s.ComboButton.get(),   s.SunkEdge.get(),        s.ExtraImages.get(),
      s.Headerbar.get(),  s.MenuItem.get(),      s.MenuBackground.get(),  s.Scrollbar.get(),
      s.HorzScroll.get(), s.VertScroll.get(),    s.HorzScrollThumb.get(), s.VertScrollThumb.get(),
      s.ThumbHorz.get(),  s.ThumbVert.get(),     s.ThumbLeft.get(),       s.ThumbRight.get(),
      s.ThumbUp.get(),    s.ThumbDown.get(),     s.UpDownHorz.get(),      s.UpDownVert.get(),
      s.Track.get(),      s.TrackVert.get(),     s.ComboxArrow.get(),     s.Toolbar.get()};
  for (size_t i = 0; i < std::size(optional); ++i) {
    ASSERT_NE(optional[i], nullptr) << "element " << i;
    EXPECT_FALSE(optional[i]->Image.Empty()) << optional[i]->ElementName;
  }
  for (const auto* border :
       {s.FrameLeft.get(), s.FrameRight.get(), s.FrameTop.get(), s.FrameBottom.get()})
    EXPECT_FALSE(border->Image.Empty()) << border->ElementName;
  EXPECT_FALSE(s.Title->Image.Empty());
  EXPECT_FALSE(s.Buttons->Image.Empty());
  EXPECT_FALSE(s.Buttons->CheckButton.Empty());
  EXPECT_FALSE(s.Buttons->RadioButton.Empty());
  EXPECT_FALSE(s.Tabs->SecondImage.Empty());
  EXPECT_FALSE(s.UpDownHorz->SecondImage.Empty());
  EXPECT_FALSE(s.UpDownVert->SecondImage.Empty());
  EXPECT_FALSE(s.ComboButton->SecondImage.Empty());
  // The skin brings its own tracks (the program's bitmaps have margins 3 all round).
  EXPECT_EQ(s.Track->Margins.Top, 0);
  EXPECT_EQ(s.TrackVert->Margins.Left, 0);
}

TEST_F(DefaultSkin, TitleButtonsAreCloseMaximiseRestoreMinimiseHelpIconAndMdi) {
  const auto& b = Skin->TitleButtons;
  ASSERT_EQ(b.size(), 6u + 3u);
  const int actions[] = {0, 1, 1, 2, 4, 3, 7, 8, 9};
  for (size_t i = 0; i < b.size(); ++i) {
    SCOPED_TRACE(b[i]->ElementName);
    EXPECT_EQ(b[i]->Action, actions[i]);
    EXPECT_FALSE(b[i]->Image.Empty());
  }
  EXPECT_EQ(b[1]->Visibility, 2);  // maximise: while not maximised
  EXPECT_EQ(b[2]->Visibility, 1);  // restore: while maximised
  EXPECT_EQ(b[2]->XCoord, b[1]->XCoord);
  // Help takes the maximise button's place.
  EXPECT_EQ(b[4]->XCoord, b[1]->XCoord);
  EXPECT_EQ(b[4]->YCoord, b[1]->YCoord);
  // The window icon keeps its image (an explicit frame count) at one frame.
  EXPECT_EQ(b[5]->FrameCount, 1);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(b[i]->FrameCount, 4);
    ExpectWholeFrames(*b[i]);
  }
  for (size_t i = 6; i < 9; ++i) {
    EXPECT_EQ(b[i]->FrameCount, 4);
    EXPECT_GT(b[i]->XCoord, 0);
  }
}

TEST_F(DefaultSkin, FrameLayoutsMatchWhatThePaintersCut) {
  const TParsedSkin& s = *Skin;
  EXPECT_EQ(s.Buttons->CheckButtonFrame, 12);
  EXPECT_EQ(s.Buttons->RadioButtonFrame, 8);
  EXPECT_EQ(s.Buttons->CheckButton.Width() % 12, 0);
  EXPECT_EQ(s.Buttons->RadioButton.Width() % 8, 0);
  const std::vector<const TDataSkinObject*> strips = {
      s.Buttons.get(),         s.Scrollbar.get(),       s.HorzScroll.get(),   s.VertScroll.get(),
      s.HorzScrollThumb.get(), s.VertScrollThumb.get(), s.Tabs.get(),         s.ToolBars.get(),
      s.SunkEdge.get(),        s.ComboButton.get(),     s.ExtraImages.get(),  s.Headerbar.get(),
      s.MenuItem.get(),        s.StatusBarEdges.get(),  s.GroupBoxEdge.get(), s.Progress.get(),
      s.ThumbHorz.get(),       s.ThumbDown.get(),       s.UpDownVert.get(),   s.ComboxArrow.get()};
  for (const TDataSkinObject* e : strips) ExpectWholeFrames(*e);
  EXPECT_EQ(s.Scrollbar->FrameCount, 23);
  EXPECT_EQ(s.Scrollbar->Image.Width() / 23, s.Scrollbar->Image.Height());
  // Left and right borders side by side, top and bottom stacked; title = top frame.
  ExpectWholeFrames(*s.FrameLeft);
  ExpectWholeFrames(*s.FrameTop, true);
  ExpectWholeFrames(*s.FrameBottom, true);
  ExpectWholeFrames(*s.Title, true);
  EXPECT_EQ(s.FrameTop->Image.Height() / s.FrameTop->FrameCount, s.FrameLeft->Margins.Top);
  EXPECT_EQ(s.Title->Image.Height() / 2, s.FrameTop->Image.Height() / s.FrameTop->FrameCount);
}

TEST_F(DefaultSkin, ColoursAreTheSkinsOwn) {
  // Colour values hold red in the low byte.
  EXPECT_EQ(Skin->Colours.ButtonFace, 0xF6F4F3u);
  EXPECT_EQ(Skin->Colours.TitleTextActive, 0xF6F3F1u);
  EXPECT_EQ(Skin->Colours.Hilight, 0x647A2Bu);
  EXPECT_EQ(Skin->Title->ActiveCaptionColour, 0xF6F3F1u);
  EXPECT_EQ(Skin->NumberedColors.size(), 6u);
  EXPECT_EQ(Skin->CustomColors[0], 0x647A2Bu);
  // Nothing is left to the system's colours.
  const TSkinColours& c = Skin->Colours;
  for (TColor v : {c.WindowText, c.ButtonFace, c.Scrollbar, c.HilightText, c.Hilight, c.Menubar,
                   c.Menu, c.MenuText, c.ButtonText, c.ButtonHilight, c.Buttonlight, c.ButtonShadow,
                   c.ButtonDkShadow, c.MenuBarText, c.TitleTextActive, c.TitleTextNoActive})
    EXPECT_EQ(v & 0xFF000000u, 0u);
}

}  // namespace
