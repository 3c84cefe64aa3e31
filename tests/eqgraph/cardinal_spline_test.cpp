// The spline's Bezier segments against the closed form of a cardinal spline: the cubic Hermite
// curve through P(i) and P(i+1) with the tangents T (P(i+1) - P(i-1)) and T (P(i+2) - P(i)).

#include <gtest/gtest.h>

#include <vector>

#include "cardinal_spline.h"

namespace {

SplinePoint Bezier(const SplinePoint& p0, const BezierSegment& s, double t) {
  const double u = 1 - t;
  auto at = [&](double a, double b, double c, double d) { return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d; };
  return {at(p0.x, s.control1.x, s.control2.x, s.end.x), at(p0.y, s.control1.y, s.control2.y, s.end.y)};
}

SplinePoint Hermite(const std::vector<SplinePoint>& p, std::size_t i, double tension, double t) {
  const std::size_t last = p.size() - 1;
  const SplinePoint& before = p[i == 0 ? 0 : i - 1];
  const SplinePoint& after = p[i + 2 <= last ? i + 2 : last];
  const SplinePoint m0{tension * (p[i + 1].x - before.x), tension * (p[i + 1].y - before.y)};
  const SplinePoint m1{tension * (after.x - p[i].x), tension * (after.y - p[i].y)};
  const double h00 = 2 * t * t * t - 3 * t * t + 1, h10 = t * t * t - 2 * t * t + t, h01 = -2 * t * t * t + 3 * t * t,
               h11 = t * t * t - t * t;
  return {h00 * p[i].x + h10 * m0.x + h01 * p[i + 1].x + h11 * m1.x, h00 * p[i].y + h10 * m0.y + h01 * p[i + 1].y + h11 * m1.y};
}

TEST(CardinalSpline, SegmentsFollowTheClosedFormThroughEveryPoint) {
  const std::vector<SplinePoint> points{{0, 99}, {2, 99}, {5, 40}, {7, 3}, {9, 60}, {12, 60}};
  std::vector<BezierSegment> segments;
  for (double tension : {0.4, 0.5, 0.0}) {
    SCOPED_TRACE(tension);
    CardinalSplineSegments(points, tension, segments);
    ASSERT_EQ(segments.size(), points.size() - 1);
    for (std::size_t i = 0; i < segments.size(); ++i) {
      EXPECT_EQ(segments[i].end, points[i + 1]);
      for (double t : {0.0, 0.25, 0.5, 0.8, 1.0}) {
        const SplinePoint got = Bezier(points[i], segments[i], t), want = Hermite(points, i, tension, t);
        EXPECT_NEAR(got.x, want.x, 1e-9) << "segment " << i << " t " << t;
        EXPECT_NEAR(got.y, want.y, 1e-9) << "segment " << i << " t " << t;
      }
    }
  }
}

TEST(CardinalSpline, FewerThanTwoPointsGiveNoSegments) {
  std::vector<BezierSegment> segments{{}};
  CardinalSplineSegments(std::vector<SplinePoint>{{1, 2}}, 0.4, segments);
  EXPECT_TRUE(segments.empty());
}

}  // namespace
