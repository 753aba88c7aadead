// A picture of the skin at work: an active and an inactive window, controls
// in their states and a pop-up menu, put together from the skin's images the
// way the engine cuts and places them. Text is drawn with the small font of
// the contact sheet, so only shapes and colours are true to life.
#pragma once

#include <vector>

#include "SkinArt.h"

class TPreview {
 public:
  explicit TPreview(const std::vector<TAsset>& images) : Images_(images) {}
  TPixmap Draw() const;

 private:
  const TPixmap& Image(const char* name) const;
  TPixmap Window(int width, int height, bool active, bool dialog, const char* caption) const;
  void DrawControls(TPixmap& win) const;
  void DrawScrollBar(TPixmap& win, int x, int y, int length) const;
  TPixmap PopupMenu() const;

  const std::vector<TAsset>& Images_;
};
