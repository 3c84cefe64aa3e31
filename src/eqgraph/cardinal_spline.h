#pragma once
// A cardinal spline through a row of points, as cubic Bezier segments a painter path can draw. The
// segment from P(i) to P(i+1) has the control points
//   P(i)   + T/3 (P(i+1) - P(i-1))   and   P(i+1) - T/3 (P(i+2) - P(i)),
// T the tension (0 draws straight lines, 0.5 is Catmull-Rom); the end points stand in for their
// own missing neighbour. The curve passes through every point.

#include <span>
#include <vector>

struct SplinePoint {
  double x = 0;
  double y = 0;
  bool operator==(const SplinePoint&) const = default;
};

struct BezierSegment {
  SplinePoint control1;
  SplinePoint control2;
  SplinePoint end;  // the segment starts at the previous segment's end, the first at points[0]
};

// segments := one segment per pair of neighbouring points (none for fewer than two points).
void CardinalSplineSegments(std::span<const SplinePoint> points, double tension, std::vector<BezierSegment>& segments);
