#include <gtest/gtest.h>

#include "skin/definition/SkinLoader.h"
#include "skin/imaging/Gradient.h"
#include "skin/imaging/SkinSystem.h"
#include "toolkit/portable/BmpEncoder.h"

namespace {

class SkinLoaderTest : public testing::Test {
 protected:
  SkinLoaderTest() { SetSkinSystem(&System); }
  ~SkinLoaderTest() override { SetSkinSystem(nullptr); }

  void AddImage(const std::string& Name, int Width, int Height, TPixel Fill = 0x336699) {
    Files.Add(Name, BmpEncoder::Encode24(TPixelBuffer(Width, Height, Fill)));
  }
  void AddImage(const std::string& Name, const TPixelBuffer& Image) {
    Files.Add(Name, BmpEncoder::Encode24(Image));
  }
  void Load(std::string_view Text) {
    Ini.LoadFromText(Text);
    TSkinLoader(Skin, Ini, Files).Load();
  }

  TFixedSkinSystem System{FW_SOURCE_DIR "/skins/resources"};
  TMemorySkinFiles Files;
  TQuickIni Ini;
  TParsedSkin Skin;
};

}  // namespace

TEST_F(SkinLoaderTest, ImagesAreFetchedByFileNameAndOnlyAsBmp) {
  AddImage("pic.bmp", 8, 2);
  AddImage("pic.tga", 8, 2);
  Load(
      "[MenuItem]\nImage=Sub\\Pic.bmp\n[Scrollbar]\nImage=Pic.BMP\n[HorzScroll]\nImage=Pic.tga\n"
      "[VertScroll]\nImage=C:pic.bmp\n[Headerbar]\nImage=absent.bmp\n[MenuBackground]\nImage=\n");
  ASSERT_TRUE(Skin.MenuItem);
  EXPECT_EQ(Skin.MenuItem->Image.Width(), 8);
  EXPECT_EQ(Skin.VertScroll->Image.Width(), 8);
  // Named but unusable: the element exists with an empty image.
  ASSERT_TRUE(Skin.Scrollbar);
  EXPECT_TRUE(Skin.Scrollbar->Image.Empty());
  EXPECT_TRUE(Skin.HorzScroll->Image.Empty());
  EXPECT_TRUE(Skin.Headerbar->Image.Empty());
  // An empty image key makes no element.
  EXPECT_FALSE(Skin.MenuBackground);
  EXPECT_FALSE(Skin.Tabs);
}

TEST_F(SkinLoaderTest, AnEmptySkinHasDefaultsAndTheProgramsTracks) {
  Load("");
  EXPECT_EQ(Skin.SkinName, "");
  EXPECT_EQ(Skin.Colours.ButtonFace, SystemColor(scBtnFace));
  EXPECT_EQ(Skin.Colours.Menubar, SystemColor(scBtnFace));
  EXPECT_EQ(Skin.Colours.Buttonlight, SystemColor(scBtnHighlight));
  EXPECT_TRUE(Skin.NumberedColors.empty());
  EXPECT_EQ(Skin.CustomColors[9], clWhite);
  EXPECT_EQ(Skin.BorderSampleColor, SystemColor(scBtnFace));
  EXPECT_EQ(Skin.FrameTop->FrameCount, 1);
  EXPECT_EQ(Skin.FrameTop->Trans, 1);
  EXPECT_EQ(Skin.Title->FrameCount, 2);
  EXPECT_EQ(Skin.Title->FontHeight, 14);
  EXPECT_EQ(Skin.Title->ActiveCaptionColour, TDataSkinTitle::NoColour);
  EXPECT_EQ(Skin.Buttons->FrameCount, 5);
  EXPECT_EQ(Skin.Buttons->RadioButtonFrame, 4);
  ASSERT_EQ(Skin.TitleButtons.size(), 3u);
  EXPECT_EQ(Skin.TitleButtons[2]->Action, 9);
  EXPECT_EQ(Skin.TitleButtons[2]->XCoord, 0);

  ASSERT_TRUE(Skin.Track && Skin.TrackVert);
  EXPECT_EQ(Skin.Track->Image.Width(), 16);
  EXPECT_EQ(Skin.Track->Image.Height(), 4);
  EXPECT_EQ(Skin.TrackVert->Image.Width(), 4);
  EXPECT_EQ(Skin.TrackVert->Image.Height(), 16);
  EXPECT_EQ(Skin.Track->Margins, Rect(3, 3, 3, 3));
  EXPECT_EQ(Skin.Track->FrameCount, 1);
  EXPECT_EQ(Skin.Track->ElementName, "TRACK");

  ASSERT_TRUE(Skin.Toolbar);
  EXPECT_EQ(Skin.Toolbar->Image.Width(), 10);
  EXPECT_EQ(Skin.Toolbar->Image.Height(), 40);
  EXPECT_FALSE(Skin.ComboxArrow);
  EXPECT_EQ(Skin.Elements().size(), 9u);  // borders, buttons, caption, tracks, tool bar
}

TEST_F(SkinLoaderTest, ElementTableKeysClassesAndFrameCounts) {
  AddImage("e.bmp", 40, 10);
  std::string text;
  for (const char* section : {"Progress.Chunk",
                              "GroupBoxEdge",
                              "GroupBox",
                              "Tabs",
                              "StatusBarEdges",
                              "Tab.Pane",
                              "ToolBars",
                              "ExtraImages",
                              "Headerbar",
                              "MenuItem",
                              "MenuBackground",
                              "Scrollbar",
                              "HorzScroll",
                              "VertScroll",
                              "HorzScrollThumb",
                              "VertScrollThumb",
                              "Trackbar.ThumbHorz",
                              "TrackBar.ThumbVert",
                              "Trackbar.ThumbLeft",
                              "Trackbar.ThumbRight",
                              "Trackbar.ThumbUp",
                              "Trackbar.ThumbDown",
                              "UpDown.Horz",
                              "UpDown.Vert",
                              "Track",
                              "TRACKVERT"})
    text += std::string("[") + section + "]\nImage=e.bmp\nLeftWidth=6\nTopHeight=7\n";
  text +=
      "[Progress]\nBitmap=e.bmp\nTile=5\nStyle=1\n[Personality]\nmenuBar=e.bmp\nTileMenu=9\n"
      "[HorzScrollThumb]\nFrameCount=7\n[Track]\nFrame=3\n[Tabs]\nBorder=e.bmp\n[GroupBox]\n"
      "BackgroundLeftShift=4\n";
  // Later sections of the same name are never read: put the extra keys first.
  text =
      "[Track]\nImage=e.bmp\nFrame=3\n[HorzScrollThumb]\nImage=e.bmp\nFrameCount=7\n"
      "[Tabs]\nImage=e.bmp\nBorder=e.bmp\n[GroupBox]\nImage=e.bmp\nBackgroundLeftShift=4\n"
      "[Tab.Pane]\nImage=e.bmp\nLeftWidth=6\nTopHeight=3\nTile=2\n" +
      text;
  Load(text);

  EXPECT_EQ(Skin.Progress->FrameCount, 1);
  EXPECT_EQ(Skin.Progress->Tile, 1);
  EXPECT_STREQ(Skin.Progress->ClassName(), "TDataSkinBorder");
  EXPECT_EQ(Skin.ProgressChunk->FrameCount, 0);  // "Frame" as read
  EXPECT_EQ(Skin.MenuBar->FrameCount, 2);
  EXPECT_EQ(Skin.MenuBar->Tile, 1);
  EXPECT_EQ(Skin.MenuBar->Margins, Rect(1, 0, 1, 0));
  EXPECT_EQ(Skin.GroupBoxEdge->FrameCount, 2);
  EXPECT_STREQ(Skin.GroupBox->ClassName(), "TDataSkinBoxLabel");
  EXPECT_EQ(Skin.GroupBox->BackgroundLeftShift, 4);
  EXPECT_EQ(Skin.Tabs->FrameCount, 5);
  EXPECT_EQ(Skin.Tabs->SecondImage.Width(), 40);
  EXPECT_EQ(Skin.StatusBarEdges->FrameCount, 3);
  EXPECT_EQ(Skin.TabPane->Margins, Rect(4, 3, 0, 0));
  EXPECT_EQ(Skin.TabPane->Tile, 0);
  EXPECT_EQ(Skin.ToolBars->FrameCount, 5);
  EXPECT_EQ(Skin.ExtraImages->FrameCount, 5);
  EXPECT_EQ(Skin.Headerbar->FrameCount, 5);
  EXPECT_EQ(Skin.MenuItem->FrameCount, 5);
  EXPECT_EQ(Skin.MenuBackground->FrameCount, 1);
  EXPECT_EQ(Skin.Scrollbar->FrameCount, 23);
  EXPECT_EQ(Skin.HorzScroll->FrameCount, 4);
  EXPECT_EQ(Skin.HorzScrollThumb->FrameCount, 7);
  EXPECT_EQ(Skin.VertScrollThumb->FrameCount, 3);
  ASSERT_TRUE(Skin.ThumbVert);  // found whatever the section's letter case
  EXPECT_EQ(Skin.ThumbVert->ElementName, "Trackbar.ThumbVert");
  EXPECT_EQ(Skin.ThumbDown->FrameCount, 5);
  EXPECT_EQ(Skin.UpDownVert->FrameCount, 8);
  EXPECT_EQ(Skin.Track->FrameCount, 3);
  EXPECT_EQ(Skin.Track->Margins, Rect(0, 0, 0, 0));
  EXPECT_EQ(Skin.TrackVert->FrameCount, 0);
  EXPECT_EQ(Skin.TrackVert->Image.Width(), 40);
  EXPECT_EQ(Skin.Elements().size(), 35u);  // all but the combo parts
}

TEST_F(SkinLoaderTest, ColoursAndTheirDefaults) {
  Load(
      "[Colours]\nButtonFace=10, 20, 30\nButtonText=1 2 3\n[Colour2]\ncolor=9 9 9\n"
      "[COLOURS]\n[Colour1]\n[Customcolors]\nColor3=4 5 6\n[MenuItem]\nImage=x.bmp\n"
      "PressedColour2=7 7 7\nNormalColour=0x1F\n[TitlebarSkin]\nSkinName=Fern\n");
  EXPECT_EQ(Skin.SkinName, "Fern");
  EXPECT_EQ(Skin.Colours.ButtonFace, ColorFromRgb(10, 20, 30));
  EXPECT_EQ(Skin.Colours.Menubar, ColorFromRgb(10, 20, 30));
  EXPECT_EQ(Skin.NumberedColors,
            (std::vector<TColor>{ColorFromRgb(9, 9, 9), SystemColor(scWindowText)}));
  EXPECT_EQ(Skin.CustomColors[3], ColorFromRgb(4, 5, 6));
  EXPECT_EQ(Skin.CustomColors[0], clWhite);
  EXPECT_EQ(Skin.MenuItem->NormalColour, 31);
  EXPECT_EQ(Skin.MenuItem->MouseOverColour, -1);
  EXPECT_EQ(Skin.MenuItem->NormalColour2, ColorFromRgb(1, 2, 3));
  EXPECT_EQ(Skin.MenuItem->PressedColour2, ColorFromRgb(7, 7, 7));
  EXPECT_EQ(Skin.BorderSampleColor, ColorFromRgb(10, 20, 30));
}

TEST_F(SkinLoaderTest, TitleButtonsFilterDeriveAndShareCoordinates) {
  AddImage("wide.bmp", 40, 10);    // ratio 4: 6 frames
  AddImage("square.bmp", 30, 10);  // ratio 3: 3 frames
  AddImage("mdi.bmp", 48, 7);
  Load(
      "[Button.Close]\nAction=1\nVisibility=2\nXcoord=17\nYcoord=4\nButtonImage=square.bmp\n"
      "[Buttons]\n[Button.Radio]\n[ButtonHidden]\nAction=-1\n[ButtonShown]\nAction=-1\n"
      "Visibility=0\nButtonImage=square.bmp\n[Button.Help]\nAction=4\nXcoord=99\n"
      "ButtonImage=wide.bmp\n[Button.Roll]\nAction=3\nButtonImage=square.bmp\n"
      "[Button.Fixed]\nAction=3\nframe=2\nButtonImage=square.bmp\n"
      "[MDICONTROLS]\nImage=mdi.bmp\n");
  ASSERT_EQ(Skin.TitleButtons.size(), 5u + 3u);
  const auto& b = Skin.TitleButtons;
  EXPECT_EQ(b[0]->ElementName, "BUTTON.CLOSE");
  EXPECT_EQ(b[0]->FrameCount, 3);
  EXPECT_EQ(b[0]->CombineOp, -1);
  EXPECT_EQ(b[1]->ElementName, "BUTTONSHOWN");
  EXPECT_EQ(b[1]->FrameCount, 6);  // negative Action
  EXPECT_EQ(b[1]->Visibility1, -1);
  EXPECT_EQ(b[2]->FrameCount, 6);
  EXPECT_EQ(b[2]->XCoord, 17);
  EXPECT_EQ(b[2]->YCoord, 4);
  EXPECT_TRUE(b[3]->Image.Empty());
  EXPECT_EQ(b[4]->FrameCount, 2);  // given: nothing derived, image kept
  EXPECT_FALSE(b[4]->Image.Empty());
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& mdi = *b[5 + i];
    EXPECT_EQ(mdi.Action, 7 + i);
    EXPECT_EQ(mdi.Align, 100);
    EXPECT_EQ(mdi.FrameCount, 4);
    EXPECT_EQ(mdi.Image.Width(), 16);
    EXPECT_EQ(mdi.Image.Height(), 7);
    EXPECT_EQ(mdi.XCoord, (4 + 4) * (3 - i));
  }
}

TEST_F(SkinLoaderTest, PushButtonFrameCountsFromTheirImages) {
  AddImage("radio.bmp", 52, 13);
  AddImage("check.bmp", 160, 16);
  Load(
      "[Buttons]\nBitmap=x.bmp\nRadioButton=radio.bmp\nCheckButton=check.bmp\nTile=3\n"
      "MouseOverColour2=1 1 1\n");
  EXPECT_EQ(Skin.Buttons->RadioButtonFrame, 4);
  EXPECT_EQ(Skin.Buttons->CheckButtonFrame, 10);
  EXPECT_EQ(Skin.Buttons->Tile, 0);
  EXPECT_FALSE(Skin.Buttons->NormalColour2Given);
  EXPECT_TRUE(Skin.Buttons->MouseOverColour2Given);
}

TEST_F(SkinLoaderTest, ComboBoxIsComposedFromSunkenEdgeAndButton) {
  TPixelBuffer edge(40, 10, PixelFromRgb(0, 0, 200));
  TPixelBuffer button(80, 21, PixelFromRgb(0, 200, 0));
  for (int i = 0; i < 4; ++i) button.SetPixel(20 * i, 0, KeyPixel);
  AddImage("edge.bmp", edge);
  AddImage("button.bmp", button);
  Load(
      "[SunkEdge]\nImage=edge.bmp\nLeftWidth=2\nTopHeight=3\nRightWidth=2\nBottomHeight=4\n"
      "[ComboButton]\nImage=button.bmp\n");
  const int w = 16 + 2;  // scroll arrow width + 2
  const TDataSkinBorder& combo = *Skin.ComboButton;
  EXPECT_EQ(combo.Style, 2);
  EXPECT_EQ(combo.Margins, Rect(2, 3, w + 2, 4));
  ASSERT_EQ(combo.Image.Width(), 200);
  ASSERT_EQ(combo.Image.Height(), 21);
  EXPECT_EQ(combo.SecondImage.Width(), 80);  // the mirrored original
  EXPECT_EQ(combo.SecondImage.Pixel(79, 0), KeyPixel);
  for (int b = 0; b < 4; ++b) {
    EXPECT_EQ(combo.Image.Pixel(50 * b + 0, 0), PixelFromRgb(0, 0, 200));
    EXPECT_EQ(combo.Image.Pixel(50 * b + 10, 10), KeyPixel);  // text area
    EXPECT_EQ(combo.Image.Pixel(50 * b + 50 - w + 1, 10), PixelFromRgb(0, 200, 0));
    // The button's own key pixel lets the edge show through.
    EXPECT_EQ(combo.Image.Pixel(50 * b + 50 - w, 0), PixelFromRgb(0, 0, 200));
  }
  const TDataSkinObject& sunk = *Skin.SunkEdge;
  EXPECT_EQ(sunk.Margins.Left, w + 2);
  EXPECT_EQ(sunk.Margins.Right, 2);
  EXPECT_EQ(sunk.Image.Pixel(199 - 10, 10), KeyPixel);
  EXPECT_EQ(sunk.Image.Pixel(199 - (50 - w + 1), 10), PixelFromRgb(0, 200, 0));

  ASSERT_TRUE(Skin.ComboxArrow);
  EXPECT_EQ(Skin.ComboxArrow->Image.Width(), 68);
  EXPECT_EQ(Skin.ComboxArrow->Image.Height(), 17);
  EXPECT_EQ(Skin.ComboxArrow->FrameCount, 4);
  EXPECT_EQ(Skin.ComboxArrow->Image.Pixel(0, 0), combo.Image.Pixel(50 - 19, 2));

  // Reloading without those sections drops the elements but keeps the arrow.
  Load("");
  EXPECT_FALSE(Skin.ComboButton);
  EXPECT_FALSE(Skin.SunkEdge);
  ASSERT_TRUE(Skin.ComboxArrow);
  EXPECT_EQ(Skin.ComboxArrow->Image.Width(), 68);
}

TEST_F(SkinLoaderTest, ComboArrowWithoutSunkenEdgeFillsKeyWithButtonFace) {
  TPixelBuffer button(8, 4, PixelFromRgb(1, 1, 1));
  button.SetPixel(3, 2, KeyPixel);
  AddImage("button.bmp", button);
  Load("[Colours]\nButtonFace=9 8 7\n[ComboButton]\nImage=button.bmp\n");
  ASSERT_TRUE(Skin.ComboxArrow);
  EXPECT_EQ(Skin.ComboxArrow->FrameCount, 4);
  EXPECT_EQ(Skin.ComboxArrow->Image.Pixel(3, 2), PixelFromRgb(9, 8, 7));
  EXPECT_EQ(Skin.ComboButton->Image.Pixel(3, 2), KeyPixel);
  EXPECT_EQ(Skin.ComboButton->SecondImage.Pixel(4, 2), KeyPixel);
}

TEST_F(SkinLoaderTest, BorderSampleAndToolbarGradientFollowThisSkin) {
  TPixelBuffer top(30, 12, PixelFromRgb(200, 200, 200));
  top.SetPixel(10, 2, PixelFromRgb(0, 0, 250));  // (30 div 3, (12 div 2) div 3)
  AddImage("top.bmp", top);
  Load("[Personality]\nTop=top.bmp\nTopFrame=2\n[Colours]\nButtonFace=100 100 100\n");
  EXPECT_EQ(Skin.BorderSampleColor, ColorFromRgb(0, 0, 250));
  const TPixelBuffer& g = Skin.Toolbar->Image;
  const TColor start = MixColors(ColorFromRgb(100, 100, 100), clWhite, 150);
  EXPECT_EQ(ColorFromPixel(g.Pixel(0, 0)), start);
  // Saturation 255 > 110: the end colour is the sample lightened by weight 45.
  EXPECT_EQ(ColorFromPixel(g.Pixel(9, 39)),
            GradientColors(40, start, MixColors(ColorFromRgb(0, 0, 250), clWhite, 45)).back());

  // A grey sample keeps the mixed grey end.
  Load("[Personality]\nTop=top.bmp\nTopFrame=0\n");
  EXPECT_EQ(Skin.BorderSampleColor, ColorFromRgb(200, 200, 200));  // frame count 0 taken as 1
  EXPECT_EQ(ColorFromPixel(Skin.Toolbar->Image.Pixel(0, 39)),
            GradientColors(40, MixColors(SystemColor(scBtnFace), clWhite, 150),
                           MixColors(clGray, ColorFromRgb(200, 200, 200), 150))
                .back());
}

TEST_F(SkinLoaderTest, CaptionAndFrameBorders) {
  Load(
      "[Personality]\nLeftTopHeight=5\nLeftBotHeight=6\nTopTopHeight=7\nLeftStretch=4\n"
      "LeftTrans=0\nTextShift=3\nTextRightClip=9\nActiveTextR=1\nActiveTextG=2\nActiveTextB=3\n"
      "InActiveTextR=1\nInActiveTextB=3\n[Fonts]\nFontHeight=11\n");
  EXPECT_EQ(Skin.FrameLeft->Margins, Rect(0, 5, 0, 6));
  EXPECT_EQ(Skin.FrameTop->Margins, Rect(7, 0, 0, 0));
  EXPECT_EQ(Skin.FrameLeft->Tile, 1);
  EXPECT_EQ(Skin.FrameLeft->Trans, 0);
  EXPECT_EQ(Skin.Title->Margins, Rect(3, 0, 9, 0));
  EXPECT_EQ(Skin.Title->FontHeight, 11);
  EXPECT_EQ(Skin.Title->ActiveCaptionColour, ColorFromRgb(1, 2, 3));
  EXPECT_EQ(Skin.Title->InactiveCaptionColour, TDataSkinTitle::NoColour);
}
