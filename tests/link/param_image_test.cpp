#include "param_image.h"
#include "process_state.h"

#include <gtest/gtest.h>

namespace {

class ParamImageTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }
};

struct AddressCase {
  ParamAddress address;
  int expected;
};

TEST_F(ParamImageTest, LocateBandFindsBandAndRole) {
  const AddressCase cases[] = {
      {0x0005, 0x0001}, {0x0032, 0x0901}, {0x0035, 0x0904}, {0x0003, NotAnEqSlot},
      {0x0100, 0x0F00}, {0x0200, 0x0F00}, {0x0405, NoGraphBand}, {0x0906, NoGraphBand},
      {0x0A00, NoGraphBand}, {0x0610, 0x0400}, {0x061C, 0x0000}, {0x0608, 0x0300},
      {0x060C, 0x0300}, {0x0612, 0x0400}, {0x0304, 0x0300}, {0x0305, 0x0400},
      {0x0510, 0x0500}, {0x0710, 0x0500}, {0x0810, 0x0500}, {0x0104, 0x0000},
      {0x0150, 0x0F01},  // past the last real band: the band number simply runs on
  };
  for (const auto& c : cases) EXPECT_EQ(LocateBand(c.address), c.expected) << std::hex << c.address;
}

TEST_F(ParamImageTest, ResolveQSlotFollowsTheBandType) {
  for (ParamAddress q : {0x0007, 0x0008}) {
    paramImage.ViewTable[0][4] = 0;
    EXPECT_EQ(ResolveQSlot(q), 0x0007);
    paramImage.ViewTable[0][4] = 2;
    EXPECT_EQ(ResolveQSlot(q), 0x0008);
  }
  EXPECT_EQ(ResolveQSlot(0x0005), 0x0005);
  EXPECT_EQ(ResolveQSlot(0x0906), 0x0906);
}

TEST_F(ParamImageTest, BankSlotPlacesTheDiscoCopy) {
  struct Case {
    int channel, slot, bank, column;
  };
  const Case cases[] = {
      {0, 1, 1, 1},   {0, 2, 1, 54},  {0, 53, 1, 105}, {0, 53, 0, 53}, {5, 19, 1, 20},
      {5, 20, 1, 20}, {6, 0, 1, 1},   {7, 18, 1, 19},  {8, 17, 1, 18}, {8, 18, 1, 18},
      {1, 5, 1, 5},   {9, 5, 1, 5},   {0, 2, 0x100, 2},  // only the low byte selects the bank
  };
  for (const auto& c : cases)
    EXPECT_EQ(BankSlot(c.channel, c.slot, c.bank), c.column) << c.channel << "/" << c.slot << "/" << c.bank;
}

TEST_F(ParamImageTest, StoreValueWithMicBLandsInBothViewRowsAndDeviceRowTwo) {
  paramImage.MicGroupB = 1;
  StoreValue(0x0105, 200);
  EXPECT_EQ(paramImage.ViewTable[1][5], 200);
  EXPECT_EQ(paramImage.ViewTable[2][5], 200);
  EXPECT_EQ(paramImage.DeviceTable[2][5], 200);
  EXPECT_EQ(paramImage.DeviceTable[1][5], 0);
}

TEST_F(ParamImageTest, StoreValueUsesTheActiveBank) {
  paramImage.ActiveBank = 1;
  StoreValue(0x0010, 7);
  EXPECT_EQ(paramImage.ViewTable[0][16], 7);
  EXPECT_EQ(paramImage.DeviceTable[0][16 + 52], 7);
  EXPECT_EQ(paramImage.DeviceTable[0][16], 0);
}

TEST_F(ParamImageTest, StoreValueOutsideTheTablesWritesNothing) {
  StoreValue(0x0A60, 9);  // slot 96 is past the view row
  for (auto v : paramImage.ViewTable[10]) EXPECT_EQ(v, 0);
  StoreValue(0x0055, 9);  // view slot 85 exists; its Sing column is 85
  paramImage.ActiveBank = 1;
  StoreValue(0x0055, 10);  // its Disco column 137 lies past the device row
  EXPECT_EQ(paramImage.ViewTable[0][85], 10);
  EXPECT_EQ(paramImage.DeviceTable[0][85], 9);
  EXPECT_EQ(paramImage.DeviceTable[1][24], 0);  // where a row overrun would have landed
}

TEST_F(ParamImageTest, RebuildViewShowsTheBankAndMicGroup) {
  paramImage.DeviceTable[0][1] = 1;
  paramImage.DeviceTable[0][54] = 11;
  paramImage.DeviceTable[2][7] = 22;
  paramImage.DeviceTable[1][7] = 33;
  paramImage.DeviceTable[10][0] = 44;
  paramImage.MicGroupB = 1;
  RebuildView(1);
  EXPECT_EQ(paramImage.ViewTable[0][1], 1);
  EXPECT_EQ(paramImage.ViewTable[0][2], 11);
  EXPECT_EQ(paramImage.ViewTable[1][7], 22);
  EXPECT_EQ(paramImage.ViewTable[2][7], 22);
  EXPECT_EQ(paramImage.ViewTable[10][0], 0);
}

TEST_F(ParamImageTest, GroupAndMicMapping) {
  EXPECT_EQ(EqGroupOfChannel(0x0702), 4);
  EXPECT_EQ(EqGroupOfChannel(0x0905), 0);
  EXPECT_EQ(EqGroupOfChannel(0x0602), 5);
  EXPECT_EQ(EqGroupOfChannel(0x0802), 6);
  EXPECT_EQ(MapMicGroup(0x0105), 0x0105);
  EXPECT_EQ(MapMicGroup(0x0205), 0x0205);
  paramImage.MicGroupB = 1;
  EXPECT_EQ(MapMicGroup(0x0105), 0x0205);
  EXPECT_EQ(MapMicGroup(0x0205), 0x0205);
  paramImage.MicGroupB = 2;  // only exactly 1 selects MIC B
  EXPECT_EQ(MapMicGroup(0x0105), 0x0105);
}

}  // namespace
