// The item painter drawing items of a skinned form's menus into a bitmap, as
// the menu's own DC would receive them, and read back pixel by pixel.

#include <gtest/gtest.h>

#include "skin/frame/FormSkinner.h"
#include "skin/menus/MenuItemPainter.h"
#include "skinmenus/MenuTestSupport.h"
#include "toolkit/Bitmap.h"

namespace {

constexpr int kW = 220;
constexpr int kH = 22;

class MenuItemPainterTest : public ::testing::Test {
 protected:
  // Draws Item (Selected or not) into a fresh bitmap.
  void Draw(TMenuForm& Form, TMenuItem* Item, bool Selected, int Height = kH) {
    Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(pf32bit);
    Bitmap->SetSize(kW, Height);
    Bitmap->Canvas().GetPixel(0, 0);  // the canvas has its DC from here on
    Form.Skinner()->MenuItems().DrawMenuItem(Item, &Bitmap->Canvas(), RECT{0, 0, kW, Height},
                                             Selected);
  }
  COLORREF At(int X, int Y) { return Bitmap->Canvas().GetPixel(X, Y); }
  int Count(const RECT& Area, COLORREF Colour) {
    int n = 0;
    for (int y = Area.top; y < Area.bottom; ++y)
      for (int x = Area.left; x < Area.right; ++x)
        if (At(x, y) == Colour) ++n;
    return n;
  }
  // Pixels of Area that are not Colour.
  int Ink(const RECT& Area, COLORREF Background) {
    return (Area.right - Area.left) * (Area.bottom - Area.top) - Count(Area, Background);
  }

  std::unique_ptr<TBitmap> Bitmap;
};

COLORREF ImagePixel(const TDataSkinObject& Element, int X, int Y) {
  const TPixel p = Element.Image.Pixel(X, Y);
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

}  // namespace

TEST_F(MenuItemPainterTest, NormalAndSelectedItemsUseTheElementFramesOverTheMenuColour) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  const TDataSkinObject& element = *form.Data->Skin().MenuItem;
  const int frameWidth = element.Image.Width() / 5;
  const COLORREF menu = ScreenColour(form.Data->Skin().Colours.Menu);

  // Frame 1 of the program's skin is transparent: the menu colour shows.
  Draw(form, form.Copy, false);
  EXPECT_EQ(At(kW / 2, 2), menu);
  // Frame 4, stretched over the item.
  Draw(form, form.Copy, true);
  EXPECT_EQ(At(kW / 2, kH / 2), ImagePixel(element, 3 * frameWidth + frameWidth / 2, kH / 2));
  EXPECT_NE(At(kW / 2, kH / 2), menu);
}

TEST_F(MenuItemPainterTest, MarksTextColoursAndShortcutsOfTheSkin) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  const TSkinColours& colours = form.Data->Skin().Colours;
  const int left = form.Data->Skin().MenuItem->Margins.Left;
  const RECT glyphBox{1 + left, 1, 1 + left + 16, 17};
  const COLORREF menu = ScreenColour(colours.Menu);
  const COLORREF buttonText = ScreenColour(colours.ButtonText);

  // A checked item without image: the check mark in the button-text colour.
  Draw(form, form.ToolBar, false);
  const int check = Count(glyphBox, buttonText);
  EXPECT_GT(check, 6);
  // A checked radio item: a round mark of its own.
  Draw(form, form.Small, false);
  const int radio = Count(glyphBox, buttonText);
  EXPECT_GT(radio, 6);
  // An unchecked radio item has none.
  Draw(form, form.Large, false);
  EXPECT_EQ(Ink(glyphBox, menu), 0);

  // An image is drawn in the glyph box.
  Draw(form, form.New, false);
  EXPECT_GT(Ink(glyphBox, menu), 20);

  // Disabled text is drawn in the shadow colour, never in the text colour.
  const RECT text{glyphBox.right + 3, 0, kW, kH};
  Draw(form, form.Print, false);
  EXPECT_GT(Count(text, ScreenColour(colours.ButtonShadow)), 5);
  EXPECT_EQ(Count(text, ScreenColour(colours.MenuText)), 0);

  // The shortcut stands at the right, clear of the caption.
  Draw(form, form.Cut, false);
  EXPECT_GT(Ink({kW - 60, 0, kW - 10, kH}, menu), 10);
  EXPECT_EQ(Ink({kW - 10, 0, kW, kH}, menu), 0);
  EXPECT_EQ(Ink({text.left + 40, 0, kW - 60, kH}, menu), 0);

  // Selected text takes the highlight text colour.
  Draw(form, form.Copy, true);
  EXPECT_GT(Count(text, ScreenColour(colours.HilightText)), 5);
}

TEST_F(MenuItemPainterTest, DefaultItemIsBold) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  const COLORREF menu = ScreenColour(form.Data->Skin().Colours.Menu);
  const RECT text{24, 0, kW, kH};
  Draw(form, form.About, false);
  const int bold = Ink(text, menu);
  form.About->SetDefault(false);
  Draw(form, form.About, false);
  EXPECT_GT(bold, Ink(text, menu) + 5);
}

TEST_F(MenuItemPainterTest, SeparatorIsTheSecondFrameStrip) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  const TDataSkinObject& element = *form.Data->Skin().MenuItem;
  const int frameWidth = element.Image.Width() / 5;
  const int h = 8;
  TMenuItem* separator = form.File->Items(1);
  ASSERT_TRUE(separator->IsLine());
  Draw(form, separator, false, h);
  // The strip's bottom rows, its middle stretched across the item.
  int drawn = 0;
  for (int y = 0; y < h; ++y) {
    const COLORREF source =
        ImagePixel(element, frameWidth + frameWidth / 2, element.Image.Height() - h + y);
    if (source == RGB(255, 0, 255)) continue;
    EXPECT_EQ(At(kW / 2, y), source) << "row " << y;
    ++drawn;
  }
  EXPECT_GT(drawn, 0);
}

TEST_F(MenuItemPainterTest, SkinWithoutMenuItemFillsWithMenuAndHighlightColours) {
  TMenuForm form(MakeSkin(PlainBorders(4, 24, 4, 4, PixelFromRgb(10, 60, 110),
                                       PixelFromRgb(90, 90, 90))));
  ASSERT_TRUE(form.WaitSkinned());
  ASSERT_EQ(form.Data->Skin().MenuItem, nullptr);
  const TSkinColours& colours = form.Data->Skin().Colours;
  Draw(form, form.Copy, true);
  EXPECT_GT(Count({0, 0, kW, kH}, ScreenColour(colours.Hilight)), kW * kH / 2);
  EXPECT_GT(Count({20, 0, 80, kH}, ScreenColour(colours.HilightText)), 5);
  Draw(form, form.Copy, false);
  EXPECT_GT(Count({0, 0, kW, kH}, ScreenColour(colours.Menu)), kW * kH / 2);
  // The separator is an etched line.
  Draw(form, form.File->Items(1), false, 8);
  EXPECT_NE(At(kW / 2, 4), ScreenColour(colours.Menu));
  EXPECT_EQ(At(kW / 2, 1), ScreenColour(colours.Menu));
}

TEST_F(MenuItemPainterTest, RightToLeftMenuPutsTheMarkAtTheRight) {
  TMenuFormOptions options;
  options.RightToLeft = true;
  TMenuForm form(ProgramSkin(), options);
  ASSERT_TRUE(form.WaitSkinned());
  ASSERT_TRUE(form.Main->IsRightToLeft());
  const int left = form.Data->Skin().MenuItem->Margins.Left;
  const COLORREF buttonText = ScreenColour(form.Data->Skin().Colours.ButtonText);
  Draw(form, form.ToolBar, false);
  EXPECT_GT(Count({kW - 1 - left - 16, 1, kW - 1 - left, 17}, buttonText), 6);
  EXPECT_EQ(Count({0, 1, 24, 17}, buttonText), 0);
}

TEST(MenuItemPainterSwitching, OwnerDrawingOfPopupMenusIsSwitchedAndGivenBack) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  TMenuItemPainter& painter = form.Skinner()->MenuItems();
  // A menu with the skin's DisableTag stays as it is.
  auto* native = new TPopupMenu(form.Form.get());
  native->SetTag(form.Data->GetDisableTag());
  auto* plain = form.AddItem(native->Items(), "Plain");
  // An application's own handlers.
  TMenuItem* open = form.Popup->Items()->Items(0);
  TMenuItem* close = form.Popup->Items()->Items(2);
  struct TOwnDrawing {
    void Draw(TObject*, TCanvas*, RECT, bool) {}
    void Measure(TObject*, TCanvas*, int&, int&) {}
  } own;
  close->OnDrawItem = TMenuDrawItemEvent(&own, &TOwnDrawing::Draw);
  open->OnMeasureItem = TMenuMeasureItemEvent(&own, &TOwnDrawing::Measure);

  painter.SetPopupMenusOwnerDraw(form.Form.get(), true);
  EXPECT_TRUE(form.Popup->GetOwnerDraw());
  EXPECT_FALSE(native->GetOwnerDraw());
  EXPECT_FALSE(plain->OnDrawItem.Assigned());
  EXPECT_TRUE(open->OnDrawItem.Assigned());
  EXPECT_TRUE(open->OnMeasureItem == TMenuMeasureItemEvent(&own, &TOwnDrawing::Measure));
  EXPECT_FALSE(close->OnDrawItem == TMenuDrawItemEvent(&own, &TOwnDrawing::Draw));
  // An item added later gets the skin's drawing with the next pass (a skin
  // change makes one).
  TMenuItem* later = form.AddItem(open, "Later");
  painter.SetPopupMenusOwnerDraw(form.Form.get(), true);
  EXPECT_TRUE(later->OnDrawItem.Assigned());
  EXPECT_TRUE(later->OnMeasureItem.Assigned());

  form.Data->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return form.Skinner() == nullptr; }, 3000));
  EXPECT_FALSE(form.Popup->GetOwnerDraw());
  EXPECT_FALSE(open->OnDrawItem.Assigned());
  EXPECT_TRUE(open->OnMeasureItem == TMenuMeasureItemEvent(&own, &TOwnDrawing::Measure));
  EXPECT_TRUE(close->OnDrawItem == TMenuDrawItemEvent(&own, &TOwnDrawing::Draw));
  EXPECT_FALSE(form.Popup->Items()->Items(1)->OnMeasureItem.Assigned());
  EXPECT_FALSE(later->OnDrawItem.Assigned());
  EXPECT_FALSE(later->OnMeasureItem.Assigned());
}
