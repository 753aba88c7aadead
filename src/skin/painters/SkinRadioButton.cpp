#include "skin/painters/SkinRadioButton.h"

#include "skin/definition/DataSkinObject.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinRadioButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinRadioButton>("TSkinRadioButton", &TSkinCheckBox::StaticClass()).Info();
  return info;
}

const TPixelBuffer* TSkinRadioButton::GlyphStrip(int& FrameCount) const {
  const TDataSkinButton* element = ButtonElement();
  if (!element || element->RadioButton.Empty()) return nullptr;
  FrameCount = element->RadioButtonFrame;
  return &element->RadioButton;
}

int TSkinRadioButton::StateFrame(int FrameCount) const {
  int frame = FHandle && (SendMessageA(FHandle, BM_GETCHECK, 0, 0) & 1) ? 2 : 1;
  if (HasPublished("Checked")) frame = PublishedText("Checked") == "true" ? 2 : 1;
  if (WindowDisabled()) frame += 2;
  if (FrameCount == 8) {
    static const int eightFrameOf[] = {0, 1, 5, 4, 8};
    frame = eightFrameOf[frame];
  }
  return frame > FrameCount ? FrameCount : frame;
}

RECT TSkinRadioButton::GlyphBox(const RECT& Rect, int Width, int Height, bool LeftText) const {
  RECT box = TSkinCheckBox::GlyphBox(Rect, Width, Height, LeftText);
  if (LeftText) OffsetRect(&box, -1, 0);
  return box;
}
