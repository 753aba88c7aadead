#include "skinchecks/ChecksSupport.h"

#include <algorithm>

#include "common/MessagePump.h"
#include "skin/imaging/ImagePrimitives.h"
#include "toolkit/GdiHandle.h"

TControlsForm::TControlsForm(const TBytes& Skin, const std::function<void(TForm&)>& Build,
                             int ClientWidth, int ClientHeight)
    : Skinned(Skin, [&] {
        TSkinnedForm::TOptions options;
        options.ClientWidth = ClientWidth;
        options.ClientHeight = ClientHeight;
        options.Configure = [&](TSkinData& Data) { Build(*static_cast<TForm*>(Data.Owner())); };
        return options;
      }()) {}

TPixelBuffer SolidStrip(int FrameWidth, int Height, const std::vector<TPixel>& Colours) {
  TPixelBuffer strip(FrameWidth * static_cast<int>(Colours.size()), Height);
  for (size_t i = 0; i < Colours.size(); ++i) {
    const int left = FrameWidth * static_cast<int>(i);
    strip.FillRect({left, 0, left + FrameWidth, Height}, Colours[i]);
    strip.SetPixel(left, 0, PixelFromRgb(255, 0, 255));
  }
  return strip;
}

std::vector<TPixel> FrameColours(int Count) {
  std::vector<TPixel> colours;
  for (int i = 0; i < Count; ++i)
    colours.push_back(PixelFromRgb(200 - 15 * i, 40 + 12 * i, (70 * i) % 256));
  return colours;
}

int SolidFrameAt(const TPixelBuffer& Shown, const TRect& Area, const std::vector<TPixel>& Colours) {
  const int x = (Area.Left + Area.Right) / 2, y = (Area.Top + Area.Bottom) / 2;
  if (x < 0 || y < 0 || x >= Shown.Width() || y >= Shown.Height()) return 0;
  for (size_t i = 0; i < Colours.size(); ++i)
    if (Shown.Pixel(x, y) == Colours[i]) return static_cast<int>(i) + 1;
  return 0;
}

int StripFrameAt(const TPixelBuffer& Shown, const TRect& Area, const TPixelBuffer& Strip,
                 int Frames, TColor Background) {
  const int w = Area.Right - Area.Left, h = Area.Bottom - Area.Top;
  const TPixel back = PixelFromColor(static_cast<TColor>(ColorToRGB(Background)));
  int best = 0, bestSame = w * h * 95 / 100;
  for (int frame = 1; frame <= Frames; ++frame) {
    TPixelBuffer expected(w, h, back);
    DrawFrameStretched(expected, TRect{0, 0, w, h}, Strip, true, Frames, frame);
    int same = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int sx = Area.Left + x, sy = Area.Top + y;
        if (sx >= 0 && sy >= 0 && sx < Shown.Width() && sy < Shown.Height() &&
            Shown.Pixel(sx, sy) == expected.Pixel(x, y))
          ++same;
      }
    if (same > bestSame) {
      bestSame = same;
      best = frame;
    }
  }
  return best;
}

bool WaitForPixels(HWND Window, const std::function<bool(const TPixelBuffer&)>& Shows,
                   DWORD Milliseconds) {
  return PumpUntil([&] { return Shows(CaptureWindow(Window)); }, Milliseconds);
}

TRect InkBox(const TPixelBuffer& Image, const TRect& Area, TPixel Background) {
  TRect box{Area.Right, Area.Bottom, Area.Left, Area.Top};
  for (int y = Area.Top; y < Area.Bottom; ++y)
    for (int x = Area.Left; x < Area.Right; ++x)
      if (Image.Pixel(x, y) != Background) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  if (box.Right <= box.Left) return TRect{0, 0, 0, 0};
  return box;
}

void RedrawNow(HWND Window) {
  InvalidateRect(Window, nullptr, TRUE);
  UpdateWindow(Window);
  PumpMessages(20);
}
