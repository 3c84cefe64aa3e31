#include "link_session.h"

#include <gmock/gmock.h>

#include <functional>

#include "fake_link_host.h"
#include "link_fixture.h"
#include "scripted_dialogs.h"
#include "senders.h"
#include "system_addresses.h"

namespace {

using ::testing::ElementsAre;

Bytes Request(std::uint8_t command, ParamAddress address, Bytes data = {}) {
  const Frame f = BuildFrame(command, address, data);
  return {f.view().begin(), f.view().end()};
}

class LinkSessionTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    sessionState.host = &host;
    dialogs = &shown;
    host.ports = {"COM1"};
  }

  // The device's reply to the running step's read request: the block of the channel read, the
  // preset name, or the system value asked for.
  void ReplyWithData() { port.Feed(Request(CmdRead, StepReplyAddress(sessionState.TransferStep), {2, 0})); }
  static ParamAddress StepReplyAddress(int step) {
    if (step <= 8) return MakeAddress(step, 0);
    if (step == 9) return PresetNameAddress;
    if (step <= 23) return 0x0901 + (step - 10);
    if (step <= 26) return 0x0920 + (step - 24);
    return DeviceIdentityAddress;
  }
  void Ticks(void (*tick)(), int n) {
    for (int i = 0; i < n; ++i) tick();
  }
  // Connect on COM1 and run the whole download, replying to each request.
  void ConnectAndDownload() {
    LinkConnect();
    Timer1Timer();
    Acknowledge();
    Timer1Timer();
    for (int step = 0; step < 42; ++step) {
      ReplyWithData();
      Timer2Timer();
    }
    ASSERT_EQ(sendState.LinkState, LinkConnected);
    TakeWrites();
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& s : shown.shown) texts.push_back(s.text);
    return texts;
  }

  FakeHost host;
  ScriptedDialogs shown;
};

TEST_F(LinkSessionTest, NoPortFailsOnTheFirstScanTick) {
  host.ports = {};
  LinkConnect();
  EXPECT_EQ(linkTexts.LinkLabel, "Equipment search...");
  EXPECT_TRUE(host.dialogVisible);
  Timer1Timer();
  EXPECT_THAT(Messages(), ElementsAre("Connect Failure!"));
  EXPECT_EQ(linkTexts.LinkLabel, "Device Disconnect");
  EXPECT_EQ(linkTexts.LinkLabelColor, StatusRed);
  EXPECT_FALSE(host.connectShown);
  EXPECT_FALSE(sessionState.Timer1On);
}

TEST_F(LinkSessionTest, ScanFindsTheDeviceOnTheSecondOfThreePorts) {
  host.ports = {"COM1", "COM2", "COM3"};
  LinkConnect();
  Timer1Timer();
  EXPECT_EQ(port.name, "COM1");
  EXPECT_EQ(TakeWrites(), Request(CmdWrite, LinkControlAddress, {LinkHello, 0}));
  Timer1Timer();
  EXPECT_EQ(port.name, "COM2");
  EXPECT_EQ(TakeWrites(), Request(CmdWrite, LinkControlAddress, {LinkHello, 0}));
  Acknowledge();
  Timer1Timer();
  EXPECT_EQ(port.name, "COM2");
  EXPECT_EQ(linkTexts.LinkLabel, "Linking...");
  EXPECT_TRUE(sessionState.Timer2On);
  EXPECT_FALSE(sessionState.Timer1On);
  EXPECT_EQ(TakeWrites(), Request(CmdRead, ChannelReadAddress, {0, 0}));
}

TEST_F(LinkSessionTest, ExhaustedScanNamesEveryRefusedPort) {
  host.ports = {"COM1", "COM2"};
  port.refuse = {"COM2"};
  LinkConnect();
  Ticks(Timer1Timer, 3);
  EXPECT_TRUE(shown.shown.empty());
  Timer1Timer();
  EXPECT_THAT(Messages(), ElementsAre("Connect Failure!\nCOM2: in use by another program"));
}

TEST_F(LinkSessionTest, DownloadSendsFortyTwoRequestsEachAfterTheReplyBefore) {
  LinkConnect();
  Timer1Timer();
  TakeWrites();
  Acknowledge();
  Timer1Timer();
  std::vector<Bytes> requests{TakeWrites()};
  for (int step = 1; step < 42; ++step) {
    Timer2Timer();
    EXPECT_TRUE(port.writes.empty()) << "a request went out before the reply to the one before";
    ReplyWithData();
    Timer2Timer();
    requests.push_back(TakeWrites());
  }
  std::vector<Bytes> want;
  for (std::uint8_t c = 0; c <= 8; ++c) want.push_back(Request(CmdRead, ChannelReadAddress, {c, 0}));
  for (std::uint8_t s = 0; s <= 14; ++s) want.push_back(Request(CmdRead, PresetNameAddress, {s, 0}));
  for (int a = 0x0901; a <= 0x090E; ++a) want.push_back(Request(CmdRead, a));
  for (int a = 0x0920; a <= 0x0922; ++a) want.push_back(Request(CmdRead, a));
  want.push_back(Request(CmdRead, DeviceIdentityAddress));
  EXPECT_EQ(requests, want);

  paramImage.DeviceTable[0][1] = 1;
  ReplyWithData();
  Timer2Timer();
  EXPECT_EQ(sendState.LinkState, LinkConnected);
  EXPECT_EQ(paramImage.ActiveBank, 1);
  EXPECT_EQ(linkTexts.LinkLabel, "Device is Connected");
  EXPECT_EQ(host.refreshes, 1);
  EXPECT_EQ(sessionState.FirstRefreshStage, 1);
  EXPECT_TRUE(sessionState.HoldTimerOn);
  EXPECT_FALSE(sessionState.Timer2On);
  EXPECT_FALSE(host.dialogVisible);
  EXPECT_EQ(sendState.NameSlot, 0);
}

TEST_F(LinkSessionTest, NameSlotCarriesOverFromAnInterruptedDownload) {
  sendState.NameSlot = 13;
  LinkConnect();
  Timer1Timer();
  Acknowledge();
  Timer1Timer();
  for (int step = 0; step < 8; ++step) {
    ReplyWithData();
    Timer2Timer();
  }
  TakeWrites();
  std::vector<Bytes> next;
  for (int i = 0; i < 3; ++i) {
    ReplyWithData();
    Timer2Timer();
    next.push_back(TakeWrites());
  }
  EXPECT_THAT(next, ElementsAre(Request(CmdRead, PresetNameAddress, {13, 0}),
                                Request(CmdRead, PresetNameAddress, {14, 0}), Request(CmdRead, 0x0901)));
}

TEST_F(LinkSessionTest, SilentDeviceAfterHelloFailsTheTransfer) {
  LinkConnect();
  Timer1Timer();
  Acknowledge();
  Timer1Timer();
  TakeWrites();
  Ticks(Timer2Timer, 10);
  EXPECT_TRUE(port.writes.empty());
  Timer2Timer();  // about 1.1 s: the first request is repeated once
  EXPECT_EQ(TakeWrites(), Request(CmdRead, ChannelReadAddress, {0, 0}));
  Ticks(Timer2Timer, 99);
  EXPECT_TRUE(shown.shown.empty());
  Timer2Timer();  // about 10 s later: the transfer fails
  EXPECT_THAT(Messages(), ElementsAre("Connect Failure!"));
  EXPECT_FALSE(sessionState.Timer2On);
}

TEST_F(LinkSessionTest, IdleLinkSendsOneKeepAlivePerSecond) {
  ConnectAndDownload();
  sendState.ClearToSend = true;
  for (int second = 0; second < 3; ++second) {
    Ticks(HoldTimerTimer, 50);
    EXPECT_EQ(TakeWrites(), Request(CmdWrite, LinkControlAddress, {LinkKeepAlive, 0})) << second;
    Acknowledge();
  }
  EXPECT_TRUE(shown.shown.empty());
}

TEST_F(LinkSessionTest, SilentLinkIsLostAboutTwelveSecondsAfterTheLastAcknowledgement) {
  ConnectAndDownload();
  sendState.ClearToSend = true;
  std::vector<int> keepAliveSeconds;
  for (int tick = 1; tick <= 13 * 50 && shown.shown.empty(); ++tick) {
    HoldTimerTimer();
    if (!port.writes.empty()) {
      keepAliveSeconds.push_back(tick / 50);
      TakeWrites();
    }
    if (!shown.shown.empty()) {
      EXPECT_EQ(tick / 50, 12);
    }
  }
  EXPECT_THAT(keepAliveSeconds, ElementsAre(1, 4, 7, 10));
  EXPECT_THAT(Messages(), ElementsAre("Device Disconnect!"));
  EXPECT_EQ(linkTexts.LinkLabel, "Unlink");
  EXPECT_FALSE(sessionState.HoldTimerOn);
  EXPECT_EQ(sendState.LinkState, 0);
}

TEST_F(LinkSessionTest, PresetRecallReloadsTheChannelsOnly) {
  ConnectAndDownload();
  sendState.ClearToSend = true;
  paramImage.PresetNames[0] = "Pop";
  WriteParam(PresetRecallAddress, 3);
  EXPECT_EQ(TakeWrites(), Request(CmdWrite, PresetRecallAddress, {3, 0}));
  EXPECT_EQ(linkTexts.LinkLabel, "Loading...");
  Acknowledge();
  HoldTimerTimer();
  EXPECT_EQ(TakeWrites(), Request(CmdRead, ChannelReadAddress, {0, 0}));
  EXPECT_TRUE(sessionState.Timer2On);
  for (std::uint8_t c = 1; c <= 8; ++c) {
    ReplyWithData();
    Timer2Timer();
    EXPECT_EQ(TakeWrites(), Request(CmdRead, ChannelReadAddress, {c, 0}));
  }
  ReplyWithData();
  Timer2Timer();
  EXPECT_TRUE(port.writes.empty());
  EXPECT_EQ(sendState.LinkState, LinkConnected);
  EXPECT_EQ(host.refreshes, 2);
  EXPECT_EQ(paramImage.PresetNames[0], "Pop");
}

TEST_F(LinkSessionTest, PresetSaveReportsWhenAcknowledged) {
  ConnectAndDownload();
  sendState.ClearToSend = true;
  WriteText(PresetSaveAddress, std::string("\x02\x00", 2) + "Live");
  sendState.PendingAction = PendingSave;
  sendState.LinkState = 0;
  sendState.ClearToSend = false;
  HoldTimerTimer();
  EXPECT_TRUE(shown.shown.empty());
  Acknowledge();
  HoldTimerTimer();
  EXPECT_THAT(Messages(), ElementsAre("Save OK!"));
  EXPECT_EQ(host.presetListRebuilds, 1);
  EXPECT_EQ(sendState.LinkState, LinkConnected);
}

TEST_F(LinkSessionTest, AStartedPresetSaveLeavesWhenTheDeviceIsClearAndOnlyWhileConnected) {
  EXPECT_FALSE(StartPresetSave(2, "Live"));
  EXPECT_TRUE(paramImage.PresetNames[2].empty());
  EXPECT_EQ(linkTexts.LinkLabel, "设备未连接");
  ConnectAndDownload();
  for (int slot : {-1, 15}) EXPECT_FALSE(StartPresetSave(slot, "Live")) << slot;
  EXPECT_EQ(sendState.PendingAction, 0);

  sendState.ClearToSend = false;  // a keep-alive waits for its acknowledgement
  ASSERT_TRUE(StartPresetSave(2, "A name longer than twenty"));
  EXPECT_EQ(paramImage.PresetNames[2], "A name longer than t");
  EXPECT_EQ(linkTexts.LinkLabel, "Saving...");
  EXPECT_EQ(sendState.LinkState, 0);
  HoldTimerTimer();
  EXPECT_TRUE(port.writes.empty());
  Acknowledge();
  HoldTimerTimer();
  Bytes data{2, 0};
  for (char c : std::string("A name longer than t")) data.push_back(static_cast<std::uint8_t>(c - 0x20));
  EXPECT_EQ(TakeWrites(), Wire(BuildFrame(CmdWrite, PresetSaveAddress, data)));
  Ticks(HoldTimerTimer, 60);
  EXPECT_TRUE(shown.shown.empty());
  Acknowledge();
  HoldTimerTimer();
  EXPECT_THAT(Messages(), ElementsAre("Save OK!"));
}

TEST_F(LinkSessionTest, APresetSaveDoesNotCarryOverToTheNextConnection) {
  ConnectAndDownload();
  sendState.ClearToSend = false;
  ASSERT_TRUE(StartPresetSave(4, "Live"));
  ConnectAndDownload();
  Acknowledge();
  Ticks(HoldTimerTimer, 3);
  for (const auto& frame : port.writes) EXPECT_NE(frame[4] << 8 | frame[5], PresetSaveAddress);
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_EQ(sendState.PendingAction, 0);
}

TEST_F(LinkSessionTest, UploadSendsEveryChannelAfterEachAcknowledgement) {
  RunLinkAction(6);
  EXPECT_TRUE(port.writes.empty()) << "an upload needs a connected link";
  ConnectAndDownload();
  sendState.TransferEvent = TransferAcknowledged;  // a stale acknowledgement from before
  RunLinkAction(6);
  EXPECT_EQ(linkTexts.LinkLabel, "Download...");
  EXPECT_EQ(TakeWrites().size(), 7u + 2 + 2 * 106);
  Timer2Timer();
  EXPECT_TRUE(port.writes.empty()) << "the stale acknowledgement must not pass for the reply";
  for (int channel = 1; channel <= 8; ++channel) {
    Acknowledge();
    Timer2Timer();
    const Bytes frame = TakeWrites();
    ASSERT_EQ(frame.size(), 7u + 2 + 2 * ChannelParamCount[channel]);
    EXPECT_EQ(frame[6], channel);
  }
  Acknowledge();
  Timer2Timer();
  EXPECT_EQ(sendState.LinkState, LinkConnected);
  EXPECT_EQ(host.lastPercent, 100);
}

TEST_F(LinkSessionTest, GoodbyeOnCloseOnlyWhenConnected) {
  LinkFormCloseQuery();
  EXPECT_TRUE(port.writes.empty());
  ConnectAndDownload();
  LinkFormCloseQuery();
  EXPECT_EQ(TakeWrites(), Request(CmdWrite, LinkControlAddress, {LinkGoodbye, 0}));
}

TEST_F(LinkSessionTest, DisconnectSaysGoodbyeAndStopsTheTimers) {
  ConnectAndDownload();
  LinkDisconnect();
  EXPECT_EQ(TakeWrites(), Request(CmdWrite, LinkControlAddress, {LinkGoodbye, 0}));
  EXPECT_EQ(linkTexts.LinkLabel, "设备未连接");
  EXPECT_FALSE(sessionState.HoldTimerOn);
  EXPECT_EQ(sendState.LinkState, 0);
}

// A block cut off on the line (the device switched off mid-reply) leaves the receiver waiting for
// its body; the next Connect must not find the hello's acknowledgement swallowed by it.
TEST_F(LinkSessionTest, ConnectForgetsAUnitCutOffBefore) {
  port.Feed({0xFC, 0xB1, 0xDA, 0xA0, 0x00, 0x00, 0x01});
  ASSERT_EQ(receiveState.RxStage, RxBody);
  LinkConnect();
  Timer1Timer();
  Acknowledge();
  Timer1Timer();
  EXPECT_EQ(linkTexts.LinkLabel, "Linking...");
  EXPECT_TRUE(sessionState.Timer2On);
}

// Without acknowledgements the supervision sends again every third second the frame that waits for
// one. Entry 0 of the plain queue is only the last plain write, maybe from long before (or, on a
// fresh link, from an earlier session): sending it would put an old value back on the device.
TEST_F(LinkSessionTest, SilentSecondsSendAgainTheFrameWaitingForItsAcknowledgement) {
  const Bytes keepAlive = Request(CmdWrite, LinkControlAddress, {LinkKeepAlive, 0});
  struct Case {
    const char* what;
    std::function<void()> inFlight;  // leaves one frame unacknowledged, and writes waiting
    Bytes again;
  };
  const Case cases[] = {
      {"a keep-alive",
       [this] {
         Ticks(HoldTimerTimer, 50);
         WriteParam(0x0500, 5);
       },
       keepAlive},
      {"a plain write",
       [] {
         WriteParam(0x0501, 6);
         WriteParam(0x0500, 5);
       },
       Request(CmdWrite, 0x0501, {6, 0})},
      {"a band write",
       [] {
         sendState.BandQueue.count = 1;
         sendState.BandQueue.entries[1] = {0x0002, 1};
         WriteEqField(0x0006, 130);  // Music band 0 gain leaves at once, ahead of band 1
         WriteParam(0x0500, 5);
       },
       Request(CmdWrite, 0x0002, {0, 0, 0, 0, 0, 0, 130, 0, 0, 0, 0, 0})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    paramImage = {};
    sendState = {};
    sendState.LinkState = LinkConnected;
    sendState.ClearToSend = true;
    sendState.PlainQueue.entries[0] = {0x0000, 0};  // the last plain write, long ago
    c.inFlight();
    ASSERT_FALSE(sendState.ClearToSend);
    ASSERT_GE(sendState.PlainQueue.count, 1);
    TakeWrites();
    for (int second = 1; second <= 3; ++second) {
      Ticks(HoldTimerTimer, 50);
      EXPECT_EQ(TakeWrites(), second == 3 ? c.again : Bytes{}) << "second " << second;
    }
    Acknowledge();
    HoldTimerTimer();
    EXPECT_EQ(TakeWrites(), Request(CmdWrite, 0x0500, {5, 0})) << "the waiting write goes next";
  }
}

// A recall that meets a frame in flight waits in the queue; when it leaves it must still make the
// link read the preset's values, or the panel would never show them and its next band writes
// would send its stale values back over the preset.
TEST_F(LinkSessionTest, RecallThatHadToWaitStillReloads) {
  ConnectAndDownload();
  sendState.ClearToSend = true;
  WriteParam(0x0500, 1);  // in flight
  WriteParam(PresetRecallAddress, 3);
  EXPECT_EQ(sendState.PlainQueue.count, 1);
  EXPECT_EQ(linkTexts.LinkLabel, "Device is Connected");
  TakeWrites();
  Acknowledge();
  HoldTimerTimer();
  EXPECT_EQ(TakeWrites(), Request(CmdWrite, PresetRecallAddress, {3, 0}));
  EXPECT_EQ(linkTexts.LinkLabel, "Loading...");
  EXPECT_EQ(sendState.LinkState, 0);
  Acknowledge();
  HoldTimerTimer();
  // The reload's first request, and not the recall once more as the last write that left.
  EXPECT_EQ(TakeWrites(), Request(CmdRead, ChannelReadAddress, {0, 0}));
  for (int channel = 0; channel <= 8; ++channel) {
    ReplyWithData();
    Timer2Timer();
  }
  EXPECT_EQ(sendState.LinkState, LinkConnected);
  EXPECT_EQ(host.refreshes, 2);
  TakeWrites();
  HoldTimerTimer();
  EXPECT_TRUE(port.writes.empty());
}

TEST_F(LinkSessionTest, UnansweredPresetActionIsReportedLostAfterFiftyOneSeconds) {
  ConnectAndDownload();
  sendState.ClearToSend = true;
  WriteParam(PresetRecallAddress, 3);
  Ticks(HoldTimerTimer, 51 * 50 - 1);
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_EQ(linkTexts.LinkLabel, "Loading...");
  HoldTimerTimer();
  EXPECT_THAT(Messages(), ElementsAre("Device Disconnect!"));
  EXPECT_EQ(linkTexts.LinkLabel, "Unlink");
  EXPECT_EQ(linkTexts.LinkLabelColor, StatusRed);
  EXPECT_FALSE(sessionState.HoldTimerOn);
  EXPECT_EQ(sendState.LinkState, 0);
}

TEST_F(LinkSessionTest, ActionsShowTheirStatusInTheirColour) {
  const struct {
    int action;
    const char* text;
    std::uint32_t color;
  } cases[] = {
      {1, "Device is Connected", StatusBlue},
      {3, "Device is Connected", StatusBlue},
      {7, "Unlink", StatusRed},
      {9, "Device Disconnect", StatusRed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action);
    SetLinkLabel("Loading...", 0x123456);
    RunLinkAction(c.action);
    EXPECT_EQ(linkTexts.LinkLabel, c.text);
    EXPECT_EQ(linkTexts.LinkLabelColor, c.color);
  }
}

// The first upload step is sent again after about 1.1 s without an acknowledgement. When both
// copies are acknowledged, the copy's acknowledgement must not pass for the next step's; when the
// first copy was lost, the one acknowledgement is all that comes.
TEST_F(LinkSessionTest, UploadStepSentTwiceTakesBothAcknowledgements) {
  for (const bool bothAnswered : {true, false}) {
    SCOPED_TRACE(bothAnswered ? "both copies answered" : "the first copy lost");
    ConnectAndDownload();
    RunLinkAction(6);
    const Bytes channel0 = TakeWrites();
    Ticks(Timer2Timer, 11);
    EXPECT_EQ(TakeWrites(), channel0);
    Acknowledge();
    Timer2Timer();
    if (bothAnswered) {
      Ticks(Timer2Timer, 5);
      EXPECT_TRUE(port.writes.empty()) << "the next step waits for the copy's acknowledgement";
      Acknowledge();
      Timer2Timer();
    } else {
      Ticks(Timer2Timer, CopyAckWaitTicks - 1);
      EXPECT_TRUE(port.writes.empty());
      Timer2Timer();
    }
    for (int channel = 1; channel <= 8; ++channel) {
      const Bytes frame = TakeWrites();
      ASSERT_EQ(frame.size(), 7u + 2 + 2 * ChannelParamCount[channel]);
      EXPECT_EQ(frame[6], channel);
      Timer2Timer();
      EXPECT_TRUE(port.writes.empty()) << "each step waits for its own acknowledgement";
      Acknowledge();
      Timer2Timer();
    }
    EXPECT_EQ(sendState.LinkState, LinkConnected);
    EXPECT_TRUE(shown.shown.empty());
  }
}

TEST_F(LinkSessionTest, ProgressRoundsHalvesToEven) {
  sessionState.TransferLast = 8;
  const std::pair<int, int> cases[] = {{0, 0}, {1, 12}, {3, 38}, {5, 62}, {8, 100}};
  for (auto [step, percent] : cases) {
    sessionState.TransferStep = static_cast<std::uint8_t>(step);
    EXPECT_EQ(TransferPercent(), percent) << step;
  }
}

}  // namespace
