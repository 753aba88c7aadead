// A painting surface with coverage: shapes are sampled 4 x 4 times per pixel,
// so their edges are smooth, and axis-aligned edges on whole pixels stay
// crisp. The result is flattened into an opaque image, over a backdrop, with
// the key colour where nothing (or almost nothing) was painted.
#pragma once

#include <functional>
#include <vector>

#include "Pixmap.h"
#include "Shape.h"

// Colour of a pixel as a function of its position.
using TPaint = std::function<TColor(int x, int y)>;

class TRaster {
 public:
  TRaster(int width, int height);

  int Width() const { return Width_; }
  int Height() const { return Height_; }

  void Paint(const TShape& shape, TColor color, double opacity = 1);
  void Paint(const TShape& shape, const TPaint& paint, double opacity = 1);
  void Fill(TColor color) { Paint(Shapes::Rect(0, 0, Width_, Height_), color); }

  // Composites over the backdrop. Pixels painted less than keyBelow become
  // the key colour; a painted pixel that would come out as (nearly) the key
  // colour is nudged, so that only unpainted pixels are ever transparent.
  TPixmap Flatten(const TPaint& backdrop, double keyBelow) const;
  TPixmap Flatten(TColor backdrop, double keyBelow) const;
  // Everything painted or not: the backdrop shows where nothing was painted.
  TPixmap Opaque(TColor backdrop) const { return Flatten(backdrop, -1); }

 private:
  struct TPremultiplied {
    double R = 0, G = 0, B = 0, A = 0;
  };
  int Width_, Height_;
  std::vector<TPremultiplied> Pixels_;
};

// Mixes two colours: weight 1 gives a, 0 gives b.
TColor Mix(TColor a, TColor b, double weight);
// Colour n of a run of count colours from first to last (both included).
TColor Ramp(TColor first, TColor last, int n, int count);
