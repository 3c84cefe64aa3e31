// Which cells of the view count as a user's edits, and which of them travel in a band's frame.

#include <gtest/gtest.h>

#include "view_changes.h"

namespace {

TEST(ViewChanges, OnlyTheUsersParametersCount) {
  ViewRows before{}, after{};
  const auto set = [&](ParamAddress a, int v) { after[ChannelOf(a)][SlotOf(a)] = v; };
  set(0x0005, 204);  // Music band 1's frequency
  set(0x0101, 3);    // a MIC setting
  set(0x0201, 3);    // its mirror in MIC B's row
  set(0x0820, 7);    // SUR
  set(0x0920, 40);   // the Music master volume
  set(0x0904, 1);    // the system password's slot
  set(0x0A00, 1);    // the channel without parameters
  set(0x0036, 9);    // past the Music channel's parameters
  const std::vector<CellChange> want{{0x0005, 0, 204}, {0x0101, 0, 3}, {0x0820, 0, 7}, {0x0920, 0, 40}};
  EXPECT_EQ(ChangedCells(before, after), want);
  EXPECT_TRUE(ChangedCells(after, after).empty());
}

TEST(ViewChanges, BandFieldsAreTheEqualiserSlotsOfAChannel) {
  struct Case {
    ParamAddress address;
    bool band;
  } cases[] = {{0x0004, true},  {0x0035, true},  {0x0003, false}, {0x0100, false}, {0x0104, true},
               {0x030D, true},  {0x030C, false}, {0x031C, false}, {0x0400, false}, {0x051E, true},
               {0x0610, false}, {0x0938, false}};
  for (const Case& c : cases) EXPECT_EQ(IsBandField(c.address), c.band) << std::hex << c.address;
}

}  // namespace
