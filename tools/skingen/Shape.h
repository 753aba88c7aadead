// Plane regions for drawing: a shape answers whether a point lies inside it.
// Coordinates are continuous pixels: pixel (i, j) covers [i, i+1) x [j, j+1).
#pragma once

#include <functional>
#include <vector>

struct TPoint2 {
  double X = 0, Y = 0;
};

using TShape = std::function<bool(double x, double y)>;

namespace Shapes {

TShape Rect(double left, double top, double right, double bottom);
TShape RoundRect(double left, double top, double right, double bottom, double radius);
TShape Circle(double cx, double cy, double radius);
// Points within half the width of the segment from a to b.
TShape Line(TPoint2 a, TPoint2 b, double width);
// A polyline of segments of the given width (joins are round).
TShape Polyline(const std::vector<TPoint2>& points, double width);
TShape Polygon(std::vector<TPoint2> points);

// The one-pixel (or wider) outline just inside a rounded rectangle.
TShape RoundFrame(double left, double top, double right, double bottom, double radius,
                  double width = 1);

TShape Union(TShape a, TShape b);
TShape Minus(TShape a, TShape b);
TShape Intersect(TShape a, TShape b);

}  // namespace Shapes
