#include "graph_geometry.h"

#include <algorithm>
#include <cmath>

#include "decimal_format.h"
#include "filter_sections.h"

namespace {

double Decades() { return std::log10(2400.0); }  // 10 Hz .. 24 kHz
double Width(int width) { return std::max(width, 1); }
double GainRows(int height) { return std::max(height, 2) - 1; }

}  // namespace

double FreqToX(double frequency, int width) {
  return (std::log10(frequency) - std::log10(GraphLowFrequency)) / Decades() * Width(width);
}

double XToFreq(double x, int width) { return std::pow(10.0, x * Decades() / Width(width) + 1.0); }

double GainToY(double gain, int height) {
  return (GraphTopGain - gain) / (GraphTopGain - GraphBottomGain) * GainRows(height);
}

double YToGain(double y, int height) {
  return GraphTopGain - y * (GraphTopGain - GraphBottomGain) / GainRows(height);
}

void CurvePoints(std::span<const float> gains, int width, int height, double ratio, std::vector<SplinePoint>& points) {
  if (!(ratio > 0)) ratio = 1;
  const auto count = std::min<std::size_t>(gains.size(), GraphColumns);
  points.resize(count);
  // The column pitch as a float, as the grid's own ratio is kept.
  const auto pitch = static_cast<float>(Width(width) * ratio / GraphColumns);
  for (std::size_t j = 0; j < count; ++j)
    points[j] = {RoundHalfEven(static_cast<double>(j) * pitch) / ratio, RoundHalfEven(GainToY(gains[j], height) * ratio) / ratio};
}
