#pragma once
// The window that covers a skinned media player and draws its buttons from
// the skin: each visible button gets an equal slot with a frame of the
// push-button element and the program's own glyph (enabled, disabled or
// coloured). Mouse presses are passed on to the player underneath, which
// does the work; a release counts only over the button that was pressed.

#include <array>

#include "skin/painters/OffscreenBitmap.h"
#include "toolkit/CustomControl.h"
#include "toolkit/portable/PixelBuffer.h"

class TSkinData;
class TSkinMP;

class TWMediaPlayer : public TCustomControl {
  FW_CLASS(TWMediaPlayer)
 public:
  static constexpr int kButtonCount = 9;

  explicit TWMediaPlayer(TComponent* AOwner);

  // Takes the player's place: its parent, bounds and visibility.
  void Cover(TWinControl* Player, TSkinMP* Painter, TSkinData* Data, int Tag);
  // The player's bounds and visibility again.
  void FollowPlayer();

  TWinControl* Player() const { return FPlayer; }
  int ButtonWidth() const { return FButtonWidth; }
  int PressedButton() const { return FPressedButton; }
  int ButtonUnderMouse() const { return FButtonUnderMouse; }
  // The button whose slot holds client X, or -1.
  int ButtonAt(int X) const;

  // The program's glyph of a button: prefix "EN", "DI" or "CL".
  static const TPixelBuffer& Glyph(int Button, const char* Prefix);

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  struct TButtonSets {
    std::array<bool, kButtonCount> Visible{}, Enabled{}, Coloured{};
    int VisibleCount = 0;
  };
  TButtonSets ReadButtons() const;
  void DrawButton(HDC DC, int Button, const RECT& Slot, const TButtonSets& Sets) const;
  void OnLeftButtonDown(TMessage& Message);
  void OnLeftButtonUp(TMessage& Message);
  void Forward(const TMessage& Message) const;

  TWinControl* FPlayer = nullptr;
  TSkinMP* FPainter = nullptr;
  TSkinData* FSkinData = nullptr;
  int FButtonWidth = 0;
  int FPressedButton = -1;
  int FButtonUnderMouse = -1;
  TOffscreenBitmap FFace;
};
