// Page controls and tab controls drawn from the skin: the tabs' frames
// follow selection, the mouse, the focus and the enabled state; the pane
// lies around the pages; tabs along other edges face the pane; button
// styles give push buttons. Selecting with the mouse and the keys works as
// before.
#include <gtest/gtest.h>
#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/painters/SkinTab.h"
#include "skin/painters/SkinTabBtn.h"
#include "skinpainters/PainterSupport.h"
#include "skinrecognition/RecognitionSupport.h"
#include "skintabs/TabsSupport.h"
#include "toolkit/PageControl.h"
#include "toolkit/TabControl.h"
#include "toolkit/TabSheet.h"

namespace {

TPageControl* AddPages(TForm& Form, int Top, TTabStyle Style = tsTabs) {
  auto* pages = Add<TPageControl>(Form, Form, 10, Top, 360, 150);
  pages->SetStyle(Style);
  for (const char* caption : {"First", "Second", "Third"}) {
    auto* sheet = new TTabSheet(&Form);
    sheet->SetPageControl(pages);
    sheet->SetText(caption);
  }
  pages->SetActivePageIndex(0);
  return pages;
}

RECT TabRectOf(HWND Window, int Index) {
  RECT r{};
  TabCtrl_GetItemRect(Window, Index, &r);
  return r;
}

struct TTabsView {
  HWND Window;
  const TDataSkinBorder& Element;
  TColor Face;
  int Frame(int Index, TFacing Side = TFacing::Up) const {
    return FrameShown(Window, TabRectOf(Window, Index), Element, Face, Side);
  }
  int SelectedFrame() const {
    return GetFocus() == Window ? TSkinTab::tfSelectedFocused : TSkinTab::tfSelected;
  }
};

}  // namespace

TEST(SkinTab, PageControlTabsFollowSelectionMouseKeysAndEnabledState) {
  TPageControl* pages = nullptr;
  TRecognisedForm form([&](TForm& Form, TSkinData&) { pages = AddPages(Form, 10); });
  ASSERT_TRUE(form.Skinned());
  auto* painter = dynamic_cast<TSkinTab*>(PainterOf(form.Skinner(), pages));
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->ClassName(), std::string("TSkinTab"));
  const TTabsView view{pages->WindowHandle(), *form.Data().Skin().Tabs,
                       form.Data().Skin().Colours.ButtonFace};
  MouseMoveTo(5, 5);
  PumpMessages(50);
  EXPECT_EQ(view.Frame(0), view.SelectedFrame());
  EXPECT_EQ(view.Frame(1), TSkinTab::tfNormal);
  EXPECT_EQ(view.Frame(2), TSkinTab::tfNormal);

  // The pane lies around the page, its edge under the tabs' base line.
  const RECT pane = painter->PaneRect();
  EXPECT_EQ(pane.top, TabRectOf(view.Window, 1).bottom - 1);
  const TDataSkinObject& paneElement = *form.Data().Skin().TabPane;
  const TPixelBuffer shownPane = Crop(CaptureWindow(view.Window), pane);
  const TPixelBuffer expectedPane =
      ExpectedItem(paneElement, paneElement.Image, shownPane.Width(), shownPane.Height(), 1,
                   view.Face);
  // (Inside, the page covers it.)
  const int w = shownPane.Width(), h = shownPane.Height();
  EXPECT_GT(MatchIn(shownPane, expectedPane, TRect{0, h / 2, 2, h}), 0.95);
  EXPECT_GT(MatchIn(shownPane, expectedPane, TRect{w - 2, h / 2, w, h}), 0.95);
  EXPECT_GT(MatchIn(shownPane, expectedPane, TRect{0, h - 2, w, h}), 0.95);

  // The mouse over a tab shows it, and only while it is there.
  const RECT third = TabRectOf(view.Window, 2);
  MouseToClient(view.Window, (third.left + third.right) / 2, (third.top + third.bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return painter->HotIndex() == 2; }, 2000));
  EXPECT_EQ(view.Frame(2), TSkinTab::tfMouseOver);
  EXPECT_EQ(view.Frame(1), TSkinTab::tfNormal);

  // A click selects the tab and its page.
  const RECT second = TabRectOf(view.Window, 1);
  ClickScreen(ClientToScreenPoint(view.Window, (second.left + second.right) / 2,
                                  (second.top + second.bottom) / 2));
  ASSERT_TRUE(PumpUntil([&] { return pages->GetActivePageIndex() == 1; }, 2000));
  PumpMessages(50);
  EXPECT_EQ(view.Frame(1), view.SelectedFrame());
  EXPECT_EQ(view.Frame(0), TSkinTab::tfNormal);

  // With the focus, the arrow keys move the selection; the focused
  // selected tab has a frame of its own.
  SetFocus(view.Window);
  PressChord({VK_RIGHT});
  ASSERT_TRUE(PumpUntil([&] { return pages->GetActivePageIndex() == 2; }, 2000));
  MouseMoveTo(5, 5);
  PumpUntil([&] { return painter->HotIndex() == -1; }, 2000);
  PumpMessages(50);
  EXPECT_EQ(GetFocus(), view.Window);
  EXPECT_EQ(view.Frame(2), TSkinTab::tfSelectedFocused);
  EXPECT_EQ(view.Frame(1), TSkinTab::tfNormal);

  // A disabled control shows every tab disabled.
  pages->SetEnabled(false);
  PumpMessages(50);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(view.Frame(i), TSkinTab::tfDisabled) << "tab " << i;
  pages->SetEnabled(true);

  // Switched off, the control draws itself again.
  form.Data().SetActive(false);
  ASSERT_TRUE(form.Window().WaitUnskinned());
  PumpMessages(50);
  EXPECT_EQ(SendMessageA(view.Window, SM_ISSKINNED, 0, 0), 0);
  EXPECT_EQ(view.Frame(0), 0);
}

TEST(SkinTab, TabsAlongOtherEdgesFaceThePane) {
  TTabControl* bottom = nullptr;
  TTabControl* left = nullptr;
  TRecognisedForm form([&](TForm& Form, TSkinData&) {
    bottom = Add<TTabControl>(Form, Form, 10, 10, 300, 120);
    bottom->SetTabPosition(tpBottom);
    bottom->SetTabs({"One", "Two"});
    bottom->SetTabIndex(1);
    left = Add<TTabControl>(Form, Form, 10, 140, 300, 200);
    left->SetTabPosition(tpLeft);
    left->SetTabs({"One", "Two"});
    left->SetTabIndex(0);
  });
  ASSERT_TRUE(form.Skinned());
  auto* bottomPainter = dynamic_cast<TSkinTab*>(PainterOf(form.Skinner(), bottom));
  auto* leftPainter = dynamic_cast<TSkinTab*>(PainterOf(form.Skinner(), left));
  ASSERT_NE(bottomPainter, nullptr);
  ASSERT_NE(leftPainter, nullptr);
  EXPECT_EQ(bottomPainter->Mode(), TSkinTab::kTabControlMode);
  MouseMoveTo(5, 5);
  PumpMessages(50);
  const TDataSkinBorder& element = *form.Data().Skin().Tabs;
  const TColor face = form.Data().Skin().Colours.ButtonFace;
  const TTabsView below{bottom->WindowHandle(), element, face};
  EXPECT_EQ(below.Frame(1, TFacing::Down), below.SelectedFrame());
  EXPECT_EQ(below.Frame(0, TFacing::Down), TSkinTab::tfNormal);
  EXPECT_EQ(bottomPainter->PaneRect().bottom, TabRectOf(below.Window, 0).top + 1);
  // Scroll arrows of a row that does not fit get a painter of their own.
  bottom->SetTabs({"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine"});
  PumpMessages(50);
  ASSERT_NE(bottomPainter->ScrollArrows(), nullptr);
  if (PainterBuilt(TPainterKind::pkUpDown))
    EXPECT_EQ(SendMessageA(bottomPainter->ScrollArrows(), SM_ISSKINNED, 0, 0), 1);
  bottom->SetTabs({"One", "Two"});
  bottom->SetTabIndex(1);
  PumpMessages(50);

  const TTabsView beside{left->WindowHandle(), element, face};
  EXPECT_EQ(beside.Frame(0, TFacing::Left), beside.SelectedFrame());
  EXPECT_EQ(beside.Frame(1, TFacing::Left), TSkinTab::tfNormal);
  EXPECT_EQ(leftPainter->PaneRect().left, TabRectOf(beside.Window, 0).right - 1);
}

TEST(SkinTabBtn, ButtonTabsArePushButtonsOfTheSkin) {
  TPageControl* buttons = nullptr;
  TPageControl* flat = nullptr;
  TRecognisedForm form([&](TForm& Form, TSkinData&) {
    buttons = AddPages(Form, 10, tsButtons);
    flat = AddPages(Form, 170, tsFlatButtons);
  });
  ASSERT_TRUE(form.Skinned());
  auto* painter = dynamic_cast<TSkinTabBtn*>(PainterOf(form.Skinner(), buttons));
  ASSERT_NE(painter, nullptr);
  ASSERT_NE(dynamic_cast<TSkinTabBtn*>(PainterOf(form.Skinner(), flat)), nullptr);
  const TDataSkinButton& element = ProgramButtonElement(form.Data());
  const TColor face = form.Data().Skin().Colours.ButtonFace;
  HWND window = buttons->WindowHandle();
  MouseMoveTo(5, 5);
  PumpMessages(50);
  const auto frameOf = [&](HWND Window, int Index) {
    return MatchingFrame(Crop(CaptureWindow(Window), TabRectOf(Window, Index)), element, face);
  };
  EXPECT_EQ(frameOf(window, 0), TSkinControl::bfPressed);
  EXPECT_EQ(frameOf(window, 1), TSkinControl::bfNormal);

  const RECT third = TabRectOf(window, 2);
  MouseToClient(window, (third.left + third.right) / 2, (third.top + third.bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return painter->HotIndex() == 2; }, 2000));
  EXPECT_EQ(frameOf(window, 2), TSkinControl::bfMouseOver);
  ClickScreen(ClientToScreenPoint(window, (third.left + third.right) / 2, third.top + 4));
  ASSERT_TRUE(PumpUntil([&] { return buttons->GetActivePageIndex() == 2; }, 2000));
  PumpMessages(50);
  EXPECT_EQ(frameOf(window, 2), TSkinControl::bfPressed);
  EXPECT_EQ(frameOf(window, 0), TSkinControl::bfNormal);

  // A flat button shows its face only while selected: the others are the
  // background with their caption on it.
  MouseMoveTo(5, 5);
  PumpMessages(50);
  HWND flatWindow = flat->WindowHandle();
  EXPECT_EQ(frameOf(flatWindow, 0), TSkinControl::bfPressed);
  const TPixelBuffer idle = Crop(CaptureWindow(flatWindow), TabRectOf(flatWindow, 1));
  const TRect rim{0, 0, idle.Width(), 2};
  EXPECT_EQ(PixelsOtherThan(idle, rim, PixelFromColor(static_cast<TColor>(ColorToRGB(face)))), 0);
}
