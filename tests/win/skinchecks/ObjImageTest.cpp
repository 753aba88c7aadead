// Check boxes and radio buttons that draw their own glyphs from published
// images get the skin's strips while skinned, and their own images back.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "skin/painters/SkinObjImage.h"
#include "skinchecks/ChecksSupport.h"
#include "toolkit/Bitmap.h"
#include "toolkit/CustomControl.h"
#include "toolkit/portable/ClassBuilder.h"

namespace {

constexpr TPixel kOwnGlyph = PixelFromRgb(1, 2, 3);

// A check box of another library, drawing its glyphs from CustomGlyphs when
// UseCustomGlyphs is set.
class TGlyphCheck : public TCustomControl {
  FW_CLASS(TGlyphCheck)
 public:
  explicit TGlyphCheck(TComponent* AOwner) : TCustomControl(AOwner) {
    FGlyphs.Assign(TPixelBuffer(2, 2, kOwnGlyph));
  }
  bool GetUseCustomGlyphs() const { return FUseCustom; }
  void SetUseCustomGlyphs(bool Value) { FUseCustom = Value; }
  int GetTransparentColor() const { return FTransparent; }
  void SetTransparentColor(int Value) { FTransparent = Value; }
  TBitmap* GetCustomGlyphs() const { return &FGlyphs; }

 private:
  bool FUseCustom = false;
  int FTransparent = 0x123456;
  mutable TBitmap FGlyphs;
};

// Its radio-button sibling has the same shape.
class TGlyphRadio : public TGlyphCheck {
  FW_CLASS(TGlyphRadio)
 public:
  using TGlyphCheck::TGlyphCheck;
};

// The glyph of a library that keeps it in a properties object.
class TGlyphProperties : public TObject {
  FW_CLASS(TGlyphProperties)
 public:
  TBitmap* GetGlyph() const { return &FGlyph; }
  mutable TBitmap FGlyph;
};

class TPropertiesCheck : public TCustomControl {
  FW_CLASS(TPropertiesCheck)
 public:
  using TCustomControl::TCustomControl;
  TGlyphProperties* GetProperties() const { return &FProperties; }

 private:
  mutable TGlyphProperties FProperties;
};

}  // namespace

// Named as the recognition rules know these classes.
const TClassInfo& TGlyphCheck::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGlyphCheck>("TRzCheckBox", &TCustomControl::StaticClass())
          .Prop("UseCustomGlyphs", &TGlyphCheck::GetUseCustomGlyphs,
                &TGlyphCheck::SetUseCustomGlyphs, false)
          .ColorProp("TransparentColor", &TGlyphCheck::GetTransparentColor,
                     &TGlyphCheck::SetTransparentColor, 0x123456)
          .ObjectProp("CustomGlyphs", &TGlyphCheck::GetCustomGlyphs)
          .Info();
  return info;
}
const TClassInfo& TGlyphRadio::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGlyphRadio>("TRzRadioButton", &TGlyphCheck::StaticClass()).Info();
  return info;
}
const TClassInfo& TGlyphProperties::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGlyphProperties>("TGlyphProperties", nullptr)
          .ObjectProp("Glyph", &TGlyphProperties::GetGlyph)
          .Info();
  return info;
}
const TClassInfo& TPropertiesCheck::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPropertiesCheck>("TcxCheckBox", &TCustomControl::StaticClass())
          .ObjectProp("Properties", &TPropertiesCheck::GetProperties)
          .Info();
  return info;
}

namespace {

bool SamePixels(TBitmap& Bitmap, const TPixelBuffer& Expected) {
  const TPixelBuffer pixels = Bitmap.ToPixelBuffer();
  if (pixels.Width() != Expected.Width() || pixels.Height() != Expected.Height()) return false;
  for (int y = 0; y < pixels.Height(); ++y)
    for (int x = 0; x < pixels.Width(); ++x)
      if (pixels.Pixel(x, y) != Expected.Pixel(x, y)) return false;
  return true;
}

}  // namespace

TEST(SkinObjImage, GlyphControlsGetTheSkinsStripsAndTheirOwnBack) {
  TGlyphCheck* check = nullptr;
  TGlyphRadio* radio = nullptr;
  TPropertiesCheck* boxed = nullptr;
  TControlsForm form(ProgramSkin(), [&](TForm& Form) {
    check = new TGlyphCheck(&Form);
    radio = new TGlyphRadio(&Form);
    boxed = new TPropertiesCheck(&Form);
    int top = 10;
    for (TCustomControl* c : std::initializer_list<TCustomControl*>{check, radio, boxed}) {
      c->SetParent(&Form);
      c->SetBounds(10, top, 120, 20);
      top += 30;
    }
    boxed->GetProperties()->FGlyph.Assign(TPixelBuffer(3, 1, kOwnGlyph));
  });
  ASSERT_TRUE(form.Ready());
  const TDataSkinButton& buttons = *form.Skinned.Data->Skin().Buttons;
  auto* checkPainter = form.PainterOf<TSkinObjImage>(check->WindowHandle());
  ASSERT_NE(checkPainter, nullptr);
  EXPECT_EQ(checkPainter->Mode(), 1);
  EXPECT_TRUE(checkPainter->GlyphsApplied());
  EXPECT_TRUE(check->GetUseCustomGlyphs());
  EXPECT_EQ(check->GetTransparentColor(), 0xFF00FF);
  EXPECT_TRUE(SamePixels(*check->GetCustomGlyphs(), buttons.CheckButton));
  ASSERT_NE(form.PainterOf<TSkinObjImage>(radio->WindowHandle()), nullptr);
  EXPECT_TRUE(SamePixels(*radio->GetCustomGlyphs(), buttons.RadioButton));
  ASSERT_NE(form.PainterOf<TSkinObjImage>(boxed->WindowHandle()), nullptr);
  EXPECT_TRUE(SamePixels(*boxed->GetProperties()->GetGlyph(), buttons.CheckButton));

  form.Skinned.Data->SetActive(false);
  ASSERT_TRUE(form.Skinned.WaitUnskinned());
  EXPECT_FALSE(check->GetUseCustomGlyphs());
  EXPECT_EQ(check->GetTransparentColor(), 0x123456);
  EXPECT_TRUE(SamePixels(*check->GetCustomGlyphs(), TPixelBuffer(2, 2, kOwnGlyph)));
  EXPECT_TRUE(SamePixels(*radio->GetCustomGlyphs(), TPixelBuffer(2, 2, kOwnGlyph)));
  EXPECT_TRUE(SamePixels(*boxed->GetProperties()->GetGlyph(), TPixelBuffer(3, 1, kOwnGlyph)));
}
