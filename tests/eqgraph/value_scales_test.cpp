#include "value_scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

// The frequency rule written out independently of the table: 1000 * 2^((i - 204) / 36) Hz to
// three significant digits, halves away from zero, with one digit after the point.
std::string FrequencyByRule(int step) {
  const double hz = 1000 * std::pow(2.0, (step - 204) / 36.0);
  const double unit = std::pow(10.0, std::floor(std::log10(hz)) - 2);
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", std::round(hz / unit) * unit);
  return text;
}

TEST(ValueScalesTest, FrequencyScaleFollowsTheRuleWithItsFourExceptions) {
  ASSERT_EQ(FrequencyScale.size(), 362u);
  const struct {
    int step;
    const char* text;
  } exceptions[] = {{81, "94.0"}, {82, "95.0"}, {83, "97.0"}, {84, "99.0"}};
  for (int i = 0; i < FrequencySteps; ++i) {
    if (i >= 81 && i <= 84) continue;
    EXPECT_EQ(FrequencyScale[i], FrequencyByRule(i)) << "step " << i;
  }
  for (const auto& e : exceptions) EXPECT_EQ(FrequencyScale[e.step], e.text);
}

TEST(ValueScalesTest, TellingRowsOfTheTables) {
  const struct {
    std::string_view text, expected;
  } cases[] = {
      {FrequencyScale[0], "19.7"},     {FrequencyScale[1], "20.1"},     {FrequencyScale[24], "31.3"},
      {FrequencyScale[80], "91.9"},    {FrequencyScale[85], "101.0"},   {FrequencyScale[132], "250.0"},
      {FrequencyScale[142], "303.0"},  {FrequencyScale[143], "309.0"},  {FrequencyScale[168], "500.0"},
      {FrequencyScale[204], "1000.0"}, {FrequencyScale[205], "1020.0"}, {FrequencyScale[240], "2000.0"},
      {FrequencyScale[312], "8000.0"}, {FrequencyScale[348], "16000.0"}, {FrequencyScale[360], "20200.0"},
      {FrequencyScale[361], "20600.0"}, {QScale[0], "0.40"},            {QScale[16], "1.00"},
      {QScale[23], "1.50"},            {QScale[28], "2.00"},            {QScale[56], "10.10"},
      {QScale[100], "128.00"},         {RatioScale[0], "1.0"},          {RatioScale[27], "12"},
      {RatioScale[40], "100"},         {ReleaseScale[7], "32"},         {AttackScale[0], "0.5"},
      {AttackScale[9], "11"},          {AttackScale[15], "90"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
  EXPECT_EQ(QScale.size(), 101u);
  EXPECT_EQ(RatioScale.size(), 41u);
  EXPECT_EQ(ReleaseScale.size(), 8u);
  EXPECT_EQ(AttackScale.size(), 16u);
}

TEST(ValueScalesTest, NumbersAreTheTextsReadAsDecimals) {
  EXPECT_EQ(FrequencyNumber(81), 94.0);
  EXPECT_EQ(FrequencyNumber(0), 19.7);
  EXPECT_EQ(FrequencyNumber(361), 20600.0);
  EXPECT_EQ(FrequencyNumber(400), 20600.0);
  EXPECT_EQ(FrequencyNumber(-3), 19.7);
  EXPECT_EQ(QNumber(56), 10.1);
  EXPECT_EQ(QNumber(100), 128.0);
  EXPECT_EQ(GainNumber(0), -24.0);
  EXPECT_EQ(GainNumber(120), 0.0);
  EXPECT_EQ(GainNumber(180), 12.0);
  // TextToIndex walks these upward, so each must be above the one before.
  for (int i = 1; i < FrequencySteps; ++i) EXPECT_LT(FrequencyNumber(i - 1), FrequencyNumber(i)) << i;
  for (int i = 1; i < QSteps; ++i) EXPECT_LT(QNumber(i - 1), QNumber(i)) << i;
}

TEST(ValueScalesTest, GainTextUsesOneDecimalAndNoPlusSign) {
  const struct {
    double step;
    const char* text;
  } cases[] = {{0, "-24.0"}, {1, "-23.8"}, {119, "-0.2"}, {120, "0.0"}, {121, "0.2"}, {180, "12.0"}, {270, "30.0"}};
  for (const auto& c : cases) EXPECT_EQ(GainText(c.step), c.text) << c.step;
}

TEST(ValueScalesTest, TextOfEveryKind) {
  const struct {
    int kind;
    double x;
    const char* text;
  } cases[] = {
      {2, 0, "19.7"},       {2, 204, "1000.0"},   {2, 204.9, "1000.0"}, {3, 0, "-24.0"},      {3, 121, "0.2"},
      {4, 16, "1.00"},      {4, 100, "128.00"},   {6, 0, "Off"},         {6, 1, "19.7Hz"},     {6, 143, "303.0Hz"},
      {6, 241, "2000.0Hz"}, {13, 0, "Off"},       {13, 205, "1000.0Hz"}, {7, 0, "500.0Hz"},    {7, 193, "20600.0Hz"},
      {7, 194, "Off"},      {8, 0, "0"},          {8, 100, "100"},       {9, 100, "200"},      {9, 3, "6"},
      {10, 0, "-50"},       {10, 100, "50"},      {11, 250, "500"},      {12, 3, "188"},       {12, 1, "63"},
      {12, 80, "5000"},     {14, 0, "-20"},       {14, 34, "14"},        {15, 0, "1.0"},       {15, 40, "100"},
      {16, 4, "12"},        {17, 9, "11"},        {18, 5, "0.5"},        {18, 500, "50.0"},    {18, 0, "0.0"},
      {19, 0, "0.40"},      {19, 23, "1.50"},
  };
  for (const auto& c : cases) EXPECT_EQ(ValueKindText(c.kind, c.x), c.text) << "kind " << c.kind << " x " << c.x;
  for (int kind : {0, 1, 5, 20, -1}) EXPECT_EQ(ValueKindText(kind, 3), std::nullopt) << kind;
}

TEST(ValueScalesTest, TablesAreNeverReadPastTheirEnds) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    int kind;
    double x;
    const char* text;
  } cases[] = {
      {2, 1e12, "20600.0"}, {2, -7, "19.7"},     {2, nan, "19.7"},      {4, 500, "128.00"},  {6, -1, "Off"},
      {6, 900, "20600.0Hz"}, {7, 400, "20600.0Hz"}, {7, -3, "472.0Hz"}, {7, -200, "19.7Hz"}, {15, 99, "100"},     {16, -1, "2"},
      {17, 1e300, "90"},     {19, -0.5, "0.40"},
  };
  for (const auto& c : cases) EXPECT_EQ(ValueKindText(c.kind, c.x), c.text) << "kind " << c.kind << " x " << c.x;
}

TEST(ValueScalesTest, RangeOfEveryKind) {
  const struct {
    int kind, bandType, low, high;
  } cases[] = {
      {2, 0, 0, 361}, {3, 0, 0, 180}, {4, 0, 0, 100}, {4, 1, 0, 28}, {4, 2, 0, 28}, {6, 0, 0, 241},
      {7, 0, 0, 194}, {8, 0, 0, 100}, {9, 0, 0, 200}, {10, 0, 0, 100}, {11, 0, 0, 250}, {12, 0, 0, 80},
      {13, 0, 0, 241}, {14, 0, 0, 34}, {15, 0, 0, 40}, {16, 0, 0, 7}, {17, 0, 0, 15}, {18, 0, 0, 500},
      {19, 0, 0, 23},
  };
  for (const auto& c : cases) {
    const auto range = ValueKindRange(c.kind, c.bandType);
    ASSERT_TRUE(range.has_value()) << c.kind;
    EXPECT_EQ(range->low, c.low) << c.kind;
    EXPECT_EQ(range->high, c.high) << c.kind << "/" << c.bandType;
  }
  for (int kind : {0, 1, 5, 20}) EXPECT_EQ(ValueKindRange(kind), std::nullopt) << kind;
}

TEST(ValueScalesTest, TextToIndex) {
  const struct {
    int kind;
    double value, step;
  } cases[] = {
      {2, 1000, 204}, {2, 1010, 204}, {2, 1011, 205}, {2, 5, 0},     {2, 19.7, 0},   {2, 19.91, 1},
      {2, 94, 81},    {2, 93.6, 81},  {2, 20200, 360}, {2, 20250, 361}, {2, 30000, 361}, {2, 20100, 360},
      {3, 0, 120},    {3, -24, 0},    {3, 12, 180},   {3, 30, 270},  {3, -0.1, 120}, {3, -0.3, 118},
      {3, 0.3, 122},  {4, 1, 16},     {4, 1.01, 17},  {4, 0.1, 0},   {4, 128, 100},  {4, 200, 101},
      {8, 42.5, 42.5}, {18, -3, -3},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToIndex(c.kind, c.value), c.step) << "kind " << c.kind << " value " << c.value;
}

}  // namespace
