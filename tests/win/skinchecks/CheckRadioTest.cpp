// Check boxes and radio buttons on real skinned forms: which frame of the
// skin's check or radio strip each state shows, driven by clicks and keys,
// where glyph and caption sit, and bare system buttons.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/painters/SkinCheckBox.h"
#include "skin/painters/SkinRadioButton.h"
#include "skin/recognition/ControlRecognition.h"
#include "skinchecks/ChecksSupport.h"
#include "toolkit/CustomCheckBox.h"
#include "toolkit/CustomRadioGroup.h"
#include "toolkit/RadioButton.h"
#include "toolkit/portable/ClassBuilder.h"

namespace {

// A check box of another library: a plain system check box that publishes
// only "Checked", which it keeps without telling the system button.
class TPlainCheck : public TButtonControl {
  FW_CLASS(TPlainCheck)
 public:
  using TButtonControl::TButtonControl;
  bool GetChecked() const { return FChecked; }
  void SetChecked(bool Value) {
    FChecked = Value;
    Invalidate();
  }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TButtonControl::CreateParams(Params);
    Params.Style |= BS_CHECKBOX;
  }

 private:
  bool FChecked = false;
};

}  // namespace

const TClassInfo& TPlainCheck::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPlainCheck>("TPlainCheck", &TButtonControl::StaticClass())
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("Checked", &TPlainCheck::GetChecked, &TPlainCheck::SetChecked, false)
          .Info();
  return info;
}

namespace {

// Where the glyph of a strip sits in a box Width x Height wide: at the left
// edge, or at Right.
struct TGlyphPlace {
  const TPixelBuffer& Strip;
  int Frames;
  int Width() const { return Strip.Width() / Frames; }
  TRect At(int Left, int BoxHeight) const {
    const int top = (BoxHeight - Strip.Height()) / 2;
    return TRect{Left, top, Left + Width(), top + Strip.Height()};
  }
};

const TDataSkinButton& Buttons(const TControlsForm& Form) {
  return *Form.Skinned.Data->Skin().Buttons;
}

// Waits for Window to show Frame of the strip at Area.
bool ShowsFrame(HWND Window, const TRect& Area, const TGlyphPlace& Glyph, TColor Face, int Frame) {
  return WaitForPixels(Window, [&](const TPixelBuffer& Shown) {
    return StripFrameAt(Shown, Area, Glyph.Strip, Glyph.Frames, Face) == Frame;
  });
}

int Ink(const TPixelBuffer& Shown, const TRect& Area, COLORREF Colour) {
  return CountPixels(Shown, Area, PixelFromColor(static_cast<TColor>(Colour)));
}

}  // namespace

TEST(SkinCheckBox, ClicksKeysAndStatesShowTheirFramesOfATwelveFrameStrip) {
  TCheckBox* box = nullptr;
  TCheckBox* other = nullptr;
  TControlsForm form(ProgramSkin(), [&](TForm& Form) {
    box = new TCheckBox(&Form);
    box->SetParent(&Form);
    box->SetBounds(20, 20, 180, 24);
    box->SetText("Copy hidden files");
    box->SetAllowGrayed(true);
    other = new TCheckBox(&Form);
    other->SetParent(&Form);
    other->SetBounds(20, 60, 180, 24);
  });
  ASSERT_TRUE(form.Ready());
  HWND window = box->WindowHandle();
  auto* painter = form.PainterOf<TSkinCheckBox>(window);
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Mode(), 1);
  const TGlyphPlace glyph{Buttons(form).CheckButton, Buttons(form).CheckButtonFrame};
  ASSERT_EQ(glyph.Frames, 12);
  const TRect at = glyph.At(0, 24);
  const auto shows = [&](int Frame) { return ShowsFrame(window, at, glyph, form.Face(), Frame); };
  EXPECT_TRUE(shows(1));

  // Clicks go to the native box: unchecked, checked, grayed.
  ClickClient(window, {glyph.Width() / 2, 12});
  ASSERT_TRUE(PumpUntil([&] { return box->GetState() == cbChecked; }));
  EXPECT_TRUE(shows(5));
  EXPECT_EQ(painter->StoredCheck(), BST_CHECKED + 1);
  ClickClient(window, {glyph.Width() / 2, 12});
  ASSERT_TRUE(PumpUntil([&] { return box->GetState() == cbGrayed; }));
  EXPECT_TRUE(shows(9));
  PressChord({VK_SPACE});
  ASSERT_TRUE(PumpUntil([&] { return box->GetState() == cbUnchecked; }));
  EXPECT_TRUE(shows(1));

  // The caption in the skin's text colour, with a focus rectangle around it
  // while the box has the focus.
  const TRect textArea{glyph.Width() + 2, 0, 180, 24};
  const COLORREF text = ColorToRGB(form.Skinned.Data->Skin().Colours.ButtonText);
  const TPixel face = PixelFromColor(static_cast<TColor>(ColorToRGB(form.Face())));
  ASSERT_EQ(GetFocus(), window);
  TPixelBuffer shown = CaptureWindow(window);
  EXPECT_GT(Ink(shown, textArea, text), 10);
  const TRect focused = InkBox(shown, textArea, face);
  other->SetFocus();
  ASSERT_TRUE(WaitForPixels(window, [&](const TPixelBuffer& Now) {
    return InkBox(Now, textArea, face).Right < focused.Right;
  }));

  // Disabled: the disabled frames and greyed text.
  box->SetEnabled(false);
  EXPECT_TRUE(shows(4));
  shown = CaptureWindow(window);
  EXPECT_EQ(Ink(shown, textArea, text), 0);
  EXPECT_GT(Ink(shown, textArea, GetSysColor(COLOR_BTNSHADOW)), 10);
  box->SetState(cbChecked);
  EXPECT_TRUE(shows(8));
  box->SetState(cbGrayed);
  EXPECT_TRUE(shows(12));
}

TEST(SkinCheckBox, LeftTextPutsTheGlyphRightAndTheCaptionAgainstIt) {
  TCheckBox* plain = nullptr;
  TCheckBox* leftText = nullptr;
  TRadioButton* leftRadio = nullptr;
  TControlsForm form(ProgramSkin(), [&](TForm& Form) {
    plain = new TCheckBox(&Form);
    leftText = new TCheckBox(&Form);
    leftRadio = new TRadioButton(&Form);
    int top = 20;
    for (TButtonControl* c : std::initializer_list<TButtonControl*>{plain, leftText, leftRadio}) {
      c->SetParent(&Form);
      c->SetBounds(20, top, 200, 22);
      c->SetText("Target");
      top += 30;
    }
    leftText->SetAlignment(taLeftJustify);
    leftText->SetBiDiMode(bdRightToLeft);
    leftRadio->SetAlignment(taLeftJustify);
  });
  ASSERT_TRUE(form.Ready());
  const TPixel face = PixelFromColor(static_cast<TColor>(ColorToRGB(form.Face())));
  const TGlyphPlace check{Buttons(form).CheckButton, Buttons(form).CheckButtonFrame};
  const TGlyphPlace radio{Buttons(form).RadioButton, Buttons(form).RadioButtonFrame};

  // Glyph at the left, caption from two pixels after it.
  EXPECT_TRUE(ShowsFrame(plain->WindowHandle(), check.At(0, 22), check, form.Face(), 1));
  TPixelBuffer shown = CaptureWindow(plain->WindowHandle());
  const TRect plainInk = InkBox(shown, TRect{check.Width(), 0, 200, 22}, face);
  EXPECT_GE(plainInk.Left, check.Width() + 2);
  EXPECT_LE(plainInk.Left, check.Width() + 5);

  // Left text, right to left: glyph at the right edge, the caption
  // right-aligned two pixels before it.
  const int glyphLeft = 200 - check.Width();
  EXPECT_TRUE(ShowsFrame(leftText->WindowHandle(), check.At(glyphLeft, 22), check, form.Face(), 1));
  shown = CaptureWindow(leftText->WindowHandle());
  const TRect leftInk = InkBox(shown, TRect{0, 0, glyphLeft, 22}, face);
  EXPECT_LE(leftInk.Right, glyphLeft - 2);
  EXPECT_GE(leftInk.Right, glyphLeft - 5);
  // The whole caption (right-to-left reading may space it a little
  // differently).
  EXPECT_NEAR(leftInk.Right - leftInk.Left, plainInk.Right - plainInk.Left, 3);

  // A left-text radio button's glyph ends one pixel inside the right edge.
  const int radioLeft = 200 - 1 - radio.Width();
  EXPECT_TRUE(
      ShowsFrame(leftRadio->WindowHandle(), radio.At(radioLeft, 22), radio, form.Face(), 1));
}

TEST(SkinRadioButton, ClicksAndArrowKeysMoveTheCheckAcrossAnEightFrameStrip) {
  TRadioButton* first = nullptr;
  TRadioButton* second = nullptr;
  TRadioGroup* group = nullptr;
  TControlsForm form(ProgramSkin(), [&](TForm& Form) {
    first = new TRadioButton(&Form);
    second = new TRadioButton(&Form);
    first->SetParent(&Form);
    second->SetParent(&Form);
    first->SetBounds(20, 20, 160, 22);
    second->SetBounds(20, 50, 160, 22);
    first->SetText("Local");
    second->SetText("Network");
    group = new TRadioGroup(&Form);
    group->SetParent(&Form);
    group->SetBounds(220, 20, 160, 100);
    group->GetItems()->Add("One");
    group->GetItems()->Add("Two");
  });
  ASSERT_TRUE(form.Ready());
  ASSERT_NE(form.PainterOf<TSkinRadioButton>(first->WindowHandle()), nullptr);
  ASSERT_NE(form.PainterOf<TSkinRadioButton>(second->WindowHandle()), nullptr);
  // The items of a radio group are painted as radio buttons too.
  for (int i = 0; i < 2; ++i)
    EXPECT_NE(form.PainterOf<TSkinRadioButton>(group->Buttons(i)->WindowHandle()), nullptr);

  const TGlyphPlace glyph{Buttons(form).RadioButton, Buttons(form).RadioButtonFrame};
  ASSERT_EQ(glyph.Frames, 8);
  const TRect at = glyph.At(0, 22);
  const auto shows = [&](TRadioButton* Button, int Frame) {
    return ShowsFrame(Button->WindowHandle(), at, glyph, form.Face(), Frame);
  };
  EXPECT_TRUE(shows(first, 1));
  EXPECT_TRUE(shows(second, 1));

  ClickClient(second->WindowHandle(), {glyph.Width() / 2, 11});
  ASSERT_TRUE(PumpUntil([&] { return second->GetChecked(); }));
  EXPECT_TRUE(shows(second, 5));
  EXPECT_TRUE(shows(first, 1));
  PressChord({VK_UP});
  ASSERT_TRUE(PumpUntil([&] { return first->GetChecked(); }));
  EXPECT_TRUE(shows(first, 5));
  EXPECT_TRUE(shows(second, 1));

  second->SetEnabled(false);
  EXPECT_TRUE(shows(second, 4));
  first->SetEnabled(false);
  EXPECT_TRUE(shows(first, 8));
}

namespace {

// A skin with 4-frame check and radio strips of solid colours.
TBytes FourFrameSkin(const std::vector<TPixel>& Check, const std::vector<TPixel>& Radio) {
  TTestSkinImages images = PlainBorders(4, 24, 4, 4, PixelFromRgb(40, 40, 90),
                                        PixelFromRgb(90, 90, 90));
  // The first lines go on with the skin's [Colours] section.
  images.ExtraSections =
      "ButtonFace=230 231 232\r\nButtonText=20 20 20\r\n"
      "[Buttons]\r\nCheckButton=check.bmp\r\nCheckButtonFrame=4\r\n"
      "RadioButton=radio.bmp\r\nRadioButtonFrame=4\r\n";
  images.Extra = {{"check.bmp", SolidStrip(13, 13, Check)},
                  {"radio.bmp", SolidStrip(13, 13, Radio)}};
  return MakeSkin(images);
}

HWND BareButton(HWND Parent, const char* Text, DWORD Style, int Top) {
  return CreateWindowExA(0, "BUTTON", Text, WS_CHILD | WS_VISIBLE | Style, 20, Top, 160, 21, Parent,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

TEST(SkinCheckBox, BareButtonsAndAFourFrameStrip) {
  const std::vector<TPixel> check = FrameColours(4);
  std::vector<TPixel> radio = FrameColours(8);
  radio.erase(radio.begin(), radio.begin() + 4);
  TPlainCheck* plain = nullptr;
  TControlsForm form(FourFrameSkin(check, radio), [&](TForm& Form) {
    plain = new TPlainCheck(&Form);
    plain->SetParent(&Form);
    plain->SetBounds(20, 110, 160, 21);
    plain->SetText("Published only");
  });
  ASSERT_TRUE(form.Ready());
  HWND parent = form.Form().WindowHandle();
  HWND bareCheck = BareButton(parent, "Bare check", BS_AUTO3STATE, 20);
  HWND bareRadio = BareButton(parent, "Bare radio", BS_AUTORADIOBUTTON, 50);
  SkinChildWindow(form.Skinner(), bareCheck);
  SkinChildWindow(form.Skinner(), bareRadio);
  ASSERT_NE(form.PainterOf<TSkinCheckBox>(bareCheck), nullptr);
  ASSERT_NE(form.PainterOf<TSkinRadioButton>(bareRadio), nullptr);
  EXPECT_EQ(form.PainterOf<TSkinRadioButton>(bareCheck), nullptr);

  const TRect glyph{0, 4, 13, 17};
  const auto shows = [&](HWND Window, const std::vector<TPixel>& Colours, int Frame) {
    return WaitForPixels(Window, [&](const TPixelBuffer& Shown) {
      return SolidFrameAt(Shown, glyph, Colours) == Frame;
    });
  };
  EXPECT_TRUE(shows(bareCheck, check, 1));
  // Magenta is transparent.
  EXPECT_NE(CaptureWindow(bareCheck).Pixel(0, 4), PixelFromRgb(255, 0, 255));

  // An automatic three-state button: checked, indeterminate, unchecked.
  ClickClient(bareCheck, {6, 10});
  EXPECT_TRUE(shows(bareCheck, check, 2));
  ClickClient(bareCheck, {6, 10});
  ASSERT_TRUE(PumpUntil([&] { return SendMessageA(bareCheck, BM_GETCHECK, 0, 0) == BST_INDETERMINATE; }));
  EXPECT_TRUE(shows(bareCheck, check, 4));
  SendMessageA(bareCheck, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_TRUE(shows(bareCheck, check, 1));
  EnableWindow(bareCheck, FALSE);
  EXPECT_TRUE(shows(bareCheck, check, 3));
  SendMessageA(bareCheck, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(shows(bareCheck, check, 4));

  ClickClient(bareRadio, {6, 10});
  EXPECT_TRUE(shows(bareRadio, radio, 2));
  EnableWindow(bareRadio, FALSE);
  EXPECT_TRUE(shows(bareRadio, radio, 4));

  // A check box that publishes only "Checked" is shown by it.
  auto* painter = new TSkinCheckBox(plain);
  painter->AttachToControl(&form.Skinner(), form.Skinned.Data, false,
                           &form.Skinner().CanvasWork());
  HWND plainWindow = plain->WindowHandle();
  EXPECT_TRUE(shows(plainWindow, check, 1));
  plain->SetChecked(true);
  EXPECT_TRUE(shows(plainWindow, check, 2));
  plain->SetChecked(false);
  plain->SetEnabled(false);
  EXPECT_TRUE(shows(plainWindow, check, 3));

  // Switching the skin off gives the native buttons back, and they show
  // their native look without being asked to repaint.
  form.Skinned.Data->SetActive(false);
  ASSERT_TRUE(form.Skinned.WaitUnskinned());
  for (HWND window : {bareCheck, bareRadio, plainWindow})
    EXPECT_NE(SendMessageA(window, SM_ISSKINNED, 0, 0), 1);
  const auto native = [&](HWND Window, const std::vector<TPixel>& Colours) {
    return WaitForPixels(Window, [&](const TPixelBuffer& Shown) {
      return SolidFrameAt(Shown, glyph, Colours) == 0;
    });
  };
  EXPECT_TRUE(native(bareCheck, check));
  EXPECT_TRUE(native(bareRadio, radio));
  EXPECT_TRUE(native(plainWindow, check));
  DestroyWindow(bareCheck);
  DestroyWindow(bareRadio);
}
