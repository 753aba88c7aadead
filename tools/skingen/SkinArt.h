// Draws every image of the program's skin and the program's own bitmap
// resources. Each image is a strip of state frames laid out as the engine
// cuts it; Metrics.h holds the sizes the definition text repeats.
#pragma once

#include <string>
#include <vector>

#include "Pixmap.h"

struct TAsset {
  std::string Name;
  TPixmap Image;
};

class TSkinArt {
 public:
  // The images the skin definition names, by file name.
  std::vector<TAsset> SkinImages() const;
  // "TRACK", "TRACKVERT", "TESSERAMENU" and the 27 media-player glyphs, each
  // named after its resource, with ".bmp".
  std::vector<TAsset> ResourceImages() const;
};
