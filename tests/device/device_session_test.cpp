// The link session against the virtual device through the in-memory port pair, in one thread and
// without sleeps: the connect download brings the device's memory into the image exactly, and
// what the panel writes afterwards (banked values, MIC B, bands, a preset save and recall) comes
// back unchanged on the next download, also when the device answers late, drops acknowledgements,
// sends line noise, or falls silent in the middle of a reply.

#include <algorithm>
#include <random>

#include "../link/fake_link_host.h"
#include "../link/link_fixture.h"
#include "link_session.h"
#include "scripted_dialogs.h"
#include "senders.h"
#include "system_addresses.h"
#include "virtual_device_port.h"

namespace {

constexpr int TickMs = HoldIntervalMs;  // the supervision tick, the finest timer
constexpr int TickLimit = 20000;        // far more ticks than any step below needs

// Stands in for the panel refresh that a finished transfer asks for: the view is rebuilt from the
// image, and what the panel would show at that moment is kept.
class RefreshingHost : public FakeHost {
 public:
  void ImageReloaded() override {
    FakeHost::ImageReloaded();
    RebuildView(paramImage.ActiveBank);
    shown = paramImage.DeviceTable;
  }
  decltype(ParamImage::DeviceTable) shown{};
};

// A fresh link whose port is the one in front of the virtual device.
class DeviceSessionTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    sessionState.host = &host;
    host.ports = {"ttyS0", "ttyDSP0"};
    comPort = &devicePort;
    AttachReceiver(devicePort);
    dialogs = &messages;
  }

  // Runs the session's timers on a simulated clock until done() holds; false if it never does.
  template <typename Done>
  bool RunUntil(Done done, int tickLimit = TickLimit) {
    for (int tick = 0; tick < tickLimit; ++tick) {
      devicePort.Advance(TickMs);
      if (sessionState.Timer1On && tick % (ScanIntervalMs / TickMs) == 0) Timer1Timer();
      if (sessionState.Timer2On && tick % (StepperIntervalMs / TickMs) == 0) Timer2Timer();
      if (sessionState.HoldTimerOn) HoldTimerTimer();
      if (done()) return true;
    }
    return false;
  }
  void RunFor(int ms) {
    RunUntil([] { return false; }, ms / TickMs);
  }
  static bool Settled() {
    return !sessionState.Timer1On && !sessionState.Timer2On && sendState.LinkState == LinkConnected &&
           sendState.ClearToSend && sendState.PlainQueue.count == 0 && sendState.BandQueue.count == 0 &&
           !sendState.RepeatLast && sendState.PendingAction == 0;
  }
  // Runs until the session is connected and idle again.
  void RunUntilConnected() {
    ASSERT_TRUE(RunUntil(Settled)) << "the session did not settle; status: " << linkTexts.LinkLabel;
  }
  void Download() {
    LinkConnect();
    RunUntilConnected();
  }
  // A download from a device that turns slow (or faulty) once the scan has found it: each port gets
  // only a second to acknowledge the hello.
  template <typename Faults>
  void DownloadOnceFound(Faults faults) {
    LinkConnect();
    ASSERT_TRUE(RunUntil([] { return sendState.DeviceAnswered == 1; }));
    faults();
    RunUntilConnected();
  }
  // The image and the device hold the same, cell for cell, in every block a download reads.
  void ExpectImageIsDevice() {
    const DeviceMemory& m = device.memory();
    for (int c = 0; c < EqChannelCount; ++c) {
      const int block = ChannelParamCount[c] + (c == 0 ? 52 : 0);
      for (int i = 0; i < block; ++i)
        ASSERT_EQ(paramImage.DeviceTable[c][i], m.rows[c][i]) << "channel " << c << " column " << i;
    }
    for (int k = 0; k < PresetCount; ++k) EXPECT_EQ(paramImage.PresetNames[k], m.presets[k].name) << k;
    EXPECT_EQ(paramImage.SystemPassword, m.systemPassword);
    EXPECT_EQ(paramImage.PanelPassword, m.keyLockPassword);
  }

  RefreshingHost host;
  ScriptedDialogs messages;
  VirtualDevice device;
  VirtualDevicePort devicePort{device, "ttyDSP0"};
};

TEST_F(DeviceSessionTest, ConnectDownloadBringsTheWholeDeviceIntoTheImage) {
  Download();
  ExpectImageIsDevice();
  EXPECT_EQ(paramImage.DeviceTable[9][13], 0);  // key lock off
  EXPECT_EQ(paramImage.DeviceTable[9][6], device.memory().rows[9][6]);
  EXPECT_EQ(linkTexts.DeviceIDLabel, "20240601");
  EXPECT_EQ(linkTexts.LinkLabel, "Device is Connected");
}

TEST_F(DeviceSessionTest, EditsComeBackUnchangedOnTheNextDownloadEvenWhenTheDeviceIsSlow) {
  Download();
  std::uint32_t seed = 1;
  for (int round = 0; round < 2; ++round) {
    // The second round with acknowledgements that come 0 to 60 ms late.
    const auto slow = [&] {
      seed = seed * 1103515245 + 12345;
      device.faults.replyDelayMs = round == 0 ? 0 : (seed >> 16) % 61;
    };
    slow();
    WriteParam(0x0001, 1);  // Disco
    RunUntilConnected();
    for (int v = 0; v < 5; ++v, slow()) WriteParam(0x0500, 10 + v + round);  // a banked output level
    WriteEqField(0x0006, 150 + round);   // Music band 0 gain, Disco bank
    WriteEqField(0x0525, 60 + round);    // Main band 1 gain
    paramImage.MicGroupB = 1;
    WriteParam(0x0100, 70 + round);      // MIC B high-pass
    WriteEqField(0x0105, 99 + round);    // MIC B band 0 frequency
    paramImage.MicGroupB = 0;
    WriteParam(0x090D, 1);               // key lock on
    RunUntilConnected();
    device.faults.replyDelayMs = 0;

    paramImage = {};
    Download();
    ExpectImageIsDevice();
    EXPECT_EQ(paramImage.DeviceTable[0][1], 1);
    EXPECT_EQ(paramImage.DeviceTable[5][1], 14 + round);  // Disco copy of slot 0
    EXPECT_EQ(paramImage.DeviceTable[0][6 + 52], 150 + round);
    EXPECT_EQ(paramImage.DeviceTable[5][37], 60 + round);
    EXPECT_EQ(paramImage.DeviceTable[2][0], 70 + round);
    EXPECT_EQ(paramImage.DeviceTable[2][5], 99 + round);
    EXPECT_NE(paramImage.DeviceTable[1][0], 70 + round);
    EXPECT_EQ(paramImage.DeviceTable[9][13], 1);
  }
}

TEST_F(DeviceSessionTest, PresetSaveAndRecallGoThroughTheDevice) {
  Download();
  WriteParam(0x0301, 77);  // echo level
  RunUntilConnected();
  std::string save{static_cast<char>(4), static_cast<char>(0)};
  save += "Evening";
  ASSERT_EQ(WriteText(0x0901, save), SendResult::Sent);
  sendState.PendingAction = PendingSave;
  sendState.LinkState = 0;
  RunUntilConnected();
  EXPECT_EQ(device.memory().presets[4].name, "Evening             ");

  WriteParam(0x0301, 5);
  RunUntilConnected();
  WriteParam(0x0902, 1);  // recall another preset: the session reads the channels again
  RunUntilConnected();
  EXPECT_EQ(paramImage.DeviceTable[3][1], device.memory().presets[1].rows[3][1]);
  WriteParam(0x0902, 4);
  RunUntilConnected();
  EXPECT_EQ(paramImage.DeviceTable[3][1], 77);
  paramImage = {};
  Download();
  EXPECT_EQ(paramImage.PresetNames[4], "Evening             ");
}

// A device that answers later than the first request's time-out gets that request twice and
// answers twice. Each step must still take its own reply: every preset name in its own slot, and
// after a recall the panel shown only once the last channel has come.
TEST_F(DeviceSessionTest, LateDeviceDownloadsEveryNameIntoItsSlotAndReloadsAfterARecall) {
  for (int k = 0; k < PresetCount; ++k) device.memory().presets[k].rows[3][1] = 100 + k;
  DownloadOnceFound([&] { device.faults.replyDelayMs = 1200; });
  ExpectImageIsDevice();
  EXPECT_EQ(host.shown, paramImage.DeviceTable);

  WriteParam(PresetRecallAddress, 6);
  RunUntilConnected();
  EXPECT_EQ(host.refreshes, 2);
  for (int c = 0; c < EqChannelCount; ++c)
    for (int i = 0; i < ChannelParamCount[c]; ++i)
      ASSERT_EQ(host.shown[c][i], device.memory().presets[6].rows[c][i]) << "channel " << c << " column " << i;
  EXPECT_EQ(host.shown[3][1], 106);
  EXPECT_TRUE(messages.shown.empty());
}

// A block cut off on the line leaves the receiver waiting for its body. Pressing Connect once the
// device is back must find the hello's acknowledgement, not have it taken for that body.
TEST_F(DeviceSessionTest, CutBlockFollowedByConnectConnects) {
  device.faults.cutAfterBytes = 2 + 100;  // the hello's acknowledgement, then half the Music block
  device.faults.silentForMs = 1000;
  LinkConnect();
  ASSERT_TRUE(RunUntil([] { return receiveState.RxStage == RxBody; }));
  LinkConnect();
  RunUntilConnected();
  ExpectImageIsDevice();
}

// The same cut at the first step of a download, with the device back at once: the step's repeated
// request brings a whole block, which must not be read as the rest of the cut one.
TEST_F(DeviceSessionTest, BlockCutAtTheFirstStepComesThroughOnTheRepeat) {
  device.faults.cutAfterBytes = 2 + 100;
  device.faults.silentForMs = 300;
  Download();
  ExpectImageIsDevice();
  EXPECT_TRUE(std::any_of(Memo2.lines.begin(), Memo2.lines.end(),
                          [](const std::string& line) { return line.starts_with("unfinished unit dropped"); }));
}

// A keep-alive whose acknowledgement is lost while writes wait: the supervision must send the
// keep-alive again, not the last plain write it once sent (a stale value on a fresh link, the
// recall again after a recall, which would wipe the band edits made since).
TEST_F(DeviceSessionTest, LostKeepAliveAcknowledgementSendsNothingOldAndLosesNoWrite) {
  const Bytes keepAlive = Wire(BuildFrame(CmdWrite, LinkControlAddress, Bytes{LinkKeepAlive, 0}));
  for (const bool afterRecall : {false, true}) {
    SCOPED_TRACE(afterRecall ? "after a recall" : "on a fresh link");
    Download();
    if (afterRecall) {
      WriteParam(PresetRecallAddress, 2);
      RunUntilConnected();
      WriteEqField(0x0006, 150);  // Music band 0 gain
      RunUntilConnected();
    }
    device.faults.dropAckEvery = 1;
    ASSERT_TRUE(RunUntil([&] { return devicePort.writes.back() == keepAlive; }));
    device.faults.dropAckEvery = 0;
    WriteParam(0x0500, 77);
    WriteParam(0x0301, 33);
    RunUntilConnected();
    ExpectImageIsDevice();
    EXPECT_EQ(device.memory().rows[5][0], 77);
    EXPECT_EQ(device.memory().rows[3][1], 33);
    EXPECT_TRUE(messages.shown.empty());
  }
}

// A recall that meets a frame in flight waits in the queue; it must still reload the panel.
TEST_F(DeviceSessionTest, RecallThatHadToWaitStillReloadsThePanel) {
  Download();
  WriteParam(0x0301, 77);
  WriteParam(PresetRecallAddress, 9);
  ASSERT_EQ(sendState.PlainQueue.count, 1);
  RunUntilConnected();
  EXPECT_EQ(host.refreshes, 2);
  EXPECT_EQ(host.shown[3][1], device.memory().presets[9].rows[3][1]);
  ExpectImageIsDevice();
}

// A write the port refuses for a moment is a frame lost on the line: the link stays up and the
// supervision sends it again.
TEST_F(DeviceSessionTest, RefusedWriteIsSentAgainAndTheLinkStaysUp) {
  Download();
  devicePort.refuseWrites = 1;
  WriteParam(0x0500, 91);
  EXPECT_NE(device.memory().rows[5][0], 91);
  RunUntilConnected();
  EXPECT_EQ(device.memory().rows[5][0], 91);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(std::any_of(Memo2.lines.begin(), Memo2.lines.end(),
                          [](const std::string& line) { return line.starts_with("write failed"); }));
}

// The whole round trip under the simulator's faults: random edits of plain values, bands and system
// values in both mode banks and on both MIC groups, made at random moments while the device answers
// late, drops acknowledgements or sends line noise; a fresh download must then agree with what the
// panel holds, cell for cell.
struct FaultProfile {
  const char* name;
  int minDelayMs;  // each reply min..max ms late
  int maxDelayMs;
  int dropAckEvery;
  int noiseBytes;
  int corruptEvery;
};

class DeviceRoundTripTest : public DeviceSessionTest, public ::testing::WithParamInterface<FaultProfile> {
 protected:
  int Random(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
  // A plain slot of the channel: below its equaliser bands, and not the Disco copy of a banked
  // parameter (odd slots below 20 on the outputs) nor the mode switch.
  int PlainSlot(int channel) {
    const int end = channel == 4 ? ChannelParamCount[4] : EqFirstSlot[channel];
    for (;;) {
      const int slot = Random(end);
      const bool discoCopy = channel >= 5 && slot < 20 && slot % 2 == 1;
      if (!discoCopy && !(channel == 0 && slot == 1)) return slot;
    }
  }
  void RandomEdit() {
    const int value = Random(400);
    const int channel = Random(EqChannelCount);
    switch (Random(3)) {
      case 0:
        WriteParam(MakeAddress(channel, PlainSlot(channel)), value);
        break;
      case 1:
        if (EqBandCount[channel] == 0) return;
        WriteEqField(MakeAddress(channel, EqFirstSlot[channel] + 5 * Random(EqBandCount[channel]) + Random(5)), value);
        break;
      default: {
        constexpr ParamAddress systemValues[] = {0x0903, 0x0906, 0x0909, 0x090C, 0x090D, 0x0920, 0x0922};
        WriteParam(systemValues[Random(std::size(systemValues))], value);
      }
    }
  }
  void SetFaults(bool on) {
    const FaultProfile& p = GetParam();
    device.faults.replyDelayMs = on ? p.minDelayMs + Random(p.maxDelayMs - p.minDelayMs + 1) : 0;
    device.faults.dropAckEvery = on ? p.dropAckEvery : 0;
    device.faults.noiseBytes = p.noiseBytes;
    device.faults.corruptEvery = p.corruptEvery;
  }

  std::mt19937 random{12};
};

TEST_P(DeviceRoundTripTest, EditsUnderFaultsAgreeCellForCellOnAFreshDownload) {
  SetFaults(false);
  Download();
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(::testing::Message() << "round " << round);
    // Mode bank and MIC group change at rest, as the panel's buttons do with the view rebuilt.
    paramImage.ActiveBank = round % 2;
    WriteParam(0x0001, paramImage.ActiveBank);
    paramImage.MicGroupB = round / 2;
    RebuildView(paramImage.ActiveBank);
    RunUntilConnected();
    for (int edit = 0; edit < 40; ++edit) {
      SetFaults(true);
      RandomEdit();
      RunFor(TickMs * Random(150));  // up to 3 s: keep-alives go out between edits, too
    }
    SetFaults(true);
    RunUntilConnected();
    ASSERT_TRUE(messages.shown.empty()) << messages.shown[0].text;
  }
  const auto held = paramImage.DeviceTable;
  // The check download runs under the same faults once the device is found (a late or lost
  // acknowledgement of the hello only makes the scan move on).
  SetFaults(false);
  paramImage = {};
  DownloadOnceFound([&] { SetFaults(true); });
  ExpectImageIsDevice();
  for (int c = 0; c < EqChannelCount; ++c) {
    const int block = ChannelParamCount[c] + (c == 0 ? 52 : 0);
    for (int i = 0; i < block; ++i)
      ASSERT_EQ(paramImage.DeviceTable[c][i], held[c][i]) << "channel " << c << " column " << i;
  }
  for (const int slot : {3, 6, 9, 12, 13, 32, 34})
    EXPECT_EQ(paramImage.DeviceTable[9][slot], held[9][slot]) << "system slot " << slot;
}

INSTANTIATE_TEST_SUITE_P(Faults, DeviceRoundTripTest,
                         ::testing::Values(FaultProfile{"prompt", 0, 0, 0, 0, 0},
                                           FaultProfile{"late_past_the_time_out", 1200, 1600, 0, 0, 0},
                                           FaultProfile{"dropped_acknowledgements", 0, 60, 3, 0, 0},
                                           FaultProfile{"line_noise", 0, 60, 0, 7, 5},
                                           FaultProfile{"all_at_once", 0, 1600, 4, 5, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
