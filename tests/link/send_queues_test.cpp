#include "send_queues.h"

#include "frame.h"
#include "link_fixture.h"
#include "system_addresses.h"

namespace {

class SendQueuesTest : public LinkTest {
 protected:
  // The session's 20 ms tick, as far as the queues are concerned.
  static void Tick() {
    DrainPlainQueue();
    DrainBandQueue();
  }
  static Bytes ParamFrame(ParamAddress address, std::int32_t value) {
    Bytes data;
    AppendValue(data, value);
    return Wire(BuildFrame(CmdWrite, address, data));
  }
  static Bytes MusicBand0Frame() {
    Bytes data{0, 0};
    for (int r = 0; r < 5; ++r) AppendValue(data, paramImage.ViewTable[0][4 + r]);
    return Wire(BuildFrame(CmdWrite, 0x0002, data));
  }
};

TEST_F(SendQueuesTest, RepeatedWritesFoldOnlyBehindASecondWaitingWrite) {
  sendState.LinkState = LinkConnected;
  for (int v : {1, 2, 3}) WriteParam(0x0500, v);
  const auto& q = sendState.PlainQueue;
  EXPECT_EQ(q.count, 2);
  EXPECT_EQ(q.entries[1], (PlainEntry{0x0500, 1}));
  EXPECT_EQ(q.entries[2], (PlainEntry{0x0500, 3}));
  EXPECT_TRUE(port.writes.empty());
}

TEST_F(SendQueuesTest, WritesWaitBehindAnEarlierOneEvenWhenClear) {
  sendState.LinkState = LinkConnected;
  WriteParam(0x0500, 1);
  sendState.ClearToSend = true;
  WriteParam(0x0501, 2);
  EXPECT_EQ(sendState.PlainQueue.count, 2);
  EXPECT_TRUE(port.writes.empty());
}

TEST_F(SendQueuesTest, FullPlainQueueOverwritesItsLastEntryAndSaysSo) {
  auto& q = sendState.PlainQueue;
  for (int i = 0; i < PlainQueueCapacity; ++i) QueuePlainWrite(i % 2 ? 0x0500 : 0x0501, i);
  ASSERT_EQ(q.count, PlainQueueCapacity);
  EXPECT_EQ(Log(), std::vector<std::string>{"Memo1"});

  QueuePlainWrite(0x0600, 9);
  EXPECT_EQ(q.count, PlainQueueCapacity - 1);
  EXPECT_EQ(q.entries[PlainQueueCapacity - 1], (PlainEntry{0x0600, 9}));
  EXPECT_EQ(Log().back(), "plain queue full: a waiting write was overwritten");
}

TEST_F(SendQueuesTest, LastWaitingWriteIsSentTwiceThenTheQueueFallsSilent) {
  sendState.LinkState = LinkConnected;
  WriteParam(0x0500, 300);
  Acknowledge();
  Tick();
  EXPECT_EQ(TakeWrites(), ParamFrame(0x0500, 300));
  EXPECT_EQ(sendState.PlainQueue.count, 0);
  Tick();  // not yet acknowledged
  EXPECT_TRUE(port.writes.empty());
  Acknowledge();
  Tick();
  EXPECT_EQ(TakeWrites(), ParamFrame(0x0500, 300));
  Acknowledge();
  Tick();
  EXPECT_TRUE(port.writes.empty());
  EXPECT_TRUE(sendState.ClearToSend);
}

TEST_F(SendQueuesTest, WaitingWritesLeaveInOrder) {
  sendState.LinkState = LinkConnected;
  WriteParam(0x0500, 1);
  WriteParam(0x0501, 2);
  WriteParam(0x0502, 3);
  Bytes expected;
  for (auto [a, v] : {std::pair{0x0500, 1}, {0x0501, 2}, {0x0502, 3}, {0x0502, 3}}) {
    Acknowledge();
    Tick();
    const Bytes frame = ParamFrame(a, v);
    expected.insert(expected.end(), frame.begin(), frame.end());
  }
  EXPECT_EQ(TakeWrites(), expected);
}

// A preset recall or save that had to wait starts its preset action when it leaves, as it would
// have had it left at once.
TEST_F(SendQueuesTest, QueuedPresetWritesStartTheirActionAsTheyLeave) {
  const struct {
    ParamAddress address;
    int pending;
    int linkState;
    const char* label;
  } cases[] = {
      {PresetRecallAddress, PendingReload, 0, "Loading..."},
      {PresetSaveAddress, PendingSave, LinkConnected, "设备未连接"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    sendState = {};
    linkTexts = {};
    sendState.LinkState = LinkConnected;
    WriteParam(c.address, 4);
    EXPECT_EQ(sendState.PendingAction, 0);
    Acknowledge();
    Tick();
    EXPECT_EQ(TakeWrites(), ParamFrame(c.address, 4));
    EXPECT_EQ(sendState.PendingAction, c.pending);
    EXPECT_EQ(sendState.LinkState, c.linkState);
    EXPECT_EQ(linkTexts.LinkLabel, c.label);
  }
}

TEST_F(SendQueuesTest, DrainResetsTheSupervisionCounters) {
  sendState.PlainQueue.count = 1;
  sendState.ClearToSend = true;
  sendState.NoReplySeconds = 4;
  sendState.IdleTicks = 30;
  DrainPlainQueue();
  EXPECT_FALSE(sendState.ClearToSend);
  EXPECT_EQ(sendState.NoReplySeconds, 0);
  EXPECT_EQ(sendState.IdleTicks, 0);
}

TEST_F(SendQueuesTest, BandWriteWaitsForTheTickAndCarriesTheLatestValues) {
  Connect();
  EXPECT_EQ(WriteEqField(0x0005, 7), SendResult::Queued);
  EXPECT_TRUE(port.writes.empty());
  paramImage.ViewTable[0][6] = 120;
  Tick();
  EXPECT_EQ(TakeWrites(), MusicBand0Frame());
  EXPECT_EQ(Log().back(), "2:1 0");
  EXPECT_EQ(sendState.BandQueue.count, 0);
  EXPECT_EQ(sendState.BandQueue.entries[0], (BandEntry{0x0002, 0}));
}

TEST_F(SendQueuesTest, BandWriteWaitsWhileAPlainWriteIsWaiting) {
  sendState.LinkState = LinkConnected;
  WriteParam(0x0500, 1);
  WriteEqField(0x0005, 7);
  Acknowledge();
  Tick();
  EXPECT_EQ(TakeWrites(), ParamFrame(0x0500, 1));
  Acknowledge();
  Tick();  // the plain queue repeats its last write first
  EXPECT_EQ(TakeWrites(), ParamFrame(0x0500, 1));
  Acknowledge();
  Tick();
  EXPECT_EQ(TakeWrites(), MusicBand0Frame());
}

TEST_F(SendQueuesTest, BandWriteGoesAheadOfWaitingBandsWhenClear) {
  sendState.LinkState = LinkConnected;
  WriteEqField(0x000A, 1);  // band 1 waits
  sendState.ClearToSend = true;
  EXPECT_EQ(WriteEqField(0x0005, 7), SendResult::Sent);
  EXPECT_EQ(TakeWrites(), MusicBand0Frame());
  EXPECT_FALSE(sendState.ClearToSend);
  EXPECT_EQ(sendState.BandQueue.count, 1);
  EXPECT_EQ(sendState.BandQueue.entries[1], (BandEntry{0x0002, 1}));
}

TEST_F(SendQueuesTest, AWaitingBandIsQueuedOnce) {
  sendState.LinkState = LinkConnected;
  WriteEqField(0x0005, 50);  // band 0 frequency
  WriteEqField(0x000A, 1);   // band 1 type
  WriteEqField(0x0006, 60);  // band 0 gain
  WriteEqField(0x0007, 70);  // band 0 Q
  EXPECT_EQ(sendState.BandQueue.count, 2);
  Acknowledge();
  Tick();
  EXPECT_EQ(TakeWrites(), MusicBand0Frame());
  EXPECT_EQ(paramImage.ViewTable[0][5], 50);
  EXPECT_EQ(paramImage.ViewTable[0][7], 70);
}

TEST_F(SendQueuesTest, EveryBandOfEveryChannelFitsTheBandQueue) {
  sendState.LinkState = LinkConnected;
  int bands = 0;
  for (int channel = 0; channel < EqChannelCount; ++channel)
    for (int band = 0; band < EqBandCount[channel]; ++band, ++bands)
      WriteEqField(MakeAddress(channel, EqFirstSlot[channel] + 5 * band + 2), 100);
  EXPECT_EQ(bands, 61);
  EXPECT_EQ(sendState.BandQueue.count, 61);
  EXPECT_EQ(Log(), std::vector<std::string>{"Memo1"});

  for (int i = 0; i < 61; ++i) {
    Acknowledge();
    Tick();
  }
  EXPECT_EQ(sendState.BandQueue.count, 0);
  EXPECT_EQ(port.writes.size(), 61u);
}

TEST_F(SendQueuesTest, FullBandQueueKeepsTheOverwriteGuard) {
  for (int band = 0; band <= BandQueueCapacity; ++band) QueueBandWrite({0x0002, band});
  EXPECT_EQ(sendState.BandQueue.count, BandQueueCapacity - 1);
  EXPECT_EQ(sendState.BandQueue.entries[BandQueueCapacity - 1], (BandEntry{0x0002, BandQueueCapacity}));
  EXPECT_EQ(Log().back(), "band queue full: a waiting write was overwritten");
}

TEST_F(SendQueuesTest, DrainsWaitForClearToSend) {
  sendState.PlainQueue.count = 1;
  sendState.BandQueue.count = 1;
  sendState.RepeatLast = true;
  Tick();
  EXPECT_EQ(DrainBandQueue(), SendResult::Skipped);
  EXPECT_TRUE(port.writes.empty());
  EXPECT_EQ(sendState.PlainQueue.count, 1);
}

}  // namespace
