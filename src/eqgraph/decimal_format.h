#pragma once
// The two roundings the panel uses: Round (nearest integer, an exact half to the even one) for
// positions and steps, and the display patterns "#0", "#0.0", "#0.00" (halves away from zero).

#include <string>

// Nearest integer, an exact half going to the even integer (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// The value with exactly `decimals` digits after the point ("#0" is 0, "#0.0" is 1), a minus sign
// for negative values and none for a value that rounds to zero. The value is rounded as the
// shortest decimal text that reads back as it, so 187.5 gives "188" and 0.15 gives "0.2", as a
// user reading the number would expect. Not-a-number and infinities print as zero.
std::string FormatDecimals(double value, int decimals);
