// The link session against the virtual device through the in-memory port pair, in one thread and
// without sleeps: the connect download brings the device's memory into the image exactly, and
// what the panel writes afterwards (banked values, MIC B, bands, a preset save and recall) comes
// back unchanged on the next download, also when the device answers late.

#include "../link/fake_link_host.h"
#include "../link/link_fixture.h"
#include "link_session.h"
#include "senders.h"
#include "virtual_device_port.h"

namespace {

constexpr int TickMs = 20;        // the supervision tick, the finest timer
constexpr int TickLimit = 20000;  // far more ticks than any step below needs

// A fresh link whose port is the one in front of the virtual device.
class DeviceSessionTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    sessionState.host = &host;
    host.ports = {"ttyS0", "ttyDSP0"};
    comPort = &devicePort;
    AttachReceiver(devicePort);
  }

  // Runs the session's timers on a simulated clock until it is connected and idle again.
  void RunUntilConnected() {
    for (int tick = 0; tick < TickLimit; ++tick) {
      devicePort.Advance(TickMs);
      if (sessionState.Timer1On && tick % 50 == 0) Timer1Timer();
      if (sessionState.Timer2On && tick % 5 == 0) Timer2Timer();
      if (sessionState.HoldTimerOn) HoldTimerTimer();
      if (!sessionState.Timer1On && !sessionState.Timer2On && sendState.LinkState == LinkConnected &&
          sendState.ClearToSend && sendState.PlainQueue.count == 0 &&
          sendState.BandQueue.count == 0 && !sendState.RepeatLast && sendState.PendingAction == 0)
        return;
    }
    FAIL() << "the session did not settle; status: " << linkTexts.LinkLabel;
  }
  void Download() {
    LinkConnect();
    RunUntilConnected();
  }
  // The image holds what the device holds, for every block a download reads.
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

  FakeHost host;
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

}  // namespace
