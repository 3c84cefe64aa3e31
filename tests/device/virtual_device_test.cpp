// The byte stream side of the device: faults on demand, and junk in any chunking.

#include "virtual_device.h"

#include <gtest/gtest.h>

#include <random>

#include "device_test_util.h"

namespace {

const Bytes Hello = FrameBytes(CmdWrite, 0x0930, {0x11, 0});
const Bytes IdentityRead = FrameBytes(CmdRead, 0x0940);

TEST(VirtualDeviceFaults, SilenceFromAGivenTimeHearsAndSaysNothing) {
  VirtualDevice device;
  device.faults.silentAfterMs = 100;
  EXPECT_EQ(device.Feed(Hello, 99), Ack);
  EXPECT_TRUE(device.Feed(Hello, 100).empty());
  device.Feed(FrameBytes(CmdWrite, 0x0301, Values({7})), 200);
  EXPECT_NE(device.memory().rows[3][1], 7);
}

TEST(VirtualDeviceFaults, ASilenceThatEndsForgetsWhatWasHalfHeardAndUnsent) {
  VirtualDevice device;
  device.faults.silentAfterMs = 100;
  device.faults.silentForMs = 50;
  device.faults.replyDelayMs = 30;
  EXPECT_TRUE(device.Feed(Hello, 80).empty());                       // due at 110, inside the silence
  EXPECT_TRUE(device.Feed({Hello.begin(), Hello.begin() + 4}, 90).empty());  // half a request
  EXPECT_TRUE(device.TakeDue(120).empty());
  EXPECT_TRUE(device.Feed({Hello.begin() + 4, Hello.end()}, 160).empty());   // its rest, afterwards
  EXPECT_EQ(device.NextDueMs(), std::nullopt);
  device.Feed(Hello, 170);
  EXPECT_EQ(device.TakeDue(200), Ack);
}

// The panel sees a reply stop in the middle, as when the device is switched off while it answers.
TEST(VirtualDeviceFaults, CutAfterSoManyReplyBytesStopsMidFrameUntilTheSilenceEnds) {
  const Bytes identity = FrameBytes(CmdRead, 0x0940, {0x20, 0x24, 0x06, 0x01});
  VirtualDevice device;
  device.faults.cutAfterBytes = 2 + 5;
  device.faults.silentForMs = 1000;
  EXPECT_EQ(device.Feed(Hello, 0), Ack);
  EXPECT_EQ(device.Feed(IdentityRead, 10), Bytes(identity.begin(), identity.begin() + 5));
  EXPECT_TRUE(device.Feed(IdentityRead, 500).empty());
  EXPECT_EQ(device.Feed(IdentityRead, 1010), identity);  // the cut happens once
  EXPECT_EQ(device.Feed(IdentityRead, 1020), identity);
}

TEST(VirtualDeviceFaults, DropsEveryNthAcknowledgementButAppliesTheWrite) {
  VirtualDevice device;
  device.faults.dropAckEvery = 2;
  Bytes all;
  for (int v = 1; v <= 4; ++v) {
    const Bytes out = device.Feed(FrameBytes(CmdWrite, 0x0301, Values({v})));
    all.insert(all.end(), out.begin(), out.end());
  }
  EXPECT_EQ(all, (Bytes{0xFE, 0xBB, 0xFE, 0xBB}));
  EXPECT_EQ(device.memory().rows[3][1], 4);
}

TEST(VirtualDeviceFaults, CorruptsTheChecksumOfEveryNthReplyFrame) {
  VirtualDevice device;
  device.faults.corruptEvery = 2;
  const Bytes first = device.Feed(IdentityRead);
  const Bytes second = device.Feed(IdentityRead);
  EXPECT_EQ(first, FrameBytes(CmdRead, 0x0940, {0x20, 0x24, 0x06, 0x01}));
  ASSERT_EQ(second.size(), first.size());
  EXPECT_NE(second.back(), first.back());
  EXPECT_TRUE(std::equal(first.begin(), first.end() - 1, second.begin()));
  EXPECT_EQ(device.Feed(Hello), Ack);  // acknowledgements are not frames
}

TEST(VirtualDeviceFaults, SendsNoiseWithoutStartBytesBeforeEachReply) {
  VirtualDevice device;
  device.faults.noiseBytes = 300;
  const Bytes out = device.Feed(Hello);
  ASSERT_EQ(out.size(), 302u);
  EXPECT_EQ(Bytes(out.end() - 2, out.end()), Ack);
  for (std::size_t i = 0; i < 300; ++i) EXPECT_TRUE(out[i] != 0xFC && out[i] != 0xFE) << i;
}

TEST(VirtualDeviceFaults, DelaysRepliesInOrder) {
  VirtualDevice device;
  device.faults.replyDelayMs = 50;
  EXPECT_TRUE(device.Feed(Hello, 0).empty());
  device.faults.replyDelayMs = 10;
  EXPECT_TRUE(device.Feed(IdentityRead, 5).empty());
  EXPECT_EQ(device.NextDueMs(), 50);
  EXPECT_TRUE(device.TakeDue(49).empty());
  Bytes expected = Ack;
  const Bytes identity = FrameBytes(CmdRead, 0x0940, {0x20, 0x24, 0x06, 0x01});
  expected.insert(expected.end(), identity.begin(), identity.end());
  EXPECT_EQ(device.TakeDue(50), expected);
  EXPECT_EQ(device.NextDueMs(), std::nullopt);
}

// Junk, bad headers, a frame with a wrong checksum, a short length and good frames, cut into
// random pieces: the replies are those of the good frames, whatever the cut.
TEST(VirtualDeviceStream, FindsTheGoodFramesInJunkInAnyChunking) {
  Bytes stream{0x00, 0xFC, 0x00, 0xFE, 0xBB, 0xFC, 0xB1, 0x02, 0xA7, 0xFC, 0xB1, 0x06, 0x55};
  Bytes bad = Hello;
  bad.back() ^= 1;
  for (const Bytes& part : {Hello, bad, IdentityRead, Bytes{0xFC, 0xFC, 0xB1}, Hello,
                            FrameBytes(CmdWrite, 0x0301, Values({42})), Bytes{0xFC, 0xB1, 0xFF}})
    stream.insert(stream.end(), part.begin(), part.end());

  VirtualDevice whole;
  const Bytes expected = whole.Feed(stream);
  Bytes want = Ack;
  const Bytes identity = FrameBytes(CmdRead, 0x0940, {0x20, 0x24, 0x06, 0x01});
  want.insert(want.end(), identity.begin(), identity.end());
  for (int i = 0; i < 2; ++i) want.insert(want.end(), Ack.begin(), Ack.end());
  EXPECT_EQ(expected, want);
  EXPECT_EQ(whole.memory().rows[3][1], 42);

  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    VirtualDevice device;
    Bytes out;
    for (std::size_t at = 0; at < stream.size();) {
      const std::size_t n = std::min<std::size_t>(random() % 9, stream.size() - at);
      const Bytes reply = device.Feed({stream.data() + at, n});
      out.insert(out.end(), reply.begin(), reply.end());
      at += n;
    }
    ASSERT_EQ(out, expected) << "round " << round;
  }
}

}  // namespace
