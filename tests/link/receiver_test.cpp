#include "receiver.h"

#include <string>

#include "frame.h"
#include "link_fixture.h"
#include "link_session.h"
#include "system_addresses.h"

namespace {

class ReceiverTest : public LinkTest {
 protected:
  // What a received stream leaves behind, to compare deliveries of the same bytes.
  struct Outcome {
    ParamImage image;
    std::vector<std::string> log;
    std::string deviceId;
    int transferEvent;
    int deviceAnswered;
    bool clearToSend;
    bool operator==(const Outcome& o) const {
      return image.DeviceTable == o.image.DeviceTable && image.PresetNames == o.image.PresetNames &&
             image.SystemPassword == o.image.SystemPassword && image.PanelPassword == o.image.PanelPassword &&
             log == o.log && deviceId == o.deviceId && transferEvent == o.transferEvent &&
             deviceAnswered == o.deviceAnswered && clearToSend == o.clearToSend;
    }
  };

  // The body line's byte counts depend on how the bytes arrived; the rest must not.
  static Outcome Current() {
    std::vector<std::string> log = Log();
    const std::string bodyLine = "缓存长度K:C:L=";
    for (auto& line : log)
      if (line.starts_with(bodyLine)) line = bodyLine + line.substr(line.rfind(' ') + 1);
    return {paramImage, log, linkTexts.DeviceIDLabel, sendState.TransferEvent, sendState.DeviceAnswered,
            sendState.ClearToSend};
  }
  static Bytes Data(const Bytes& bytes, std::size_t from, std::size_t to) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(to)};
  }
  void Feed(const Bytes& bytes) { port.Feed(bytes); }
};

const Bytes BlockFrame{0xFC, 0xB1, 0x06, 0xA0, 0x01, 0x05, 0x34, 0x12, 0x59};
const Bytes PopNameFrame = [] {
  Bytes f{0xFC, 0xB1, 0x18, 0xA0, 0x09, 0x00, 0x30, 0x4F, 0x50};
  f.insert(f.end(), 17, 0x00);
  f.push_back(0xC5);
  return f;
}();

TEST_F(ReceiverTest, AcknowledgementsClearTheWay) {
  for (std::uint8_t second : {AckOk, AckAlt}) {
    SetUp();
    Feed({0xFE, second});
    EXPECT_TRUE(sendState.ClearToSend);
    EXPECT_EQ(sendState.DeviceAnswered, 1);
    EXPECT_EQ(sendState.TransferEvent, TransferAcknowledged);
    EXPECT_EQ(receiveState.RxStage, RxHunting);
  }
}

TEST_F(ReceiverTest, BadAcknowledgementCostsOneByte) {
  Feed({0xFE, 0x00});
  EXPECT_FALSE(sendState.ClearToSend);
  EXPECT_EQ(sendState.DeviceAnswered, 0);
  EXPECT_EQ(receiveState.RxStage, RxHunting);
  Feed({0xFE, 0xFE, 0xBB});  // the second FE is taken as the first one's answer byte
  EXPECT_FALSE(sendState.ClearToSend);
  Feed({0xFE, 0x00, 0xFE, 0xBB});  // hunting resumes right after the 00
  EXPECT_TRUE(sendState.ClearToSend);
}

TEST_F(ReceiverTest, FramesLandInTheImage) {
  struct Case {
    const char* name;
    Bytes bytes;
    std::function<void()> check;
  };
  const Case cases[] = {
      {"noise, then a block value", Concat({0x00, 0x11}, BlockFrame),
       [] { EXPECT_EQ(paramImage.DeviceTable[1][5], 0x1234); }},
      {"system value", {0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x03, 0x02, 0x00, 0x1B},
       [] { EXPECT_EQ(paramImage.DeviceTable[9][3], 2); }},
      {"two values", {0xFC, 0xB1, 0x08, 0xA0, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x2C},
       [] {
         EXPECT_EQ(paramImage.DeviceTable[0][0], 1);
         EXPECT_EQ(paramImage.DeviceTable[0][1], 0);
       }},
      {"identity", {0xFC, 0xB1, 0x08, 0xA0, 0x09, 0x40, 0x12, 0x34, 0xAB, 0xCD, 0x12},
       [] { EXPECT_EQ(linkTexts.DeviceIDLabel, "1234ABCD"); }},
      {"preset name", PopNameFrame,
       [] { EXPECT_EQ(paramImage.PresetNames[0], "Pop" + std::string(17, ' ')); }},
  };
  for (const auto& c : cases) {
    SetUp();
    paramImage.DeviceTable[0][1] = 99;
    sendState.NameSlot = 1;
    Feed(c.bytes);
    c.check();
    EXPECT_EQ(sendState.TransferEvent, TransferDataFrame) << c.name;
    EXPECT_EQ(receiveState.RxStage, RxHunting) << c.name;
    EXPECT_EQ(Log().size(), 2u) << c.name;  // "Memo1" and the body line
  }
}

TEST_F(ReceiverTest, BodyLineCountsTheBytesWaiting) {
  Feed(Concat({0x00, 0x11}, BlockFrame));
  EXPECT_EQ(Log(), (std::vector<std::string>{"Memo1", "缓存长度K:C:L=11 11 5"}));
}

TEST_F(ReceiverTest, SecondStartByteRuinsTheFrame) {
  Feed(Concat({0xFC}, BlockFrame));
  EXPECT_EQ(paramImage.DeviceTable[1][5], 0);
  EXPECT_EQ(sendState.TransferEvent, TransferNone);
  EXPECT_EQ(receiveState.RxStage, RxHunting);
  EXPECT_EQ(port.BytesAvailable(), 0u);
  Feed(BlockFrame);  // the next frame is received normally
  EXPECT_EQ(paramImage.DeviceTable[1][5], 0x1234);
}

TEST_F(ReceiverTest, ChecksumMismatchIsLoggedAndAppliedAllTheSame) {
  Bytes bad = BlockFrame;
  bad.back() = 0x5A;
  Feed(bad);
  EXPECT_EQ(paramImage.DeviceTable[1][5], 0x1234);
  EXPECT_EQ(Log(), (std::vector<std::string>{"Memo1", "缓存长度K:C:L=9 9 5", "1********************",
                                             "校验数据匹配不一致:89得到的验证数据：90",
                                             "接收到的错误数据：FC B1 06 A0 01 05 34 12 5A"}));
}

TEST_F(ReceiverTest, BodyArrivingLaterIsDecodedWhenComplete) {
  Feed(Data(BlockFrame, 0, 4));
  EXPECT_EQ(receiveState.RxStage, RxBody);
  EXPECT_EQ(receiveState.RxNeed, 5);
  Feed(Data(BlockFrame, 4, 7));
  EXPECT_EQ(paramImage.DeviceTable[1][5], 0);
  EXPECT_EQ(port.BytesAvailable(), 3u);  // the body is taken in one piece
  Feed(Data(BlockFrame, 7, 9));
  EXPECT_EQ(paramImage.DeviceTable[1][5], 0x1234);
  EXPECT_EQ(Log().back(), "缓存长度K:C:L=5 5 5");
}

TEST_F(ReceiverTest, EverySplitDecodesOnceAndAlike) {
  const Bytes streams[] = {
      Concat({0x00, 0x11}, BlockFrame),
      {0xFC, 0xB1, 0x08, 0xA0, 0x09, 0x40, 0x12, 0x34, 0xAB, 0xCD, 0x12},
      Concat(Concat({0xFE, 0xBB}, PopNameFrame), {0xFE, 0xAA}),
      Concat({0xFC, 0xFC, 0xB1, 0x06, 0xA0, 0x01, 0x05, 0x34, 0x12, 0x59}, BlockFrame),
  };
  for (const Bytes& stream : streams) {
    SetUp();
    sendState.NameSlot = 1;
    Feed(stream);
    const Outcome whole = Current();
    for (std::size_t cut1 = 0; cut1 <= stream.size(); ++cut1) {
      for (std::size_t cut2 = cut1; cut2 <= stream.size(); ++cut2) {
        SetUp();
        sendState.NameSlot = 1;
        Feed(Data(stream, 0, cut1));
        Feed(Data(stream, cut1, cut2));
        Feed(Data(stream, cut2, stream.size()));
        EXPECT_TRUE(Current() == whole) << HexDump(stream) << " cut at " << cut1 << " and " << cut2;
      }
    }
    SetUp();
    sendState.NameSlot = 1;
    for (const std::uint8_t b : stream) Feed({b});
    EXPECT_TRUE(Current() == whole) << HexDump(stream) << " byte by byte";
  }
}

TEST_F(ReceiverTest, SeveralUnitsInOneArrivalAreAllTaken) {
  Feed(Concat(Concat({0xFE, 0xBB}, BlockFrame), {0x77, 0xFE, 0xAA}));
  EXPECT_EQ(paramImage.DeviceTable[1][5], 0x1234);
  EXPECT_EQ(sendState.TransferEvent, TransferAcknowledged);
  EXPECT_EQ(port.BytesAvailable(), 0u);
}

TEST_F(ReceiverTest, HeaderTooShortForAnAddressIsDropped) {
  for (std::uint8_t length : {0x00, 0x01, 0x03}) {
    SetUp();
    Feed(Concat({0xFC, 0xB1, length, 0xA0}, BlockFrame));
    EXPECT_EQ(paramImage.DeviceTable[1][5], 0x1234) << int(length);
    EXPECT_EQ(receiveState.RxStage, RxHunting);
  }
}

TEST_F(ReceiverTest, ShortestFrameCarriesNoData) {
  Feed(Wire(BuildFrame(CmdRead, 0x0903, {})));
  EXPECT_EQ(paramImage.DeviceTable[9][3], 0);
  EXPECT_EQ(sendState.TransferEvent, TransferDataFrame);
  EXPECT_EQ(Log().back(), "system reply ignored: 9:3 carries 0 of 2 bytes");
}

TEST_F(ReceiverTest, ValuesOutsideTheTablesAreDropped) {
  Bytes values;
  for (int i = 0; i < 5; ++i) AppendValue(values, 100 + i);
  Feed(Wire(BuildFrame(CmdRead, 0x086E, values)));  // columns 110 to 114 of 113
  EXPECT_EQ(paramImage.DeviceTable[8][110], 100);
  EXPECT_EQ(paramImage.DeviceTable[8][112], 102);
  EXPECT_EQ(paramImage.DeviceTable[9][0], 0);

  Feed(Wire(BuildFrame(CmdRead, 0x0B03, Bytes{5, 0})));  // no channel 11
  Feed(Wire(BuildFrame(CmdRead, 0xFF2F, Bytes{5, 0})));
  Feed(Wire(BuildFrame(CmdRead, 0x0A03, Bytes{5, 0})));
  EXPECT_EQ(paramImage.DeviceTable[10][3], 5);
  Feed(Wire(BuildFrame(CmdRead, 0x0930, Bytes{5, 0})));  // slot 48 and up: ignored
  EXPECT_EQ(paramImage.DeviceTable[9][48], 0);
}

TEST_F(ReceiverTest, OddLastDataByteIsIgnored) {
  Feed(Wire(BuildFrame(CmdRead, 0x0000, Bytes{1, 0, 7})));
  EXPECT_EQ(paramImage.DeviceTable[0][0], 1);
  EXPECT_EQ(paramImage.DeviceTable[0][1], 0);
}

TEST_F(ReceiverTest, ShortSystemRepliesAreIgnoredAndLogged) {
  linkTexts.DeviceIDLabel = "00000000";
  Feed(Wire(BuildFrame(CmdRead, 0x0903, Bytes{7})));
  EXPECT_EQ(paramImage.DeviceTable[9][3], 0);
  EXPECT_EQ(Log().back(), "system reply ignored: 9:3 carries 1 of 2 bytes");
  Feed(Wire(BuildFrame(CmdRead, 0x0940, Bytes{1, 2, 3})));
  EXPECT_EQ(linkTexts.DeviceIDLabel, "00000000");
  EXPECT_EQ(Log().back(), "system reply ignored: 9:64 carries 3 of 4 bytes");
}

TEST_F(ReceiverTest, PasswordsArriveAsDigits) {
  Feed(Wire(BuildFrame(CmdRead, 0x0904, Bytes{1, 2, 3, 4, 5, 6})));
  Feed(Wire(BuildFrame(CmdRead, 0x0A05, Bytes{12, 3})));  // any channel from 9 up
  EXPECT_EQ(paramImage.SystemPassword, "123456");
  EXPECT_EQ(paramImage.PanelPassword, "123");
}

TEST_F(ReceiverTest, PresetNamesGoUnderTheSlotAskedLast) {
  struct Case {
    int nameSlot;
    std::size_t length;  // data bytes, all 0x21 ('A')
    std::string expected;
  };
  const Case cases[] = {
      {1, 3, "AAA"},
      {15, 20, std::string(20, 'A')},
      {21, 22, std::string(20, 'A')},  // a longer name keeps its first 20 characters
      {3, 21, ""},                     // 21 characters are not stored
  };
  for (const auto& c : cases) {
    SetUp();
    sendState.NameSlot = c.nameSlot;
    Feed(Wire(BuildFrame(CmdRead, 0x0900, Bytes(c.length, 0x21))));
    EXPECT_EQ(paramImage.PresetNames[c.nameSlot - 1], c.expected) << c.nameSlot;
  }
  Feed(Wire(BuildFrame(CmdRead, 0x0900, Bytes{0x00, 0x5F, 0x60, 0xFF})));
  EXPECT_EQ(paramImage.PresetNames[2], std::string(" \x7F") + "??");  // above 127: "?"
}

TEST_F(ReceiverTest, NameWithoutAWaitingRequestIsIgnored) {
  for (int slot : {0, 22, -1}) {
    SetUp();
    sendState.NameSlot = slot;
    Feed(Wire(BuildFrame(CmdRead, 0x0900, Bytes{0x30})));
    for (const auto& name : paramImage.PresetNames) EXPECT_EQ(name, "");
    EXPECT_TRUE(Log().back().starts_with("preset name ignored")) << Log().back();
  }
}

// A unit cut off on the line would otherwise hold the receiver for good: a header waiting for a
// body that never comes swallows every acknowledgement after it.
TEST_F(ReceiverTest, UnfinishedUnitIsDroppedAfterHalfASecondWithoutBytes) {
  const struct {
    const char* what;
    Bytes bytes;
    std::uint16_t stage;
    std::string logged;
  } cases[] = {
      {"a lone start byte", {0xFC}, RxUnit, "FC"},
      {"a header", {0xFC, 0xB1}, RxUnit, "FC B1"},
      {"an acknowledgement's first byte", {0xFE}, RxUnit, "FE"},
      {"a block cut off, an acknowledgement after it", Concat(Data(BlockFrame, 0, 6), {0xFE, 0xBB}), RxBody,
       "FC B1 06 A0 and 4 bytes of its body"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    receiveState = {};
    sendState = {};
    Feed(c.bytes);
    ASSERT_EQ(receiveState.RxStage, c.stage);
    ReceiverTimePassed(RxSilenceLimitMs - HoldIntervalMs);
    EXPECT_EQ(receiveState.RxStage, c.stage) << "a unit in progress is not dropped early";
    ReceiverTimePassed(HoldIntervalMs);
    EXPECT_EQ(receiveState.RxStage, RxHunting);
    EXPECT_EQ(port.BytesAvailable(), 0u);
    EXPECT_EQ(Log().back(), "unfinished unit dropped after 500 ms without bytes: " + c.logged);
    EXPECT_FALSE(sendState.ClearToSend);
    Feed({0xFE, 0xBB});  // hunting resumes with the next byte
    EXPECT_TRUE(sendState.ClearToSend);
  }
}

TEST_F(ReceiverTest, BytesArrivingKeepASlowUnitAlive) {
  for (std::size_t at : {2, 4, 6, 8}) {
    Feed(Data(BlockFrame, at - 2, at));
    ReceiverTimePassed(RxSilenceLimitMs - 1);
  }
  Feed(Data(BlockFrame, 8, 9));
  EXPECT_EQ(paramImage.DeviceTable[1][5], 0x1234);
  const std::size_t lines = Log().size();
  ReceiverTimePassed(10 * RxSilenceLimitMs);  // while hunting there is nothing to drop
  EXPECT_EQ(Log().size(), lines);
}

TEST_F(ReceiverTest, ResetForgetsAnUnfinishedUnit) {
  Feed(Data(BlockFrame, 0, 5));
  ResetReceiver();
  EXPECT_EQ(receiveState.RxStage, RxHunting);
  Feed({0xFE, 0xBB});
  EXPECT_TRUE(sendState.ClearToSend);
}

// While a read step waits, a late duplicate of an earlier reply or a frame nobody asked for is
// logged and dropped: it would pass for the step's reply, and a name would land under a wrong slot.
TEST_F(ReceiverTest, WhileAReadStepWaitsOnlyTheReplyItAskedForIsTaken) {
  const struct {
    const char* what;
    ParamAddress awaited;
    ParamAddress frame;
    bool taken;
  } cases[] = {
      {"the channel block asked for", 0x0100, 0x0105, true},
      {"another channel's block", 0x0100, 0x0005, false},
      {"the system value asked for", 0x0903, 0x0903, true},
      {"another system value", 0x0903, 0x0906, false},
      {"a block while a name is awaited", PresetNameAddress, 0x0000, false},
      {"the name asked for", PresetNameAddress, PresetNameAddress, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    paramImage = {};
    sendState = {};
    sendState.NameSlot = 1;
    sendState.AwaitedReply = {true, c.awaited, false};
    sendState.TransferEvent = TransferWaiting;
    const Frame frame = BuildFrame(CmdRead, c.frame, Bytes{0x21, 0});
    Feed(Wire(frame));
    EXPECT_EQ(sendState.TransferEvent, c.taken ? TransferDataFrame : TransferWaiting);
    EXPECT_EQ(sendState.AwaitedReply.answered, c.taken);
    const bool stored = c.frame == PresetNameAddress ? !paramImage.PresetNames[0].empty()
                                                     : paramImage.DeviceTable[ChannelOf(c.frame)][SlotOf(c.frame)] != 0;
    EXPECT_EQ(stored, c.taken);
    if (!c.taken) {
      EXPECT_EQ(Log().back(), "stray reply dropped: " + AddressText(c.frame) + " while waiting for " +
                                  AddressText(c.awaited));
      continue;
    }
    // The same reply again, as from a request that went out twice.
    sendState.TransferEvent = TransferWaiting;
    paramImage = {};
    Feed(Wire(frame));
    EXPECT_EQ(sendState.TransferEvent, TransferWaiting);
    EXPECT_EQ(paramImage.DeviceTable[ChannelOf(c.frame)][SlotOf(c.frame)], 0);
    EXPECT_EQ(paramImage.PresetNames[0], "");
    EXPECT_EQ(Log().back(), "duplicate reply dropped: " + AddressText(c.frame) + " while waiting for " +
                                AddressText(c.awaited));
  }
}

// A read step waits for a data frame; a stray acknowledgement must not hide the reply that came
// before it, nor stop the step's time-out.
TEST_F(ReceiverTest, AcknowledgementLeavesAReadStepsReplyAlone) {
  sendState.AwaitedReply = {true, 0x0100, false};
  sendState.TransferEvent = TransferWaiting;
  Feed({0xFE, 0xBB});
  EXPECT_EQ(sendState.TransferEvent, TransferWaiting);
  EXPECT_TRUE(sendState.ClearToSend);
  Feed(Concat(BlockFrame, {0xFE, 0xBB}));
  EXPECT_EQ(sendState.TransferEvent, TransferDataFrame);
}

TEST_F(ReceiverTest, DecodeFrameRefusesFragments) {
  DecodeFrame(Bytes{0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x03});
  EXPECT_EQ(Log().back(), "frame too short: FC B1 04 A0 09 03");
  DecodeFrame({});
  EXPECT_EQ(Log().back(), "frame too short: ");
}

TEST_F(ReceiverTest, HexDumpSeparatesUpperCasePairs) {
  EXPECT_EQ(HexDump(Bytes{}), "");
  EXPECT_EQ(HexDump(Bytes{0x0F}), "0F");
  EXPECT_EQ(HexDump(Bytes{0x00, 0xAB, 0xFF}), "00 AB FF");
}

}  // namespace
