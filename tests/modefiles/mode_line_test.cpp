#include "mode_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ModeLineTest, EncodeScramblesEachCharacterWithTheKeyRestartingEveryLine) {
  const struct {
    const char* plain;
    const char* text;
  } cases[] = {
      {"Q8 233", "0DD91738E75B"},
      {"Velor 89", "0A845B65A648A316"},
      {"Intoal: 515", "158F4365B504A10F69D002"},  // past eight characters the key starts over
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeModeLine(c.plain), c.text) << c.plain;
    EXPECT_EQ(DecodeModeLine(c.text), c.plain) << c.text;
  }
}

TEST(ModeLineTest, DecodeTakesEitherCaseAndIgnoresAnOddLastCharacter) {
  EXPECT_EQ(DecodeModeLine("0dd91738e75b"), "Q8 233");
  EXPECT_EQ(DecodeModeLine("0DD91738E75BZ"), "Q8 233");
  EXPECT_EQ(DecodeModeLine("0"), "");
}

TEST(ModeLineTest, DecodeRefusesPairsThatAreNotHexadecimal) {
  for (const char* text : {"0G", "0DD9 1", "0DD91738E75BG0", "+1", "\x80\x81", "0x"})
    EXPECT_EQ(DecodeModeLine(text), std::nullopt) << text;
}

TEST(ModeLineTest, EveryByteSurvivesTheRoundTrip) {
  std::string plain;
  for (int byte = 0; byte < 256; ++byte) plain += static_cast<char>(byte);
  EXPECT_EQ(DecodeModeLine(EncodeModeLine(plain)), plain);
}

TEST(ModeLineTest, SplitFieldsCutsAtEveryBlank) {
  using Fields = std::vector<std::string_view>;
  const struct {
    const char* text;
    Fields fields;
  } cases[] = {
      {"Q8 233", {"Q8", "233"}}, {"Intoal: 515", {"Intoal:", "515"}}, {"5 7 9", {"5", "7", "9"}},
      {"5  7", {"5", "", "7"}},  {"57", {"57"}},                      {"", {""}},
      {" 5", {"", "5"}},         {"5 ", {"5", ""}},                   {"5\t7", {"5\t7"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitFields(c.text), c.fields) << '"' << c.text << '"';
}

TEST(ModeLineTest, ParseModeIntegerTakesSignedDecimalsWithin32Bits) {
  const struct {
    const char* field;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"0", 0},          {"233", 233},         {"-5", -5},          {"+7", 7},           {"007", 7},
      {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"2147483648", std::nullopt}, {"", std::nullopt},
      {"-", std::nullopt}, {"+", std::nullopt}, {"+-1", std::nullopt}, {"--1", std::nullopt}, {"1a", std::nullopt},
      {" 1", std::nullopt}, {"1 ", std::nullopt}, {"$1F", std::nullopt}, {"0x10", std::nullopt}, {"1.0", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseModeInteger(c.field), c.value) << '"' << c.field << '"';
}

}  // namespace
