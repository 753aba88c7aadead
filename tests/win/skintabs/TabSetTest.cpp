// Controls of other libraries the engine knows by name: an older-style tab
// set, drawn and switched by its painter, and a page control that carries
// pictures of its own for its tabs.
#include <gtest/gtest.h>
#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/painters/SkinAdvPage.h"
#include "skin/painters/SkinTab31.h"
#include "skinpainters/PainterSupport.h"
#include "skinrecognition/RecognitionSupport.h"
#include "skintabs/TabsSupport.h"
#include "toolkit/Bitmap.h"
#include "toolkit/CustomControl.h"
#include "toolkit/PageControl.h"
#include "toolkit/TabSheet.h"
#include "toolkit/portable/ClassBuilder.h"

// A tab set as such libraries have it: tabs of its own drawing along its
// top edge (here every tab is 100 pixels wide, on white).
class TTabSet : public TCustomControl {
  FW_CLASS(TTabSet)
 public:
  using TCustomControl::TCustomControl;
  std::vector<std::string> GetTabs() const { return FTabs; }
  void SetTabs(const std::vector<std::string>& Value) {
    FTabs = Value;
    Invalidate();
  }
  int GetTabIndex() const { return FTabIndex; }
  void SetTabIndex(int Value) {
    FTabIndex = Value;
    ++Changes;
    Invalidate();
  }
  int Changes = 0;
  int OwnMouseDowns = 0;

 protected:
  void Paint() override {
    RECT r{0, 0, GetWidth(), GetHeight()};
    FillRect(Canvas().Handle(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    ++OwnMouseDowns;
    if (X / 100 < static_cast<int>(FTabs.size())) SetTabIndex(X / 100);
    TCustomControl::MouseDown(Button, Shift, X, Y);
  }

 private:
  std::vector<std::string> FTabs;
  int FTabIndex = 0;
};

const TClassInfo& TTabSet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTabSet>("TTabSet", &TCustomControl::StaticClass())
          .PropNoDefault("Tabs", &TTabSet::GetTabs, &TTabSet::SetTabs)
          .Prop("TabIndex", &TTabSet::GetTabIndex, &TTabSet::SetTabIndex, 0)
          .Info();
  return info;
}

// A page control with pictures for its normal and its selected tabs.
class TAdvPageControl : public TPageControl {
  FW_CLASS(TAdvPageControl)
 public:
  using TPageControl::TPageControl;
  TBitmap* GetTabBackGround() const { return &FNormal; }
  TBitmap* GetTabBackGroundActive() const { return &FActive; }

 private:
  mutable TBitmap FNormal;
  mutable TBitmap FActive;
};

const TClassInfo& TAdvPageControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TAdvPageControl>("TAdvPageControl", &TPageControl::StaticClass())
          .ObjectProp("TabBackGround", &TAdvPageControl::GetTabBackGround)
          .ObjectProp("TabBackGroundActive", &TAdvPageControl::GetTabBackGroundActive)
          .Info();
  return info;
}

namespace {

constexpr TPixel kBlue = PixelFromRgb(0, 0, 255);

RECT Centre(const RECT& R) {
  return {(R.left + R.right) / 2, (R.top + R.bottom) / 2, 0, 0};
}

}  // namespace

TEST(SkinTab31, ATabSetIsDrawnAndSwitchedByItsPainter) {
  TTabSet* tabs = nullptr;
  TRecognisedForm form([&](TForm& Form, TSkinData&) {
    tabs = Add<TTabSet>(Form, Form, 10, 100, 400, 22);
    tabs->SetTabs({"Alpha", "Beta", "Gamma"});
  });
  ASSERT_TRUE(form.Skinned());
  auto* painter = dynamic_cast<TSkinTab31*>(PainterOf(form.Skinner(), tabs));
  ASSERT_NE(painter, nullptr);
  HWND window = tabs->WindowHandle();
  MouseMoveTo(5, 5);
  PumpMessages(50);
  const std::vector<RECT> rects = painter->TabRects();
  ASSERT_EQ(rects.size(), 3u);
  // Tabs sized by their texts, side by side from the start margin.
  EXPECT_EQ(rects[0].left, 5);
  EXPECT_EQ(rects[1].left, rects[0].right);
  EXPECT_LT(rects[1].right - rects[1].left, 100);
  const TDataSkinBorder& element = *form.Data().Skin().Tabs;
  const TColor face = form.Data().Skin().Colours.ButtonFace;
  const auto frameOf = [&](int Index) {
    return FrameShown(window, rects[Index], element, face, TFacing::Down);
  };
  EXPECT_EQ(frameOf(0), TSkinTab::tfSelected);
  EXPECT_EQ(frameOf(1), TSkinTab::tfNormal);

  // The mouse over a tab shows it.
  const RECT third = Centre(rects[2]);
  MouseToClient(window, third.left, third.top);
  ASSERT_TRUE(PumpUntil([&] { return painter->HotIndex() == 2; }, 2000));
  EXPECT_EQ(frameOf(2), TSkinTab::tfMouseOver);

  // A click selects the tab the user sees there, not the one the control's
  // own layout has at that point.
  ASSERT_LT(third.left, 200);
  ClickScreen(ClientToScreenPoint(window, third.left, third.top));
  ASSERT_TRUE(PumpUntil([&] { return tabs->GetTabIndex() == 2; }, 2000));
  EXPECT_EQ(tabs->OwnMouseDowns, 0);
  MouseMoveTo(5, 5);
  PumpUntil([&] { return painter->HotIndex() == -1; }, 2000);
  PumpMessages(30);
  EXPECT_EQ(frameOf(2), TSkinTab::tfSelected);
  EXPECT_EQ(frameOf(0), TSkinTab::tfNormal);

  // Switched off, the control draws itself, and gets its clicks.
  form.Data().SetActive(false);
  ASSERT_TRUE(form.Window().WaitUnskinned());
  PumpMessages(50);
  const TPixelBuffer own = CaptureWindow(window);
  EXPECT_EQ(PixelsOtherThan(own, own.Bounds(), PixelFromRgb(255, 255, 255)), 0);
  ClickScreen(ClientToScreenPoint(window, 150, 10));
  ASSERT_TRUE(PumpUntil([&] { return tabs->OwnMouseDowns == 1; }, 2000));
  EXPECT_EQ(tabs->GetTabIndex(), 1);
}

TEST(SkinAdvPage, TheControlsTabPicturesHoldTheSkinWhileItIsSkinned) {
  TAdvPageControl* pages = nullptr;
  TRecognisedForm form([&](TForm& Form, TSkinData& Data) {
    std::vector<std::string> rules = Data.GetSkin3rd();
    rules.push_back("TAdvPageControl=AdvPageControl");
    Data.SetSkin3rd(rules);
    pages = Add<TAdvPageControl>(Form, Form, 10, 10, 360, 150);
    for (const char* caption : {"One", "Two"}) {
      auto* sheet = new TTabSheet(&Form);
      sheet->SetPageControl(pages);
      sheet->SetText(caption);
    }
    pages->SetActivePageIndex(0);
    pages->GetTabBackGround()->Assign(TPixelBuffer(5, 5, kBlue));
  });
  ASSERT_TRUE(form.Skinned());
  auto* painter = dynamic_cast<TSkinAdvPage*>(PainterOf(form.Skinner(), pages));
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->Mode(), TSkinAdvPage::kPageMode);
  EXPECT_EQ(pages->GetColor(), form.Data().Skin().Colours.ButtonFace);
  const TDataSkinBorder& element = *form.Data().Skin().Tabs;
  const auto frame = [&](int Index) {
    return element.Image.Copy(CutFrame(element.Image, false, element.FrameCount, Index));
  };
  EXPECT_EQ(pages->GetTabBackGround()->ToPixelBuffer(), frame(TSkinTab::tfNormal));
  EXPECT_EQ(pages->GetTabBackGroundActive()->ToPixelBuffer(), frame(TSkinTab::tfSelected));

  // Drawn and used as any page control.
  MouseMoveTo(5, 5);
  PumpMessages(50);
  HWND window = pages->WindowHandle();
  RECT second{};
  TabCtrl_GetItemRect(window, 1, &second);
  const TColor face = form.Data().Skin().Colours.ButtonFace;
  EXPECT_EQ(FrameShown(window, second, element, face), TSkinTab::tfNormal);
  ClickScreen(ClientToScreenPoint(window, (second.left + second.right) / 2, second.top + 6));
  ASSERT_TRUE(PumpUntil([&] { return pages->GetActivePageIndex() == 1; }, 2000));

  // Its own pictures come back.
  form.Data().SetActive(false);
  ASSERT_TRUE(form.Window().WaitUnskinned());
  EXPECT_EQ(pages->GetTabBackGround()->ToPixelBuffer(), TPixelBuffer(5, 5, kBlue));
  EXPECT_TRUE(pages->GetTabBackGroundActive()->Empty());
}
