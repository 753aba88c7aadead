#include "Shape.h"

#include <algorithm>
#include <cmath>

namespace Shapes {

TShape Rect(double left, double top, double right, double bottom) {
  return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

TShape RoundRect(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    double cx = std::clamp(x, left + radius, right - radius);
    double cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

TShape Circle(double cx, double cy, double radius) {
  return [=](double x, double y) {
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

static double DistanceToSegment(double x, double y, TPoint2 a, TPoint2 b) {
  double dx = b.X - a.X, dy = b.Y - a.Y;
  double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? std::clamp(((x - a.X) * dx + (y - a.Y) * dy) / len2, 0.0, 1.0) : 0;
  double px = a.X + t * dx - x, py = a.Y + t * dy - y;
  return std::sqrt(px * px + py * py);
}

TShape Line(TPoint2 a, TPoint2 b, double width) {
  return [=](double x, double y) { return DistanceToSegment(x, y, a, b) <= width / 2; };
}

TShape Polyline(const std::vector<TPoint2>& points, double width) {
  return [=](double x, double y) {
    for (size_t i = 1; i < points.size(); ++i)
      if (DistanceToSegment(x, y, points[i - 1], points[i]) <= width / 2) return true;
    return false;
  };
}

TShape Polygon(std::vector<TPoint2> points) {
  return [points = std::move(points)](double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const TPoint2& p = points[i];
      const TPoint2& q = points[j];
      if ((p.Y > y) != (q.Y > y) && x < (q.X - p.X) * (y - p.Y) / (q.Y - p.Y) + p.X)
        inside = !inside;
    }
    return inside;
  };
}

TShape RoundFrame(double left, double top, double right, double bottom, double radius,
                  double width) {
  return Minus(RoundRect(left, top, right, bottom, radius),
               RoundRect(left + width, top + width, right - width, bottom - width,
                         std::max(0.0, radius - width)));
}

TShape Union(TShape a, TShape b) {
  return [=](double x, double y) { return a(x, y) || b(x, y); };
}

TShape Minus(TShape a, TShape b) {
  return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

TShape Intersect(TShape a, TShape b) {
  return [=](double x, double y) { return a(x, y) && b(x, y); };
}

}  // namespace Shapes
