#include "skin/definition/SkinLoader.h"

#include <algorithm>
#include <cmath>

#include "skin/definition/RgbText.h"
#include "skin/imaging/Gradient.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/imaging/ImageTransforms.h"
#include "skin/imaging/SkinSystem.h"
#include "toolkit/portable/BmpDecoder.h"

using SkinText::UpperCase;

namespace {

std::string WhereOf(std::string_view Section, std::string_view Key) {
  return "[" + std::string(Section) + "] " + std::string(Key);
}

std::string Quoted(std::string_view Text) {
  return "\"" + std::string(Text) + "\"";
}

// Digits with an optional sign, or hexadecimal after "$" or "0x": a number,
// only too large for the reader.
bool LooksNumeric(std::string_view Text) {
  if (!Text.empty() && (Text.front() == '+' || Text.front() == '-')) Text.remove_prefix(1);
  bool hex = false;
  if (Text.size() > 2 && Text[0] == '0' && (Text[1] == 'x' || Text[1] == 'X'))
    Text.remove_prefix(2), hex = true;
  else if (!Text.empty() && Text.front() == '$')
    Text.remove_prefix(1), hex = true;
  if (Text.empty()) return false;
  for (char c : Text)
    if (!(c >= '0' && c <= '9') && !(hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))))
      return false;
  return true;
}

std::string RgbWords(TColor Color) {
  return std::to_string(RedOf(Color)) + " " + std::to_string(GreenOf(Color)) + " " +
         std::to_string(BlueOf(Color));
}

const char* BitmapFaultWords(BmpDecoder::TBmpFault Fault) {
  using BmpDecoder::TBmpFault;
  switch (Fault) {
    case TBmpFault::NotBitmap:
      return "it is not a bitmap (a .bmp file starts with \"BM\")";
    case TBmpFault::BadHeader:
      return "its header is damaged";
    case TBmpFault::BadSize:
      return "its width or height is zero or negative";
    case TBmpFault::TooBig:
      return "it is too large (more than 16777216 pixels)";
    case TBmpFault::Unsupported:
      return "its kind of bitmap (bits per pixel or compression) is not supported";
    case TBmpFault::Truncated:
      return "its pixels run past the end of the file";
    case TBmpFault::None:
      break;
  }
  return "it cannot be read";
}

}  // namespace

TSkinLoader::TSkinLoader(TParsedSkin& Skin, const TQuickIni& Ini, const TSkinFiles& Files,
                         TSkinFindings* Findings)
    : FSkin(Skin), FIni(Ini), FFiles(Files), FFindings(Findings) {}

void TSkinLoader::Note(TSkinFindingKind Kind, std::string Where, std::string Text,
                       std::string Brief) const {
  if (!FFindings) return;
  for (const TSkinFinding& f : FFindings->Items())
    if (f.Where == Where && f.Text == Text) return;
  FFindings->Add(Kind, std::move(Where), std::move(Text), std::move(Brief));
}

int TSkinLoader::ReadInt(std::string_view Section, std::string_view Key, int Default) const {
  const std::string text = ReadText(Section, Key);
  std::int32_t value = 0;
  if (text.empty()) return Default;
  if (TQuickIni::ToInteger(text, value)) return value;
  const std::string where = WhereOf(Section, Key);
  const std::string used = ", " + std::to_string(Default) + " is used.";
  if (LooksNumeric(text))
    Note(TSkinFindingKind::BadValue, where, text + " is out of range" + used,
         where + " is out of range");
  else
    Note(TSkinFindingKind::BadValue, where, Quoted(text) + " is not a number" + used,
         where + " is not a number");
  return Default;
}

int TSkinLoader::ReadNonNegative(std::string_view Section, std::string_view Key, int Default,
                                 int Replacement) const {
  const int value = ReadInt(Section, Key, Default);
  if (value >= 0) return value;
  const std::string where = WhereOf(Section, Key);
  Note(TSkinFindingKind::ClampedValue, where,
       std::to_string(value) + " is not allowed, " + std::to_string(Replacement) + " is used.",
       where + " is negative");
  return Replacement;
}

int TSkinLoader::ReadDerivedCount(std::string_view Section, std::string_view Key) const {
  const int value = ReadInt(Section, Key, 0);
  if (value >= 0) return value;
  const std::string where = WhereOf(Section, Key);
  Note(TSkinFindingKind::ClampedValue, where,
       std::to_string(value) + " is not allowed, the count is worked out from the image.",
       where + " is negative");
  return 0;
}

int TSkinLoader::ReadSwitch(std::string_view Section, std::string_view Key, int Default,
                            int Above) const {
  const int value = ReadInt(Section, Key, Default);
  if (value <= 1) return value;
  const std::string where = WhereOf(Section, Key);
  Note(TSkinFindingKind::ClampedValue, where,
       std::to_string(value) + " is not allowed (only 0 or 1), " + std::to_string(Above) +
           " is used.",
       where + " is out of range");
  return Above;
}

int TSkinLoader::Cap(std::string_view Section, std::string_view Key, int Value, int Most) const {
  if (Value <= Most) return Value;
  const std::string where = WhereOf(Section, Key);
  Note(TSkinFindingKind::ClampedValue, where,
       std::to_string(Value) + " is more than the " + std::to_string(Most) + " allowed, " +
           std::to_string(Most) + " is used.",
       where + " is too large");
  return Most;
}

TColor TSkinLoader::ReadColour(std::string_view Section, std::string_view Key,
                               TColor Default) const {
  const std::string text = ReadText(Section, Key);
  const TColor colour = ParseRgbText(text, Default);
  if (const std::string fault = RgbTextFault(text); !fault.empty()) {
    const std::string where = WhereOf(Section, Key);
    Note(TSkinFindingKind::BadValue, where,
         Quoted(text) + " " + fault + ", " + RgbWords(colour) + " is used.",
         where + " is not a colour");
  }
  return colour;
}

void TSkinLoader::Load() {
  std::vector<std::string> sections;
  FIni.SectionNames(sections);
  FSkin.SkinName = FIni.ReadString("TitlebarSkin", "SkinName", "");
  LoadFrameBorders();
  LoadColours();
  LoadTitleButtons(sections);
  LoadMdiButtons();
  LoadPushButtons();
  LoadCaption();
  LoadElements();
  SetFrameCounts();
  ComposeCombo();
  DeriveComboArrow();
  // The tool-bar background is mixed from the border sample, so the sample
  // of this skin is taken first.
  TakeBorderSample();
  BuildToolbarBackground();
}

void TSkinLoader::LoadSkinImage(TPixelBuffer& Bitmap, std::string_view Path) const {
  LoadImageAt(Bitmap, Path, Quoted(Path));
}

void TSkinLoader::LoadImage(TPixelBuffer& Bitmap, std::string_view Section,
                            std::string_view Key) const {
  LoadImageAt(Bitmap, ReadText(Section, Key), WhereOf(Section, Key));
}

void TSkinLoader::LoadImageAt(TPixelBuffer& Bitmap, std::string_view Path,
                              const std::string& Where) const {
  Bitmap.Clear();
  if (Path.empty()) return;
  const std::size_t cut = Path.find_last_of("\\:");
  const std::string_view name = cut == std::string_view::npos ? Path : Path.substr(cut + 1);
  const std::size_t dot = name.rfind('.');
  const std::string file(name);
  if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp") {
    Note(TSkinFindingKind::BadValue, Where,
         Quoted(Path) + " is not used: only files ending in \".bmp\" (in lower case) are read.",
         (file.empty() ? Quoted(Path) : file) + " is not a .bmp file");
    return;
  }
  std::vector<std::uint8_t> bytes;
  FFiles.ExtractFile(name, bytes);
  if (bytes.empty()) {
    switch (FFiles.State(name)) {
      case TSkinFileState::Missing:
        Note(TSkinFindingKind::MissingFile, Where, "the file " + Quoted(file) + " is not in the skin.",
             file + " is missing");
        break;
      case TSkinFileState::Damaged:
        Note(TSkinFindingKind::DamagedArchive, Where,
             "the file " + Quoted(file) + " cannot be read from the skin.", file + " is damaged");
        break;
      case TSkinFileState::Present:
        Note(TSkinFindingKind::UnreadableBitmap, Where, "the file " + Quoted(file) + " is empty.",
             file + " is empty");
        break;
    }
    return;
  }
  BmpDecoder::TBmpFault fault = BmpDecoder::TBmpFault::None;
  Bitmap = BmpDecoder::Decode(bytes.data(), bytes.size(), &fault);
  if (Bitmap.Empty())
    Note(TSkinFindingKind::UnreadableBitmap, Where,
         "the file " + Quoted(file) + " cannot be used: " + BitmapFaultWords(fault) + ".",
         file + " cannot be read");
}

void TSkinLoader::ReadMargins(TDataSkinObject& Element, std::string_view Section) const {
  Element.Margins = {
      ReadNonNegative(Section, "LeftWidth", 0), ReadNonNegative(Section, "TopHeight", 0),
      ReadNonNegative(Section, "RightWidth", 0), ReadNonNegative(Section, "BottomHeight", 0)};
}

void TSkinLoader::ReadColourSelectors(TDataSkinObject& Element, std::string_view Section) const {
  Element.NormalColour = ReadInt(Section, "NormalColour", -1);
  Element.MouseOverColour = ReadInt(Section, "MouseOverColour", -1);
  Element.PressedColour = ReadInt(Section, "PressedColour", -1);
  const TColor text = FSkin.Colours.ButtonText;
  Element.NormalColour2 = ReadColour(Section, "NormalColour2", text);
  Element.MouseOverColour2 = ReadColour(Section, "MouseOverColour2", text);
  Element.PressedColour2 = ReadColour(Section, "PressedColour2", text);
}

template <class T>
std::unique_ptr<T> TSkinLoader::LoadGeneric(std::string_view Section, bool ReadFrame) {
  const std::string image = ReadText(Section, "Image");
  if (image.empty()) return nullptr;
  auto element = std::make_unique<T>();
  element->ElementName = std::string(Section);
  LoadImage(element->Image, Section, "Image");
  element->Style = ReadInt(Section, "Style", 0);
  ReadMargins(*element, Section);
  if (ReadFrame) element->FrameCount = ReadNonNegative(Section, "Frame", 0, 1);
  element->Trans = ReadInt(Section, "Trans", 0);
  element->Tile = ReadSwitch(Section, "Tile", 0, 0);
  ReadColourSelectors(*element, Section);
  return element;
}

std::unique_ptr<TDataSkinBorder> TSkinLoader::LoadWithSecondImage(std::string_view Section,
                                                                  std::string_view SecondKey) {
  auto element = LoadGeneric<TDataSkinBorder>(Section, false);
  if (!element) return nullptr;
  const std::string second = ReadText(Section, SecondKey);
  if (!second.empty()) LoadImage(element->SecondImage, Section, SecondKey);
  return element;
}

std::unique_ptr<TDataSkinBorder> TSkinLoader::LoadProgress() {
  const std::string image = ReadText("Progress", "Bitmap");
  if (image.empty()) return nullptr;
  auto element = std::make_unique<TDataSkinBorder>();
  element->ElementName = "Progress";
  LoadImage(element->Image, "Progress", "Bitmap");
  element->Style = ReadInt("Progress", "Style", 0);
  ReadMargins(*element, "Progress");
  element->Trans = ReadInt("Progress", "Trans", 0);
  element->Tile = ReadSwitch("Progress", "Tile", 0, 1);
  return element;
}

std::unique_ptr<TDataSkinBoxLabel> TSkinLoader::LoadGroupBox() {
  auto element = LoadGeneric<TDataSkinBoxLabel>("GroupBox", false);
  if (!element) return nullptr;
  element->BackgroundAlignment = ReadInt("GroupBox", "BackgroundAlignment", 0);
  element->BackgroundLeftShift = ReadInt("GroupBox", "BackgroundLeftShift", 0);
  element->BackgroundRightShift = ReadInt("GroupBox", "BackgroundRightShift", 0);
  return element;
}

std::unique_ptr<TDataSkinObject> TSkinLoader::LoadMenuBar() {
  const std::string image = ReadText("Personality", "menuBar");
  if (image.empty()) return nullptr;
  auto element = std::make_unique<TDataSkinObject>();
  element->ElementName = "Personality";
  LoadImage(element->Image, "Personality", "menuBar");
  element->Tile = ReadSwitch("Personality", "TileMenu", 1, 1);
  element->Margins = {ReadInt("Personality", "TileLeftMenu", 1), 0,
                      ReadInt("Personality", "TileRightMenu", 1), 0};
  return element;
}

void TSkinLoader::LoadFrameBorders() {
  const std::pair<const char*, TDataSkinBorder*> sides[] = {{"Left", FSkin.FrameLeft.get()},
                                                            {"Right", FSkin.FrameRight.get()},
                                                            {"Top", FSkin.FrameTop.get()},
                                                            {"Bottom", FSkin.FrameBottom.get()}};
  for (auto [side, border] : sides) {
    const std::string s = side;
    LoadImage(border->Image, "Personality", s);
    const int first = ReadNonNegative("Personality", s + "TopHeight", 0);
    const int second = ReadNonNegative("Personality", s + "BotHeight", 0);
    if (s == "Left" || s == "Right")
      border->Margins = {0, first, 0, second};
    else
      border->Margins = {first, 0, second, 0};
    border->FrameCount = ReadNonNegative("Personality", s + "Frame", 1, 1);
    border->Tile = ReadSwitch("Personality", s + "Stretch", 1, 1);
    border->Trans = ReadInt("Personality", s + "Trans", 1);
  }
}

void TSkinLoader::LoadColours() {
  TSkinColours& c = FSkin.Colours;
  for (const TColourKey& key : ColourKeys) {
    const TColor fallback =
        key.DefaultSysColor < 0 ? c.ButtonFace : SystemColor(key.DefaultSysColor);
    c.*key.Field = ReadColour("Colours", key.Key, fallback);
  }

  std::vector<std::string> sections;
  FIni.SectionNames(sections);
  FSkin.NumberedColors.clear();
  for (const std::string& section : sections) {
    const std::string upper = UpperCase(section);
    if (upper.rfind("COLOUR", 0) == 0 && upper != "COLOURS")
      FSkin.NumberedColors.push_back(ReadColour(section, "color", SystemColor(scWindowText)));
  }
  for (int i = 0; i < 10; ++i)
    FSkin.CustomColors[i] = ReadColour("Customcolors", "Color" + std::to_string(i), clWhite);
}

void TSkinLoader::LoadTitleButtons(const std::vector<std::string>& Sections) {
  FSkin.TitleButtons.clear();
  std::vector<std::string> kept;
  for (const std::string& section : Sections) {
    const std::string upper = UpperCase(section);
    if (upper.rfind("BUTTON", 0) != 0 || upper == "BUTTON" || upper == "BUTTONS" ||
        upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX")
      continue;
    // Read quietly here: what a kept button's values fall back to is noted
    // when the button is read.
    if (FIni.ReadInteger(section, "Action", 0) == -1 &&
        FIni.ReadInteger(section, "Visibility", -1) != 0) {
      ReadInt(section, "Visibility", -1);
      continue;
    }
    kept.push_back(section);
  }
  TPoint recorded;
  for (const std::string& section : kept) {
    auto button = std::make_unique<TDataSkinSysButton>();
    TDataSkinSysButton& b = *button;
    b.ElementName = UpperCase(section);
    b.Action = ReadInt(section, "Action", 0);
    b.Align = ReadInt(section, "Align", 0);
    b.XCoord = ReadInt(section, "Xcoord", 0);
    b.YCoord = ReadInt(section, "Ycoord", 0);
    b.Visibility = ReadInt(section, "Visibility", 0);
    b.Visibility1 = ReadInt(section, "Visibility1", b.Action == -1 ? -1 : 0);
    b.CombineOp = ReadInt(section, "CombineOp", -1);
    b.FrameCount = ReadDerivedCount(section, "frame");
    LoadImage(b.Image, section, "ButtonImage");
    if (b.Action == 1 && b.Visibility == 2) recorded = {b.XCoord, b.YCoord};
    if (b.Action == 4) b.XCoord = recorded.X, b.YCoord = recorded.Y;
    if (b.FrameCount == 0) {
      b.FrameCount = 6;
      if (!b.Image.Empty()) {
        const double ratio = static_cast<double>(b.Image.Width()) / b.Image.Height();
        b.FrameCount = ratio <= 3.8 ? 3 : 6;
        if (b.Action < 0) b.FrameCount = 6;
      }
      if (b.Action == 3 || b.Action == 11) b.Image.Clear();
    }
    FSkin.TitleButtons.push_back(std::move(button));
  }
}

void TSkinLoader::LoadMdiButtons() {
  TPixelBuffer image;
  LoadImage(image, "MDICONTROLS", "Image");
  const int w = image.Width() / 12;
  for (int i = 0; i < 3; ++i) {
    auto button = std::make_unique<TDataSkinSysButton>();
    button->ElementName = "MDICONTROLS";
    button->Action = 7 + i;
    button->Align = button->Visibility = button->Visibility1 = 100;
    button->FrameCount = 4;
    if (!image.Empty()) {
      button->Image = image.Copy({4 * w * i, 0, 4 * w * (i + 1), image.Height()});
      button->XCoord = (w + 4) * (3 - i);
    }
    FSkin.TitleButtons.push_back(std::move(button));
  }
}

void TSkinLoader::LoadPushButtons() {
  TDataSkinButton& b = *FSkin.Buttons;
  ReadMargins(b, "Buttons");
  b.Trans = ReadInt("Buttons", "Trans", 0);
  LoadImage(b.Image, "Buttons", "Bitmap");
  b.Tile = ReadSwitch("Buttons", "Tile", 0, 0);
  LoadImage(b.CheckButton, "Buttons", "CheckButton");
  LoadImage(b.RadioButton, "Buttons", "RadioButton");
  b.RadioButtonFrame = ReadDerivedCount("Buttons", "RadioButtonFrame");
  b.CheckButtonFrame = ReadDerivedCount("Buttons", "CheckButtonFrame");
  ReadColourSelectors(b, "Buttons");
  b.NormalColour2Given = !ReadText("Buttons", "NormalColour2").empty();
  b.MouseOverColour2Given = !ReadText("Buttons", "MouseOverColour2").empty();
  b.PressedColour2Given = !ReadText("Buttons", "PressedColour2").empty();
}

void TSkinLoader::LoadCaption() {
  TDataSkinTitle& t = *FSkin.Title;
  LoadImage(t.Image, "Personality", "TextBack");
  t.Margins = {ReadInt("Personality", "TextShift", 0), ReadInt("Personality", "TextShiftVert", 0),
               ReadInt("Personality", "TextRightClip", 0), 0};
  t.TextAlignment = ReadInt("Personality", "TextAlignment", 0);
  t.Textbackground = ReadInt("Personality", "Textbackground", 0);
  t.FontHeight = ReadInt("Fonts", "FontHeight", 14);
  t.TXTBackleft = ReadInt("Personality", "TXTBackleft", 0);
  t.TXTBackRight = ReadInt("Personality", "TXTBackRight", 0);
  auto colour = [&](const std::string& prefix) {
    const int r = ReadInt("Personality", prefix + "R", -1);
    const int g = ReadInt("Personality", prefix + "G", -1);
    const int b = ReadInt("Personality", prefix + "B", -1);
    return r >= 0 && g >= 0 && b >= 0 ? ColorFromRgb(r, g, b) : TDataSkinTitle::NoColour;
  };
  t.ActiveCaptionColour = colour("ActiveText");
  t.InactiveCaptionColour = colour("InActiveText");
}

std::unique_ptr<TDataSkinObject> TSkinLoader::TrackFromResource(const char* Name) {
  auto element = std::make_unique<TDataSkinObject>();
  element->ElementName = Name;
  element->Image = SkinSystem().BitmapResource(Name);
  element->Margins = {3, 3, 3, 3};
  element->Tile = 0;
  element->FrameCount = 1;
  element->NormalColour2 = element->MouseOverColour2 = element->PressedColour2 =
      FSkin.Colours.ButtonText;
  return element;
}

void TSkinLoader::LoadElements() {
  TParsedSkin& s = FSkin;
  s.Progress = LoadProgress();
  s.ProgressChunk = LoadGeneric<TDataSkinObject>("Progress.Chunk", true);
  s.MenuBar = LoadMenuBar();
  s.GroupBoxEdge = LoadGeneric<TDataSkinObject>("GroupBoxEdge");
  s.GroupBox = LoadGroupBox();
  s.Tabs = LoadWithSecondImage("Tabs", "Border");
  s.StatusBarEdges = LoadGeneric<TDataSkinObject>("StatusBarEdges");
  s.TabPane = LoadGeneric<TDataSkinObject>("Tab.Pane");
  if (s.TabPane) {
    TRect& m = s.TabPane->Margins;
    m = {Cap("Tab.Pane", "LeftWidth", m.Left, 4), Cap("Tab.Pane", "TopHeight", m.Top, 4),
         Cap("Tab.Pane", "RightWidth", m.Right, 4), Cap("Tab.Pane", "BottomHeight", m.Bottom, 4)};
  }
  s.ToolBars = LoadGeneric<TDataSkinObject>("ToolBars");
  s.ComboButton = LoadWithSecondImage("ComboButton", "****");
  s.SunkEdge = LoadGeneric<TDataSkinObject>("SunkEdge");
  if (s.ComboButton && !s.ComboButton->Image.Empty()) {
    s.ComboButton->SecondImage = s.ComboButton->Image;
    MirrorHorizontal(s.ComboButton->SecondImage);
  }
  s.ExtraImages = LoadGeneric<TDataSkinObject>("ExtraImages");
  s.Headerbar = LoadGeneric<TDataSkinObject>("Headerbar", true);
  s.MenuItem = LoadGeneric<TDataSkinObject>("MenuItem");
  s.MenuBackground = LoadGeneric<TDataSkinObject>("MenuBackground");
  s.Scrollbar = LoadGeneric<TDataSkinObject>("Scrollbar");
  s.HorzScroll = LoadGeneric<TDataSkinObject>("HorzScroll");
  s.VertScroll = LoadGeneric<TDataSkinObject>("VertScroll");
  s.HorzScrollThumb = LoadGeneric<TDataSkinObject>("HorzScrollThumb");
  s.VertScrollThumb = LoadGeneric<TDataSkinObject>("VertScrollThumb");
  s.ThumbHorz = LoadGeneric<TDataSkinObject>("Trackbar.ThumbHorz");
  s.ThumbVert = LoadGeneric<TDataSkinObject>("Trackbar.ThumbVert");
  s.ThumbLeft = LoadGeneric<TDataSkinObject>("Trackbar.ThumbLeft");
  s.ThumbRight = LoadGeneric<TDataSkinObject>("Trackbar.ThumbRight");
  s.ThumbUp = LoadGeneric<TDataSkinObject>("Trackbar.ThumbUp");
  s.ThumbDown = LoadGeneric<TDataSkinObject>("Trackbar.ThumbDown");
  s.UpDownHorz = LoadWithSecondImage("UpDown.Horz", "GlyphImage");
  s.UpDownVert = LoadWithSecondImage("UpDown.Vert", "GlyphImage");
  s.Track = LoadGeneric<TDataSkinObject>("Track", true);
  s.TrackVert = LoadGeneric<TDataSkinObject>("TRACKVERT", true);
  if (!s.Track) s.Track = TrackFromResource("TRACK");
  if (!s.TrackVert) s.TrackVert = TrackFromResource("TRACKVERT");
}

void TSkinLoader::SetFrameCounts() {
  TParsedSkin& s = FSkin;
  auto set = [](auto& element, int count) {
    if (element) element->FrameCount = count;
  };
  set(s.Title, 2);
  set(s.MenuBar, 2);
  set(s.Buttons, 5);
  if (s.Progress) s.Progress->FrameCount = s.Progress->Style != 0 ? 1 : 2;
  set(s.GroupBoxEdge, 2);
  set(s.GroupBox, 1);
  set(s.Tabs, 5);
  set(s.StatusBarEdges, 3);
  set(s.TabPane, 1);
  set(s.ToolBars, 5);
  set(s.ComboButton, 4);
  set(s.SunkEdge, 4);
  set(s.ExtraImages, 5);
  if (s.Headerbar && s.Headerbar->FrameCount == 0) s.Headerbar->FrameCount = 5;
  set(s.MenuItem, 5);
  set(s.MenuBackground, 1);
  set(s.Scrollbar, 23);
  set(s.HorzScroll, 4);
  set(s.VertScroll, 4);
  if (s.HorzScrollThumb) set(s.HorzScrollThumb, ReadNonNegative("HorzScrollThumb", "FrameCount", 3, 3));
  if (s.VertScrollThumb) set(s.VertScrollThumb, ReadNonNegative("VertScrollThumb", "FrameCount", 3, 3));
  for (auto* thumb :
       {&s.ThumbHorz, &s.ThumbVert, &s.ThumbLeft, &s.ThumbRight, &s.ThumbUp, &s.ThumbDown})
    set(*thumb, 5);
  set(s.UpDownHorz, 8);
  set(s.UpDownVert, 8);

  auto derived = [](int count, const TPixelBuffer& image) {
    if (count != 0) return count;
    return std::max(image.Width() / (image.Height() < 16 ? 13 : 16), 4);
  };
  s.Buttons->RadioButtonFrame = derived(s.Buttons->RadioButtonFrame, s.Buttons->RadioButton);
  s.Buttons->CheckButtonFrame = derived(s.Buttons->CheckButtonFrame, s.Buttons->CheckButton);
}

void TSkinLoader::ComposeCombo() {
  TParsedSkin& s = FSkin;
  if (!s.SunkEdge || !s.ComboButton) return;
  const TDataSkinObject& edge = *s.SunkEdge;
  TDataSkinBorder& button = *s.ComboButton;
  const int w = SkinSystem().SystemMetric(smCxHScroll) + 2;
  const int frames = std::max(edge.FrameCount, 0);
  const TRect buttonArea = {50 - w, 0, 50, 21};
  TPixelBuffer strip(50 * frames, 21, KeyPixel);
  for (int b = 1; b <= frames; ++b) {
    // Each frame starts transparent, so transparent parts of the edge stay so.
    TPixelBuffer work(50, 21, KeyPixel);
    DrawSliced(work, work.Bounds(), edge.Image, false, false, edge.Trans != 0, edge.FrameCount, b,
               edge.Margins);
    DrawSliced(work, buttonArea, button.Image, false, false, true, button.FrameCount, b,
               button.Margins);
    if (s.ExtraImages)
      DrawFrameCentered(work, buttonArea, s.ExtraImages->Image, true, s.ExtraImages->FrameCount, b);
    work.FillRect({2, 2, 49 - w, 18}, KeyPixel);
    strip.CopyFrom(work, work.Bounds(), 50 * (b - 1), 0);
  }
  button.Style = 2;
  button.Margins = {2, edge.Margins.Top, w + 2, edge.Margins.Bottom};
  button.Image = strip;
  MirrorHorizontal(strip);
  s.SunkEdge->Image = std::move(strip);
  s.SunkEdge->Margins.Left = w + 2;
  s.SunkEdge->Margins.Right = 2;
}

void TSkinLoader::DeriveComboArrow() {
  TParsedSkin& s = FSkin;
  if (!s.ComboButton) return;
  if (!s.SunkEdge) {
    auto arrow = std::make_unique<TDataSkinObject>();
    arrow->ElementName = "ComboxArrow";
    arrow->Image = s.ComboButton->Image;
    ReplaceKeyColor(arrow->Image, s.Colours.ButtonFace);
    arrow->FrameCount = s.ComboButton->FrameCount;
    s.ComboxArrow = std::move(arrow);
  } else if (s.ComboButton->Style == 2) {
    const int n = s.SunkEdge->FrameCount;
    auto arrow = std::make_unique<TDataSkinObject>();
    arrow->ElementName = "ComboxArrow";
    arrow->Image.SetSize(17 * n, 17);
    const TPixelBuffer& source = s.ComboButton->Image;
    const int fw = n > 0 ? source.Width() / n : 0;
    for (int i = 0; i < n; ++i) {
      const int right = fw * (i + 1);
      arrow->Image.CopyFrom(source, {right - 19, 2, right - 2, 19}, 17 * i, 0);
    }
    arrow->FrameCount = n;
    s.ComboxArrow = std::move(arrow);
  }
}

void TSkinLoader::TakeBorderSample() {
  const TDataSkinBorder& top = *FSkin.FrameTop;
  if (top.Image.Empty()) {
    FSkin.BorderSampleColor = FSkin.Colours.ButtonFace;
    return;
  }
  const int frameHeight = top.Image.Height() / std::max(top.FrameCount, 1);
  FSkin.BorderSampleColor = ColorFromPixel(top.Image.Pixel(top.Image.Width() / 3, frameHeight / 3));
}

void TSkinLoader::BuildToolbarBackground() {
  const TColor c = ResolveColor(FSkin.BorderSampleColor);
  const TColor start = MixColors(FSkin.Colours.ButtonFace, clWhite, 150);
  TColor end = MixColors(clGray, c, 150);
  const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
  const int high = std::max({r, g, b}), low = std::min({r, g, b});
  const int saturation =
      high > 159 ? static_cast<int>(std::lround(255.0 * (high - low) / high)) : 200;
  if (saturation > 110) end = MixColors(c, clWhite, (5625 - 25 * saturation) / 140 + 50);
  auto toolbar = std::make_unique<TDataSkinObject>();
  toolbar->ElementName = "Toolbar";
  toolbar->Image.SetSize(10, 40);
  DrawGradient(toolbar->Image, toolbar->Image.Bounds(), start, true, end);
  toolbar->FrameCount = 1;
  FSkin.Toolbar = std::move(toolbar);
}
