#pragma once
// Everything a loaded skin gives the painters: the elements, the colours and
// the title-bar buttons. Painters only read it; TSkinLoader fills it.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "skin/definition/DataSkinObject.h"

// The "Colours" section. Values are colour values; a system colour reference
// where the skin leaves the default.
struct TSkinColours {
  TColor WindowText = 0;
  TColor ButtonFace = 0;
  TColor Scrollbar = 0;
  TColor HilightText = 0;
  TColor Hilight = 0;
  TColor Menubar = 0;
  TColor Menu = 0;
  TColor MenuText = 0;
  TColor ButtonText = 0;
  TColor ButtonHilight = 0;
  TColor Buttonlight = 0;
  TColor ButtonShadow = 0;
  TColor ButtonDkShadow = 0;
  TColor MenuBarText = 0;
  TColor TitleTextActive = 0;
  TColor TitleTextNoActive = 0;
};

// The sixteen keys of "Colours" in the order they are read, with their fields
// and the system colour each defaults to (-1: the ButtonFace value just read).
struct TColourKey {
  const char* Key;
  TColor TSkinColours::*Field;
  int DefaultSysColor;
};
extern const std::array<TColourKey, 16> ColourKeys;

class TParsedSkin {
 public:
  TParsedSkin();

  std::string SkinName;
  TSkinColours Colours;
  std::vector<TColor> NumberedColors;
  std::array<TColor, 10> CustomColors{};
  TColor BorderSampleColor = 0;

  // Always present.
  std::unique_ptr<TDataSkinBorder> FrameLeft, FrameRight, FrameTop, FrameBottom;
  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinButton> Buttons;

  // One entry per title-button section, then the three MDI child buttons.
  std::vector<std::unique_ptr<TDataSkinSysButton>> TitleButtons;

  // Present when the skin has them (null otherwise).
  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll;
  std::unique_ptr<TDataSkinObject> VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb;
  std::unique_ptr<TDataSkinObject> VertScrollThumb;
  std::unique_ptr<TDataSkinObject> ThumbHorz, ThumbVert, ThumbLeft, ThumbRight, ThumbUp, ThumbDown;
  std::unique_ptr<TDataSkinBorder> UpDownHorz, UpDownVert;
  // Present after every load: from the skin, else from the program's bitmaps.
  std::unique_ptr<TDataSkinObject> Track, TrackVert;
  // Derived from the combo button; kept from an earlier load when this skin
  // gives nothing to derive it from.
  std::unique_ptr<TDataSkinObject> ComboxArrow;
  // Present after every load.
  std::unique_ptr<TDataSkinObject> Toolbar;

  // Every present element in load order (title buttons not included).
  std::vector<const TDataSkinObject*> Elements() const;
};
