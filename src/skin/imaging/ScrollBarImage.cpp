#include "skin/imaging/ScrollBarImage.h"

#include "skin/imaging/ImagePrimitives.h"

int ArrowFrame(bool Vertical, bool Second, bool Hot, bool Pressed) {
  const int base = (Vertical ? 9 : 1) + (Second ? 4 : 0);
  if (!Hot) return base;
  return base + (Pressed ? 1 : 3);
}

int ThumbFrame(bool Hot, bool Pressed) {
  if (!Hot) return 1;
  return Pressed ? 2 : 3;
}

int GripFrame(bool Vertical, bool Hot, bool Pressed) {
  const int base = Vertical ? 20 : 17;
  if (!Hot) return base;
  return base + (Pressed ? 1 : 2);
}

namespace {

// A span along the axis as a rectangle of the bar.
TRect AlongAxis(const TScrollBarState& State, int From, int To) {
  return State.Vertical ? TRect{0, From, State.Width, To} : TRect{From, 0, To, State.Height};
}

void DrawShaft(TPixelBuffer& Bar, const TDataSkinObject* Shaft, const TScrollBarState& State,
               int Length, int Arrow) {
  if (!Shaft || Shaft->Image.Empty() || Length - Arrow <= Arrow) return;
  DrawSliced(Bar, AlongAxis(State, Arrow, Length - Arrow), Shaft->Image, false, Shaft->Tile != 0,
             Shaft->Trans != 0, kShaftFrames, State.Unavailable ? 3 : 1, Shaft->Margins);
}

void DrawArrows(TPixelBuffer& Bar, const TDataSkinObject& Buttons, const TScrollBarState& State,
                int Length, int Arrow) {
  const bool firstHot = State.HotPart == spFirstArrow;
  const bool secondHot = State.HotPart == spSecondArrow;
  DrawFrameStretched(Bar, AlongAxis(State, 0, Arrow), Buttons.Image, true, kScrollBarFrames,
                     ArrowFrame(State.Vertical, false, firstHot, State.Pressed));
  DrawFrameStretched(Bar, AlongAxis(State, Length - Arrow, Length), Buttons.Image, true,
                     kScrollBarFrames, ArrowFrame(State.Vertical, true, secondHot, State.Pressed));
}

void DrawThumb(TPixelBuffer& Bar, const TParsedSkin& Skin, const TScrollBarState& State,
               int Length) {
  const TThumbSpan& thumb = State.Thumb;
  if (thumb.Start < 0 || thumb.End > Length || thumb.Length() <= 0) return;
  const bool hot = State.HotPart == spThumb;
  const TDataSkinObject* element =
      State.Vertical ? Skin.VertScrollThumb.get() : Skin.HorzScrollThumb.get();
  if (element && !element->Image.Empty())
    DrawSliced(Bar, AlongAxis(State, thumb.Start, thumb.End), element->Image, false,
               element->Tile != 0, element->Trans != 0, element->FrameCount,
               ThumbFrame(hot, State.Pressed), element->Margins);

  // The grip: a square centred on the thumb, when the thumb has room for it.
  const TDataSkinObject& buttons = *Skin.Scrollbar;
  const int side = ScrollBarBreadth(buttons.Image.Height(), State.ArrowSize);
  if (thumb.Length() <= side + 2) return;
  const int along = thumb.Start + (thumb.Length() - side) / 2;
  const int across = ((State.Vertical ? State.Width : State.Height) - side) / 2;
  const TRect grip = State.Vertical ? TRect{across, along, across + side, along + side}
                                    : TRect{along, across, along + side, across + side};
  if (grip.Left < 0 || grip.Top < 0 || grip.Right > State.Width || grip.Bottom > State.Height)
    return;
  DrawFrameStretched(Bar, grip, buttons.Image, true, kScrollBarFrames,
                     GripFrame(State.Vertical, hot, State.Pressed));
}

}  // namespace

TPixelBuffer BuildScrollBarImage(const TParsedSkin& Skin, TColor Face,
                                 const TScrollBarState& State) {
  if (!Skin.Scrollbar || Skin.Scrollbar->Image.Empty() || State.Width <= 0 || State.Height <= 0)
    return {};
  TPixelBuffer bar(State.Width, State.Height, PixelFromColor(Face));
  const int length = State.Vertical ? State.Height : State.Width;
  const int arrow = TScrollBarGeometry(length, State.ArrowSize, State.Thumb).ArrowCell();
  DrawShaft(bar, State.Vertical ? Skin.VertScroll.get() : Skin.HorzScroll.get(), State, length,
            arrow);
  DrawArrows(bar, *Skin.Scrollbar, State, length, arrow);
  if (!State.Unavailable) DrawThumb(bar, Skin, State, length);
  return bar;
}
