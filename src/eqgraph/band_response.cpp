#include "band_response.h"

#include <algorithm>
#include <cmath>

#include "decimal_format.h"

namespace {

constexpr int N = GraphColumns;
constexpr int Middle = N / 2;  // the point at the design frequency

double Log10Of2400() { return std::log10(2400.0); }

// The top of the Q scale is narrower than the graph can show; those bands are drawn a little wider.
float DrawnQ(float q) {
  struct Substitute {
    float from, to;
  };
  constexpr Substitute substitutes[] = {{102, 98}, {108, 100}, {114, 101}, {121, 102}, {128, 103}};
  for (const auto& s : substitutes)
    if (q == s.from) return s.to;
  return q;
}

// The building blocks of the filter shapes.
enum class Stage { Bessel, Butterworth, User, FirstOrder, Butterworth4First, Butterworth4Second, Butterworth3First };

Biquad StageSection(Stage stage, bool highPass, float q) {
  switch (stage) {
    case Stage::Bessel: return PassSection(highPass, BesselAlpha());
    case Stage::Butterworth: return PassSection(highPass, ButterworthAlpha());
    case Stage::User: return PassSection(highPass, UserAlpha(q));
    case Stage::FirstOrder: return FirstOrderSection(highPass);
    case Stage::Butterworth4First: return PassSection(highPass, ButterworthCascadeAlpha(0, 4));
    case Stage::Butterworth4Second: return PassSection(highPass, ButterworthCascadeAlpha(1, 4));
    case Stage::Butterworth3First: return PassSection(highPass, ButterworthCascadeAlpha(0, 3));
  }
  return {};
}

// A filter shape is one section, or two whose rows (in dB) are added, scaled by `factor`.
struct Shape {
  int sections;
  Stage first;
  Stage second;
  float factor;
};

constexpr Shape Shapes[10] = {
    {0, Stage::Bessel, Stage::Bessel, 1},                        // off
    {1, Stage::Bessel, Stage::Bessel, 1},                        // Bessel 12 dB/octave
    {1, Stage::Butterworth, Stage::Butterworth, 1},              // Butterworth 12 dB/octave
    {2, Stage::FirstOrder, Stage::FirstOrder, 1},                // Linkwitz-Riley 12 dB/octave
    {2, Stage::Bessel, Stage::Bessel, 1},                        // Bessel 24 dB/octave
    {2, Stage::Butterworth4First, Stage::Butterworth4Second, 1}, // Butterworth 24 dB/octave
    {2, Stage::Butterworth, Stage::Butterworth, 1},              // Linkwitz-Riley 24 dB/octave
    {1, Stage::User, Stage::User, 1},                            // user 12 dB/octave
    {2, Stage::User, Stage::User, 1},                            // user 24 dB/octave
    {2, Stage::Butterworth3First, Stage::FirstOrder, 2},         // Linkwitz-Riley 36 dB/octave
};

void FilterCurve(const Shape& shape, bool highPass, float q, ResponseRow& points) {
  if (shape.sections == 0) {
    points.fill(0);
    return;
  }
  SectionCurve(StageSection(shape.first, highPass, q), SampleGrid::Filter, points);
  if (shape.sections == 1) return;
  if (shape.second == shape.first) {
    // Two equal sections: their sum is twice the one row, to the bit.
    for (float& p : points) p += p;
    return;
  }
  ResponseRow second;
  SectionCurve(StageSection(shape.second, highPass, q), SampleGrid::Filter, second);
  for (int j = 0; j <= N; ++j) points[j] = (points[j] + second[j]) * shape.factor;
}

// Lays the points on the row so that the middle point lands on the column of the frequency. Left
// of the start of the curve the row holds its first point, right of its end the point before the
// last; columns past the row's end are not written.
void Place(const ResponseRow& points, double frequency, ResponseRow& row) {
  const int M = static_cast<int>(RoundHalfEven(ColumnOfFrequency(std::max(frequency, 10.0))));
  for (int k = std::min(M, N); k >= 0; --k) {
    const int j = Middle - (M - k);
    row[k] = j >= 0 ? points[j] : points[0];
  }
  for (int k = std::max(M, 0); k <= N; ++k) {
    const int j = Middle + (k - M);
    row[k] = j < N ? points[j] : points[N - 1];
  }
}

}  // namespace

double ColumnOfFrequency(double frequency) {
  return N * (std::log10(std::max(frequency, 1.0)) - 1) / Log10Of2400();
}

double FrequencyOfColumn(double column) { return std::pow(10.0, column * Log10Of2400() / N + 1); }

void BandResponse(ResponseRow& row, BandCode code, int frequency, float gain, float q) {
  // A band is drawn at the frequency of its column (1000 Hz at column 273, which is 994 Hz).
  const double drawnFrequency = RoundHalfEven(FrequencyOfColumn(RoundHalfEven(ColumnOfFrequency(frequency))));
  q = DrawnQ(q);
  code &= 0xFF;
  ResponseRow points;
  if (code == 0)
    SectionCurve(PeakingSection(gain, q), SampleGrid::Linear, points);
  else if (code <= 2)
    SectionCurve(ShelfSection(code == 2, gain, q), SampleGrid::Shelf, points);
  else if (code <= 4)
    SectionCurve(PassSection(code == 3, UserAlpha(q)), SampleGrid::Filter, points);
  else if (code < 100)
    points.fill(0);
  else
    FilterCurve(Shapes[code % 10], code < 200, q, points);
  Place(points, drawnFrequency, row);
}

void SumResponseRows(std::span<const ResponseRow> rows, ResponseRow& sum) {
  sum.fill(0);
  for (const ResponseRow& row : rows)
    for (int k = 0; k <= N; ++k) sum[k] += row[k];
}
