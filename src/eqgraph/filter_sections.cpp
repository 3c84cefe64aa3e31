#include "filter_sections.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int N = GraphColumns;
constexpr int Half = N / 2;  // 231, the point at w0

constexpr float F(double value) { return static_cast<float>(value); }

constexpr float Step = F(std::numbers::pi / N);

// The warped grids: points up to the edge hold the first angle, the middle 2 x (N/2 - edge)
// points run from 0 to pi, and the points past N - edge hold the angle just below pi.
float WarpedAngle(int j, int edge, bool edgeHoldsFirst) {
  const double step = Step;
  if (j < edge || (edgeHoldsFirst && j == edge)) return Step;
  const double span = Half - edge;
  if (j <= Half) return F((j - edge) / span * Half * step);
  if (j <= N - edge) return F(((j - Half) / span * Half + Half) * step);
  return F((N - 1) * step);
}

// Round(N * 120 / 512) and Round(N * 140 / 512).
constexpr int ShelfEdge = 108;
constexpr int FilterEdge = 126;

}  // namespace

float GridAngle(SampleGrid grid, int j) {
  switch (grid) {
    case SampleGrid::Shelf: return WarpedAngle(j, ShelfEdge, false);
    case SampleGrid::Filter: return WarpedAngle(j, FilterEdge, true);
    case SampleGrid::Linear: break;
  }
  return F(j * static_cast<double>(Step));
}

Biquad PeakingSection(float gain, float q) {
  const double sq = F((q + 0.01) / (5.0 / 14.0));
  const double A = F(std::pow(10.0, gain / 40.0));
  const double alpha = F(SinW0 / (2 * sq));
  const double c = CosW0;
  return {{F(1 + alpha * A), F(-2 * c), F(1 - alpha * A)}, {F(1 + alpha / A), F(-2 * c), F(1 - alpha / A)}};
}

Biquad ShelfSection(bool high, float gain, float q) {
  const double S = F(std::min(q, 4.0f) + 0.001);
  const double A = F(std::pow(10.0, gain / 40.0));
  const double alpha = F(SinW0 / 2.0 * std::sqrt(std::fabs((1 / A + A) * (1 / S - 1) + 2)));
  const double t = F(2 * std::sqrt(A) * alpha);
  // The high shelf is the low shelf with the cosine's sign and the odd coefficients' signs turned.
  const double c = high ? -CosW0 : CosW0;
  const double sign = high ? -1 : 1;
  return {{F(A * ((A + 1) - (A - 1) * c + t)), F(sign * 2 * A * ((A - 1) - (A + 1) * c)),
           F(A * ((A + 1) - (A - 1) * c - t))},
          {F((A + 1) + (A - 1) * c + t), F(sign * -2 * ((A - 1) + (A + 1) * c)), F((A + 1) + (A - 1) * c - t)}};
}

Biquad PassSection(bool highPass, float alpha) {
  const double c = CosW0;
  const Biquad::Coefficients a{F(1 + alpha), F(-2 * c), F(1 - alpha)};
  if (highPass) return {{F((1 + c) / 2), F(-(1 + c)), F((1 + c) / 2)}, a};
  return {{F((1 - c) / 2), F(1 - c), F((1 - c) / 2)}, a};
}

Biquad FirstOrderSection(bool highPass) {
  const double c = CosW0;
  const double sine = SinW0;
  const Biquad::Coefficients a{F(1 + sine + c), F(sine - c - 1), 0};
  if (highPass) return {{F(1 + c), F(-(1 + c)), 0}, a};
  return {{SinW0, SinW0, 0}, a};
}

float BesselAlpha() { return F(SinW0 / (2 / std::numbers::sqrt3)); }
float ButterworthAlpha() { return F(SinW0 / (2 * (1 / std::numbers::sqrt2))); }
float UserAlpha(float q) { return F(SinW0 / (2.0 * F(std::min(q, 4.0f) + 0.001))); }
float ButterworthCascadeAlpha(int k, int order) {
  return F(SinW0 * std::sin(std::numbers::pi / order * (k + 0.5)));
}

void SectionCurve(const Biquad& section, SampleGrid grid, ResponseRow& points) {
  const double b0 = section.b[0], b1 = section.b[1], b2 = section.b[2];
  const double a0 = section.a[0], a1 = section.a[1], a2 = section.a[2];
  // |H(e^jw)|^2 as polynomials in s = (2 sin(w/2))^2, with these four terms fixed per section. They
  // stay in double: at the bottom of a narrow cut the polynomial is a small difference of terms
  // near 4, and rounding the terms to floats would draw a -24 dB cut of Q 128 half a dB off.
  const double SA = (a0 + a1 + a2) * (a0 + a1 + a2);
  const double SB = (b0 + b1 + b2) * (b0 + b1 + b2);
  const double CA = a1 * (a0 + a2) + 4 * a0 * a2;
  const double CB = b1 * (b0 + b2) + 4 * b0 * b2;
  float previous = 0;
  for (int j = 0; j <= N; ++j) {
    const double half = std::sin(GridAngle(grid, j) / 2.0);
    const double s = F(4 * half * half);
    const double num = F((b0 * b2 * s - CB) * s + SB);
    const double den = F((a0 * a2 * s - CA) * s + SA);
    if (num > 0 && den > 0) {
      const float value = F(10 * std::log10(num / den));
      if (std::isfinite(value)) previous = value;
    }
    points[j] = previous;
  }
}
