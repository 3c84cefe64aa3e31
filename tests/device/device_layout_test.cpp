// Where the device keeps each parameter, checked against literal columns of the processor's memory
// rather than against the panel's own mapping, so that a wrong placement on either side shows in the
// whole-session tests.

#include "device_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceLayout, DiscoCopiesSitInTheSecondMusicBlockAndInColumnPairs) {
  const struct {
    int channel, slot, disco;
  } cases[] = {
      {0, 0, 0},   {0, 1, 1},   {0, 2, 54},  {0, 4, 56},  {0, 53, 105},  // Music
      {1, 0, 0},   {1, 5, 5},   {2, 78, 78},                             // MIC A, MIC B: one copy
      {3, 1, 1},   {4, 7, 7},                                            // Echo, Reverb
      {5, 0, 1},   {5, 18, 19}, {5, 19, 20}, {5, 20, 20}, {5, 54, 54},   // Main
      {6, 2, 3},   {6, 20, 20}, {7, 16, 17}, {7, 21, 21},                // SUB, Center
      {8, 16, 17}, {8, 17, 18}, {8, 18, 18}, {8, 20, 20},                // SUR
      {9, 3, 3},   {9, 13, 13},                                          // System
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "channel " << c.channel << " slot " << c.slot);
    EXPECT_EQ(MemoryColumn(c.channel, c.slot, SingBank), c.slot);
    EXPECT_EQ(MemoryColumn(c.channel, c.slot, DiscoBank), c.disco);
  }
}

}  // namespace
