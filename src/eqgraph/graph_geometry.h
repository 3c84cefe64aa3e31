#pragma once
// Where a frequency and a gain sit on the equaliser plot, and back. The plot is W x H pixels: the
// frequency axis runs logarithmically from 10 Hz at x = 0 to 24 kHz at x = W, the gain axis from
// +12 dB at y = 0 down to -24 dB at y = H - 1. With W = 1078, 1 kHz lies at x = 637.9; with H = 297,
// 0 dB lies at y = 98.67.
//
// A plot squeezed to nothing still maps: a width below 1 counts as 1 and a height below 2 as 2, so
// no position or value is ever a division by zero.

#include <span>
#include <vector>

#include "cardinal_spline.h"

inline constexpr double GraphTopGain = 12.0;
inline constexpr double GraphBottomGain = -24.0;
inline constexpr double GraphLowFrequency = 10.0;

double FreqToX(double frequency, int width);
double XToFreq(double x, int width);
double GainToY(double gain, int height);
double YToGain(double y, int height);

// The response curve's points for the gains of grid columns 0..461 (the column at 24 kHz lies on
// the plot's right edge and is left out): column j at x = j * W / 462 and its gain's y, each rounded
// to a whole device pixel for the device pixel ratio (a whole pixel at ratio 1).
void CurvePoints(std::span<const float> gains, int width, int height, double ratio, std::vector<SplinePoint>& points);
