// The device's answers, byte for byte, and the writes that must come back unchanged on a download.

#include "device_protocol.h"

#include <gtest/gtest.h>

#include "device_test_util.h"
#include "virtual_device.h"

namespace {

class DeviceProtocolTest : public ::testing::Test {
 protected:
  Bytes Send(std::uint8_t command, ParamAddress address, const Bytes& data = {}) {
    return device.Feed(FrameBytes(command, address, data));
  }
  Bytes Write(ParamAddress address, const Bytes& data) { return Send(CmdWrite, address, data); }
  // The channel's block as a download returns it, one value per column.
  std::vector<std::int32_t> Download(int channel) {
    const Bytes reply = Send(CmdRead, 0x0910, {static_cast<std::uint8_t>(channel), 0});
    EXPECT_EQ(reply.size() > 7 ? MakeAddress(reply[4], reply[5]) : -1, MakeAddress(channel, 0));
    std::vector<std::int32_t> values;
    for (std::size_t i = 6; i + 2 < reply.size(); i += 2) values.push_back(reply[i] | (reply[i + 1] << 8));
    return values;
  }

  VirtualDevice device;
};

Bytes BlockOf(const DeviceMemory& memory, int channel, int count) {
  Bytes data;
  for (int i = 0; i < count; ++i) AppendValue(data, memory.rows[channel][i]);
  return FrameBytes(CmdRead, MakeAddress(channel, 0), data);
}

TEST_F(DeviceProtocolTest, AnswersEachRequestKind) {
  const DeviceMemory& m = device.memory();
  const Bytes pop = {0x30, 0x4F, 0x50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  struct Case {
    const char* what;
    Bytes request;
    Bytes reply;
  } cases[] = {
      {"hello", FrameBytes(CmdWrite, 0x0930, {0x11, 0}), Ack},
      {"parameter write", FrameBytes(CmdWrite, 0x0500, Values({300})), Ack},
      {"channel read 0: both banks", FrameBytes(CmdRead, 0x0910, {0, 0}), BlockOf(m, 0, 106)},
      {"channel read 3", FrameBytes(CmdRead, 0x0910, {3, 0}), BlockOf(m, 3, 28)},
      {"channel read 9", FrameBytes(CmdRead, 0x0910, {9, 0}), BlockOf(m, 9, 35)},
      {"preset name 0", FrameBytes(CmdRead, 0x0900, {0, 0}), FrameBytes(CmdRead, 0x0900, pop)},
      {"music gain", {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x03, 0x19}, {0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x03, 0x01, 0x00, 0x18}},
      {"master volume", FrameBytes(CmdRead, 0x0922), FrameBytes(CmdRead, 0x0922, Values({50}))},
      {"system password", FrameBytes(CmdRead, 0x0904), FrameBytes(CmdRead, 0x0904, {8, 8, 8, 8, 8, 8})},
      {"key lock password", FrameBytes(CmdRead, 0x0905), FrameBytes(CmdRead, 0x0905, {1, 2, 3, 4})},
      {"identity", {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x40, 0x54}, {0xFC, 0xB1, 0x08, 0xA0, 0x09, 0x40, 0x20, 0x24, 0x06, 0x01, 0x81}},
      {"preset name past 14", FrameBytes(CmdRead, 0x0900, {15, 0}), {}},
      {"channel read 10", FrameBytes(CmdRead, 0x0910, {10, 0}), {}},
      {"unknown read", FrameBytes(CmdRead, 0x0950), {}},
      {"bad checksum", {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x11, 0x00, 0x5D}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(device.Feed(c.request), c.reply) << c.what;
}

TEST_F(DeviceProtocolTest, FactoryMemoryLooksLikeARealProcessor) {
  const DeviceMemory& m = device.memory();
  EXPECT_EQ(m.rows[0][0], 1);                              // automatic mode
  EXPECT_EQ(m.rows[0][EqFirstSlot[0] + 2], 120);           // flat bands
  EXPECT_LT(m.rows[0][EqFirstSlot[0] + 1], m.rows[0][EqFirstSlot[0] + 6]);  // rising frequencies
  EXPECT_GT(m.rows[5][22], 0);                             // limiter level
  EXPECT_EQ(m.presets[14].name, "User                ");
}

TEST_F(DeviceProtocolTest, BankedWritesLandInTheCurrentModeBank) {
  Write(0x0005, Values({77}));  // Sing
  Write(0x0500, Values({11}));
  Write(0x0001, Values({1}));   // Disco
  Write(0x0005, Values({88}));
  Write(0x0500, Values({22}));
  Write(0x0814, Values({33}));  // SUR slot 20 is not banked
  const auto music = Download(0);
  EXPECT_EQ(music[5], 77);
  EXPECT_EQ(music[5 + 52], 88);
  EXPECT_EQ(music[1], 1);
  const auto main = Download(5);
  EXPECT_EQ(main[0], 11);
  EXPECT_EQ(main[1], 22);
  EXPECT_EQ(Download(8)[20], 33);
}

TEST_F(DeviceProtocolTest, BandWritesAndMicBRoundTrip) {
  Write(0x0001, Values({1}));
  Write(EqBlockAddress[0], Values({1, 2, 200, 130, 40, 10}));  // Music band 1, Disco bank
  Write(EqBlockAddress[2], Values({14, 1, 100, 90, 30, 12}));  // MIC B band 14
  Write(0x0205, Values({61}));                                 // MIC B slot 5
  Write(EqBlockAddress[0], Values({10, 1, 1, 1, 1, 1}));       // past the last band: ignored
  const auto music = Download(0);
  EXPECT_EQ(std::vector<std::int32_t>(music.begin() + 52 + 9, music.begin() + 52 + 14),
            (std::vector<std::int32_t>{2, 200, 130, 40, 10}));
  const auto micB = Download(2);
  EXPECT_EQ(std::vector<std::int32_t>(micB.begin() + 74, micB.begin() + 79),
            (std::vector<std::int32_t>{1, 100, 90, 30, 12}));
  EXPECT_EQ(micB[5], 61);
  EXPECT_NE(Download(1)[5], 61);
}

TEST_F(DeviceProtocolTest, UploadsAndDigitStringsRoundTrip) {
  for (int channel : {0, 5}) {
    const int count = ChannelParamCount[channel] + (channel == 0 ? 52 : 0);
    Bytes data{static_cast<std::uint8_t>(channel), 0};
    std::vector<std::int32_t> values;
    for (int i = 0; i < count; ++i) {
      values.push_back(1000 + 7 * i + channel);
      AppendValue(data, values.back());
    }
    EXPECT_EQ(Write(0x090F, data), Ack);
    EXPECT_EQ(Download(channel), values) << channel;
  }
  Write(0x0904, {1, 2, 3, 4, 5, 6});
  Write(0x0905, {9, 8, 7, 6});
  Write(0x0905, {1, 10, 1, 1});  // not a digit: kept out
  Write(0x0904, {1, 2, 3});      // wrong length: kept out
  EXPECT_EQ(Send(CmdRead, 0x0904), FrameBytes(CmdRead, 0x0904, {1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Send(CmdRead, 0x0905), FrameBytes(CmdRead, 0x0905, {9, 8, 7, 6}));
  Write(0x090D, Values({1}));  // key lock on
  EXPECT_EQ(Send(CmdRead, 0x090D), FrameBytes(CmdRead, 0x090D, Values({1})));
}

TEST_F(DeviceProtocolTest, PresetSaveStoresMemoryAndNameAndRecallLoadsThem) {
  Write(0x0301, Values({99}));
  // The panel's save of slot 2 named abc.
  Bytes save{0xFC, 0xB1, 0x1A, 0xA7, 0x09, 0x01, 0x02, 0x00, 0x41, 0x42, 0x43};
  save.insert(save.end(), 17, 0x00);
  save.push_back(0xC4);
  EXPECT_EQ(device.Feed(save), Ack);
  Bytes name{0x41, 0x42, 0x43};
  name.resize(20, 0);
  EXPECT_EQ(Send(CmdRead, 0x0900, {2, 0}), FrameBytes(CmdRead, 0x0900, name));

  Write(0x0301, Values({5}));
  Write(0x0902, Values({2}));
  EXPECT_EQ(Download(3)[1], 99);
  EXPECT_EQ(Send(CmdRead, 0x0902), FrameBytes(CmdRead, 0x0902, Values({2})));
  Write(0x0902, Values({7}));
  EXPECT_EQ(Download(3)[1], 40 + 3 * 7);
  EXPECT_EQ(Write(0x0902, Values({15})), Ack);  // no such preset: acknowledged, nothing loaded
  EXPECT_EQ(Download(3)[1], 40 + 3 * 7);
}

}  // namespace
