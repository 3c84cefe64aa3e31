// A restore is proved by reading the device back: the file's cells that an upload carries must all be
// in the table, the file's last line for a cell counting.

#include "mode_compare.h"

#include <gtest/gtest.h>

namespace {

TEST(ModeCompareTest, UploadCarriesTheChannelBlocksButNotTheSpareColumn) {
  const struct {
    std::int32_t address;
    bool carried;
  } cases[] = {{0x0000, true}, {0x0069, true}, {0x006A, false}, {0x0136, true}, {0x014F, false},
               {0x0407, true}, {0x0408, false}, {0x0834, true}, {0x0835, false}, {0x0900, false}, {-1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    EXPECT_EQ(UploadCarries(c.address), c.carried);
  }
}

TEST(ModeCompareTest, ListsTheCellsTheTableHoldsOtherwiseOnceInAddressOrder) {
  DeviceTableCells table{};
  table[0][5] = 100;
  table[6][22] = 6;
  table[8][53] = 9;  // the spare column of SUR: never uploaded, never compared
  const ModeFileContent content{
      ModeModelCode, ModeSecondCode,
      {{0x0616, 7}, {0x0005, 99}, {0x0005, 100}, {0x0100, 70000}, {0x0835, 1}, {0x0616, 8}}};
  const std::vector<ModeValue> expected{{0x0100, 70000}, {0x0616, 8}};
  EXPECT_EQ(CellsDiffering(content, table), expected);
  EXPECT_TRUE(CellsDiffering(ModeFileContentOf(table), table).empty());
}

}  // namespace
