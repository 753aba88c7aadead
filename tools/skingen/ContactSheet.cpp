#include "ContactSheet.h"

#include <algorithm>
#include <string>

#include "TinyFont.h"

namespace {

constexpr int kWidth = 1240;
constexpr int kMargin = 12;
constexpr int kGap = 16;
constexpr TColor kBackground = 0xD6D9DD;
constexpr TColor kInk = 0x23272D;

struct TPlaced {
  const TAsset* Asset;
  int X, Y, Scale;
};

int ScaleFor(const TPixmap& image) {
  for (int scale : {4, 3, 2})
    if (image.Width() * scale <= kWidth - 2 * kMargin && image.Height() * scale <= 160)
      return scale;
  return 1;
}

std::string Caption(const TAsset& a, int scale) {
  return a.Name + " " + std::to_string(a.Image.Width()) + "x" + std::to_string(a.Image.Height()) +
         " (x" + std::to_string(scale) + ")";
}

}  // namespace

TPixmap TContactSheet::Draw(const TPixmap& preview,
                            const std::vector<std::vector<TAsset>>& groups) const {
  std::vector<TPlaced> placed;
  int x = kMargin, y = kMargin + preview.Height() + kGap, rowHeight = 0;
  for (const auto& group : groups) {
    for (const TAsset& a : group) {
      int scale = ScaleFor(a.Image);
      int w = std::max(a.Image.Width() * scale,
                       static_cast<int>(Caption(a, scale).size()) * TinyFont::Advance);
      int h = TinyFont::Height + 4 + a.Image.Height() * scale;
      if (x + w > kWidth - kMargin) {
        x = kMargin;
        y += rowHeight + kGap;
        rowHeight = 0;
      }
      placed.push_back({&a, x, y, scale});
      x += w + kGap;
      rowHeight = std::max(rowHeight, h);
    }
    x = kMargin;  // each group starts a new row
    y += rowHeight + kGap * 2;
    rowHeight = 0;
  }
  TPixmap sheet(kWidth, y + kMargin, kBackground);
  sheet.Draw(preview, kMargin, kMargin);
  for (const TPlaced& p : placed) {
    TinyFont::Draw(sheet, p.X, p.Y, Caption(*p.Asset, p.Scale), kInk);
    sheet.Draw(p.Asset->Image.Scaled(p.Scale), p.X, p.Y + TinyFont::Height + 4);
  }
  return sheet;
}
