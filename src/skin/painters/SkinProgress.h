#pragma once
// The progress-bar painter: the skin's "Progress" trough (frame 1 across,
// frame 2 upright when the strip has it) drawn sliced over the window, and
// the filled part from "Progress.Chunk": one stretched bar for a smooth
// progress bar, blocks of the chunk's own width otherwise. Without a chunk
// image the filled part is the skin's highlight colour; without a trough
// the window is the button face with a button-shadow line round it.

#include "skin/painters/OffscreenBitmap.h"
#include "skin/painters/SkinControl.h"

class TSkinProgress : public TSkinControl {
  FW_CLASS(TSkinProgress)
 public:
  explicit TSkinProgress(TComponent* AOwner) : TSkinControl(AOwner) {}

  // The filled part of the last paint (window coordinates; empty when
  // nothing is filled).
  const RECT& FilledRect() const { return FFilledRect; }

  // The part of Inner (a bar's inside) filled for Position in [Min, Max],
  // from the left, or from the bottom when Vertical.
  static RECT FilledPart(const RECT& Inner, int Min, int Max, int Position, bool Vertical);

 protected:
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;

 private:
  void DrawTrough(HDC DC, const RECT& Rect, bool Vertical);
  // The inside of the trough, where the chunks go.
  RECT InnerRect(const RECT& Rect) const;
  void DrawChunks(HDC DC, const RECT& Filled, bool Vertical, bool Smooth);

  RECT FFilledRect{};
  TOffscreenBitmap FFace;
};
