#include "skinedits/EditSupport.h"

#include "common/SyntheticInput.h"
#include "skin/imaging/ImagePrimitives.h"
#include "toolkit/GdiHandle.h"

namespace {

TSkinnedForm::TOptions InactiveForm() {
  TSkinnedForm::TOptions options;
  options.Active = false;
  options.ClientWidth = 420;
  options.ClientHeight = 260;
  return options;
}

}  // namespace

TEditsForm::TEditsForm() : Skinned(ProgramSkin(), InactiveForm()) {}

TEditsForm::TEditsForm(const TBytes& Skin) : Skinned(Skin, InactiveForm()) {}

bool TEditsForm::Skin() {
  Skinned.Data->SetActive(true);
  if (!Skinned.WaitSkinned()) return false;
  PumpMessages(60);
  return true;
}

bool TEditsForm::Unskin() {
  Skinned.Data->SetActive(false);
  if (!Skinned.WaitUnskinned()) return false;
  PumpMessages(60);
  return true;
}

TSkinControl* TEditsForm::PainterOf(HWND Window) const {
  TWinSkinForm* skinner = Skinned.Skinner();
  return skinner ? skinner->FindPainterByHandle(Window) : nullptr;
}

TPixel TEditsForm::Shown(TColor Colour) const {
  return PixelFromColor(static_cast<TColor>(ColorToRGB(Colour)));
}

void RedrawNow(HWND Window) {
  RedrawWindow(Window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessages(30);
}

TPixel PixelOf(HWND Window, int X, int Y) {
  const TPixelBuffer shot = CaptureWindow(Window);
  return shot.Contains(X, Y) ? shot.Pixel(X, Y) : TPixel{};
}

void TypeKeys(std::initializer_list<WORD> Keys) {
  for (WORD key : Keys) PressChord({key});
  PumpMessages(40);
}

int ShownSlicedFrame(HWND Window, const TDataSkinObject& Element) {
  const TPixelBuffer shot = CaptureWindow(Window);
  int best = 0;
  double bestShare = 0.97;
  for (int frame = 1; frame <= Element.FrameCount; ++frame) {
    TPixelBuffer expected(shot.Width(), shot.Height(), KeyPixel);
    DrawSliced(expected, expected.Bounds(), Element.Image, false, Element.Tile != 0, true,
               Element.FrameCount, frame, Element.Margins);
    int same = 0, opaque = 0;
    for (int y = 0; y < shot.Height(); ++y)
      for (int x = 0; x < shot.Width(); ++x) {
        if (expected.Pixel(x, y) == KeyPixel) continue;
        ++opaque;
        same += expected.Pixel(x, y) == shot.Pixel(x, y);
      }
    const double share = opaque ? static_cast<double>(same) / opaque : 0.0;
    if (share > bestShare) {
      bestShare = share;
      best = frame;
    }
  }
  return best;
}

TBytes ButtonStyleSkin(int Style) {
  TTestSkinImages images = PlainBorders(4, 24, 4, 4, PixelFromRgb(40, 40, 90),
                                        PixelFromRgb(90, 90, 90));
  TPixelBuffer button(64, 16, PixelFromRgb(0, 0, 255));
  button.FillRect({16, 0, 32, 16}, PixelFromRgb(255, 0, 0));
  button.FillRect({32, 0, 48, 16}, PixelFromRgb(128, 128, 128));
  button.FillRect({48, 0, 64, 16}, PixelFromRgb(0, 200, 0));
  images.Extra.push_back({"combo.bmp", button});
  images.ExtraSections = "[ComboButton]\r\nImage=combo.bmp\r\nStyle=" + std::to_string(Style) +
                         "\r\nTrans=1\r\nTile=0\r\nLeftWidth=0\r\nTopHeight=0\r\n"
                         "RightWidth=0\r\nBottomHeight=0\r\n";
  return MakeSkin(images);
}

