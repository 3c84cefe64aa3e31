#include "decimal_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(DecimalFormatTest, RoundHalfEvenSendsExactHalvesToTheEvenInteger) {
  const struct {
    double value, rounded;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {273.356, 273}, {452.93, 453}, {2.4999, 2}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST(DecimalFormatTest, PatternsRoundHalvesAwayFromZeroAsTheNumberReads) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {187.5, 0, "188"},    {-187.5, 0, "-188"}, {2.5, 0, "3"},       {0.5, 1, "0.5"},     {-24, 1, "-24.0"},
      {0.15, 1, "0.2"},     {1.005, 2, "1.01"},  {9.96, 1, "10.0"},   {999.5, 0, "1000"},  {-0.04, 1, "0.0"},
      {-0.2, 1, "-0.2"},    {12, 1, "12.0"},     {1000, 2, "1000.00"}, {0, 0, "0"},        {1e20, 0, "100000000000000000000"},
      {1e-300, 1, "0.0"},   {nan, 1, "0.0"},     {INFINITY, 0, "0"},  {3.14159, -1, "3"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDecimals(c.value, c.decimals), c.text) << c.value << "/" << c.decimals;
}

}  // namespace
