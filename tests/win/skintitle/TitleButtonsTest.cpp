// The title buttons of skinned windows, driven with the mouse: what each
// window shows, hover and pressed states, and what the clicks do.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/MessagePump.h"
#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skintitle/TitleTestSupport.h"

namespace {

constexpr int kClose = 0, kMaximise = 1, kMinimise = 2, kIcon = 3, kHelp = 4;
constexpr int kNotMaximised = 2, kMaximised = 1;

// Clicks the button and lets the window carry out what it posted.
void ClickButton(HWND Window, const TWinSysButton& Button) {
  ClickScreen(ScreenCentre(Window, Button));
  PumpMessages(150);
}

// A point of the caption away from every button.
POINT CaptionPoint(HWND Window, TWinSkinForm& Skinner) {
  const RECT w = WindowRectOf(Window);
  return {w.left + (w.right - w.left) / 2, w.top + Skinner.TitleHeight() / 2};
}

void DoubleClickScreen(POINT At) {
  SendDoubleClick(At);
  PumpMessages(200);
}

}  // namespace

// The program's own window: a fixed frame with minimise and system menu.
TEST(TitleButtons, AWindowWithoutMaximiseBoxShowsItDisabledAndIgnoresIt) {
  TSkinnedForm window(ProgramSkin(), FormWithIcons({biSystemMenu, biMinimize}, bsSingle));
  HWND wnd = window.Handle();
  SetForegroundWindow(wnd);
  ASSERT_TRUE(window.WaitSkinned());
  PumpMessages(100);
  TWinSkinForm& skinner = *window.Skinner();

  TWinSysButton* close = ButtonWithAction(skinner, kClose);
  TWinSysButton* maximise = ButtonWithAction(skinner, kMaximise, kNotMaximised);
  TWinSysButton* minimise = ButtonWithAction(skinner, kMinimise);
  TWinSysButton* icon = ButtonWithAction(skinner, kIcon);
  TWinSysButton* help = ButtonWithAction(skinner, kHelp);
  ASSERT_TRUE(close && maximise && minimise && icon && help);
  EXPECT_TRUE(close->Visible && maximise->Visible && minimise->Visible && icon->Visible);
  EXPECT_FALSE(help->Visible);
  EXPECT_FALSE(ButtonWithAction(skinner, kMaximise, kMaximised)->Visible);
  EXPECT_FALSE(maximise->Enabled);
  EXPECT_TRUE(minimise->Enabled);
  // Right-aligned buttons stand their distance from the right edge.
  const RECT w = WindowRectOf(wnd);
  EXPECT_EQ(close->Rect.left, (w.right - w.left) - close->Element().XCoord);
  EXPECT_EQ(close->Rect.top, close->Element().YCoord);
  // The disabled maximise button shows its fourth frame, the others their first.
  EXPECT_GT(FrameShown(wnd, *maximise, 4), 0.95);
  EXPECT_LT(FrameShown(wnd, *maximise, 1), 0.95);
  EXPECT_GT(FrameShown(wnd, *close, 1), 0.95);
  EXPECT_GT(FrameShown(wnd, *minimise, 1), 0.95);

  ClickButton(wnd, *maximise);
  EXPECT_FALSE(IsZoomed(wnd));
  EXPECT_EQ(skinner.WindowState(), TWinSkinForm::wsNormal);
  // Nor does a double click on the caption maximise it.
  DoubleClickScreen(CaptionPoint(wnd, skinner));
  EXPECT_FALSE(IsZoomed(wnd));

  ClickButton(wnd, *minimise);
  EXPECT_TRUE(IsIconic(wnd));
  ShowWindow(wnd, SW_RESTORE);
  SetForegroundWindow(wnd);
  PumpUntil([&] { return !IsIconic(wnd) && skinner.IsActive(); }, 2000);
  PumpMessages(100);

  ClickButton(wnd, *ButtonWithAction(skinner, kClose));
  EXPECT_FALSE(IsWindowVisible(wnd));
}

TEST(TitleButtons, MaximiseTurnsIntoRestoreAndTheCaptionDoubleClickToggles) {
  TSkinnedForm window(ProgramSkin());
  HWND wnd = window.Handle();
  SetForegroundWindow(wnd);
  ASSERT_TRUE(window.WaitSkinned());
  PumpMessages(100);
  TWinSkinForm& skinner = *window.Skinner();
  const RECT normal = WindowRectOf(wnd);

  TWinSysButton* maximise = ButtonWithAction(skinner, kMaximise, kNotMaximised);
  TWinSysButton* restore = ButtonWithAction(skinner, kMaximise, kMaximised);
  ASSERT_TRUE(maximise && restore);
  EXPECT_TRUE(maximise->Visible && maximise->Enabled);
  EXPECT_FALSE(restore->Visible);
  ClickButton(wnd, *maximise);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(wnd) != 0; }, 2000));
  PumpMessages(150);
  EXPECT_FALSE(maximise->Visible);
  EXPECT_TRUE(restore->Visible);
  EXPECT_GT(FrameShown(wnd, *restore, 1), 0.95);

  ClickButton(wnd, *restore);
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(wnd); }, 2000));
  PumpMessages(100);
  EXPECT_EQ(WindowRectOf(wnd).right - WindowRectOf(wnd).left, normal.right - normal.left);
  EXPECT_TRUE(maximise->Visible);

  DoubleClickScreen(CaptionPoint(wnd, skinner));
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(wnd) != 0; }, 2000));
  PumpMessages(100);
  DoubleClickScreen(CaptionPoint(wnd, skinner));
  EXPECT_TRUE(PumpUntil([&] { return !IsZoomed(wnd); }, 2000));
}

TEST(TitleButtons, HoverAndPressedStatesShowAndClearWhenTheMouseLeaves) {
  TSkinnedForm window(ProgramSkin());
  HWND wnd = window.Handle();
  SetForegroundWindow(wnd);
  ASSERT_TRUE(window.WaitSkinned());
  PumpMessages(100);
  TWinSkinForm& skinner = *window.Skinner();
  TWinSysButton* minimise = ButtonWithAction(skinner, kMinimise);
  TWinSysButton* close = ButtonWithAction(skinner, kClose);
  ASSERT_TRUE(minimise && close);

  const POINT over = ScreenCentre(wnd, *minimise);
  MouseMoveTo(over.x, over.y);
  PumpMessages(50);
  EXPECT_EQ(skinner.HotObject(), minimise);
  EXPECT_EQ(minimise->State, TNCObject::osHot);
  EXPECT_GT(FrameShown(wnd, *minimise, 3), 0.95);
  EXPECT_LT(FrameShown(wnd, *minimise, 1), 0.95);

  // From one button straight to the next: only one is hot.
  const POINT next = ScreenCentre(wnd, *close);
  MouseMoveTo(next.x, next.y);
  EXPECT_EQ(skinner.HotObject(), close);
  EXPECT_EQ(minimise->State, TNCObject::osNormal);
  EXPECT_GT(FrameShown(wnd, *minimise, 1), 0.95);
  EXPECT_GT(FrameShown(wnd, *close, 3), 0.95);

  // Pressed, then dragged off the window before the release: nothing fires.
  MouseButton(true);
  EXPECT_EQ(close->State, TNCObject::osPressed);
  EXPECT_GT(FrameShown(wnd, *close, 2), 0.95);
  const RECT w = WindowRectOf(wnd);
  MouseMoveTo(w.left + 60, w.top + 120);
  MouseButton(false);
  // The hover timer lets the button go once the mouse is in the client area.
  EXPECT_TRUE(PumpUntil([&] { return skinner.HotObject() == nullptr; }, 1500));
  PumpMessages(50);
  EXPECT_EQ(close->State, TNCObject::osNormal);
  EXPECT_GT(FrameShown(wnd, *close, 1), 0.95);
  EXPECT_TRUE(IsWindowVisible(wnd));
}

TEST(TitleButtons, ADialogFrameHasNoIconButtonAndTheHelpButtonShowsAlone) {
  TSkinnedForm window(ProgramSkin(), FormWithIcons({biSystemMenu, biHelp}, bsDialog));
  HWND wnd = window.Handle();
  SetForegroundWindow(wnd);
  ASSERT_TRUE(window.WaitSkinned());
  PumpMessages(100);
  TWinSkinForm& skinner = *window.Skinner();
  ASSERT_EQ(skinner.BorderKind(), TWinSkinForm::bkDialog);
  TWinSysButton* icon = ButtonWithAction(skinner, kIcon);
  ASSERT_TRUE(icon);
  EXPECT_FALSE(icon->Visible);
  POINT iconPlace{icon->Element().XCoord + 2, icon->Element().YCoord + 2};
  EXPECT_EQ(skinner.TitleButtonAt(iconPlace), nullptr);
  // Without minimise and maximise boxes those buttons go, and help shows.
  EXPECT_FALSE(ButtonWithAction(skinner, kMinimise)->Visible);
  EXPECT_FALSE(ButtonWithAction(skinner, kMaximise, kNotMaximised)->Visible);
  TWinSysButton* help = ButtonWithAction(skinner, kHelp);
  EXPECT_TRUE(help->Visible);
  EXPECT_GT(FrameShown(wnd, *help, 1), 0.95);
  EXPECT_TRUE(ButtonWithAction(skinner, kClose)->Visible);
}

namespace {

// Records the engine's messages the application may answer.
class TTitleListener {
 public:
  explicit TTitleListener(TForm& Form) : FForm(Form), FPrevious(Form.WindowProc) {
    Form.WindowProc = TWndMethod(this, &TTitleListener::WindowProc);
  }
  ~TTitleListener() { FForm.WindowProc = FPrevious; }

  std::vector<WPARAM> Actions;
  std::vector<WPARAM> VisibilityAsked;

 private:
  void WindowProc(TMessage& M) {
    if (M.Msg == SM_TITLEACTION) Actions.push_back(M.WParam);
    if (M.Msg == SM_BUTTONVISIBLE) {
      VisibilityAsked.push_back(M.WParam);
      M.Result = M.WParam == 1500 ? 1 : 0;
      return;
    }
    FPrevious(M);
  }

  TForm& FForm;
  TWndMethod FPrevious;
};

// A skin with plain borders and three buttons of the application's own.
TBytes SkinWithOwnButtons() {
  TTestSkinImages images = PlainBorders(4, 26, 4, 4, PixelFromRgb(90, 90, 90),
                                        PixelFromRgb(60, 60, 60));
  TPixelBuffer strip(48, 16, PixelFromRgb(0, 160, 0));
  strip.FillRect({16, 0, 32, 16}, PixelFromRgb(0, 0, 160));
  strip.FillRect({32, 0, 48, 16}, PixelFromRgb(160, 0, 0));
  images.Extra.push_back({"own.bmp", strip});
  images.ExtraSections =
      "[Button.Own]\r\nButtonImage=own.bmp\r\nAction=30\r\nAlign=1\r\nXCoord=30\r\nYCoord=4\r\n"
      "Visibility=0\r\nVisibility1=0\r\nframe=3\r\n"
      "[Button.Asked]\r\nButtonImage=own.bmp\r\nAction=31\r\nAlign=1\r\nXCoord=60\r\nYCoord=4\r\n"
      "Visibility=1500\r\nVisibility1=0\r\nframe=3\r\n"
      "[Button.Refused]\r\nButtonImage=own.bmp\r\nAction=32\r\nAlign=1\r\nXCoord=90\r\n"
      "YCoord=4\r\nVisibility=1600\r\nVisibility1=0\r\nframe=3\r\n";
  return MakeSkin(images);
}

}  // namespace

TEST(TitleButtons, TheApplicationDecidesAndHandlesItsOwnButtons) {
  TSkinnedForm::TOptions options;
  options.Active = false;
  TSkinnedForm window(SkinWithOwnButtons(), options);
  TTitleListener listener(*window.Form);
  window.Data->SetActive(true);
  HWND wnd = window.Handle();
  SetForegroundWindow(wnd);
  ASSERT_TRUE(window.WaitSkinned());
  PumpMessages(100);
  TWinSkinForm& skinner = *window.Skinner();
  TWinSysButton* own = ButtonWithAction(skinner, 30);
  TWinSysButton* asked = ButtonWithAction(skinner, 31);
  TWinSysButton* refused = ButtonWithAction(skinner, 32);
  ASSERT_TRUE(own && asked && refused);
  EXPECT_TRUE(own->Visible);
  EXPECT_TRUE(asked->Visible);
  EXPECT_FALSE(refused->Visible);
  EXPECT_NE(std::find(listener.VisibilityAsked.begin(), listener.VisibilityAsked.end(), 1600),
            listener.VisibilityAsked.end());
  EXPECT_GT(FrameShown(wnd, *own, 1), 0.95);

  ClickButton(wnd, *own);
  ClickButton(wnd, *asked);
  ASSERT_EQ(listener.Actions.size(), 2u);
  EXPECT_EQ(listener.Actions[0], 30u);
  EXPECT_EQ(listener.Actions[1], 31u);
  // A click where the refused button would be is the caption's.
  POINT at = ScreenCentre(wnd, *own);
  at.x -= 60;
  ClickScreen(at);
  PumpMessages(100);
  EXPECT_EQ(listener.Actions.size(), 2u);
}
