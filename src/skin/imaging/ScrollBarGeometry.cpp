#include "skin/imaging/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

int MulDivRound(int A, int B, int C) {
  if (C == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(A) * B;
  const std::int64_t half = std::llabs(C) / 2;
  const bool negative = (product < 0) != (C < 0);
  const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(C);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

TThumbSpan TScrollBarGeometry::ThumbForRange(int Length, int ArrowSize,
                                             const TScrollRange& Range) {
  int range = Range.Max - Range.Min;
  // A bar whose maximum does not lie above its minimum has nothing to
  // scroll; the large range keeps the thumb at the start.
  if (range <= 0) range = EmptyRange;
  const int offset = Range.Position - Range.Min;
  const int track = Length - 2 * ArrowSize;
  TThumbSpan thumb;
  if (Range.Page > 0) {
    int length = MulDivRound(track, Range.Page - 1, range);
    if (length > MinThumbLength - 1) {
      thumb.Start = offset == 0 ? ArrowSize : MulDivRound(track, offset, range) + ArrowSize;
    } else {
      length = MinThumbLength;
      thumb.Start =
          offset == 0 ? ArrowSize : MulDivRound(track - MinThumbLength, offset, range) + ArrowSize;
    }
    thumb.End = thumb.Start + length;
  } else {
    thumb.Start =
        offset == 0 ? ArrowSize : MulDivRound(Length - 3 * ArrowSize, offset, range) + ArrowSize;
    thumb.End = thumb.Start + ArrowSize;
  }
  return thumb;
}

int TScrollBarGeometry::ArrowCell() const {
  return FLength < 2 * FArrowSize ? FLength / 2 : FArrowSize;
}

TScrollPart TScrollBarGeometry::HitTest(int Along) const {
  // The arrow cells as they are drawn, so that a short bar's second arrow
  // is hit where it shows.
  const int arrow = ArrowCell();
  if (Along < arrow) return spFirstArrow;
  if (Along >= FLength - arrow) return spSecondArrow;
  if (Along < FThumb.Start) return spTrackBefore;
  if (Along < FThumb.End) return spThumb;
  return spTrackAfter;
}

TThumbSpan TScrollBarGeometry::DraggedThumb(int PressThumbStart, int Delta) const {
  const int length = FThumb.Length();
  const int highest = FLength - FArrowSize - length;
  // max before min: a thumb longer than the track stays at the first arrow.
  const int start = std::max(FArrowSize, std::min(PressThumbStart + Delta, highest));
  return {start, start + length};
}

int ScrollBarBreadth(int ImageHeight, int ArrowSize) {
  return std::abs(ImageHeight - ArrowSize) > 2 ? ArrowSize : ImageHeight;
}
