#pragma once
// One band's contribution to the equaliser graph: a row of gains in dB over a fixed logarithmic
// grid of 463 columns from 10 Hz to 24 kHz. This is a display model: every band is computed at the
// same design frequency and its curve is laid on the row so that its middle lands on the band's
// column, so a band keeps its shape wherever it sits.

#include <span>

#include "filter_sections.h"

// The grid's column of a frequency in Hz (a real number; 10 Hz is 0, 24 kHz is 462, 1 kHz 273.36)
// and its inverse.
double ColumnOfFrequency(double frequency);
double FrequencyOfColumn(double column);

// What a band slot computes: 0 to 99 an equaliser band type (0 peaking, 1 low shelf, 2 high
// shelf, 3 and 4 a user high- and low-pass section, any other type flat), 100 + shape a high-pass
// and 200 + shape a low-pass filter, shape 0 to 9 (codes past a hundred's first ten repeat them).
// Only the code's low byte counts.
using BandCode = int;

// Fills columns 0..462 of the row. frequency in Hz, gain in dB (filters ignore it), q the band's Q
// number from the Q scale (a shelf's slope, a user filter's quality).
void BandResponse(ResponseRow& row, BandCode code, int frequency, float gain, float q);

// sum := the rows added column by column in order, as floats (the curve the graph draws).
void SumResponseRows(std::span<const ResponseRow> rows, ResponseRow& sum);
