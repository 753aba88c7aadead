#include "SkinArt.h"

#include <cmath>
#include <functional>

#include "Files.h"
#include "Metrics.h"
#include "Palette.h"
#include "Raster.h"

namespace {

using namespace Shapes;
namespace M = Metrics;
namespace P = Palette;

// Unpainted pixels whose coverage is below this become the key colour when the
// backdrop under an image is known only roughly (the window body).
constexpr double kLooseKey = 0.15;
// The backdrop is known exactly (title bar, scroll shaft): keep every touch.
constexpr double kExactKey = 0.02;

// ---------------------------------------------------------------- window frame

TColor TitleRow(int y, bool active) {
  if (y <= 0) return active ? P::Outline : P::InactiveOutline;
  if (y == 1) return active ? P::TitleHighlight : P::InactiveTitleHighlight;
  return active ? Ramp(P::TitleTop, P::TitleBottom, y - 2, M::TitleHeight - 2)
                : Ramp(P::InactiveTitleTop, P::InactiveTitleBottom, y - 2, M::TitleHeight - 2);
}

// A small whole window, from which the four border pieces are cut. The top
// corners are quarter circles: outside is key colour (the window region
// leaves it out), the arc itself is the outline, and the title's top
// highlight follows it.
TPixmap SampleWindow(bool active) {
  const int w = 2 * M::BorderWidth + M::TopWidth;
  const int h = M::TitleHeight + M::FrameMiddle + M::BorderWidth;
  const double r = M::CornerRadius;
  const TColor outline = active ? P::Outline : P::InactiveOutline;
  const TColor highlight = active ? P::TitleHighlight : P::InactiveTitleHighlight;
  TPixmap out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      TColor c;
      if (x == 0 || y == 0 || x == w - 1 || y == h - 1) {
        c = outline;
      } else if (y < M::TitleHeight) {
        c = TitleRow(y, active);
      } else {
        c = P::Face;
      }
      bool inCorner = y < r && (x < r || x >= w - r);
      if (inCorner) {
        double cx = x < r ? r : w - r;
        double d = std::hypot(x + 0.5 - cx, y + 0.5 - r);
        if (d > r) {
          c = kKeyColor;
        } else if (d > r - 1) {
          c = outline;
        } else if (d > r - 2 && y < r - 2) {
          c = highlight;
        }
      }
      out.Set(x, y, c);
    }
  return out;
}

struct TFramePieces {
  TPixmap Left, Right, Top, Bottom, TextBack;
};

TFramePieces CutFramePieces(bool active) {
  TPixmap win = SampleWindow(active);
  const int b = M::BorderWidth;
  TFramePieces p;
  p.Left = win.Crop(0, 0, b, win.Height());
  p.Right = win.Crop(win.Width() - b, 0, b, win.Height());
  p.Top = win.Crop(b, 0, M::TopWidth, M::TitleHeight);
  p.Bottom = win.Crop(b, win.Height() - b, M::TopWidth, b);
  p.TextBack = win.Crop(b + M::TopWidth / 2, 0, 8, M::TitleHeight);
  return p;
}

// --------------------------------------------------------------- title buttons

enum class TGlyph { Close, Maximize, Restore, Minimize, Help };

TShape TitleGlyph(TGlyph g, double x, double y) {
  switch (g) {
    case TGlyph::Close:
      return Union(Line({x + 0.6, y + 0.6}, {x + 9.4, y + 9.4}, 1.35),
                   Line({x + 9.4, y + 0.6}, {x + 0.6, y + 9.4}, 1.35));
    case TGlyph::Maximize:
      return RoundFrame(x, y, x + 10, y + 10, 1.5);
    case TGlyph::Restore:
      return Union(RoundFrame(x, y + 2, x + 8, y + 10, 1.2),
                   Minus(RoundFrame(x + 2, y, x + 10, y + 8, 1.2), Rect(x, y + 2, x + 8, y + 10)));
    case TGlyph::Minimize:
      return Rect(x, y + 5, x + 10, y + 6);
    case TGlyph::Help: {
      std::vector<TPoint2> hook;
      for (int i = 0; i <= 12; ++i) {
        double t = (170 + 235.0 * i / 12) * M_PI / 180;
        hook.push_back({x + 5 + 2.6 * std::cos(t), y + 3.1 + 2.6 * std::sin(t)});
      }
      hook.push_back({x + 5, y + 6.6});
      hook.push_back({x + 5, y + 7.3});
      return Union(Polyline(hook, 1.3), Circle(x + 5, y + 9.2, 0.85));
    }
  }
  return Rect(0, 0, 0, 0);
}

// Four frames: normal, pressed, hot (all on the active title bar) and dimmed
// (inactive window, or a button that cannot act).
TPixmap TitleButton(TGlyph glyph) {
  const int w = M::TitleButtonWidth, h = M::TitleButtonHeight;
  const bool close = glyph == TGlyph::Close;
  auto titleUnder = [](bool active) {
    return [active](int, int y) { return TitleRow(M::TitleButtonTop + y, active); };
  };
  TShape mark = TitleGlyph(glyph, (w - 10) / 2, (h - 10) / 2);
  TShape plate = RoundRect(0, 0, w, h, 4);
  std::vector<TPixmap> frames;
  {
    TRaster r(w, h);
    r.Paint(mark, P::TitleGlyph);
    frames.push_back(r.Flatten(titleUnder(true), kExactKey));
  }
  for (bool pressed : {true, false}) {
    TRaster r(w, h);
    r.Paint(plate, close ? (pressed ? P::ClosePressed : P::CloseHover)
                         : (pressed ? P::TitlePressed : P::TitleHover));
    r.Paint(mark, P::TitleGlyphHot);
    frames.push_back(r.Flatten(titleUnder(true), kExactKey));
  }
  {
    TRaster r(w, h);
    r.Paint(mark, P::InactiveGlyph);
    frames.push_back(r.Flatten(titleUnder(false), 0.3));
  }
  return TPixmap::Row(frames);
}

// Stands in for the window icon when a window has none.
TPixmap TitleIcon() {
  const int s = M::IconSize;
  TRaster r(s, s);
  r.Paint(RoundRect(1, 1, s - 1, s - 1, 3), P::Accent);
  r.Paint(Union(RoundRect(4, 5, 9, 8, 1), RoundRect(4, 6, 12, 12, 1)), P::Field);
  return r.Flatten([](int, int y) { return TitleRow(M::IconY + y, true); }, kExactKey);
}

// Three buttons (minimise, restore, close) of four frames each, drawn on the
// menu bar: normal, pressed, hot, hot.
TPixmap MdiControls() {
  const int w = M::MdiButtonWidth, h = M::MdiButtonHeight;
  const double gx = (w - 8) / 2.0, gy = (h - 8) / 2.0;
  std::vector<TShape> marks = {
      Rect(gx, gy + 6, gx + 8, gy + 7),
      Union(RoundFrame(gx, gy + 2, gx + 6, gy + 8, 0.8),
            Minus(RoundFrame(gx + 2, gy, gx + 8, gy + 6, 0.8), Rect(gx, gy + 2, gx + 6, gy + 8))),
      Union(Line({gx + 0.5, gy + 0.5}, {gx + 7.5, gy + 7.5}, 1.3),
            Line({gx + 7.5, gy + 0.5}, {gx + 0.5, gy + 7.5}, 1.3))};
  std::vector<TPixmap> frames;
  for (const TShape& mark : marks)
    for (int state = 0; state < 4; ++state) {
      TRaster r(w, h);
      if (state > 0) r.Paint(RoundRect(0, 0, w, h, 3), state == 1 ? 0xD3D7DC : 0xE2E5E9);
      r.Paint(mark, state == 0 ? P::TextMuted : P::Text);
      frames.push_back(r.Flatten(P::MenuBar, kExactKey));
    }
  return TPixmap::Row(frames);
}

// --------------------------------------------------------------- push buttons

struct TLook {
  TColor Fill, Border;
};

TPixmap RoundedFrameSet(int w, int h, double radius, const std::vector<TLook>& looks,
                        TColor backdrop) {
  std::vector<TPixmap> frames;
  for (const TLook& look : looks) {
    TRaster r(w, h);
    r.Paint(RoundRect(0, 0, w, h, radius), look.Fill);
    r.Paint(RoundFrame(0, 0, w, h, radius), look.Border);
    frames.push_back(r.Flatten(backdrop, kLooseKey));
  }
  return TPixmap::Row(frames);
}

// Normal, pressed, disabled, mouse over, focused.
TPixmap PushButton() {
  const int w = 32, h = 24;
  const double rad = 3.5;
  auto frame = [&](TColor fill, TColor border, TColor ring, TColor bottom) {
    TRaster r(w, h);
    r.Paint(RoundRect(0, 0, w, h, rad), fill);
    r.Paint(RoundFrame(0, 0, w, h, rad), border);
    if (bottom != border)
      r.Paint(Intersect(RoundFrame(0, 0, w, h, rad), Rect(0, h - 1, w, h)), bottom);
    if (ring != fill) r.Paint(RoundFrame(1, 1, w - 1, h - 1, rad - 1), ring);
    return r.Flatten(P::Face, kLooseKey);
  };
  return TPixmap::Row({frame(P::Field, P::Line, P::Field, 0xB3B9C1),
                       frame(P::AccentTintStrong, P::Accent, P::AccentTintStrong, P::Accent),
                       frame(P::Face, P::LineSoft, P::Face, P::LineSoft),
                       frame(P::AccentTint, 0x8FBFB1, P::AccentTint, 0x7DB1A2),
                       frame(P::Field, P::Accent, 0xBFDDD3, P::Accent)});
}

// Twelve frames: unchecked, checked, indeterminate; each normal, mouse over,
// pressed, disabled.
TPixmap CheckBox() {
  const int s = M::CheckSize;
  const TLook open[] = {{P::Field, P::LineStrong},
                        {P::AccentTint, P::Accent},
                        {P::AccentTintStrong, P::AccentPressed},
                        {P::Face, P::LineSoft}};
  const TColor filled[] = {P::Accent, P::AccentHover, P::AccentPressed, 0xC3C9D0};
  TShape tick = Polyline({{3.2, 6.7}, {5.5, 9.0}, {9.9, 4.2}}, 1.6);
  TShape dash = Rect(3.5, 5.75, 9.5, 7.25);
  std::vector<TPixmap> frames;
  for (int group = 0; group < 3; ++group)
    for (int state = 0; state < 4; ++state) {
      TRaster r(s, s);
      if (group == 0) {
        r.Paint(RoundRect(0, 0, s, s, 2.5), open[state].Fill);
        r.Paint(RoundFrame(0, 0, s, s, 2.5), open[state].Border);
      } else {
        r.Paint(RoundRect(0, 0, s, s, 2.5), filled[state]);
        r.Paint(group == 1 ? tick : dash, state == 3 ? P::Face : P::Field);
      }
      frames.push_back(r.Flatten(P::Face, kLooseKey));
    }
  return TPixmap::Row(frames);
}

// Eight frames: unchecked and checked; each normal, mouse over, pressed, disabled.
TPixmap RadioButton() {
  const int s = M::CheckSize;
  const double c = s / 2.0;
  const TLook open[] = {{P::Field, P::LineStrong},
                        {P::AccentTint, P::Accent},
                        {P::AccentTintStrong, P::AccentPressed},
                        {P::Face, P::LineSoft}};
  const TColor filled[] = {P::Accent, P::AccentHover, P::AccentPressed, 0xC3C9D0};
  std::vector<TPixmap> frames;
  for (int group = 0; group < 2; ++group)
    for (int state = 0; state < 4; ++state) {
      TRaster r(s, s);
      if (group == 0) {
        r.Paint(Circle(c, c, c), open[state].Border);
        r.Paint(Circle(c, c, c - 1), open[state].Fill);
      } else {
        r.Paint(Circle(c, c, c), filled[state]);
        r.Paint(Circle(c, c, 2.4), state == 3 ? P::Face : P::Field);
      }
      frames.push_back(r.Flatten(P::Face, kLooseKey));
    }
  return TPixmap::Row(frames);
}

// ---------------------------------------------------------------------- menus

TPixmap MenuBarImage() {
  TRaster r(16, M::MenuBarHeight);
  r.Fill(P::MenuBar);
  r.Paint(Rect(0, M::MenuBarHeight - 1, 16, M::MenuBarHeight), P::LineSoft);
  TPixmap frame = r.Opaque(P::MenuBar);
  return TPixmap::Row({frame, frame});
}

// Normal (transparent: the menu background shows), separator, selected but
// disabled, selected, selected and pushed.
TPixmap MenuItemImage() {
  const int w = 24, h = 22;
  auto pill = [&](TColor fill) {
    TRaster r(w, h);
    r.Paint(RoundRect(1, 1, w - 1, h - 1, 3), fill);
    return r.Flatten(P::MenuBack, kLooseKey);
  };
  TRaster separator(w, h);
  separator.Paint(Rect(2, h - 5, w - 2, h - 4), P::LineSoft);
  return TPixmap::Row({TPixmap(w, h), separator.Flatten(P::MenuBack, kLooseKey), pill(P::FaceDeep),
                       pill(P::Accent), pill(P::AccentPressed)});
}

TPixmap MenuBackgroundImage() {
  TRaster r(16, 16);
  r.Paint(Rect(0, 0, 16, 16), P::Line);
  r.Paint(Rect(1, 1, 15, 15), P::MenuBack);
  return r.Opaque(P::MenuBack);
}

// ---------------------------------------------------------------- scroll bars

constexpr int kThumbInset = 4;  // shaft visible on either side of a thumb

// Twenty-three frames: left, right, up, down arrow (normal, pressed, disabled,
// mouse over each), then the grip of a horizontal and of a vertical thumb
// (normal, pressed, mouse over each), then a last frame the engine does not
// use (plain shaft). All opaque on the shaft colour.
TPixmap ScrollButtons() {
  const int s = M::ScrollBreadth;
  const TColor glyph[] = {P::ArrowGlyph, P::Text, 0xC3C8CF, 0x3D444D};
  auto leftArrow = [&](int state) {
    TRaster r(s, s);
    r.Fill(P::Shaft);
    if (state == 1 || state == 3)
      r.Paint(RoundRect(2, 2, s - 2, s - 2, 3),
              state == 1 ? P::ArrowPressedBack : P::ArrowHoverBack);
    r.Paint(Polyline({{9.8, 4.9}, {6.6, 8.5}, {9.8, 12.1}}, 1.5), glyph[state]);
    return r.Opaque(P::Shaft);
  };
  std::vector<TPixmap> left, right, up, down;
  for (int state = 0; state < 4; ++state) {
    TPixmap l = leftArrow(state);
    left.push_back(l);
    right.push_back(l.MirroredLeftRight());
    up.push_back(l.Transposed());
    down.push_back(l.Transposed().FlippedTopBottom());
  }
  const TColor thumb[] = {P::Thumb, P::ThumbPressed, P::ThumbHover};
  std::vector<TPixmap> horzGrip, vertGrip;
  for (TColor c : thumb) {
    TRaster r(s, s);
    r.Fill(P::Shaft);
    r.Paint(Rect(0, kThumbInset, s, s - kThumbInset), c);
    for (int x : {6, 8, 10}) r.Paint(Rect(x, 6, x + 1, 11), Mix(c, P::Text, 0.85));
    TPixmap grip = r.Opaque(P::Shaft);
    horzGrip.push_back(grip);
    vertGrip.push_back(grip.Transposed());
  }
  std::vector<TPixmap> all;
  for (auto* group : {&left, &right, &up, &down, &horzGrip, &vertGrip})
    all.insert(all.end(), group->begin(), group->end());
  all.push_back(TPixmap(s, s, P::Shaft));
  return TPixmap::Row(all);
}

// Four frames: normal, pressed, disabled, mouse over.
TPixmap ScrollShaft(bool vertical) {
  std::vector<TPixmap> frames;
  for (TColor c : {P::Shaft, P::ShaftPressed, P::ShaftDisabled, P::Shaft}) {
    TPixmap f(16, M::ScrollBreadth, c);
    frames.push_back(vertical ? f.Transposed() : f);
  }
  return TPixmap::Row(frames);
}

// Three frames: normal, pressed, mouse over; a pill with the shaft around it.
TPixmap ScrollThumb(bool vertical) {
  const int len = 24, s = M::ScrollBreadth;
  std::vector<TPixmap> frames;
  for (TColor c : {P::Thumb, P::ThumbPressed, P::ThumbHover}) {
    TRaster r(len, s);
    r.Paint(RoundRect(1, kThumbInset, len - 1, s - kThumbInset, (s - 2 * kThumbInset) / 2.0), c);
    TPixmap f = r.Flatten(P::Shaft, kExactKey);
    frames.push_back(vertical ? f.Transposed() : f);
  }
  return TPixmap::Row(frames);
}

// ------------------------------------------------------------ combo and edits

// Normal, pressed, disabled, mouse over or focused.
const TLook kFieldLooks[] = {{P::Field, P::Line},
                             {P::Field, P::AccentPressed},
                             {P::Face, P::LineSoft},
                             {P::Field, P::Accent}};

TPixmap SunkenEdge() {
  return RoundedFrameSet(24, M::ComboHeight, 2.5,
                         std::vector<TLook>(std::begin(kFieldLooks), std::end(kFieldLooks)),
                         P::Face);
}

// The right end of a field: its border, and a tinted inside when pressed or hot.
TPixmap ComboButton() {
  const int w = M::ComboButtonWidth, h = M::ComboHeight;
  const TColor inside[] = {kKeyColor, P::AccentTintStrong, kKeyColor, P::AccentTint};
  std::vector<TPixmap> frames;
  for (int state = 0; state < 4; ++state) {
    TRaster r(w, h);
    if (inside[state] != kKeyColor)
      r.Paint(Intersect(RoundRect(-8, 1, w - 1, h - 1, 1.5), Rect(1, 1, w, h)), inside[state]);
    r.Paint(Intersect(RoundFrame(-8, 0, w, h, 2.5), Rect(0, 0, w, h)), kFieldLooks[state].Border);
    frames.push_back(r.Flatten(P::Face, kLooseKey));
  }
  return TPixmap::Row(frames);
}

// Drop-down arrows: normal, pressed, disabled, mouse over, focused.
TPixmap ExtraArrows() {
  std::vector<TPixmap> frames;
  for (TColor c : {P::TextMuted, P::Text, P::TextDisabled, P::Accent, P::Accent}) {
    TRaster r(11, 11);
    r.Paint(Polyline({{2.2, 3.9}, {5.5, 7.1}, {8.8, 3.9}}, 1.5), c);
    frames.push_back(r.Flatten(P::Field, 0.3));
  }
  return TPixmap::Row(frames);
}

// ------------------------------------------------------- headers, tabs, bars

// Normal, hot, pressed, normal, normal.
TPixmap Header() {
  const int w = 24, h = 22;
  std::vector<TPixmap> frames;
  for (TColor c : {0xF7F8FAu, 0xECEFF2u, 0xE1E5EAu, 0xF7F8FAu, 0xF7F8FAu}) {
    TRaster r(w, h);
    r.Fill(c);
    r.Paint(Rect(0, h - 1, w, h), P::LineSoft);
    r.Paint(Rect(w - 1, 5, w, h - 5), P::LineSoft);
    frames.push_back(r.Opaque(c));
  }
  return TPixmap::Row(frames);
}

// Normal, selected, disabled, mouse over, selected with focus. The selected
// tab is one with the pane below it: same fill, open at the bottom.
TPixmap Tabs() {
  const int w = 32, h = 24;
  auto tab = [&](TColor fill, TColor border, bool selected, TColor accent) {
    TRaster r(w, h);
    double top = selected ? 0 : 2;
    r.Paint(RoundRect(0, top, w, h + 4, 3.5), fill);
    r.Paint(Intersect(RoundFrame(0, top, w, h + 4, 3.5), Rect(0, 0, w, h)), border);
    if (accent != fill) r.Paint(RoundRect(1, top + 1, w - 1, top + 3, 1), accent);
    if (!selected) r.Paint(Rect(0, h - 1, w, h), P::Line);
    return r.Flatten(P::Face, kLooseKey);
  };
  return TPixmap::Row(
      {tab(P::FaceDeep, P::Line, false, P::FaceDeep), tab(P::Face, P::Line, true, P::Accent),
       tab(P::Face, P::LineSoft, false, P::Face), tab(0xF0F2F4, P::Line, false, 0xF0F2F4),
       tab(P::Face, P::Line, true, P::AccentHover)});
}

// The base line under a row of tabs, per tab state.
TPixmap TabsBorder() {
  std::vector<TPixmap> frames;
  for (int i = 0; i < 5; ++i) {
    TPixmap f(8, 8);
    f.FillRect(0, 7, 8, 8, i == 2 ? P::LineSoft : P::Line);
    frames.push_back(f);
  }
  return TPixmap::Row(frames);
}

TPixmap TabPane() {
  TRaster r(16, 16);
  r.Paint(RoundRect(0, 0, 16, 16, 2.5), P::Face);
  r.Paint(RoundFrame(0, 0, 16, 16, 2.5), P::Line);
  return r.Flatten(P::Face, kLooseKey);
}

// Edge, and the dimmed edge of a disabled box; inside is transparent.
TPixmap GroupBoxEdge() {
  std::vector<TPixmap> frames;
  for (TColor c : {P::Line, P::LineSoft}) {
    TRaster r(16, 16);
    r.Paint(RoundFrame(0, 0, 16, 16, 3.5), c);
    frames.push_back(r.Flatten(P::Face, kLooseKey));
  }
  return TPixmap::Row(frames);
}

// Behind the group-box caption: the body colour, interrupting the edge.
TPixmap GroupBoxLabel() {
  return TPixmap(16, 16, P::Face);
}

// Trough, twice (horizontal and vertical bars share it).
TPixmap ProgressTrough() {
  TRaster r(24, 14);
  r.Paint(RoundRect(0, 0, 24, 14, 3.5), 0xE4E7EB);
  r.Paint(RoundFrame(0, 0, 24, 14, 3.5), P::LineSoft);
  TPixmap f = r.Flatten(P::Face, kLooseKey);
  return TPixmap::Row({f, f});
}

TPixmap ProgressChunk() {
  TRaster r(8, 12);
  r.Paint(Rect(0, 0, 8, 12), [](int, int y) { return Ramp(P::AccentHover, P::Accent, y, 12); });
  return r.Opaque(P::Accent);
}

// Panel, panel with a divider at its right end, and the last panel with a
// size grip.
TPixmap StatusBarEdges() {
  const int w = 16, h = 20;
  std::vector<TPixmap> frames;
  for (int i = 0; i < 3; ++i) {
    TRaster r(w, h);
    r.Fill(P::Face);
    r.Paint(Rect(0, 0, w, 1), P::LineSoft);
    if (i == 1) r.Paint(Rect(w - 1, 4, w, h - 4), P::Line);
    if (i == 2)
      for (int d = 0; d < 3; ++d)
        for (int k = 0; k <= d; ++k)
          r.Paint(Rect(w - 4 - 3 * k, h - 4 - 3 * (d - k), w - 2 - 3 * k, h - 2 - 3 * (d - k)),
                  P::LineStrong);
    frames.push_back(r.Opaque(P::Face));
  }
  return TPixmap::Row(frames);
}

// Normal (transparent), pressed, disabled (transparent), mouse over, checked.
TPixmap ToolbarButtons() {
  const int s = 22;
  std::vector<TPixmap> frames;
  const TLook looks[] = {{kKeyColor, kKeyColor},
                         {P::AccentTintStrong, 0x8FBFB1},
                         {kKeyColor, kKeyColor},
                         {P::AccentTint, P::AccentMuted},
                         {P::AccentTintStrong, P::Accent}};
  for (const TLook& look : looks) {
    TRaster r(s, s);
    if (look.Fill != kKeyColor) {
      r.Paint(RoundRect(0, 0, s, s, 3.5), look.Fill);
      r.Paint(RoundFrame(0, 0, s, s, 3.5), look.Border);
    }
    frames.push_back(r.Flatten(P::Face, kLooseKey));
  }
  return TPixmap::Row(frames);
}

// ------------------------------------------------------------ track bars

// Normal, pressed, disabled, mouse over, focused.
struct TThumbLook {
  TColor Fill, Border, Ring;
};
const TThumbLook kThumbLooks[] = {{P::Accent, P::AccentDeep, P::Accent},
                                  {P::AccentPressed, P::AccentDeep, P::AccentPressed},
                                  {0xC3C8CF, 0xB0B6BE, 0xC3C8CF},
                                  {P::AccentHover, P::AccentDeep, P::AccentHover},
                                  {P::Accent, P::AccentDeep, 0xCFE7DF}};

// A thumb of a horizontal track bar, upright; the others are turned from it.
TPixmap ThumbUpright(bool pointed) {
  const int w = 11, h = 20;
  std::vector<TPixmap> frames;
  for (const TThumbLook& look : kThumbLooks) {
    TRaster r(w, h);
    if (pointed) {
      r.Paint(Polygon({{0.5, 0.5}, {10.5, 0.5}, {10.5, 14}, {5.5, 19.5}, {0.5, 14}}), look.Border);
      r.Paint(Polygon({{1.5, 1.5}, {9.5, 1.5}, {9.5, 13.6}, {5.5, 18.1}, {1.5, 13.6}}), look.Fill);
      if (look.Ring != look.Fill)
        r.Paint(Minus(Polygon({{1.5, 1.5}, {9.5, 1.5}, {9.5, 13.6}, {5.5, 18.1}, {1.5, 13.6}}),
                      Polygon({{2.5, 2.5}, {8.5, 2.5}, {8.5, 13.2}, {5.5, 16.6}, {2.5, 13.2}})),
                look.Ring);
    } else {
      r.Paint(RoundRect(0.5, 0.5, w - 0.5, h - 0.5, 3), look.Border);
      r.Paint(RoundRect(1.5, 1.5, w - 1.5, h - 1.5, 2), look.Fill);
      if (look.Ring != look.Fill) r.Paint(RoundFrame(1.5, 1.5, w - 1.5, h - 1.5, 2), look.Ring);
    }
    frames.push_back(r.Flatten(P::Face, kLooseKey));
  }
  return TPixmap::Row(frames);
}

TPixmap EachFrame(const TPixmap& strip, int count,
                  const std::function<TPixmap(const TPixmap&)>& f) {
  int w = strip.Width() / count;
  std::vector<TPixmap> frames;
  for (int i = 0; i < count; ++i) frames.push_back(f(strip.Crop(i * w, 0, w, strip.Height())));
  return TPixmap::Row(frames);
}

// ---------------------------------------------------------------- up-down

// Vertical up-down: up half (normal, pressed, disabled, mouse over), then the
// down half likewise. The glyph strip has the same frames.
TPixmap UpDownVert(bool glyphs) {
  const int w = 16, h = 11;
  const TLook looks[] = {{P::Field, P::Line},
                         {P::AccentTintStrong, P::AccentPressed},
                         {P::Face, P::LineSoft},
                         {P::AccentTint, P::Accent}};
  const TColor glyph[] = {P::TextMuted, P::Text, P::TextDisabled, P::Accent};
  std::vector<TPixmap> frames;
  for (int half = 0; half < 2; ++half)
    for (int state = 0; state < 4; ++state) {
      TRaster r(w, h);
      if (glyphs) {
        r.Paint(Polyline({{4.7, 7.0}, {8.0, 3.8}, {11.3, 7.0}}, 1.5), glyph[state]);
      } else {
        r.Paint(RoundRect(0, 0, w, h + 3, 2.5), looks[state].Fill);
        r.Paint(Intersect(RoundFrame(0, 0, w, h + 3, 2.5), Rect(0, 0, w, h)), looks[state].Border);
        r.Paint(Rect(0, h - 1, w, h), looks[state].Border);
      }
      TPixmap f = r.Flatten(glyphs ? looks[state].Fill : P::Face, glyphs ? 0.3 : kLooseKey);
      frames.push_back(half == 0 ? f : f.FlippedTopBottom());
    }
  return TPixmap::Row(frames);
}

// ------------------------------------------------------------------ tracks

TPixmap TrackHorz(int w, int h, int top, int bottom, TColor backdrop, double keyBelow) {
  TRaster r(w, h);
  double rad = (bottom - top) / 2.0;
  r.Paint(RoundRect(0, top, w, bottom, rad), 0xC9CED5);
  r.Paint(RoundRect(1, top + 1, w - 1, bottom - 1, std::max(0.0, rad - 1)), 0xDDE1E6);
  return r.Flatten(backdrop, keyBelow);
}

// ------------------------------------------------------- program resources

// Media-player glyphs in a 16 x 12 box.
TShape PlayerGlyph(const std::string& name) {
  auto tri = [](double x0, double x1) { return Polygon({{x0, 2}, {x1, 6}, {x0, 10}}); };
  if (name == "MPPLAY") return Polygon({{5, 1.5}, {12, 6}, {5, 10.5}});
  if (name == "MPPAUSE") return Union(Rect(5, 2, 7, 10), Rect(9, 2, 11, 10));
  if (name == "MPSTOP") return RoundRect(4, 2, 12, 10, 1);
  if (name == "MPNEXT") return Union(Union(tri(2.5, 7.5), tri(7.5, 12.5)), Rect(12, 2, 13.5, 10));
  if (name == "MPPREV") return Union(Union(tri(13.5, 8.5), tri(8.5, 3.5)), Rect(2.5, 2, 4, 10));
  if (name == "MPSTEP") return Union(tri(4.5, 10), Rect(10.5, 2, 12, 10));
  if (name == "MPBACK") return Union(tri(11.5, 6), Rect(4, 2, 5.5, 10));
  if (name == "MPRECORD") return Circle(8, 6, 4);
  return Union(Polygon({{3.5, 7}, {8, 2.5}, {12.5, 7}}), Rect(3.5, 8.5, 12.5, 10));  // eject
}

TPixmap PlayerBitmap(const std::string& name, TColor color) {
  TRaster r(16, 12);
  r.Paint(PlayerGlyph(name), color);
  TPixmap f = r.Flatten(P::Field, 0.3);
  for (int y = 0; y < f.Height(); ++y)
    for (int x = 0; x < f.Width(); ++x) {
      if (f.At(x, y) == kKeyColor)
        f.Set(x, y, P::PlayerKey);
      else if (f.At(x, y) == P::PlayerKey)
        f.Set(x, y, 0x818181);
    }
  return f;
}

// Four 16 x 16 system-menu images on white (the mask colour): restore,
// maximise, minimise, close.
TPixmap SystemMenuImages() {
  std::vector<TPixmap> frames;
  for (TGlyph g : {TGlyph::Restore, TGlyph::Maximize, TGlyph::Minimize, TGlyph::Close}) {
    TRaster r(16, 16);
    r.Paint(TitleGlyph(g, 3, 3), 0x2E333B);
    frames.push_back(r.Opaque(0xFFFFFF));
  }
  return TPixmap::Row(frames);
}

}  // namespace

std::vector<TAsset> TSkinArt::SkinImages() const {
  TFramePieces active = CutFramePieces(true), inactive = CutFramePieces(false);
  TPixmap thumbBar = ThumbUpright(false), thumbDown = ThumbUpright(true);
  TPixmap thumbUp = EachFrame(thumbDown, 5, [](const TPixmap& f) { return f.FlippedTopBottom(); });
  auto turn = [](const TPixmap& f) { return f.Transposed(); };
  TPixmap upDownVert = UpDownVert(false), upDownVertGlyphs = UpDownVert(true);
  return {
      {Files::FrameLeft, TPixmap::Row({active.Left, inactive.Left})},
      {Files::FrameRight, TPixmap::Row({active.Right, inactive.Right})},
      {Files::FrameTop, TPixmap::Column({active.Top, inactive.Top})},
      {Files::FrameBottom, TPixmap::Column({active.Bottom, inactive.Bottom})},
      {Files::TextBack, TPixmap::Column({active.TextBack, inactive.TextBack})},
      {Files::MenuBar, MenuBarImage()},
      {Files::TitleClose, TitleButton(TGlyph::Close)},
      {Files::TitleMaximize, TitleButton(TGlyph::Maximize)},
      {Files::TitleRestore, TitleButton(TGlyph::Restore)},
      {Files::TitleMinimize, TitleButton(TGlyph::Minimize)},
      {Files::TitleHelp, TitleButton(TGlyph::Help)},
      {Files::TitleIcon, TitleIcon()},
      {Files::MdiControls, MdiControls()},
      {Files::Button, PushButton()},
      {Files::Check, CheckBox()},
      {Files::Radio, RadioButton()},
      {Files::Progress, ProgressTrough()},
      {Files::ProgressChunk, ProgressChunk()},
      {Files::GroupBoxEdge, GroupBoxEdge()},
      {Files::GroupBox, GroupBoxLabel()},
      {Files::Tabs, Tabs()},
      {Files::TabsBorder, TabsBorder()},
      {Files::TabPane, TabPane()},
      {Files::StatusBarEdges, StatusBarEdges()},
      {Files::ToolBars, ToolbarButtons()},
      {Files::ComboButton, ComboButton()},
      {Files::SunkEdge, SunkenEdge()},
      {Files::ExtraImages, ExtraArrows()},
      {Files::Headerbar, Header()},
      {Files::MenuItem, MenuItemImage()},
      {Files::MenuBackground, MenuBackgroundImage()},
      {Files::ScrollButtons, ScrollButtons()},
      {Files::ScrollShaftHorz, ScrollShaft(false)},
      {Files::ScrollShaftVert, ScrollShaft(true)},
      {Files::ScrollThumbHorz, ScrollThumb(false)},
      {Files::ScrollThumbVert, ScrollThumb(true)},
      {Files::ThumbHorz, thumbBar},
      {Files::ThumbVert, EachFrame(thumbBar, 5, turn)},
      {Files::ThumbDown, thumbDown},
      {Files::ThumbUp, thumbUp},
      {Files::ThumbRight, EachFrame(thumbDown, 5, turn)},
      {Files::ThumbLeft, EachFrame(thumbUp, 5, turn)},
      {Files::UpDownVert, upDownVert},
      {Files::UpDownVertGlyphs, upDownVertGlyphs},
      {Files::UpDownHorz, EachFrame(upDownVert, 8, turn)},
      {Files::UpDownHorzGlyphs, EachFrame(upDownVertGlyphs, 8, turn)},
      {Files::Track, TrackHorz(24, 6, 1, 5, P::Face, kLooseKey)},
      {Files::TrackVert, TrackHorz(24, 6, 1, 5, P::Face, kLooseKey).Transposed()},
  };
}

std::vector<TAsset> TSkinArt::ResourceImages() const {
  std::vector<TAsset> out;
  TPixmap track = TrackHorz(16, 4, 0, 4, P::Face, -1);
  out.push_back({"TRACK.bmp", track});
  out.push_back({"TRACKVERT.bmp", track.Transposed()});
  out.push_back({"TESSERAMENU.bmp", SystemMenuImages()});
  const char* buttons[] = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                           "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
  for (const char* b : buttons) {
    std::string name = b;
    TColor colored = name == "MPRECORD" ? P::PlayerRecord : P::Accent;
    out.push_back({"EN_" + name + ".bmp", PlayerBitmap(name, 0x3A4049)});
    out.push_back({"DI_" + name + ".bmp", PlayerBitmap(name, 0xB3B9C1)});
    out.push_back({"CL_" + name + ".bmp", PlayerBitmap(name, colored)});
  }
  return out;
}
