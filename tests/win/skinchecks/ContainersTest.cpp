// Group boxes, panels, pages and bare dialogs on real skinned forms: the
// skin's edge and face where the native look was, windowless children still
// drawn and clickable over a group box, and the native look given back.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/painters/SkinBox.h"
#include "skin/painters/SkinBoxH.h"
#include "skin/painters/SkinGroupBox.h"
#include "skin/painters/SkinTabSheet.h"
#include "skin/recognition/ControlRecognition.h"
#include "skinchecks/ChecksSupport.h"
#include "toolkit/CustomGroupBox.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/CustomRadioGroup.h"
#include "toolkit/portable/ColorNames.h"
#include "toolkit/PageControl.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/TabSheet.h"

namespace {

constexpr TColor kAqua = 0xFFFF00;
constexpr TColor kYellow = 0x00FFFF;

TPixel AsPixel(TColor Colour) {
  return PixelFromColor(static_cast<TColor>(ColorToRGB(Colour)));
}

// The share of the pixels along the left, right and bottom sides of Shown
// that equal the group-box edge's Frame drawn from Top down.
double EdgeShare(const TPixelBuffer& Shown, const TDataSkinObject& Edge, int Top, int Frame,
                 TColor Face) {
  TPixelBuffer expected(Shown.Width(), Shown.Height(), AsPixel(Face));
  DrawSliced(expected, TRect{0, Top, Shown.Width(), Shown.Height()}, Edge.Image, false,
             Edge.Tile != 0, Edge.Trans != 0, Edge.FrameCount, Frame, Edge.Margins);
  int same = 0, total = 0;
  for (int y = Top + Edge.Margins.Top; y < Shown.Height(); ++y)
    for (int x = 0; x < Shown.Width(); ++x) {
      const bool side = x < 3 || x >= Shown.Width() - 3 || y >= Shown.Height() - 3;
      if (!side) continue;
      ++total;
      if (Shown.Pixel(x, y) == expected.Pixel(x, y)) ++same;
    }
  return total ? static_cast<double>(same) / total : 0;
}

int TextHeight(TControl& Control) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Control.GetFont()->Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

}  // namespace

TEST(SkinGroupBox, EdgeAndCaptionAreTheSkinsAndWindowlessChildrenStayOnTop) {
  TGroupBox* group = nullptr;
  TSpeedButton* speed = nullptr;
  TControlsForm form(ProgramSkin(), [&](TForm& Form) {
    group = new TGroupBox(&Form);
    group->SetParent(&Form);
    group->SetBounds(20, 20, 240, 130);
    group->SetText("Destination");
    speed = new TSpeedButton(&Form);
    speed->SetParent(group);
    speed->SetBounds(20, 50, 90, 28);
    speed->SetText("Browse");
  });
  ASSERT_TRUE(form.Ready());
  MouseMoveTo(5, 5);
  HWND window = group->WindowHandle();
  auto* painter = form.PainterOf<TSkinGroupBox>(window);
  ASSERT_NE(painter, nullptr);
  const TDataSkinObject& edge = *form.Skinned.Data->Skin().GroupBoxEdge;
  const int edgeTop = TextHeight(*group) / 2;
  EXPECT_TRUE(WaitForPixels(window, [&](const TPixelBuffer& Shown) {
    return EdgeShare(Shown, edge, edgeTop, 1, form.Face()) > 0.97;
  }));

  // The caption sits on its label, over the edge's top line, in the skin's
  // text colour.
  TPixelBuffer shown = CaptureWindow(window);
  const RECT label = painter->LabelRect();
  ASSERT_GT(label.right - label.left, 20);
  const TRect labelArea{label.left, label.top, label.right, label.bottom};
  const TPixel text = AsPixel(form.Skinned.Data->Skin().Colours.ButtonText);
  EXPECT_GT(CountPixels(shown, labelArea, text), 10);
  EXPECT_EQ(CountPixels(shown, TRect{0, label.bottom, 240, 50}, text), 0)
      << "caption outside its label";

  // The speed button is drawn over the box with its own skin face.
  const TDataSkinButton& buttons = *form.Skinned.Data->Skin().Buttons;
  const TPixelBuffer expected = ExpectedFace(buttons, 90, 28, 1, form.Face());
  TPixelBuffer speedArea(90, 28);
  for (int y = 0; y < 28; ++y)
    for (int x = 0; x < 90; ++x) speedArea.SetPixel(x, y, shown.Pixel(20 + x, 50 + y));
  EXPECT_GT(EdgeMatch(speedArea, expected), 0.9);

  // Disabled: the second edge frame and greyed text.
  group->SetEnabled(false);
  EXPECT_TRUE(WaitForPixels(window, [&](const TPixelBuffer& Now) {
    return EdgeShare(Now, edge, edgeTop, 2, form.Face()) > 0.97;
  }));
  EXPECT_EQ(CountPixels(CaptureWindow(window), labelArea, text), 0);

  form.Skinned.Data->SetActive(false);
  ASSERT_TRUE(form.Skinned.WaitUnskinned());
  EXPECT_NE(SendMessageA(window, SM_ISSKINNED, 0, 0), 1);
  RedrawNow(window);
  EXPECT_LT(EdgeShare(CaptureWindow(window), edge, edgeTop, 2, form.Face()), 0.9);
}

TEST(SkinBox, PanelsRadioGroupsAndPagesShowTheSkinsFaceUntilTheSkinGoes) {
  TPanel* panel = nullptr;
  TRadioGroup* radios = nullptr;
  TPageControl* pages = nullptr;
  TTabSheet* sheet = nullptr;
  TControlsForm form(ProgramSkin(), [&](TForm& Form) {
    panel = new TPanel(&Form);
    panel->SetParent(&Form);
    panel->SetBounds(10, 10, 120, 60);
    panel->SetColor(clRed);
    radios = new TRadioGroup(&Form);
    radios->SetParent(&Form);
    radios->SetBounds(10, 80, 120, 80);
    radios->SetColor(kAqua);
    radios->GetItems()->Add("One");
    pages = new TPageControl(&Form);
    pages->SetParent(&Form);
    pages->SetBounds(150, 10, 220, 150);
    sheet = new TTabSheet(&Form);
    sheet->SetPageControl(pages);
    sheet->SetText("General");
    sheet->SetColor(kYellow);
  });
  ASSERT_TRUE(form.Ready());
  ASSERT_NE(form.PainterOf<TSkinBox>(panel->WindowHandle()), nullptr);
  ASSERT_NE(form.PainterOf<TSkinGroupBox>(radios->WindowHandle()), nullptr);
  ASSERT_NE(form.PainterOf<TSkinTabSheet>(sheet->WindowHandle()), nullptr);
  // Panels and radio groups are given the skin's face as their colour.
  EXPECT_EQ(panel->GetColor(), form.Face());
  EXPECT_EQ(radios->GetColor(), form.Face());
  const TPixel face = AsPixel(form.Face());
  const auto centre = [](HWND Window) {
    const TPixelBuffer shown = CaptureWindow(Window);
    return shown.Pixel(shown.Width() / 2, shown.Height() / 2);
  };
  for (TWinControl* c : std::initializer_list<TWinControl*>{panel, radios, sheet})
    EXPECT_TRUE(PumpUntil([&] { return centre(c->WindowHandle()) == face; })) << c->GetName();

  form.Skinned.Data->SetActive(false);
  ASSERT_TRUE(form.Skinned.WaitUnskinned());
  EXPECT_EQ(panel->GetColor(), clRed);
  EXPECT_EQ(radios->GetColor(), kAqua);
  RedrawNow(sheet->WindowHandle());
  EXPECT_TRUE(PumpUntil([&] { return centre(panel->WindowHandle()) == AsPixel(clRed); }));
  EXPECT_TRUE(PumpUntil([&] { return centre(sheet->WindowHandle()) == AsPixel(kYellow); }));
}

namespace {

// A child dialog of the system's class with a static text.
HWND ChildDialog(HWND Parent) {
  struct alignas(4) {
    DLGTEMPLATE Template;
    WORD Menu, Class, Title;
  } t{};
  t.Template.style = WS_CHILD | WS_VISIBLE;
  t.Template.cx = 120;
  t.Template.cy = 60;
  HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &t.Template, Parent,
                                           [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; },
                                           0);
  CreateWindowExA(0, "STATIC", "Folder", WS_CHILD | WS_VISIBLE, 10, 10, 120, 30, dialog, nullptr,
                  GetModuleHandleA(nullptr), nullptr);
  SetWindowPos(dialog, nullptr, 10, 10, 200, 100, SWP_NOZORDER);
  return dialog;
}

}  // namespace

TEST(SkinBoxH, ABareDialogAndItsTextsStandOnTheSkinsFace) {
  TControlsForm form(ProgramSkin(), [](TForm&) {});
  ASSERT_TRUE(form.Ready());
  HWND dialog = ChildDialog(form.Form().WindowHandle());
  HWND label = GetWindow(dialog, GW_CHILD);
  ASSERT_NE(label, nullptr);
  const TPixel face = AsPixel(form.Face());
  ASSERT_NE(face, PixelFromColor(static_cast<TColor>(GetSysColor(COLOR_BTNFACE))));
  SkinChildWindow(form.Skinner(), dialog);
  ASSERT_NE(form.PainterOf<TSkinBoxH>(dialog), nullptr);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_TRUE(WaitForPixels(dialog, [&](const TPixelBuffer& Shown) {
    return Shown.Pixel(190, 90) == face;
  }));
  // Behind the static's text (its last column stays clear of the text).
  EXPECT_TRUE(WaitForPixels(label, [&](const TPixelBuffer& Shown) {
    return Shown.Pixel(Shown.Width() - 1, Shown.Height() - 1) == face;
  }));

  form.Skinned.Data->SetActive(false);
  ASSERT_TRUE(form.Skinned.WaitUnskinned());
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_TRUE(WaitForPixels(dialog, [&](const TPixelBuffer& Shown) {
    return Shown.Pixel(190, 90) != face;
  }));
  DestroyWindow(dialog);
}
