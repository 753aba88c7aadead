#include "Preview.h"

#include <stdexcept>
#include <string>

#include "Files.h"
#include "Metrics.h"
#include "Palette.h"
#include "Slicer.h"
#include "TinyFont.h"

namespace {

namespace M = Metrics;
namespace P = Palette;
using Slicer::CutFrame;
using Slicer::Sliced;

constexpr TColor kDesktop = 0x6A7F93;

void Label(TPixmap& target, int x, int y, const std::string& text, TColor color) {
  TinyFont::Draw(target, x, y, text, color);
}

void LabelCentered(TPixmap& target, int left, int top, int width, int height,
                   const std::string& text, TColor color) {
  int w = static_cast<int>(text.size()) * TinyFont::Advance - 1;
  Label(target, left + (width - w) / 2, top + (height - TinyFont::Height) / 2, text, color);
}

}  // namespace

const TPixmap& TPreview::Image(const char* name) const {
  for (const TAsset& a : Images_)
    if (a.Name == name) return a.Image;
  throw std::runtime_error(std::string("no image ") + name);
}

TPixmap TPreview::Window(int W, int H, bool active, bool dialog, const char* caption) const {
  const int k = active ? 1 : 2, b = M::BorderWidth, t = M::TitleHeight;
  TPixmap win(W, H, P::Face);
  win.Draw(Sliced(CutFrame(Image(Files::FrameLeft), false, 2, k), b, H, {0, t, 0, b}), 0, 0);
  win.Draw(Sliced(CutFrame(Image(Files::FrameRight), false, 2, k), b, H, {0, t, 0, b}), W - b, 0);
  win.Draw(Sliced(CutFrame(Image(Files::FrameBottom), true, 2, k), W - 2 * b, b, {2, 0, 2, 0}), b,
           H - b);
  win.Draw(Sliced(CutFrame(Image(Files::FrameTop), true, 2, k), W - 2 * b, t,
                  {M::TopCap, 0, M::TopCap, 0}),
           b, 0);
  int textX = b + M::TextShift + 6 - (dialog ? 16 : 0);
  Label(win, textX, (t - TinyFont::Height) / 2, caption,
        active ? P::TitleText : P::InactiveTitleText);
  auto button = [&](const char* image, int x, int frame) {
    win.DrawKeyed(CutFrame(Image(image), false, 4, frame), W - x, M::TitleButtonTop);
  };
  int dim = active ? 1 : 4;
  button(Files::TitleClose, M::CloseX, active && !dialog ? 3 : dim);
  if (!dialog) {
    button(Files::TitleMaximize, M::MaximizeX, dim);
    button(Files::TitleMinimize, M::MinimizeX, dim);
    win.DrawKeyed(Image(Files::TitleIcon), M::IconX, M::IconY);
  } else {
    button(Files::TitleHelp, M::MaximizeX, dim);
  }
  return win;
}

void TPreview::DrawScrollBar(TPixmap& win, int x, int y, int length) const {
  const int s = M::ScrollBreadth;
  const TPixmap& buttons = Image(Files::ScrollButtons);
  win.Draw(Sliced(CutFrame(Image(Files::ScrollShaftVert), false, 4, 1), s, length - 2 * s, {}), x,
           y + s);
  win.Draw(CutFrame(buttons, false, 23, 9), x, y);
  win.Draw(CutFrame(buttons, false, 23, 16), x, y + length - s);  // down arrow, mouse over
  const int thumbTop = y + s + 30, thumbLength = 60;
  win.DrawKeyed(
      Sliced(CutFrame(Image(Files::ScrollThumbVert), false, 3, 1), s, thumbLength, {4, 6, 4, 6}), x,
      thumbTop);
  win.Draw(CutFrame(buttons, false, 23, 20), x, thumbTop + (thumbLength - s) / 2);
}

void TPreview::DrawControls(TPixmap& win) const {
  const int left = M::BorderWidth + 14;
  int y = M::TitleHeight + 14;
  const char* states[] = {"normal", "pressed", "disabled", "hover", "focus"};
  for (int i = 0; i < 5; ++i) {
    int x = left + i * 80;
    win.DrawKeyed(Sliced(CutFrame(Image(Files::Button), false, 5, i + 1), 74, 24, {4, 4, 4, 4}), x,
                  y);
    LabelCentered(win, x, y, 74, 24, states[i], i == 2 ? P::TextDisabled : P::Text);
  }

  y += 38;
  const int checkFrames[] = {1, 5, 9, 2, 4, 8};
  for (int i = 0; i < 6; ++i)
    win.DrawKeyed(CutFrame(Image(Files::Check), false, 12, checkFrames[i]), left + i * 22, y);
  const int radioFrames[] = {1, 5, 2, 4, 8};
  for (int i = 0; i < 5; ++i)
    win.DrawKeyed(CutFrame(Image(Files::Radio), false, 8, radioFrames[i]), left + 150 + i * 22, y);
  Label(win, left + 270, y + 3, "check and radio", P::Text);

  y += 28;
  for (int i = 0; i < 2; ++i) {  // combo box: normal, then focused
    int x = left + i * 170, w = 160, h = M::ComboHeight, frame = i == 0 ? 1 : 4;
    win.DrawKeyed(Sliced(CutFrame(Image(Files::SunkEdge), false, 4, frame), w, h, {3, 3, 3, 3}), x,
                  y);
    int bx = x + w - M::ComboButtonWidth;
    win.DrawKeyed(Sliced(CutFrame(Image(Files::ComboButton), false, 4, frame), M::ComboButtonWidth,
                         h, {1, 3, 3, 3}),
                  bx, y);
    TPixmap arrow = CutFrame(Image(Files::ExtraImages), false, 5, frame);
    win.DrawKeyed(arrow, bx + (M::ComboButtonWidth - arrow.Width()) / 2,
                  y + (h - arrow.Height()) / 2);
    Label(win, x + 6, y + 7, i == 0 ? "c:/data" : "focused", P::Text);
  }

  y += 34;
  win.DrawKeyed(Sliced(CutFrame(Image(Files::Progress), false, 2, 1), 200, 14, {4, 4, 4, 4}), left,
                y);
  win.Draw(Slicer::Stretched(Image(Files::ProgressChunk), 120, 10), left + 2, y + 2);
  win.DrawKeyed(Sliced(Image(Files::Track), 150, 6, {3, 0, 3, 0}), left + 220, y + 4);
  win.DrawKeyed(CutFrame(Image(Files::ThumbDown), false, 5, 1), left + 270, y - 4);
  win.DrawKeyed(CutFrame(Image(Files::ThumbHorz), false, 5, 4), left + 330, y - 4);

  y += 30;
  const char* tabs[] = {"general", "copy", "network"};
  const int tabFrames[] = {2, 1, 4};
  win.DrawKeyed(Sliced(Image(Files::TabPane), 330, 92, {3, 3, 3, 3}), left, y + 23);
  for (int i = 0; i < 3; ++i) {
    int x = left + 2 + i * 72;
    win.DrawKeyed(
        Sliced(CutFrame(Image(Files::Tabs), false, 5, tabFrames[i]), 72, 24, {5, 5, 5, 3}), x, y);
    LabelCentered(win, x, y + 1, 72, 24, tabs[i], P::Text);
  }
  const int hy = y + 34, hx = left + 10;
  const char* columns[] = {"name", "size", "type"};
  for (int i = 0; i < 3; ++i) {
    win.Draw(
        Sliced(CutFrame(Image(Files::Headerbar), false, 5, i == 1 ? 2 : 1), 100, 22, {2, 5, 2, 5}),
        hx + i * 100, hy);
    Label(win, hx + i * 100 + 6, hy + 8, columns[i], P::Text);
  }
  win.FillRect(hx, hy + 22, hx + 300, hy + 70, P::Field);
  win.DrawKeyed(Sliced(CutFrame(Image(Files::MenuItem), false, 5, 4), 300, 20, {4, 4, 4, 4}), hx,
                hy + 26);
  Label(win, hx + 8, hy + 33, "selected row", P::Field);

  DrawScrollBar(win, win.Width() - M::BorderWidth - M::ScrollBreadth - 8, M::TitleHeight + 10, 260);
}

TPixmap TPreview::PopupMenu() const {
  const int w = 170, item = 20;
  const char* items[] = {"open", "copy path", "-", "properties"};
  TPixmap menu = Sliced(Image(Files::MenuBackground), w, 3 + 4 * item + 3, {3, 3, 3, 3});
  for (int i = 0; i < 4; ++i) {
    int y = 3 + i * item;
    std::string text = items[i];
    if (text == "-") {
      const TPixmap& strip = Image(Files::MenuItem);
      TPixmap sep = CutFrame(strip, false, 5, 2);
      sep = sep.Crop(0, sep.Height() - 8, sep.Width(), 8);
      menu.DrawKeyed(Sliced(sep, w - 6, 8, {4, 0, 4, 0}), 3, y + 6);
      continue;
    }
    bool selected = i == 1;
    if (selected)
      menu.DrawKeyed(
          Sliced(CutFrame(Image(Files::MenuItem), false, 5, 4), w - 6, item, {4, 4, 4, 4}), 3, y);
    Label(menu, 3 + 4 + 26, y + 7, text, selected ? P::Field : P::Text);
  }
  return menu;
}

TPixmap TPreview::Draw() const {
  TPixmap scene(920, 420, kDesktop);
  TPixmap main = Window(480, 390, true, false, "fernwick");
  DrawControls(main);
  scene.DrawKeyed(main, 14, 14);
  TPixmap dialog = Window(300, 150, false, true, "save as");
  for (int i = 0; i < 2; ++i) {
    int x = 300 - M::BorderWidth - 14 - (2 - i) * 84, y = 150 - M::BorderWidth - 38;
    dialog.DrawKeyed(
        Sliced(CutFrame(Image(Files::Button), false, 5, i == 0 ? 5 : 1), 76, 24, {4, 4, 4, 4}), x,
        y);
    LabelCentered(dialog, x, y, 76, 24, i == 0 ? "save" : "cancel", P::Text);
  }
  Label(dialog, M::BorderWidth + 14, M::TitleHeight + 18, "file name:", P::Text);
  dialog.DrawKeyed(
      Sliced(CutFrame(Image(Files::SunkEdge), false, 4, 1), 180, M::ComboHeight, {3, 3, 3, 3}),
      M::BorderWidth + 90, M::TitleHeight + 11);
  Label(dialog, M::BorderWidth + 96, M::TitleHeight + 18, "batchrun.bat", P::Text);
  scene.DrawKeyed(dialog, 510, 14);
  scene.Draw(PopupMenu(), 520, 190);
  return scene;
}
