#include "skin/imaging/Gradient.h"

#include <algorithm>

#include "skin/imaging/SkinSystem.h"

TColor MixColors(TColor A, TColor B, int Weight) {
  A = ResolveColor(A);
  B = ResolveColor(B);
  const std::int64_t d = Weight < 100 ? 100 : 1000;
  auto mix = [&](int a, int b) {
    return static_cast<int>((a * std::int64_t{Weight} + b * (d - Weight) + d / 2) / d) & 0xFF;
  };
  return ColorFromRgb(mix(RedOf(A), RedOf(B)), mix(GreenOf(A), GreenOf(B)),
                      mix(BlueOf(A), BlueOf(B)));
}

std::vector<TColor> GradientColors(int Count, TColor Start, TColor End) {
  std::vector<TColor> table(std::max(Count, 0));
  if (Count <= 0) return table;
  const int s[3] = {RedOf(Start), GreenOf(Start), BlueOf(Start)};
  const int delta[3] = {RedOf(End) - s[0], GreenOf(End) - s[1], BlueOf(End) - s[2]};
  if (Count == 1) {
    table[0] = ColorFromRgb(s[0] + delta[0] / 2, s[1] + delta[1] / 2, s[2] + delta[2] / 2);
    return table;
  }
  const std::int64_t steps = Count - 1;
  for (int i = 0; i < Count; ++i) {
    int c[3];
    for (int k = 0; k < 3; ++k)
      c[k] = s[k] + static_cast<int>((i * std::int64_t{delta[k]} + steps / 2) / steps);
    table[i] = ColorFromRgb(c[0], c[1], c[2]);
  }
  return table;
}

const std::vector<TColor>& TGradientCache::Colors(int Count, TColor Start, TColor End) {
  for (const TSlot& slot : FSlots)
    if (!slot.Table.empty() && slot.Count == Count && slot.Start == Start && slot.End == End)
      return slot.Table;
  TSlot& slot = FSlots[FNext];
  FNext = (FNext + 1) % SlotCount;
  slot = {Count, Start, End, GradientColors(Count, Start, End)};
  return slot.Table;
}

TGradientCache& TGradientCache::Shared() {
  static TGradientCache cache;
  return cache;
}

void DrawGradient(TPixelBuffer& Target, const TRect& Area, TColor Start, bool Vertical, TColor End,
                  const TRect& Clip) {
  const TRect visible = {std::max({Area.Left, Clip.Left, 0}), std::max({Area.Top, Clip.Top, 0}),
                         std::min({Area.Right, Clip.Right, Target.Width()}),
                         std::min({Area.Bottom, Clip.Bottom, Target.Height()})};
  if (visible.IsEmpty()) return;
  const int n = Vertical ? Area.Height() : Area.Width();
  if (n <= 0) return;
  const std::vector<TColor>& table =
      TGradientCache::Shared().Colors(n, ResolveColor(Start), ResolveColor(End));
  if (Vertical) {
    for (int y = visible.Top; y < visible.Bottom; ++y)
      Target.FillRect({visible.Left, y, visible.Right, y + 1}, PixelFromColor(table[y - Area.Top]));
  } else {
    for (int x = visible.Left; x < visible.Right; ++x)
      Target.FillRect({x, visible.Top, x + 1, visible.Bottom},
                      PixelFromColor(table[x - Area.Left]));
  }
}

void DrawGradient(TPixelBuffer& Target, const TRect& Area, TColor Start, bool Vertical,
                  TColor End) {
  DrawGradient(Target, Area, Start, Vertical, End, Target.Bounds());
}
