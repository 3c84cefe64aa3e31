#include "filter_sections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int N = GraphColumns;

// 20 log10 |H(e^jw)| straight from the transfer function, in double, for the same coefficients.
double ReferenceDb(const Biquad& s, double w) {
  const std::complex<double> z1 = std::polar(1.0, -w);
  const std::complex<double> z2 = z1 * z1;
  const auto num = double(s.b[0]) + double(s.b[1]) * z1 + double(s.b[2]) * z2;
  const auto den = double(s.a[0]) + double(s.a[1]) * z1 + double(s.a[2]) * z2;
  return 20 * std::log10(std::abs(num) / std::abs(den));
}

struct NamedSection {
  std::string name;
  Biquad section;
  SampleGrid grid;
};

std::vector<NamedSection> SectionsOfEveryKind() {
  std::vector<NamedSection> all;
  for (float gain : {-24.0f, -6.0f, 0.2f, 12.0f, 30.0f})
    for (float q : {0.4f, 1.0f, 4.0f, 20.0f, 103.0f}) {
      const std::string what = " gain " + std::to_string(gain) + " q " + std::to_string(q);
      all.push_back({"peaking" + what, PeakingSection(gain, q), SampleGrid::Linear});
      all.push_back({"low shelf" + what, ShelfSection(false, gain, q), SampleGrid::Shelf});
      all.push_back({"high shelf" + what, ShelfSection(true, gain, q), SampleGrid::Shelf});
    }
  for (bool high : {false, true}) {
    const std::string side = high ? "high-pass " : "low-pass ";
    all.push_back({side + "Bessel", PassSection(high, BesselAlpha()), SampleGrid::Filter});
    all.push_back({side + "Butterworth", PassSection(high, ButterworthAlpha()), SampleGrid::Filter});
    for (float q : {0.4f, 1.0f, 9.0f}) all.push_back({side + "user", PassSection(high, UserAlpha(q)), SampleGrid::Filter});
    for (int k : {0, 1}) all.push_back({side + "order 4", PassSection(high, ButterworthCascadeAlpha(k, 4)), SampleGrid::Filter});
    all.push_back({side + "order 3", PassSection(high, ButterworthCascadeAlpha(0, 3)), SampleGrid::Filter});
    all.push_back({side + "first order", FirstOrderSection(high), SampleGrid::Filter});
  }
  return all;
}

TEST(FilterSectionsTest, DesignAngleAndItsSineAndCosineAreFloats) {
  EXPECT_EQ(DesignAngle, static_cast<float>(std::numbers::pi / 2));
  EXPECT_EQ(SinW0, static_cast<float>(std::sin(double{DesignAngle})));
  EXPECT_EQ(CosW0, static_cast<float>(std::cos(double{DesignAngle})));
  EXPECT_LT(CosW0, 0.0f);
}

TEST(FilterSectionsTest, GridsSpanZeroToPiAndHoldTheirEnds) {
  const float step = static_cast<float>(std::numbers::pi / N);
  const float pi = static_cast<float>(std::numbers::pi);
  EXPECT_EQ(GridAngle(SampleGrid::Linear, 0), 0.0f);
  EXPECT_NEAR(GridAngle(SampleGrid::Linear, 231), std::numbers::pi / 2, 1e-6);
  EXPECT_NEAR(GridAngle(SampleGrid::Linear, N), std::numbers::pi, 1e-6);
  const struct {
    SampleGrid grid;
    int j;
    float angle;
  } exact[] = {
      {SampleGrid::Shelf, 0, step},       {SampleGrid::Shelf, 107, step},     {SampleGrid::Shelf, 108, 0.0f},
      {SampleGrid::Shelf, 354, pi},       {SampleGrid::Shelf, 355, 461 * step}, {SampleGrid::Shelf, N, 461 * step},
      {SampleGrid::Filter, 0, step},      {SampleGrid::Filter, 126, step},    {SampleGrid::Filter, 336, pi},
      {SampleGrid::Filter, 337, 461 * step}, {SampleGrid::Filter, N, 461 * step},
  };
  for (const auto& e : exact) EXPECT_FLOAT_EQ(GridAngle(e.grid, e.j), e.angle) << e.j;
  for (SampleGrid grid : {SampleGrid::Shelf, SampleGrid::Filter}) {
    EXPECT_NEAR(GridAngle(grid, 231), std::numbers::pi / 2, 1e-6);
    const int edge = grid == SampleGrid::Shelf ? 108 : 126;
    for (int j = edge + 1; j <= N - edge; ++j) EXPECT_GT(GridAngle(grid, j), GridAngle(grid, j - 1)) << j;
  }
}

TEST(FilterSectionsTest, CurvesMatchAnIndependentDoublePrecisionEvaluation) {
  for (const auto& [name, section, grid] : SectionsOfEveryKind()) {
    ResponseRow points;
    SectionCurve(section, grid, points);
    int compared = 0;
    for (int j = 0; j <= N; ++j) {
      const double reference = ReferenceDb(section, GridAngle(grid, j));
      if (!(reference > -60)) continue;
      ++compared;
      ASSERT_NEAR(points[j], reference, 0.01) << name << " at point " << j;
    }
    EXPECT_GT(compared, N / 4) << name;
  }
}

TEST(FilterSectionsTest, ZerosAndAbsurdInputsNeverGiveInfinitiesOrNaN) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Biquad cases[] = {
      PeakingSection(1000, 1),  PeakingSection(-1000, 1), PeakingSection(nan, 1), PeakingSection(12, 0),
      PeakingSection(12, -0.01f), ShelfSection(false, 1e30f, 1), ShelfSection(true, -1e30f, 0), ShelfSection(true, 6, nan),
      PassSection(false, 0),    PassSection(true, UserAlpha(0)), FirstOrderSection(false), Biquad{{0, 0, 0}, {1, 0, 0}},
  };
  for (const Biquad& section : cases)
    for (SampleGrid grid : {SampleGrid::Linear, SampleGrid::Shelf, SampleGrid::Filter}) {
      ResponseRow points;
      SectionCurve(section, grid, points);
      for (int j = 0; j <= N; ++j) ASSERT_TRUE(std::isfinite(points[j])) << j;
    }
}

TEST(FilterSectionsTest, AZeroOfTheSectionRepeatsThePointBefore) {
  // A first-order low-pass is exactly zero at w = pi, which the filter grid reaches at point 336.
  ResponseRow points;
  SectionCurve(FirstOrderSection(false), SampleGrid::Filter, points);
  ASSERT_LT(ReferenceDb(FirstOrderSection(false), GridAngle(SampleGrid::Filter, 336)), -140);
  EXPECT_EQ(points[336], points[335]);
  EXPECT_LT(points[335], -40);
}

}  // namespace
