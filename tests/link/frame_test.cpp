#include "frame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FrameTest, BuildsTheLinkControlAndReadFrames) {
  struct Case {
    std::uint8_t command;
    ParamAddress address;
    std::vector<std::uint8_t> data;
    std::vector<std::uint8_t> expected;
  };
  const Case cases[] = {
      {CmdWrite, 0x0930, {0x11, 0x00}, {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x11, 0x00, 0x5C}},
      {CmdWrite, 0x0930, {0xAA, 0x00}, {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0xAA, 0x00, 0x37}},
      {CmdRead, 0x0903, {}, {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x03, 0x19}},
      {CmdRead, 0x0940, {}, {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x40, 0x54}},
      {CmdWrite, 0x0500, {0x2C, 0x01}, {0xFC, 0xB1, 0x06, 0xA7, 0x05, 0x00, 0x2C, 0x01, 0x64}},
  };
  for (const auto& c : cases) {
    const Frame f = BuildFrame(c.command, c.address, c.data);
    EXPECT_EQ(std::vector<std::uint8_t>(f.view().begin(), f.view().end()), c.expected);
  }
}

TEST(FrameTest, ValuesTravelAsTheirLowSixteenBits) {
  std::vector<std::uint8_t> out;
  AppendValue(out, 300);
  AppendValue(out, 0x12345);
  AppendValue(out, -1);
  EXPECT_EQ(out, (std::vector<std::uint8_t>{0x2C, 0x01, 0x45, 0x23, 0xFF, 0xFF}));
}

TEST(FrameTest, OverlongDataIsCut) {
  const std::vector<std::uint8_t> data(300, 1);
  const Frame f = BuildFrame(CmdWrite, 0x090F, data);
  EXPECT_EQ(f.size, MaxFrameData + FrameOverhead);
  EXPECT_EQ(f.bytes[2], 255);
}

}  // namespace
