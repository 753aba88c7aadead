#include "skin/definition/ParsedSkin.h"

#include "skin/imaging/SkinSystem.h"

const std::array<TColourKey, 16> ColourKeys = {{
    {"WindowText", &TSkinColours::WindowText, scWindowText},
    {"ButtonFace", &TSkinColours::ButtonFace, scBtnFace},
    {"Scrollbar", &TSkinColours::Scrollbar, scScrollBar},
    {"HilightText", &TSkinColours::HilightText, scHighlightText},
    {"Hilight", &TSkinColours::Hilight, scHighlight},
    {"Menubar", &TSkinColours::Menubar, -1},
    {"Menu", &TSkinColours::Menu, scMenu},
    {"MenuText", &TSkinColours::MenuText, scMenuText},
    {"ButtonText", &TSkinColours::ButtonText, scBtnText},
    {"ButtonHilight", &TSkinColours::ButtonHilight, scBtnHighlight},
    {"Buttonlight", &TSkinColours::Buttonlight, scBtnHighlight},
    {"ButtonShadow", &TSkinColours::ButtonShadow, scBtnShadow},
    {"ButtonDkShadow", &TSkinColours::ButtonDkShadow, sc3DDkShadow},
    {"MenuBarText", &TSkinColours::MenuBarText, scMenuText},
    {"TitleTextActive", &TSkinColours::TitleTextActive, scCaptionText},
    {"TitleTextNoActive", &TSkinColours::TitleTextNoActive, scInactiveCaptionText},
}};

TParsedSkin::TParsedSkin()
    : FrameLeft(std::make_unique<TDataSkinBorder>()),
      FrameRight(std::make_unique<TDataSkinBorder>()),
      FrameTop(std::make_unique<TDataSkinBorder>()),
      FrameBottom(std::make_unique<TDataSkinBorder>()),
      Title(std::make_unique<TDataSkinTitle>()),
      Buttons(std::make_unique<TDataSkinButton>()) {
  FrameLeft->ElementName = "Left";
  FrameRight->ElementName = "Right";
  FrameTop->ElementName = "Top";
  FrameBottom->ElementName = "Bottom";
  Title->ElementName = "Title";
  Buttons->ElementName = "Buttons";
}

std::vector<const TDataSkinObject*> TParsedSkin::Elements() const {
  const TDataSkinObject* all[] = {
      FrameLeft.get(),       FrameRight.get(),      FrameTop.get(),   FrameBottom.get(),
      Buttons.get(),         Title.get(),           Progress.get(),   ProgressChunk.get(),
      MenuBar.get(),         GroupBoxEdge.get(),    GroupBox.get(),   Tabs.get(),
      StatusBarEdges.get(),  TabPane.get(),         ToolBars.get(),   ComboButton.get(),
      SunkEdge.get(),        ExtraImages.get(),     Headerbar.get(),  MenuItem.get(),
      MenuBackground.get(),  Scrollbar.get(),       HorzScroll.get(), VertScroll.get(),
      HorzScrollThumb.get(), VertScrollThumb.get(), ThumbHorz.get(),  ThumbVert.get(),
      ThumbLeft.get(),       ThumbRight.get(),      ThumbUp.get(),    ThumbDown.get(),
      UpDownHorz.get(),      UpDownVert.get(),      Track.get(),      TrackVert.get(),
      ComboxArrow.get(),     Toolbar.get()};
  std::vector<const TDataSkinObject*> present;
  for (const TDataSkinObject* element : all)
    if (element) present.push_back(element);
  return present;
}
