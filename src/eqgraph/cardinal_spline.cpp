#include "cardinal_spline.h"

#include <cstddef>

void CardinalSplineSegments(std::span<const SplinePoint> points, double tension, std::vector<BezierSegment>& segments) {
  segments.clear();
  const std::size_t n = points.size();
  if (n < 2) return;
  segments.reserve(n - 1);
  const double k = tension / 3.0;
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const SplinePoint& before = points[i == 0 ? 0 : i - 1];
    const SplinePoint& from = points[i];
    const SplinePoint& to = points[i + 1];
    const SplinePoint& after = points[i + 2 < n ? i + 2 : n - 1];
    segments.push_back({{from.x + k * (to.x - before.x), from.y + k * (to.y - before.y)},
                        {to.x - k * (after.x - from.x), to.y - k * (after.y - from.y)},
                        to});
  }
}
