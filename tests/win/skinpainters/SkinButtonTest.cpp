// The push-button painter on real buttons of a skinned form and of a dialog:
// which frame of the skin's "Buttons" element each state shows, what a click
// does, and that the button is given back whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/painters/SkinButton.h"
#include "skinpainters/PainterSupport.h"
#include "toolkit/Button.h"
#include "toolkit/CustomPanel.h"

namespace {

class TButtonForm {
 public:
  TButtonForm() : Skinned(ProgramSkin()) {}

  // A toolkit button on the form with the push-button painter attached.
  TButton* AddButton(const std::string& Caption, int Left, int Top, int Width = 100,
                     int Height = 25) {
    auto* button = new TButton(Skinned.Form.get());
    button->SetParent(Skinned.Form.get());
    button->SetBounds(Left, Top, Width, Height);
    button->SetText(Caption);
    button->OnClick = TNotifyEvent(this, &TButtonForm::Clicked);
    button->HandleNeeded();
    return button;
  }
  TSkinButton* Attach(TControl* Control) {
    auto* painter = new TSkinButton(Control);
    painter->AttachToControl(Skinned.Skinner(), Skinned.Data, false,
                             &Skinned.Skinner()->CanvasWork());
    PumpMessages(30);
    return painter;
  }
  const TDataSkinButton& Element() const { return ProgramButtonElement(*Skinned.Data); }
  TColor Face() const { return Skinned.Data->Skin().Colours.ButtonFace; }
  int Frame(HWND Window) const { return ShownFrame(Window, Element(), Face()); }

  void Clicked(TObject*) { ++Clicks; }

  TSkinnedForm Skinned;
  int Clicks = 0;
};

HWND HandleOf(TButton* Button) {
  return Button->WindowHandle();
}

}  // namespace

TEST(SkinButton, EachStateShowsItsFrameAndOnlyAReleaseOverTheButtonClicks) {
  TButtonForm form;
  ASSERT_TRUE(form.Skinned.WaitSkinned());
  ASSERT_GE(form.Element().FrameCount, 5);
  TButton* button = form.AddButton("Press", 40, 40);
  TButton* other = form.AddButton("Other", 40, 100);
  TSkinButton* painter = form.Attach(button);
  form.Attach(other);
  SetFocus(HandleOf(other));
  MouseMoveTo(5, 5);
  PumpMessages(50);

  EXPECT_EQ(SendMessageA(HandleOf(button), SM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(form.Frame(HandleOf(button)), TSkinControl::bfNormal);

  const POINT centre = CentreOf(HandleOf(button));
  MouseMoveTo(centre.x, centre.y);
  PumpMessages(50);
  EXPECT_TRUE(painter->MouseOver());
  EXPECT_EQ(form.Frame(HandleOf(button)), TSkinControl::bfMouseOver);

  MouseButton(true);
  EXPECT_TRUE(painter->Pressed());
  EXPECT_EQ(GetFocus(), HandleOf(button));
  EXPECT_EQ(form.Frame(HandleOf(button)), TSkinControl::bfPressed);
  EXPECT_EQ(form.Clicks, 0);

  // Held, the pointer leaves: the press is over, and releasing outside
  // clicks nothing.
  MouseMoveTo(centre.x, centre.y + 120);
  PumpMessages(50);
  EXPECT_FALSE(painter->Pressed());
  MouseButton(false);
  PumpMessages(30);
  EXPECT_EQ(form.Clicks, 0);
  // Focused, the mouse elsewhere: the focused frame.
  EXPECT_EQ(form.Frame(HandleOf(button)), TSkinControl::bfFocused);

  MouseMoveTo(centre.x, centre.y);
  MouseButton(true);
  MouseButton(false);
  PumpMessages(30);
  EXPECT_EQ(form.Clicks, 1);

  // A disabled button shows the disabled frame even under the mouse.
  button->SetEnabled(false);
  PumpMessages(50);
  MouseMoveTo(centre.x + 2, centre.y);
  PumpMessages(30);
  EXPECT_EQ(form.Frame(HandleOf(button)), TSkinControl::bfDisabled);
  MouseButton(true);
  MouseButton(false);
  EXPECT_EQ(form.Clicks, 1);
}

TEST(SkinButton, TheKeyboardWorksAsOnANativeButton) {
  TButtonForm form;
  ASSERT_TRUE(form.Skinned.WaitSkinned());
  TButton* first = form.AddButton("First", 40, 40);
  TButton* second = form.AddButton("Second", 40, 80);
  TSkinButton* painter = form.Attach(first);
  form.Attach(second);
  MouseMoveTo(5, 5);
  SetForegroundWindow(form.Skinned.Handle());
  SetFocus(HandleOf(second));
  PumpMessages(50);

  // Tab moves the focus, and the focused button shows its focus rectangle.
  const TPixelBuffer before = CaptureWindow(HandleOf(first));
  PressChord({VK_SHIFT, VK_TAB});
  PumpMessages(80);
  ASSERT_EQ(GetFocus(), HandleOf(first));
  EXPECT_TRUE(painter->Focused());
  EXPECT_EQ(form.Frame(HandleOf(first)), TSkinControl::bfFocused);
  const TPixelBuffer focused = CaptureWindow(HandleOf(first));
  int changedInside = 0;
  for (int y = 4; y < focused.Height() - 4; ++y)
    for (int x = 4; x < focused.Width() - 4; ++x)
      if (focused.Pixel(x, y) != before.Pixel(x, y)) ++changedInside;
  EXPECT_GT(changedInside, 20) << "no focus rectangle";

  // Space held shows the press; released it clicks once.
  INPUT key{};
  key.type = INPUT_KEYBOARD;
  key.ki.wVk = VK_SPACE;
  SendInput(1, &key, sizeof key);
  PumpMessages(60);
  EXPECT_TRUE(painter->Pressed());
  EXPECT_EQ(form.Frame(HandleOf(first)), TSkinControl::bfPressed);
  key.ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &key, sizeof key);
  PumpMessages(60);
  EXPECT_FALSE(painter->Pressed());
  EXPECT_EQ(form.Clicks, 1);
}

TEST(SkinButton, DefaultAndParentBackgroundAndCaptionLines) {
  TButtonForm form;
  ASSERT_TRUE(form.Skinned.WaitSkinned());
  TButton* plain = form.AddButton("Plain", 20, 20);
  TButton* byDefault = form.AddButton("Default", 20, 60);
  byDefault->SetDefault(true);
  // On a red panel, asking for the parent's image behind it.
  auto* panel = new TPanel(form.Skinned.Form.get());
  panel->SetParent(form.Skinned.Form.get());
  panel->SetBounds(200, 20, 150, 80);
  panel->SetColor(0x0000FF);
  panel->SetBevelOuter(bvNone);
  auto* onPanel = new TButton(form.Skinned.Form.get());
  onPanel->SetParent(panel);
  onPanel->SetBounds(20, 20, 100, 40);
  onPanel->SetTag(5555);
  onPanel->SetText("One||Two||Three");
  onPanel->HandleNeeded();
  form.Attach(plain);
  form.Attach(byDefault);
  TSkinButton* lined = form.Attach(onPanel);
  MouseMoveTo(5, 5);
  SetFocus(form.Skinned.Handle());
  PumpMessages(50);

  EXPECT_EQ(form.Frame(HandleOf(plain)), TSkinControl::bfNormal);
  EXPECT_EQ(form.Frame(HandleOf(byDefault)), TSkinControl::bfFocused);

  // The element's transparent corners show the panel's red, not the face.
  EXPECT_TRUE(lined->ParentBackground());
  const TPixelBuffer shown = CaptureWindow(HandleOf(onPanel));
  ASSERT_EQ(form.Element().Image.Pixel(0, 0), KeyPixel);
  EXPECT_EQ(shown.Pixel(0, 0), PixelFromRgb(255, 0, 0));
  const TPixelBuffer plainShown = CaptureWindow(HandleOf(plain));
  EXPECT_EQ(plainShown.Pixel(0, 0), PixelFromColor(form.Face()));

  // Only the first "||" breaks the line.
  EXPECT_EQ(lined->Caption(), L"One\r\nTwo||Three");
  // Two lines of text: two bands of rows holding caption pixels, a gap
  // between them.
  const TPixelBuffer face = ExpectedFace(form.Element(), shown.Width(), shown.Height(),
                                         TSkinControl::bfNormal, 0x0000FF);
  std::vector<bool> textRow(shown.Height());
  for (int y = 4; y < shown.Height() - 4; ++y)
    for (int x = 4; x < shown.Width() - 4; ++x)
      if (shown.Pixel(x, y) != face.Pixel(x, y)) textRow[y] = true;
  int bands = 0;
  for (int y = 1; y < shown.Height(); ++y)
    if (textRow[y] && !textRow[y - 1]) ++bands;
  EXPECT_EQ(bands, 2);
}

TEST(SkinButton, PaintingSwitchesOffAndTheButtonIsGivenBackWhole) {
  TButtonForm form;
  ASSERT_TRUE(form.Skinned.WaitSkinned());
  TButton* button = form.AddButton("Native", 40, 40);
  const TWndMethod original = button->WindowProc;
  TSkinButton* painter = form.Attach(button);
  EXPECT_FALSE(button->WindowProc == original);
  ASSERT_EQ(form.Frame(HandleOf(button)), TSkinControl::bfNormal);

  // With painting off the native button draws itself again.
  SendMessageA(HandleOf(button), SM_SETPAINTING, 0, 0);
  InvalidateRect(HandleOf(button), nullptr, TRUE);
  UpdateWindow(HandleOf(button));
  PumpMessages(30);
  EXPECT_EQ(form.Frame(HandleOf(button)), 0);
  SendMessageA(HandleOf(button), SM_SETPAINTING, 1, 0);
  PumpMessages(30);
  EXPECT_EQ(form.Frame(HandleOf(button)), TSkinControl::bfNormal);

  form.Skinned.Skinner()->UnregisterPainter(painter);
  delete painter;
  EXPECT_TRUE(button->WindowProc == original);
  EXPECT_NE(SendMessageA(HandleOf(button), SM_ISSKINNED, 0, 0), 1);
  InvalidateRect(HandleOf(button), nullptr, TRUE);
  UpdateWindow(HandleOf(button));
  EXPECT_EQ(form.Frame(HandleOf(button)), 0);

  // A button destroyed with its painter attached takes the painter along
  // and leaves the form skinner's list.
  TButton* doomed = form.AddButton("Doomed", 40, 80);
  TSkinButton* doomedPainter = form.Attach(doomed);
  const auto& painters = form.Skinned.Skinner()->Painters();
  ASSERT_NE(std::find(painters.begin(), painters.end(), doomedPainter), painters.end());
  delete doomed;
  PumpMessages(20);
  EXPECT_EQ(std::find(painters.begin(), painters.end(), doomedPainter), painters.end());
}

namespace {

int dialogCommand = -1;
LPARAM dialogCommandSource = 0;

INT_PTR CALLBACK RecordCommand(HWND, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_COMMAND) {
    dialogCommand = LOWORD(WParam);
    dialogCommandSource = LParam;
    return TRUE;
  }
  return FALSE;
}

HWND MakeDialogWithButton(int Id) {
  struct alignas(4) {
    DLGTEMPLATE Template;
    WORD Menu, Class, Title;
  } t{};
  t.Template.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
  t.Template.cx = 160;
  t.Template.cy = 80;
  HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &t.Template, nullptr,
                                           RecordCommand, 0);
  CreateWindowExA(0, "BUTTON", "Bare", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 100, 26,
                  dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)),
                  GetModuleHandleA(nullptr), nullptr);
  return dialog;
}

}  // namespace

TEST(SkinButton, ABareDialogButtonStillSendsItsCommand) {
  TButtonForm form;
  ASSERT_TRUE(form.Skinned.WaitSkinned());
  HWND dialog = MakeDialogWithButton(1234);
  SetForegroundWindow(dialog);
  PumpMessages(50);
  HWND bare = GetDlgItem(dialog, 1234);
  ASSERT_NE(bare, nullptr);
  TWinSkinForm* skinner = form.Skinned.Skinner();
  auto* painter = new TSkinButton(skinner);
  painter->AttachToWindow(bare, form.Skinned.Data, skinner, &skinner->CanvasWork());
  PumpMessages(50);
  EXPECT_EQ(painter->Caption(), L"Bare");
  EXPECT_EQ(form.Frame(bare), TSkinControl::bfNormal);

  dialogCommand = -1;
  const POINT centre = CentreOf(bare);
  MouseMoveTo(centre.x, centre.y);
  MouseButton(true);
  EXPECT_EQ(form.Frame(bare), TSkinControl::bfPressed);
  MouseButton(false);
  PumpMessages(50);
  EXPECT_EQ(dialogCommand, 1234);
  EXPECT_EQ(dialogCommandSource, reinterpret_cast<LPARAM>(bare));

  // Destroyed under its painter: the painter stops and keeps its place in
  // the list until the skinner frees it.
  DestroyWindow(dialog);
  PumpMessages(20);
  EXPECT_EQ(painter->LifeState(), TSkinControl::kWindowDestroyed);
  EXPECT_FALSE(painter->PaintingEnabled());
  EXPECT_EQ(skinner->FindPainterByHandle(bare), painter);
  delete painter;
  EXPECT_EQ(skinner->FindPainterByHandle(bare), nullptr);
}
