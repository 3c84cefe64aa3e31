#include "senders.h"

#include <functional>
#include <string>

#include "fake_link_host.h"
#include "frame.h"
#include "link_fixture.h"
#include "system_addresses.h"

namespace {

using SendersTest = LinkTest;

TEST_F(SendersTest, PutsTheExampleFramesOnTheWire) {
  struct Case {
    const char* name;
    std::function<void()> send;
    Bytes expected;
  };
  const Case cases[] = {
      {"hello", [] { SendLinkControl(LinkHello); }, {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x11, 0x00, 0x5C}},
      {"keep-alive", [] { SendLinkControl(LinkKeepAlive); },
       {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0x66, 0x00, 0xF3}},
      {"goodbye", [] { SendLinkControl(LinkGoodbye); }, {0xFC, 0xB1, 0x06, 0xA7, 0x09, 0x30, 0xAA, 0x00, 0x37}},
      {"read channel 0", [] { RequestStep(0, 0); }, {0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x10, 0x00, 0x00, 0x04}},
      {"read channel 8", [] { RequestStep(8, 0); }, {0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x10, 0x08, 0x00, 0x0C}},
      {"read preset name 0", [] { RequestStep(9, 0, 0); },
       {0xFC, 0xB1, 0x06, 0xA0, 0x09, 0x00, 0x00, 0x00, 0x14}},
      {"read 0x0903", [] { RequestStep(12, 0); }, {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x03, 0x19}},
      {"read 0x0940", [] { RequestStep(27, 0); }, {0xFC, 0xB1, 0x04, 0xA0, 0x09, 0x40, 0x54}},
      {"write 0x0001 := 1",
       [] {
         Connect();
         WriteParam(0x0001, 1);
       },
       {0xFC, 0xB1, 0x06, 0xA7, 0x00, 0x01, 0x01, 0x00, 0x14}},
      {"write 0x0500 := 300",
       [] {
         Connect();
         WriteParam(0x0500, 300);
       },
       {0xFC, 0xB1, 0x06, 0xA7, 0x05, 0x00, 0x2C, 0x01, 0x64}},
      {"band write Music band 0",
       [] {
         const int fields[] = {0, 5, 120, 16, 10};
         for (int r = 0; r < 5; ++r) paramImage.ViewTable[0][4 + r] = fields[r];
         SendBandWrite(0x0002, 0);
       },
       {0xFC, 0xB1, 0x10, 0xA7, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0x78, 0x00, 0x10, 0x00, 0x0A,
        0x00, 0x8D}},
      {"preset save of slot 2 named abc", [] { WriteText(PresetSaveAddress, std::string("\x02\x00" "abc", 5)); },
       Concat(Concat({0xFC, 0xB1, 0x1A, 0xA7, 0x09, 0x01, 0x02, 0x00, 0x41, 0x42, 0x43}, Bytes(17, 0x00)), {0xC4})},
  };
  for (const auto& c : cases) {
    SetUp();
    c.send();
    EXPECT_EQ(TakeWrites(), c.expected) << c.name;
  }
}

TEST_F(SendersTest, ClosedOrMissingPortSendsNothing) {
  port.Close();
  EXPECT_EQ(SendLinkControl(LinkHello), SendResult::Skipped);
  EXPECT_EQ(RequestStep(0, 1), SendResult::Skipped);
  comPort = nullptr;
  EXPECT_EQ(SendLinkControl(LinkHello), SendResult::Skipped);
  EXPECT_TRUE(port.writes.empty());
}

class RefusingPort : public MemoryPort {
 public:
  bool Write(const std::uint8_t*, std::size_t) override { return false; }
};

TEST_F(SendersTest, RefusedWriteIsReportedAndLoggedNotThrown) {
  RefusingPort refusing;
  refusing.Open("COM2");
  comPort = &refusing;
  EXPECT_EQ(RequestStep(3, 1), SendResult::WriteFailed);
  EXPECT_TRUE(Log().back().starts_with("write failed: FC B1")) << Log().back();
  EXPECT_FALSE(SendFailureMessage(SendResult::WriteFailed).empty());

  // A band write that the port refuses still counts as in flight, as a frame lost on the line would.
  Connect();
  sendState.BandQueue.count = 1;
  EXPECT_EQ(WriteEqField(0x0005, 7), SendResult::WriteFailed);
  EXPECT_FALSE(sendState.ClearToSend);
}

TEST_F(SendersTest, NoPasswordReachesTheLog) {
  WriteText(SystemPasswordAddress, "12a456");
  RefusingPort refusing;
  refusing.Open("COM2");
  comPort = &refusing;
  EXPECT_EQ(WriteText(PanelPasswordAddress, "9876"), SendResult::WriteFailed);
  EXPECT_EQ(Log().back(), "write failed: FC B1 08 A7 09 05");
  for (const std::string& line : Log()) {
    SCOPED_TRACE(line);
    EXPECT_EQ(line.find("12a456"), std::string::npos);
    EXPECT_EQ(line.find("09 08 07 06"), std::string::npos);
  }
}

TEST_F(SendersTest, FailureMessagesOnlyForFailures) {
  for (SendResult r : {SendResult::Sent, SendResult::Queued, SendResult::Skipped})
    EXPECT_TRUE(SendFailureMessage(r).empty());
  for (SendResult r : {SendResult::WriteFailed, SendResult::NotDigits})
    EXPECT_FALSE(SendFailureMessage(r).empty());
}

TEST_F(SendersTest, RequestStepReadsEverySystemValue) {
  for (int step = 10; step <= 27; ++step) {
    const ParamAddress expected = step <= 23 ? 0x0901 + step - 10 : step <= 26 ? 0x0920 + step - 24 : 0x0940;
    EXPECT_EQ(RequestStep(step, 0), SendResult::Sent);
    EXPECT_EQ(TakeWrites(), Wire(BuildFrame(CmdRead, expected, {}))) << step;
  }
}

TEST_F(SendersTest, RequestStepAsksForThePreparedPresetName) {
  RequestStep(9, 0, 14);
  EXPECT_EQ(TakeWrites(), Wire(BuildFrame(CmdRead, PresetNameAddress, Bytes{14, 0})));
}

// The receiver takes only the reply that the running read step asked for.
TEST_F(SendersTest, RequestStepRemembersTheReplyItAsksFor) {
  const struct {
    int step, direction;
    AwaitedRead awaited;
  } cases[] = {
      {0, 0, {true, 0x0000, false}},     {8, 0, {true, 0x0800, false}},  {9, 0, {true, PresetNameAddress, false}},
      {12, 0, {true, 0x0903, false}},    {26, 0, {true, 0x0922, false}}, {27, 0, {true, DeviceIdentityAddress, false}},
      {3, 1, {false, 0, false}},  // an upload waits for an acknowledgement
      {28, 0, {false, 0, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "step " << c.step << " direction " << c.direction);
    sendState.AwaitedReply = {true, 0x0777, true};
    RequestStep(c.step, c.direction, 2);
    const AwaitedRead& got = sendState.AwaitedReply;
    EXPECT_EQ(got.waiting, c.awaited.waiting);
    EXPECT_EQ(got.address, c.awaited.address);
    EXPECT_EQ(got.answered, c.awaited.answered);
  }
}

// The supervision sends again the frame whose acknowledgement is missing; reads are not
// acknowledged and do not count.
TEST_F(SendersTest, ResendUnacknowledgedRepeatsTheLastFrameTheDeviceAcknowledges) {
  const Bytes keepAlive = Wire(BuildFrame(CmdWrite, LinkControlAddress, Bytes{LinkKeepAlive, 0}));
  const Bytes write = Wire(BuildFrame(CmdWrite, 0x0500, Bytes{0x2C, 0x01}));
  struct Case {
    const char* what;
    std::function<void()> send;
    Bytes again;
  };
  const Case cases[] = {
      {"nothing sent yet", [] {}, keepAlive},
      {"a write, then a read", [] { WriteParam(0x0500, 300); RequestStep(3, 0); }, write},
      {"a write, then a keep-alive", [] { WriteParam(0x0500, 300); SendLinkControl(LinkKeepAlive); }, keepAlive},
      {"a band write", [] { sendState.BandQueue.count = 1; WriteEqField(0x0005, 7); },
       Wire(BuildFrame(CmdWrite, 0x0002, Bytes{0, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0}))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sendState = {};
    Connect();
    c.send();
    TakeWrites();
    EXPECT_EQ(ResendUnacknowledged(), SendResult::Sent);
    EXPECT_EQ(TakeWrites(), c.again);
  }
}

// A write the port refused is a frame lost on the line: it is the one sent again.
TEST_F(SendersTest, RefusedWriteIsTheFrameSentAgain) {
  class RefuseOnce : public MemoryPort {
   public:
    bool Write(const std::uint8_t* data, std::size_t size) override {
      return refused++ > 0 && MemoryPort::Write(data, size);
    }
    int refused = 0;
  } refusing;
  refusing.Open("COM2");
  comPort = &refusing;
  Connect();
  WriteParam(0x0500, 300);
  EXPECT_TRUE(refusing.writes.empty());
  EXPECT_EQ(ResendUnacknowledged(), SendResult::Sent);
  ASSERT_EQ(refusing.writes.size(), 1u);
  EXPECT_EQ(refusing.writes[0], Wire(BuildFrame(CmdWrite, 0x0500, Bytes{0x2C, 0x01})));
}

TEST_F(SendersTest, UploadCarriesTheChannelBlockWithBothBanks) {
  for (int channel = 0; channel < EqChannelCount; ++channel) {
    for (int column = 0; column < DeviceColumns; ++column)
      paramImage.DeviceTable[channel][column] = channel * 1000 + column;
    const int count = channel == 0 ? 106 : ChannelParamCount[channel];
    Bytes data{static_cast<std::uint8_t>(channel), 0};
    for (int column = 0; column < count; ++column) AppendValue(data, channel * 1000 + column);
    EXPECT_EQ(RequestStep(channel, 1), SendResult::Sent);
    EXPECT_EQ(TakeWrites(), Wire(BuildFrame(CmdWrite, ChannelUploadAddress, data))) << channel;
  }
  RequestStep(0, 1);
  EXPECT_EQ(TakeWrites().size(), 2 + 2 * 106 + FrameOverhead);  // both banks of channel 0
}

TEST_F(SendersTest, UnknownStepsSendNothing) {
  for (auto [step, direction] : {std::pair{28, 0}, {-1, 0}, {9, 1}, {-1, 1}, {0, 2}})
    EXPECT_EQ(RequestStep(step, direction), SendResult::Skipped) << step << "/" << direction;
  EXPECT_TRUE(port.writes.empty());
}

TEST_F(SendersTest, DigitStringsTravelAsDigitValues) {
  EXPECT_EQ(WriteText(SystemPasswordAddress, "123450"), SendResult::Sent);
  EXPECT_EQ(TakeWrites(), Wire(BuildFrame(CmdWrite, SystemPasswordAddress, Bytes{1, 2, 3, 4, 5, 0})));
  EXPECT_EQ(WriteText(PanelPasswordAddress, "9876"), SendResult::Sent);
  EXPECT_EQ(TakeWrites(), Wire(BuildFrame(CmdWrite, PanelPasswordAddress, Bytes{9, 8, 7, 6})));
}

TEST_F(SendersTest, DigitStringWithOtherCharactersSendsNothing) {
  for (const char* text : {"12a4", "1 2", "-1", "١"}) {
    EXPECT_EQ(WriteText(SystemPasswordAddress, text), SendResult::NotDigits) << text;
    EXPECT_TRUE(Log().back().starts_with("digit string not sent")) << Log().back();
  }
  EXPECT_TRUE(port.writes.empty());
}

TEST_F(SendersTest, PresetSaveCutsTheNameToTwentyCharacters) {
  WriteText(PresetSaveAddress, std::string("\x03\x00", 2) + "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  Bytes data{3, 0};
  for (char c = 'A'; c <= 'T'; ++c) data.push_back(static_cast<std::uint8_t>(c - 0x20));
  EXPECT_EQ(TakeWrites(), Wire(BuildFrame(CmdWrite, PresetSaveAddress, data)));

  WriteText(PresetSaveAddress, "\x05");  // shorter than slot and zero byte: the rest is zeros
  Bytes shortData(22, 0);
  shortData[0] = 5;
  EXPECT_EQ(TakeWrites(), Wire(BuildFrame(CmdWrite, PresetSaveAddress, shortData)));
}

TEST_F(SendersTest, WriteParamOnlyStoresWhileNotSending) {
  for (auto [linkState, suppressed] : {std::pair{0, 0}, {LinkConnected, 1}}) {
    SetUp();
    sendState.LinkState = linkState;
    sendState.SendSuppressed = suppressed;
    sendState.ClearToSend = true;
    WriteParam(0x0500, 42);
    EXPECT_EQ(paramImage.ViewTable[5][0], 42);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_EQ(sendState.PlainQueue.count, 0);
  }
}

TEST_F(SendersTest, ImmediateWriteBecomesTheLastSentEntry) {
  Connect();
  sendState.PendingAction = PendingSave;
  sendState.TransferEvent = TransferDataFrame;
  sendState.IdleTicks = 17;
  WriteParam(0x0500, 300);
  EXPECT_EQ(sendState.PlainQueue.entries[0], (PlainEntry{0x0500, 300}));
  EXPECT_FALSE(sendState.ClearToSend);
  EXPECT_EQ(sendState.PendingAction, 0);
  EXPECT_EQ(sendState.TransferEvent, TransferNone);
  EXPECT_EQ(sendState.IdleTicks, 0);
}

TEST_F(SendersTest, ImmediatePresetWritesStartThePresetAction) {
  FakeHost host;
  sessionState.host = &host;
  Connect();
  sendState.NoReplySeconds = 5;
  WriteParam(PresetRecallAddress, 4);
  EXPECT_EQ(linkTexts.LinkLabel, "Loading...");
  EXPECT_EQ(host.textChanges, 1);
  EXPECT_EQ(sendState.LinkState, 0);
  EXPECT_EQ(sendState.NoReplySeconds, 0);
  EXPECT_EQ(sendState.PendingAction, PendingReload);
  EXPECT_EQ(TakeWrites(), Wire(BuildFrame(CmdWrite, PresetRecallAddress, Bytes{4, 0})));

  Connect();
  WriteParam(PresetSaveAddress, 1);
  EXPECT_EQ(sendState.PendingAction, PendingSave);
  EXPECT_EQ(sendState.LinkState, LinkConnected);
}

TEST_F(SendersTest, QueuedPresetWriteStartsNoAction) {
  sendState.LinkState = LinkConnected;
  WriteParam(PresetRecallAddress, 4);
  EXPECT_EQ(sendState.PendingAction, 0);
  EXPECT_EQ(sendState.LinkState, LinkConnected);
  EXPECT_EQ(linkTexts.LinkLabel, LinkTexts{}.LinkLabel);
  EXPECT_EQ(sendState.PlainQueue.count, 1);
}

TEST_F(SendersTest, MicGroupBWritesGoToChannelTwo) {
  paramImage.MicGroupB = 1;
  Connect();
  WriteParam(0x0105, 7);
  EXPECT_EQ(TakeWrites(), Wire(BuildFrame(CmdWrite, 0x0205, Bytes{7, 0})));

  Connect();
  sendState.BandQueue.count = 1;  // a band waits, so this one leaves at once
  WriteEqField(0x0106, 99);       // MIC band 0 gain
  const Bytes sent = TakeWrites();
  ASSERT_EQ(sent.size(), 19u);
  EXPECT_EQ(sent[4], 0x02);  // block 0x0202
  EXPECT_EQ(sent[12], 99);
}

TEST_F(SendersTest, EqFieldOutsideTheRealBandsIsStoredNotSent) {
  for (ParamAddress address : {0x0100 /* MIC high-pass handle */, 0x0403, 0x0903, 0x0A03}) {
    SetUp();
    Connect();
    EXPECT_EQ(WriteEqField(address, 5), SendResult::Skipped) << std::hex << address;
    EXPECT_EQ(sendState.BandQueue.count, 0);
    EXPECT_TRUE(sendState.ClearToSend);
    EXPECT_TRUE(Log().back().starts_with("band write not sent")) << Log().back();
  }
  EXPECT_EQ(paramImage.ViewTable[10][3], 5);
}

}  // namespace
