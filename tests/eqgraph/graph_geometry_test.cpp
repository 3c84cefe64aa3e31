// The plot's geometry on the design-size plot, on plots squeezed to nothing, and the curve's points.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "graph_geometry.h"

namespace {

TEST(GraphGeometry, DesignSizePositions) {
  EXPECT_NEAR(FreqToX(1000, 1078), 637.9, 0.1);
  EXPECT_NEAR(FreqToX(20, 1078), 96.0, 0.05);
  EXPECT_DOUBLE_EQ(FreqToX(10, 1078), 0.0);
  EXPECT_NEAR(FreqToX(24000, 1078), 1078.0, 1e-9);
  EXPECT_NEAR(GainToY(0, 297), 98.67, 0.005);
  EXPECT_DOUBLE_EQ(GainToY(12, 297), 0.0);
  EXPECT_DOUBLE_EQ(GainToY(-24, 297), 296.0);
  for (double f : {19.5, 309.0, 1000.0, 20600.0}) EXPECT_NEAR(XToFreq(FreqToX(f, 1078), 1078), f, f * 1e-12);
  for (double g : {-24.0, -3.4, 0.0, 12.0}) EXPECT_NEAR(YToGain(GainToY(g, 297), 297), g, 1e-12);
}

TEST(GraphGeometry, APlotSqueezedToNothingStillMapsToNumbers) {
  for (int size : {-5, 0, 1, 2}) {
    SCOPED_TRACE(size);
    for (double v : {FreqToX(1000, size), XToFreq(3, size), GainToY(-6, size), YToGain(1, size)}) EXPECT_TRUE(std::isfinite(v));
  }
  EXPECT_DOUBLE_EQ(YToGain(0, 1), 12.0);
}

TEST(GraphGeometry, CurvePointsSitOnWholePixelsOfTheScreen) {
  std::vector<float> gains(463, 0.0f);
  gains[0] = 12.0f;
  gains[461] = -24.0f;
  std::vector<SplinePoint> points;
  CurvePoints(gains, 1078, 297, 1.0, points);
  ASSERT_EQ(points.size(), 462u);  // the column at 24 kHz is left out
  EXPECT_EQ(points[0], (SplinePoint{0, 0}));
  EXPECT_EQ(points[3], (SplinePoint{7, 99}));  // 3 x 2.3333 = 7.0, 98.67 -> 99
  EXPECT_EQ(points[461], (SplinePoint{1076, 296}));

  CurvePoints(gains, 1078, 297, 2.0, points);  // a double-density screen: half pixels
  EXPECT_EQ(points[3], (SplinePoint{7.0, 98.5}));
  EXPECT_EQ(points[1], (SplinePoint{2.5, 98.5}));  // 4.667 device pixels -> 5
}

}  // namespace
