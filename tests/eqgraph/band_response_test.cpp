#include "band_response.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

constexpr int N = GraphColumns;
// 490 Hz lands on column 231, the middle point, so row[k] is the computed point k (k < 462).
constexpr int MiddleHz = 490;

ResponseRow Row(BandCode code, int frequency, float gain, float q) {
  ResponseRow row;
  row.fill(NAN);
  BandResponse(row, code, frequency, gain, q);
  return row;
}

TEST(BandResponseTest, ColumnsOfFrequencies) {
  const struct {
    double hz, column;
  } cases[] = {{10, 0}, {24000, 462}, {1000, 273.3557}, {20600, 452.9322}, {490, 231.0124}, {1, -136.6778}, {0, -136.6778}};
  for (const auto& c : cases) EXPECT_NEAR(ColumnOfFrequency(c.hz), c.column, 1e-3) << c.hz;
  EXPECT_NEAR(FrequencyOfColumn(273), 994.026, 0.001);
  EXPECT_NEAR(FrequencyOfColumn(0), 10, 1e-9);
  EXPECT_NEAR(FrequencyOfColumn(462), 24000, 1e-6);
}

TEST(BandResponseTest, PeakingBand) {
  const ResponseRow boost = Row(0, 1000, 12, 1);
  EXPECT_NEAR(boost[273], 12.0, 1e-4);
  EXPECT_EQ(boost[0], 0.0f);
  EXPECT_NEAR(boost[462], 0.0434, 0.001);
  EXPECT_EQ(boost[462], Row(0, MiddleHz, 12, 1)[420]);  // the right end holds point 420
  EXPECT_NEAR(Row(0, 1000, -6, 1)[273], -6.0, 1e-4);
  // The deepest, narrowest cut the controls allow (Q 128 is drawn as 103) still reaches its gain.
  EXPECT_NEAR(Row(0, 1000, -24, 128)[273], -24.0, 0.01);
}

TEST(BandResponseTest, FlatBands) {
  const struct {
    BandCode code;
    float gain;
  } cases[] = {{0, 0}, {5, 12}, {42, -6}, {99, 12}, {100, 0}, {200, 0}, {250, 0}, {110, 0}};
  for (const auto& c : cases) {
    const ResponseRow row = Row(c.code, 1000, c.gain, 1);
    for (int k = 0; k <= N; ++k) ASSERT_EQ(row[k], 0.0f) << "code " << c.code << " column " << k;
  }
}

TEST(BandResponseTest, ShelvesHoldTheirPlateaus) {
  const ResponseRow low = Row(1, MiddleHz, 6, 1);
  const ResponseRow high = Row(2, MiddleHz, 6, 1);
  for (int k = 0; k <= 108; ++k) {
    ASSERT_NEAR(low[k], 6.0, 1e-4) << k;
    ASSERT_NEAR(high[k], 0.0, 1e-4) << k;
  }
  EXPECT_NEAR(low[231], 3.0, 1e-4);
  EXPECT_NEAR(high[231], 3.0, 1e-4);
  for (int k = 354; k <= N; ++k) {
    ASSERT_NEAR(low[k], 0.0, 1e-4) << k;
    ASSERT_NEAR(high[k], 6.0, 1e-4) << k;
  }
  // The slope is limited to 4: steeper settings draw the same shelf.
  EXPECT_EQ(Row(1, MiddleHz, 6, 4)[200], Row(1, MiddleHz, 6, 20)[200]);
}

TEST(BandResponseTest, FilterShapesAtTheirCorner) {
  const struct {
    int shape;
    double centre;
  } shapes[] = {{0, 0},      {1, -4.7712}, {2, -3.0103}, {3, -6.0206}, {4, -9.5424},
                {5, -3.0103}, {6, -6.0206}, {7, 0.0087},  {8, 0.0174},  {9, -6.0206}};
  for (const auto& s : shapes)
    for (BandCode base : {100, 200}) {
      const ResponseRow row = Row(base + s.shape, MiddleHz, 0, 1);
      EXPECT_NEAR(row[231], s.centre, 1e-3) << "code " << base + s.shape;
    }
  // Codes 3 and 4 of a band are one user high- and low-pass section; filters ignore the gain.
  EXPECT_EQ(Row(3, MiddleHz, 0, 1), Row(107, MiddleHz, 9, 1));
  EXPECT_EQ(Row(4, MiddleHz, 0, 2), Row(207, MiddleHz, -3, 2));
  // Codes past the tenth shape of a hundred repeat the shapes; only the low byte counts.
  EXPECT_EQ(Row(112, MiddleHz, 0, 1), Row(102, MiddleHz, 0, 1));
  EXPECT_EQ(Row(255, MiddleHz, 0, 1), Row(205, MiddleHz, 0, 1));
  EXPECT_EQ(Row(256 + 1, MiddleHz, 6, 1), Row(1, MiddleHz, 6, 1));
}

TEST(BandResponseTest, FilterSlopesRunTheRightWay) {
  const ResponseRow lowPass = Row(206, MiddleHz, 0, 1);
  const ResponseRow highPass = Row(106, MiddleHz, 0, 1);
  EXPECT_NEAR(lowPass[0], 0.0, 1e-3);
  EXPECT_LT(lowPass[330], -60);
  EXPECT_NEAR(highPass[461], 0.0, 1e-3);
  EXPECT_LT(highPass[130], -60);
}

// At most one replacement: 121 is drawn as 102, not as 98.
TEST(BandResponseTest, QSubstitutionForTheNarrowestBands) {
  const struct {
    float q, drawnAs;
  } cases[] = {{102, 98}, {108, 100}, {114, 101}, {121, 102}, {128, 103}, {96, 96}};
  for (const auto& c : cases) {
    ResponseRow points;
    SectionCurve(PeakingSection(12, c.drawnAs), SampleGrid::Linear, points);
    const ResponseRow row = Row(0, MiddleHz, 12, c.q);
    for (int k = 0; k < N; ++k) ASSERT_EQ(row[k], points[k]) << "Q " << c.q << " column " << k;
  }
}

TEST(BandResponseTest, PlacementOnTheRow) {
  const ResponseRow centred = Row(0, MiddleHz, 12, 1);
  // A band is drawn at its column's frequency: 1000 Hz and 994 Hz share column 273.
  EXPECT_EQ(Row(0, 1000, 12, 1), Row(0, 994, 12, 1));
  // At 10 Hz or below the centre is column 0 and the left half of the curve is not shown.
  for (int frequency : {10, 5, 0, -50, INT_MIN}) {
    const ResponseRow low = Row(0, frequency, 12, 1);
    for (int k = 0; k <= 230; ++k) ASSERT_EQ(low[k], centred[231 + k]) << frequency << " column " << k;
    for (int k = 231; k <= N; ++k) ASSERT_EQ(low[k], centred[461]) << frequency << " column " << k;
  }
  // 20 600 Hz puts the centre on column 453: the row shows points 231..240.
  const ResponseRow high = Row(0, 20600, 12, 1);
  for (int k = 453; k <= N; ++k) EXPECT_EQ(high[k], centred[231 + (k - 453)]) << k;
  for (int k = 0; k <= 453; ++k) {
    const int j = 231 - (453 - k);
    ASSERT_EQ(high[k], centred[j >= 0 ? j : 0]) << k;
  }
  // Far past 24 kHz the centre lies beyond the row, which holds only the curve's left part.
  const ResponseRow beyond = Row(0, INT_MAX, 12, 1);
  for (int k = 0; k <= N; ++k) ASSERT_TRUE(std::isfinite(beyond[k])) << k;
  EXPECT_EQ(beyond[N], centred[0]);
}

TEST(BandResponseTest, EveryCodeFillsTheWholeRowWithFiniteValues) {
  for (BandCode code = 0; code <= 255; ++code)
    for (float q : {0.4f, 1.0f, 128.0f}) {
      const ResponseRow row = Row(code, 1000, -24, q);
      for (int k = 0; k <= N; ++k) ASSERT_TRUE(std::isfinite(row[k])) << "code " << code << " column " << k;
    }
}

TEST(BandResponseTest, SumOfRowsAddsColumnByColumn) {
  const std::vector<ResponseRow> rows{Row(0, 1000, 12, 1), Row(1, 200, -6, 1), Row(205, 8000, 0, 1)};
  ResponseRow sum;
  SumResponseRows(rows, sum);
  for (int k = 0; k <= N; ++k) ASSERT_EQ(sum[k], rows[0][k] + rows[1][k] + rows[2][k]) << k;
  SumResponseRows({}, sum);
  for (int k = 0; k <= N; ++k) ASSERT_EQ(sum[k], 0.0f) << k;
}

}  // namespace
