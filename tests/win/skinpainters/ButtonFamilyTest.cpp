// The rest of the button family on real controls of a skinned form: glyph
// placement of bit buttons, windowless speed buttons, the menu button's mark
// and the media player's skinned cover.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "skin/painters/SkinBitButton.h"
#include "skin/painters/SkinMP.h"
#include "skin/painters/SkinMenuButton.h"
#include "skin/painters/SkinSpeedButton.h"
#include "skin/painters/WMediaPlayer.h"
#include "skin/render/SkinTextDrawing.h"
#include "skinpainters/PainterSupport.h"
#include "toolkit/BitBtn.h"
#include "toolkit/ControlAtom.h"
#include "toolkit/Bitmap.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/MediaPlayer.h"
#include "toolkit/SpeedButton.h"

namespace {

constexpr TPixel kGreen = PixelFromRgb(0, 255, 0);
// The glyph's bottom-left pixel, and so its transparent colour.
constexpr TPixel kGlyphKey = PixelFromRgb(0x12, 0x34, 0x56);

// A 16 x 16 green square whose bottom-left pixel is its transparent colour.
std::unique_ptr<TBitmap> GreenGlyph() {
  TPixelBuffer pixels(16, 16, kGreen);
  pixels.SetPixel(0, 15, kGlyphKey);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->Assign(pixels);
  return bitmap;
}

// The leftmost and topmost green pixels of an image, or -1.
POINT GreenOrigin(const TPixelBuffer& Image) {
  POINT origin{-1, -1};
  for (int y = 0; y < Image.Height(); ++y)
    for (int x = 0; x < Image.Width(); ++x)
      if (Image.Pixel(x, y) == kGreen) {
        if (origin.x < 0 || x < origin.x) origin.x = x;
        if (origin.y < 0 || y < origin.y) origin.y = y;
      }
  return origin;
}

// The caption's width as DrawText measures it with the control's font.
int CaptionWidth(TControl& Control, const std::wstring& Text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Control.GetFont()->Handle());
  RECT r{0, 0, 1000, 100};
  DrawSkinText(dc, Text, r, DT_CALCRECT | DT_WORDBREAK);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return r.right - r.left;
}

class TFamilyForm {
 public:
  TFamilyForm() : Skinned(ProgramSkin()) {}
  bool Ready() { return Skinned.WaitSkinned(); }

  template <class TPainter>
  TPainter* Attach(TControl* Control) {
    auto* painter = new TPainter(Control);
    painter->AttachToControl(Skinned.Skinner(), Skinned.Data, false,
                             &Skinned.Skinner()->CanvasWork());
    PumpMessages(40);
    return painter;
  }
  const TDataSkinButton& Element() const { return ProgramButtonElement(*Skinned.Data); }
  TColor Face() const { return Skinned.Data->Skin().Colours.ButtonFace; }
  TWinControl* Form() const { return Skinned.Form.get(); }

  TSkinnedForm Skinned;
};

TBitBtn* AddBitBtn(TWinControl* Parent, const std::string& Caption, TBitmap* Glyph) {
  auto* button = new TBitBtn(Parent);
  button->SetParent(Parent);
  button->SetBounds(20, 20, 100, 30);
  button->SetText(Caption);
  button->SetGlyph(Glyph);
  button->HandleNeeded();
  return button;
}

}  // namespace

TEST(SkinBitButton, GlyphAndCaptionFollowLayoutMarginAndSpacing) {
  TFamilyForm form;
  ASSERT_TRUE(form.Ready());
  const auto glyph = GreenGlyph();
  TBitBtn* button = AddBitBtn(form.Form(), "Caption", glyph.get());
  form.Attach<TSkinBitButton>(button);
  MouseMoveTo(5, 5);
  PumpMessages(30);
  HWND window = button->WindowHandle();
  const int text = CaptionWidth(*button, L"Caption");
  ASSERT_GT(text, 0);

  // Margin -1 and Spacing -1: margin, spacing and the rest a third each.
  button->SetMargin(-1);
  button->SetSpacing(-1);
  PumpMessages(30);
  TPixelBuffer shown = CaptureWindow(window);
  const int third = (100 - (16 + text)) / 3;
  EXPECT_EQ(GreenOrigin(shown).x, third);
  EXPECT_EQ(GreenOrigin(shown).y, (30 - 16 + 1) / 2);
  EXPECT_EQ(CountPixels(shown, shown.Bounds(), kGlyphKey), 0) << "transparent colour drawn";
  // The caption starts one spacing after the glyph (its first stroke may
  // sit a pixel or two inside its box).
  const TPixelBuffer face = ExpectedFace(form.Element(), 100, 30, 1, form.Face());
  int textLeft = -1;
  for (int x = third + 16; x < 100 && textLeft < 0; ++x)
    for (int y = 4; y < 26; ++y)
      if (shown.Pixel(x, y) != face.Pixel(x, y)) {
        textLeft = x;
        break;
      }
  EXPECT_GE(textLeft, third + 16 + third);
  EXPECT_LE(textLeft, third + 16 + third + 2);

  // A fixed margin at the left.
  button->SetMargin(4);
  PumpMessages(30);
  EXPECT_EQ(GreenOrigin(CaptureWindow(window)).x, 4);

  // Glyph on top: centred across, Margin from the top.
  button->SetLayout(blGlyphTop);
  PumpMessages(30);
  shown = CaptureWindow(window);
  EXPECT_EQ(GreenOrigin(shown).x, (100 - 16 + 1) / 2);
  EXPECT_EQ(GreenOrigin(shown).y, 4);

  // Disabled: the grey glyph on the disabled frame.
  button->SetEnabled(false);
  PumpMessages(30);
  shown = CaptureWindow(window);
  EXPECT_EQ(GreenOrigin(shown).x, -1);
  EXPECT_EQ(MatchingFrame(shown, form.Element(), form.Face()), TSkinControl::bfDisabled);
}

TEST(SkinSpeedButton, AWindowlessButtonIsDrawnWhereItsParentPaintsIt) {
  TFamilyForm form;
  ASSERT_TRUE(form.Ready());
  auto* panel = new TPanel(form.Form());
  panel->SetParent(form.Form());
  panel->SetBounds(20, 20, 200, 40);
  panel->SetBevelOuter(bvNone);
  auto* flat = new TSpeedButton(form.Form());
  flat->SetParent(panel);
  flat->SetBounds(10, 5, 30, 30);
  flat->SetFlat(true);
  flat->SetGroupIndex(1);
  flat->SetAllowAllUp(true);
  auto* raised = new TSpeedButton(form.Form());
  raised->SetParent(panel);
  raised->SetBounds(60, 5, 30, 30);
  raised->SetText("R");
  TSkinSpeedButton* flatPainter = form.Attach<TSkinSpeedButton>(flat);
  form.Attach<TSkinSpeedButton>(raised);
  MouseMoveTo(5, 5);
  PumpMessages(50);
  HWND parent = panel->WindowHandle();
  const auto frameOf = [&](TSpeedButton* Button) {
    const RECT b = Button->BoundsRect();
    const TPixelBuffer shown =
        CaptureWindow(parent).Copy(TRect{b.left, b.top, b.right, b.bottom});
    return MatchingFrame(shown, form.Element(), form.Face());
  };
  EXPECT_EQ(flatPainter->CompanionControl(), flat);

  // Idle, the flat button shows only the background; the other its frame.
  const RECT fb = flat->BoundsRect();
  const TPixelBuffer idle = CaptureWindow(parent).Copy(TRect{fb.left, fb.top, fb.right, fb.bottom});
  EXPECT_EQ(CountPixels(idle, idle.Bounds(), PixelFromColor(form.Face())), 30 * 30);
  EXPECT_EQ(frameOf(raised), TSkinControl::bfNormal);

  // The mouse over it shows the frame; held down, the pressed one.
  const RECT screen = [&] {
    RECT r = fb;
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }();
  MouseMoveTo((screen.left + screen.right) / 2, (screen.top + screen.bottom) / 2);
  PumpMessages(50);
  EXPECT_TRUE(flatPainter->MouseOver());
  EXPECT_EQ(frameOf(flat), TSkinControl::bfMouseOver);
  MouseButton(true);
  EXPECT_EQ(frameOf(flat), TSkinControl::bfPressed);
  MouseButton(false);
  PumpMessages(30);
  // Clicked, the grouped button stays down.
  EXPECT_TRUE(flat->GetDown());
  MouseMoveTo(5, 5);
  PumpMessages(50);
  EXPECT_FALSE(flatPainter->MouseOver());
  EXPECT_EQ(frameOf(flat), TSkinControl::bfPressed);

  // Given back, the button's own handler is in place again.
  delete flatPainter;
  flat->SetDown(false);
  PumpMessages(30);
  EXPECT_EQ(frameOf(flat), 0);
}

TEST(SkinMenuButton, TheDropDownMarkSitsAtTheRight) {
  TFamilyForm form;
  ASSERT_TRUE(form.Ready());
  auto* button = new TButton(form.Form());
  button->SetParent(form.Form());
  button->SetBounds(20, 20, 120, 30);
  button->SetText("Menu");
  button->HandleNeeded();
  form.Attach<TSkinMenuButton>(button);
  MouseMoveTo(5, 5);
  PumpMessages(30);
  const TPixelBuffer shown = CaptureWindow(button->WindowHandle());
  const TPixel mark = PixelFromColor(
      static_cast<TColor>(ColorToRGB(form.Skinned.Data->Skin().Colours.WindowText)));
  // The triangle's middle, and its tip.
  EXPECT_EQ(shown.Pixel(120 - 12, 15), mark);
  EXPECT_EQ(shown.Pixel(120 - 12, 15 + 1), mark);
  EXPECT_NE(shown.Pixel(120 - 12, 15 + 4), mark);
  EXPECT_EQ(MatchingFrame(shown, form.Element(), form.Face()), TSkinControl::bfNormal);
}

namespace {

class TPlayerClicks {
 public:
  void Clicked(TObject*, TMPBtnType Button, bool& DoDefault) {
    Last = static_cast<int>(Button);
    ++Count;
    DoDefault = false;
  }
  int Last = -1;
  int Count = 0;
};

// The skinned covers among a window's children.
int CoversOn(HWND Parent) {
  int covers = 0;
  for (HWND child = GetTopWindow(Parent); child; child = GetWindow(child, GW_HWNDNEXT))
    if (dynamic_cast<TWMediaPlayer*>(FindControl(child))) ++covers;
  return covers;
}

}  // namespace

bool operator==(const RECT& A, const RECT& B) {
  return EqualRect(&A, &B) != 0;
}

TEST(SkinMP, TheCoverDrawsTheButtonsAndPassesClicksToThePlayer) {
  for (int b = 0; b < TWMediaPlayer::kButtonCount; ++b)
    for (const char* prefix : {"EN", "DI", "CL"})
      EXPECT_FALSE(TWMediaPlayer::Glyph(b, prefix).Empty()) << prefix << " " << b;

  TFamilyForm form;
  ASSERT_TRUE(form.Ready());
  auto* player = new TMediaPlayer(form.Form());
  player->SetParent(form.Form());
  player->SetBounds(20, 20, 252, 30);
  TPlayerClicks clicks;
  player->OnClick = TMPBtnClickEvent(&clicks, &TPlayerClicks::Clicked);
  player->HandleNeeded();
  TSkinMP* painter = form.Attach<TSkinMP>(player);
  TWMediaPlayer* cover = painter->Replacement();
  ASSERT_NE(cover, nullptr);
  ASSERT_TRUE(cover->HandleAllocated());
  EXPECT_EQ(cover->GetTag(), form.Skinned.Data->GetDisableTag());
  EXPECT_EQ(cover->BoundsRect(), player->BoundsRect());
  EXPECT_EQ(CoversOn(form.Form()->WindowHandle()), 1);
  MouseMoveTo(5, 5);
  PumpMessages(40);
  EXPECT_EQ(cover->ButtonWidth(), 252 / 9);

  // Every slot shows the normal frame; a button taken out of the enabled
  // ones the disabled frame.
  TMPBtnTypes enabled = player->GetEnabledButtons();
  enabled.Exclude(mediaplayer::btStop);
  player->SetEnabledButtons(enabled);
  PumpMessages(40);
  const TPixelBuffer shown = CaptureWindow(cover->WindowHandle());
  const auto slotFrame = [&](int Slot) {
    return MatchingFrame(shown.Copy(TRect{Slot * 28, 0, Slot * 28 + 28, 30}), form.Element(),
                         form.Face());
  };
  EXPECT_EQ(slotFrame(0), TSkinControl::bfNormal);
  EXPECT_EQ(slotFrame(2), TSkinControl::bfDisabled);

  // A click on the first slot plays; a press moved to the next slot before
  // its release does nothing.
  const POINT first = ScreenPoint(cover->WindowHandle(), 14, 15);
  MouseMoveTo(first.x, first.y);
  MouseButton(true);
  EXPECT_EQ(cover->PressedButton(), 0);
  MouseButton(false);
  PumpMessages(30);
  EXPECT_EQ(clicks.Count, 1);
  EXPECT_EQ(clicks.Last, static_cast<int>(mediaplayer::btPlay));
  MouseButton(true);
  MouseMoveTo(first.x + 28, first.y);
  MouseButton(false);
  PumpMessages(30);
  EXPECT_EQ(clicks.Count, 1);

  // The cover follows the player's bounds and visibility, and goes with
  // the painter.
  player->SetBounds(30, 60, 180, 30);
  PumpMessages(30);
  EXPECT_EQ(cover->BoundsRect(), player->BoundsRect());
  player->SetVisible(false);
  PumpMessages(30);
  EXPECT_FALSE(cover->GetVisible());
  delete painter;
  PumpMessages(20);
  EXPECT_EQ(CoversOn(form.Form()->WindowHandle()), 0);
}
