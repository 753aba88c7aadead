#pragma once
// The arithmetic of a skinned scroll bar along its axis: where the two
// arrow cells, the track and the thumb lie, which part a point is on, and
// where a dragged thumb goes. Positions are pixels from the bar's start
// (its left edge, or its top edge when vertical).

// The parts of a bar, numbered as the system's scroll requests are, so that
// a scroll notification names the part it came from.
enum TScrollPart : int {
  spNone = -1,
  spFirstArrow = 0,   // SB_LINEUP / SB_LINELEFT
  spSecondArrow = 1,  // SB_LINEDOWN / SB_LINERIGHT
  spTrackBefore = 2,  // SB_PAGEUP
  spTrackAfter = 3,   // SB_PAGEDOWN
  spThumb = 5,        // SB_THUMBTRACK
};

struct TThumbSpan {
  int Start = 0;
  int End = 0;
  int Length() const { return End - Start; }
  friend bool operator==(const TThumbSpan&, const TThumbSpan&) = default;
};

// Rounded A * B / C as the system computes it (halves away from zero); 0
// when C is 0.
int MulDivRound(int A, int B, int C);

// A scroll bar's scroll information, as a stand-alone bar control holds it.
struct TScrollRange {
  int Min = 0;
  int Max = 0;
  int Page = 0;  // 0: the bar has no page
  int Position = 0;
};

class TScrollBarGeometry {
 public:
  // Paged thumbs are never shorter than this.
  static constexpr int MinThumbLength = 8;
  // The range used when a bar's minimum equals its maximum.
  static constexpr int EmptyRange = 9999999;

  TScrollBarGeometry(int Length, int ArrowSize, TThumbSpan Thumb)
      : FLength(Length), FArrowSize(ArrowSize), FThumb(Thumb) {}

  // The thumb of a bar control, computed from its range the way the
  // system places it: ArrowSize long without a page, proportional to the
  // page (at least MinThumbLength) with one.
  static TThumbSpan ThumbForRange(int Length, int ArrowSize, const TScrollRange& Range);

  // The extent of each arrow cell: ArrowSize, or half the bar when the bar
  // is shorter than two arrows.
  int ArrowCell() const;
  // The part at Along pixels from the bar's start.
  TScrollPart HitTest(int Along) const;
  // The thumb moved by Delta from where it started at the press, kept
  // between the arrows.
  TThumbSpan DraggedThumb(int PressThumbStart, int Delta) const;

  int Length() const { return FLength; }
  int ArrowSize() const { return FArrowSize; }
  TThumbSpan Thumb() const { return FThumb; }

 private:
  int FLength;
  int FArrowSize;
  TThumbSpan FThumb;
};

// The side of the square grip drawn on a thumb: the height of the skin's
// arrow image, unless that is more than 2 pixels off the system's arrow
// size, which is then used instead.
int ScrollBarBreadth(int ImageHeight, int ArrowSize);
