#pragma once
// Colour mixing and one-pixel gradient bands.

#include <vector>

#include "toolkit/portable/PixelBuffer.h"

// Mixes A and B by Weight: a percentage of A below 100, a per-mille of A from
// 100 on (150 is 15 % of A). System colours are resolved first.
TColor MixColors(TColor A, TColor B, int Weight);

// The colours of Count bands running from Start to End (resolved colours).
std::vector<TColor> GradientColors(int Count, TColor Start, TColor End);

// Gradient tables are reused: sixteen slots, filled round-robin, searched by
// length and end colours. Used on the user-interface thread only.
class TGradientCache {
 public:
  static constexpr int SlotCount = 16;
  const std::vector<TColor>& Colors(int Count, TColor Start, TColor End);
  static TGradientCache& Shared();

 private:
  struct TSlot {
    int Count = 0;
    TColor Start = 0, End = 0;
    std::vector<TColor> Table;
  };
  TSlot FSlots[SlotCount];
  int FNext = 0;
};

// Fills Area of Target with bands from Start to End: rows top to bottom when
// Vertical, else columns left to right. Only bands inside Clip (and the
// buffer) are painted.
void DrawGradient(TPixelBuffer& Target, const TRect& Area, TColor Start, bool Vertical, TColor End,
                  const TRect& Clip);
void DrawGradient(TPixelBuffer& Target, const TRect& Area, TColor Start, bool Vertical, TColor End);
