#include "SkinDefinition.h"

#include <cstdio>
#include <sstream>
#include <tuple>
#include <utility>
#include <vector>

#include "Files.h"
#include "Metrics.h"
#include "Palette.h"

namespace {

namespace M = Metrics;
namespace P = Palette;

class TIniWriter {
 public:
  void Comment(const std::string& text) { Out_ << "; " << text << "\r\n"; }
  void Section(const std::string& name) {
    if (Out_.tellp() > 0) Out_ << "\r\n";
    Out_ << '[' << name << "]\r\n";
  }
  void Key(const std::string& key, const std::string& value) {
    Out_ << key << '=' << value << "\r\n";
  }
  void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
  void Color(const std::string& key, TColor c) {
    char text[16];
    std::snprintf(text, sizeof text, "%u %u %u", (c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
    Key(key, text);
  }
  void Margins(int left, int top, int right, int bottom) {
    Key("LeftWidth", left);
    Key("TopHeight", top);
    Key("RightWidth", right);
    Key("BottomHeight", bottom);
  }
  std::string Text() const { return Out_.str(); }

 private:
  std::ostringstream Out_;
};

void WriteFrame(TIniWriter& ini) {
  ini.Section("TitlebarSkin");
  ini.Key("SkinName", "Fernwick");

  ini.Section("Personality");
  ini.Comment("Borders: two frames each, active then inactive. Left and right frames");
  ini.Comment("stand side by side, top and bottom frames one above the other.");
  for (const char* side : {"Left", "Right"}) {
    std::string s = side;
    ini.Key(s, s == "Left" ? Files::FrameLeft : Files::FrameRight);
    ini.Key(s + "TopHeight", M::TitleHeight);
    ini.Key(s + "BotHeight", M::BorderWidth);
    ini.Key(s + "Frame", 2);
    ini.Key(s + "Stretch", 1);
    ini.Key(s + "Trans", 1);
  }
  ini.Key("Top", Files::FrameTop);
  ini.Key("TopTopHeight", M::TopCap);
  ini.Key("TopBotHeight", M::TopCap);
  ini.Key("TopFrame", 2);
  ini.Key("TopStretch", 1);
  ini.Key("TopTrans", 1);
  ini.Key("Bottom", Files::FrameBottom);
  ini.Key("BottomTopHeight", 2);
  ini.Key("BottomBotHeight", 2);
  ini.Key("BottomFrame", 2);
  ini.Key("BottomStretch", 1);
  ini.Key("BottomTrans", 0);
  ini.Comment("Caption text and the band behind it (the title bar's own colours).");
  ini.Key("TextBack", Files::TextBack);
  ini.Key("TextShift", M::TextShift);
  ini.Key("TextShiftVert", 0);
  ini.Key("TextRightClip", M::TextRightClip);
  ini.Key("TextAlignment", 0);
  ini.Key("Textbackground", 0);
  ini.Key("TXTBackleft", 0);
  ini.Key("TXTBackRight", 0);
  const char* channels[] = {"R", "G", "B"};
  for (int i = 0; i < 3; ++i) {
    ini.Key(std::string("ActiveText") + channels[i], (P::TitleText >> (16 - 8 * i)) & 0xFF);
    ini.Key(std::string("InActiveText") + channels[i],
            (P::InactiveTitleText >> (16 - 8 * i)) & 0xFF);
  }
  ini.Key("menuBar", Files::MenuBar);
  ini.Key("TileMenu", 0);
  ini.Key("TileLeftMenu", 1);
  ini.Key("TileRightMenu", 1);
}

struct TTitleButton {
  const char* Section;
  const char* Image;
  int Action, Align, X, Y, Visibility, Visibility1, Frames;
};

void WriteTitleButtons(TIniWriter& ini) {
  const int y = M::TitleButtonTop;
  // Four frames: normal, pressed, hot, dimmed (inactive window or unusable).
  // The help button comes after the maximise button: it takes that place when
  // it is shown (a window with a help box and neither size box).
  const TTitleButton buttons[] = {
      {"Button.Close", Files::TitleClose, 0, 1, M::CloseX, y, 0, 0, 4},
      {"Button.Maximize", Files::TitleMaximize, 1, 1, M::MaximizeX, y, 2, 8, 4},
      {"Button.Restore", Files::TitleRestore, 1, 1, M::MaximizeX, y, 1, 8, 4},
      {"Button.Minimize", Files::TitleMinimize, 2, 1, M::MinimizeX, y, 6, 0, 4},
      {"Button.Help", Files::TitleHelp, 4, 1, M::MaximizeX, y, 10, 10, 4},
      {"Button.Icon", Files::TitleIcon, 3, 0, M::IconX, M::IconY, 0, 0, 1},
  };
  for (const TTitleButton& b : buttons) {
    ini.Section(b.Section);
    ini.Key("ButtonImage", b.Image);
    ini.Key("Action", b.Action);
    ini.Key("Align", b.Align);
    ini.Key("XCoord", b.X);
    ini.Key("YCoord", b.Y);
    ini.Key("Visibility", b.Visibility);
    ini.Key("Visibility1", b.Visibility1);
    ini.Key("frame", b.Frames);
  }
  ini.Section("MDICONTROLS");
  ini.Comment("Minimise, restore, close of a maximised child; four frames each.");
  ini.Key("Image", Files::MdiControls);
}

// A section read by the generic element loader.
void Element(TIniWriter& ini, const char* section, const char* image, int frames,
             std::vector<int> margins, int trans, int tile = 0) {
  ini.Section(section);
  ini.Key("Image", image);
  if (frames > 0) ini.Key("Frame", frames);
  ini.Margins(margins[0], margins[1], margins[2], margins[3]);
  ini.Key("Trans", trans);
  ini.Key("Tile", tile);
}

void WriteControls(TIniWriter& ini) {
  ini.Section("Buttons");
  ini.Comment("Normal, pressed, disabled, mouse over, focused.");
  ini.Key("Bitmap", Files::Button);
  ini.Margins(4, 4, 4, 4);
  ini.Key("Trans", 1);
  ini.Key("Tile", 0);
  ini.Comment("Unchecked, checked, indeterminate: normal, mouse over, pressed, disabled.");
  ini.Key("CheckButton", Files::Check);
  ini.Key("CheckButtonFrame", 12);
  ini.Comment("Unchecked, checked: normal, mouse over, pressed, disabled.");
  ini.Key("RadioButton", Files::Radio);
  ini.Key("RadioButtonFrame", 8);

  ini.Section("Progress");
  ini.Key("Bitmap", Files::Progress);
  ini.Key("Style", 0);
  ini.Margins(4, 4, 4, 4);
  ini.Key("Trans", 1);
  ini.Key("Tile", 0);
  Element(ini, "Progress.Chunk", Files::ProgressChunk, 1, {0, 2, 0, 2}, 0);

  Element(ini, "GroupBoxEdge", Files::GroupBoxEdge, 2, {5, 5, 5, 5}, 1);
  ini.Section("GroupBox");
  ini.Key("Image", Files::GroupBox);
  ini.Margins(0, 0, 0, 0);
  ini.Key("Trans", 0);
  ini.Key("BackgroundAlignment", 0);
  ini.Key("BackgroundLeftShift", 4);
  ini.Key("BackgroundRightShift", 4);

  ini.Section("Tabs");
  ini.Comment("Normal, selected, disabled, mouse over, selected with focus.");
  ini.Key("Image", Files::Tabs);
  ini.Key("Border", Files::TabsBorder);
  ini.Margins(5, 5, 5, 3);
  ini.Key("Trans", 1);
  ini.Key("Tile", 0);
  Element(ini, "StatusBarEdges", Files::StatusBarEdges, 3, {2, 2, 2, 2}, 0);
  Element(ini, "Tab.Pane", Files::TabPane, 1, {3, 3, 3, 3}, 1);
  Element(ini, "ToolBars", Files::ToolBars, 5, {4, 4, 4, 4}, 1);

  ini.Section("ComboButton");
  ini.Comment("Normal, pressed, disabled, mouse over or focused.");
  ini.Key("Image", Files::ComboButton);
  ini.Margins(1, 3, 3, 3);
  ini.Key("Trans", 1);
  ini.Key("Tile", 0);
  Element(ini, "SunkEdge", Files::SunkEdge, 4, {3, 3, 3, 3}, 1);
  Element(ini, "ExtraImages", Files::ExtraImages, 5, {0, 0, 0, 0}, 1);
  Element(ini, "Headerbar", Files::Headerbar, 5, {2, 5, 2, 5}, 0);

  Element(ini, "MenuItem", Files::MenuItem, 5, {4, 4, 4, 4}, 1);
  Element(ini, "MenuBackground", Files::MenuBackground, 1, {3, 3, 3, 3}, 0);

  ini.Comment("Scroll bars: arrows and grips, then shafts and thumbs.");
  Element(ini, "Scrollbar", Files::ScrollButtons, 23, {0, 0, 0, 0}, 0);
  Element(ini, "HorzScroll", Files::ScrollShaftHorz, 4, {0, 0, 0, 0}, 0);
  Element(ini, "VertScroll", Files::ScrollShaftVert, 4, {0, 0, 0, 0}, 0);
  for (auto [section, image, vertical] :
       {std::tuple{"HorzScrollThumb", Files::ScrollThumbHorz, false},
        std::tuple{"VertScrollThumb", Files::ScrollThumbVert, true}}) {
    ini.Section(section);
    ini.Key("Image", image);
    ini.Key("FrameCount", 3);
    if (vertical)
      ini.Margins(4, 6, 4, 6);
    else
      ini.Margins(6, 4, 6, 4);
    ini.Key("Trans", 1);
    ini.Key("Tile", 0);
  }

  ini.Comment("Track bars: thumbs are normal, pressed, disabled, mouse over, focused.");
  const std::pair<const char*, const char*> thumbs[] = {
      {"Trackbar.ThumbHorz", Files::ThumbHorz}, {"Trackbar.ThumbVert", Files::ThumbVert},
      {"Trackbar.ThumbLeft", Files::ThumbLeft}, {"Trackbar.ThumbRight", Files::ThumbRight},
      {"Trackbar.ThumbUp", Files::ThumbUp},     {"Trackbar.ThumbDown", Files::ThumbDown}};
  for (const auto& [section, image] : thumbs) Element(ini, section, image, 5, {0, 0, 0, 0}, 1);
  Element(ini, "Track", Files::Track, 1, {3, 0, 3, 0}, 1);
  Element(ini, "TRACKVERT", Files::TrackVert, 1, {0, 3, 0, 3}, 1);

  ini.Comment("Up-down: first arrow then second, each normal, pressed, disabled, mouse over.");
  for (auto [section, image, glyphs] :
       {std::tuple{"UpDown.Horz", Files::UpDownHorz, Files::UpDownHorzGlyphs},
        std::tuple{"UpDown.Vert", Files::UpDownVert, Files::UpDownVertGlyphs}}) {
    ini.Section(section);
    ini.Key("Image", image);
    ini.Key("GlyphImage", glyphs);
    ini.Margins(3, 3, 3, 3);
    ini.Key("Trans", 1);
    ini.Key("Tile", 0);
  }
}

void WriteColours(TIniWriter& ini) {
  ini.Section("Colours");
  const std::pair<const char*, TColor> colours[] = {{"WindowText", P::Text},
                                                    {"ButtonFace", P::Face},
                                                    {"Scrollbar", P::Shaft},
                                                    {"HilightText", P::Field},
                                                    {"Hilight", P::Accent},
                                                    {"Menubar", P::MenuBar},
                                                    {"Menu", P::MenuBack},
                                                    {"MenuText", P::Text},
                                                    {"ButtonText", P::Text},
                                                    {"ButtonHilight", P::Field},
                                                    {"Buttonlight", 0xFAFAFB},
                                                    {"ButtonShadow", P::TextDisabled},
                                                    {"ButtonDkShadow", P::DarkShadow},
                                                    {"MenuBarText", P::Text},
                                                    {"TitleTextActive", P::TitleText},
                                                    {"TitleTextNoActive", P::InactiveTitleText}};
  for (const auto& [key, c] : colours) ini.Color(key, c);

  ini.Comment("Further colours of the skin, by number: accent, accent hover, accent tint,");
  ini.Comment("title bar, outline, muted text.");
  const TColor numbered[] = {P::Accent,   P::AccentHover, P::AccentTint,
                             P::TitleTop, P::Outline,     P::TextMuted};
  for (int i = 0; i < 6; ++i) {
    ini.Section("Colour" + std::to_string(i));
    ini.Color("color", numbered[i]);
  }
  ini.Section("Customcolors");
  const TColor custom[] = {P::Accent,    P::AccentHover, P::AccentPressed, P::AccentTint,
                           P::TitleTop,  P::Face,        P::FaceDeep,      P::Line,
                           P::TextMuted, P::CloseHover};
  for (int i = 0; i < 10; ++i) ini.Color("Color" + std::to_string(i), custom[i]);

  ini.Section("Fonts");
  ini.Key("FontHeight", 14);
}

}  // namespace

std::string TSkinDefinition::Text() const {
  TIniWriter ini;
  WriteFrame(ini);
  WriteTitleButtons(ini);
  WriteControls(ini);
  WriteColours(ini);
  return ini.Text();
}
