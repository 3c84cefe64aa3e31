// The settings sheet names every cell as the window shows it and words its value with the window's
// scales and units; diff lists the cells two files differ in by the same names.

#include "settings_sheet.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct Named {
  std::int32_t address;
  std::int32_t value;
  const char* line;
};

TEST(SettingsSheetTest, NamesCellsAndWordsValuesAsTheWindowShowsThem) {
  const Named cases[] = {
      {0x0616, 6, "SUB output, Limit Level, -14 dBu"},           // limiter level: value - 20 dBu
      {0x000F, 132, "Music, band 3, frequency, 250.0 Hz"},       // band 3 of 10 from slot 4
      {0x0043, 132, "Music, Disco, band 3, frequency, 250.0 Hz"},  // the Disco copy 52 columns on
      {0x000B, 120, "Music, band 2, gain, 0.0 dB"},
      {0x0001, 1, "Music, Sing/Disco, Disco"},
      {0x0000, 0, "Music, Manual/Auto, Manual"},
      {0x0204, 2, "MIC, MIC B group, band 1, type, HSEQ"},
      {0x0101, 0, "MIC, MIC A group, MIC FBE, OFF"},
      {0x0100, 0, "MIC, MIC A group, MIC HPF, Off"},
      {0x0403, 50, "Effect, Reverb, MIC Direct Level, 50 %"},
      {0x0303, 50, "Effect, Echo, MIC Direct Level, 50 %"},
      {0x0502, 0, "Main output, Music Level, phase, -"},
      {0x0503, 1, "Main output, Disco, Music Level, phase, +"},  // odd columns: the Disco copies
      {0x051A, 1, "Main output, L CH Mute, on"},
      {0x0522, 16, "Main output, band 1, shelving Q, 1.00"},
      {0x0608, 1, "SUB output, HPF Mode, Butterworth 24dB"},
      {0x0814, 25, "SUR  output, Limit Level, 5 dBu"},
      {0x006A, 7, "Music, column 106, 7"},     // the spare column past both banks
      {0x0004, 7, "Music, band 1, type, 7"},   // no item for it: the number
      {0x0A00, 3, "channel 10, column 0, 3"},  // outside the file's channels
  };
  for (const Named& c : cases) {
    SCOPED_TRACE(c.line);
    const std::vector<std::string> sheet = SettingsSheet({ModeModelCode, ModeSecondCode, {{c.address, c.value}}});
    ASSERT_EQ(sheet.size(), 1u);
    EXPECT_EQ(sheet[0], c.line);
  }
}

TEST(SettingsSheetTest, EveryCellOfAFileHasItsOwnName) {
  DeviceTableCells table{};
  const ModeFileContent content = ModeFileContentOf(table);
  std::set<std::string> names;
  for (const ModeValue& value : content.values) names.insert(CellName(value.address));
  EXPECT_EQ(names.size(), content.values.size());
}

TEST(SettingsSheetTest, DifferencesNameTheCellsThatDifferInAddressOrder) {
  const ModeFileContent before{ModeModelCode, ModeSecondCode, {{0x0616, 6}, {0x000F, 132}, {0x051A, 0}, {0x0101, 1}}};
  // The later line for a cell wins, as when the file is loaded.
  const ModeFileContent after{ModeModelCode, ModeSecondCode, {{0x051A, 1}, {0x0616, 6}, {0x000F, 133}, {0x000F, 204},
                                                              {0x0403, 50}}};
  const std::vector<std::string> expected{
      "Music, band 3, frequency, 250.0 Hz -> 1000.0 Hz",
      "MIC, MIC A group, MIC FBE, 1 -> (none)",
      "Effect, Reverb, MIC Direct Level, (none) -> 50 %",
      "Main output, L CH Mute, off -> on",
  };
  EXPECT_EQ(SettingsDifferences(before, after), expected);
  EXPECT_TRUE(SettingsDifferences(after, after).empty());
}

}  // namespace
