#pragma once
// One title button of a skinned window (close, maximise, minimise, help,
// the window icon, the MDI child buttons and the skin's decorations), drawn
// from one of the skin's title-button elements: a strip of state frames
// side by side (1 normal, 2 pressed, 3 hot, 4 disabled).

#include <windows.h>

#include "skin/definition/DataSkinObject.h"
#include "skin/frame/NCObject.h"
#include "toolkit/portable/PixelBuffer.h"

class TWinSysButton : public TNCObject {
  FW_CLASS(TWinSysButton)
 public:
  enum TFrame { frNormal = 1, frPressed = 2, frHot = 3, frDisabled = 4 };

  TWinSysButton(TWinSkinForm& Owner, const TDataSkinSysButton& Element);

  const TDataSkinSysButton& Element() const { return FElement; }
  int Action() const { return FElement.Action; }
  // The window's icon stands in for these buttons' images.
  bool IsIconButton() const { return FElement.Action == 3 || FElement.Action == 11; }
  // Buttons inside the menu bar of an MDI parent with a maximised child.
  bool InMenuBar() const { return FElement.Align == 100; }
  const TPixelBuffer& Image() const { return FOwnImage.Empty() ? FElement.Image : FOwnImage; }
  int FrameCount() const { return FFrameCount; }
  // The icon button whose element has no image takes a copy of the icon.
  void SetOwnImage(TPixelBuffer Image) { FOwnImage = std::move(Image); }

  // The frame the title bar shows when it is painted whole.
  int TitleFrame(bool WindowActive) const;
  // The frame for the button's current State.
  int StateFrame() const;
  // Draws the given frame at Rect moved by (-DX, -DY) into DC.
  void Draw(HDC DC, int Frame, int DX, int DY) const;

  // Repaints the button alone on the window, over the title bar behind it.
  void Paint() override;

 private:
  void DrawIcon(HDC DC, const RECT& At) const;

  const TDataSkinSysButton& FElement;
  TPixelBuffer FOwnImage;
  int FFrameCount;
};
