#include "skin/painters/SkinObjImage.h"

#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "toolkit/Bitmap.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinObjImage::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinObjImage>("TSkinObjImage", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

// Magenta, the skin's transparent colour, as a colour value.
constexpr const char* kKeyColourText = "16711935";

}  // namespace

TSkinObjImage::TSkinObjImage(TComponent* AOwner) : TSkinControl(AOwner) {}

TSkinObjImage::~TSkinObjImage() {
  // Detaching here, while this class is still whole, gives the images back.
  DetachNow();
}

void TSkinObjImage::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data,
                                    bool PaintBackground, TCanvas* Canvas) {
  TSkinControl::AttachToControl(FormSkinner, Data, PaintBackground, Canvas);
  if (FAttached) ApplyGlyphs();
}

void TSkinObjImage::SkinChanged() {
  RestoreGlyphs();
  ApplyGlyphs();
  TSkinControl::SkinChanged();
}

void TSkinObjImage::Detach() {
  RestoreGlyphs();
  TSkinControl::Detach();
}

const TPixelBuffer* TSkinObjImage::SkinStrip() const {
  const TDataSkinButton* buttons = FSkinData ? FSkinData->Skin().Buttons.get() : nullptr;
  if (!buttons) return nullptr;
  const TPixelBuffer& strip = FMode == 2 ? buttons->RadioButton : buttons->CheckButton;
  return strip.Empty() ? nullptr : &strip;
}

TBitmap* TSkinObjImage::TargetBitmap() const {
  if (!FControl) return nullptr;
  if (FMode == 3)
    return dynamic_cast<TBitmap*>(
        GetObjectPropByName(GetObjectPropByName(FControl, "Properties"), "Glyph"));
  return dynamic_cast<TBitmap*>(GetObjectPropByName(FControl, "CustomGlyphs"));
}

void TSkinObjImage::ApplyGlyphs() {
  if (FApplied) return;
  const TPixelBuffer* strip = SkinStrip();
  TBitmap* target = TargetBitmap();
  if (!strip || !target) return;
  FSavedGlyphs = target->ToPixelBuffer();
  target->Assign(*strip);
  if (FMode != 3) {
    FSavedUseCustom = GetEnumPropByName(FControl, "UseCustomGlyphs");
    SetPropByName(FControl, "UseCustomGlyphs", "True");
    FSavedTransparentColor = GetOrdPropByName(FControl, "TransparentColor");
    SetPropByName(FControl, "TransparentColor", kKeyColourText);
  }
  FApplied = true;
  FControl->Invalidate();
}

void TSkinObjImage::RestoreGlyphs() {
  if (!FApplied) return;
  FApplied = false;
  if (!FControl) return;
  if (TBitmap* target = TargetBitmap()) {
    if (FSavedGlyphs.Empty())
      target->SetSize(0, 0);
    else
      target->Assign(FSavedGlyphs);
  }
  if (FMode != 3) {
    if (!FSavedUseCustom.empty()) SetPropByName(FControl, "UseCustomGlyphs", FSavedUseCustom);
    if (FSavedTransparentColor != -1)
      SetPropByName(FControl, "TransparentColor", std::to_string(FSavedTransparentColor));
  }
  FControl->Invalidate();
}
