#pragma once
// The track-bar painter: the skin's "Track" (across) or "TRACKVERT"
// (upright) drawn sliced along the native channel, tick marks in the skin's
// button shadow where the native bar puts them, and the thumb from
// "Trackbar.ThumbHorz" or "Trackbar.ThumbVert" centred on the native thumb.
// Thumb frames: 1 normal, 2 pressed, 3 disabled, 4 mouse over, 5 focused.
// The native bar keeps its mouse and keyboard handling; the painter only
// follows what it does.

#include "skin/painters/OffscreenBitmap.h"
#include "skin/painters/SkinControl.h"

class TSkinTrackBar : public TSkinControl {
  FW_CLASS(TSkinTrackBar)
 public:
  explicit TSkinTrackBar(TComponent* AOwner) : TSkinControl(AOwner) {}

  void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                       TCanvas* Canvas) override;

  // The thumb frame for the state the last paint found.
  int ThumbFrame() const;
  bool ParentBackground() const { return FParentBackground; }

 protected:
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;

 private:
  bool Vertical() const;
  RECT ThumbRect() const;
  RECT ChannelRect() const;
  void DrawChannel(HDC DC, const RECT& Channel);
  void DrawTicks(HDC DC, const RECT& Channel, const RECT& Thumb);
  void DrawThumb(HDC DC, const RECT& Thumb);
  void OnMouseMove(const TMessage& Message);
  void SetHot(bool Value);

  bool FParentBackground = false;
  TOffscreenBitmap FFace;
};
