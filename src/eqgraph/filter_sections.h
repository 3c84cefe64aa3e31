#pragma once
// The second-order sections the equaliser graph draws, and their magnitude on the graph's sample
// grids. Every section is designed at one fixed normalised frequency, a quarter of the sampling
// rate (w0 = pi/2), so a band has the same shape wherever it sits on the axis; the placement on the
// row is band_response's job. Working values (coefficients, the frequency term, each point's
// magnitude and result) are 32-bit floats, each expression evaluated in double and stored as a
// float; the four per-section sums of the magnitude polynomial are kept in double.

#include <array>

inline constexpr int GraphColumns = 462;  // N: the grid has columns 0..N

// Gains in dB, one per grid column (or, before placement, one per sample point).
using ResponseRow = std::array<float, GraphColumns + 1>;

// The design frequency pi/2 rounded to a float, and its sine and cosine taken of that float and
// stored as floats (the cosine is a tiny negative number, not 0).
inline constexpr float DesignAngle = 1.5707964f;
inline constexpr float SinW0 = 1.0f;
inline constexpr float CosW0 = -0x1.777a5cp-25f;  // -4.3711388e-08

// Numerator b and denominator a of H(z) = (b0 + b1 z^-1 + b2 z^-2) / (a0 + a1 z^-1 + a2 z^-2).
struct Biquad {
  using Coefficients = std::array<float, 3>;
  Coefficients b{1, 0, 0};
  Coefficients a{1, 0, 0};
};

// Where the points of a row are sampled between 0 and pi: evenly for peaking bands, and on two
// warped grids that squeeze the whole curve of a shelf (into 2 x 123 points) or a filter (2 x 105)
// around the middle, holding the end values beyond.
enum class SampleGrid { Linear, Shelf, Filter };

// The normalised angular frequency of point j (0..N) of a grid, as a float.
float GridAngle(SampleGrid grid, int j);

Biquad PeakingSection(float gain, float q);        // q is the band's Q number
Biquad ShelfSection(bool high, float gain, float q);  // q is the band's Q number, used as the slope
// A high- or low-pass second-order section with the damping alpha = sin w0 / (2 q).
Biquad PassSection(bool highPass, float alpha);
Biquad FirstOrderSection(bool highPass);

// The alpha of the filter families: Bessel (q = 1/sqrt 3), Butterworth (q = 1/sqrt 2), a user Q
// (limited to 4), and section k of a Butterworth cascade of order n.
float BesselAlpha();
float ButterworthAlpha();
float UserAlpha(float q);
float ButterworthCascadeAlpha(int k, int order);

// 20 log10 |H(e^jw)| of the section at every point of the grid. A point whose magnitude has no
// logarithm (a zero of the section, or an overflow) repeats the point before it, 0 dB for the
// first, so a row never holds an infinity or not-a-number.
void SectionCurve(const Biquad& section, SampleGrid grid, ResponseRow& points);
