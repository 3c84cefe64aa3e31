// The in-memory port in front of the virtual device: which names open, and when replies arrive.

#include "virtual_device_port.h"

#include <gtest/gtest.h>

#include "device_test_util.h"

namespace {

const Bytes Hello = FrameBytes(CmdWrite, 0x0930, {0x11, 0});

class VirtualDevicePortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    port.onReceived = [this](std::size_t count) {
      Bytes bytes(count);
      bytes.resize(port.Read(bytes.data(), count));
      received.insert(received.end(), bytes.begin(), bytes.end());
      ++events;
    };
  }
  void Write(const Bytes& bytes) { ASSERT_TRUE(port.Write(bytes.data(), bytes.size())); }

  VirtualDevice device;
  VirtualDevicePort port{device, "ttyB"};
  Bytes received;
  int events = 0;
};

TEST_F(VirtualDevicePortTest, OpensOnlyTheDeviceAndSilentNames) {
  port.silentNames = {"ttyA"};
  EXPECT_FALSE(port.Open("ttyC"));
  EXPECT_FALSE(port.Write(Hello.data(), Hello.size()));
  EXPECT_TRUE(port.Open("ttyA"));
  Write(Hello);
  port.Advance();
  EXPECT_TRUE(received.empty());
  EXPECT_TRUE(port.Open("ttyB"));
  Write(Hello);
  port.Advance();
  EXPECT_EQ(received, Ack);
  EXPECT_EQ(port.writes.size(), 2u);
}

TEST_F(VirtualDevicePortTest, RefusedWritesNeverReachTheDevice) {
  port.Open("ttyB");
  port.refuseWrites = 1;
  EXPECT_FALSE(port.Write(Hello.data(), Hello.size()));
  Write(Hello);
  port.Advance();
  EXPECT_EQ(received, Ack);
  EXPECT_EQ(port.writes.size(), 1u);
}

// A sender that clears its "acknowledged" flag after writing must not miss the acknowledgement.
TEST_F(VirtualDevicePortTest, NeverRaisesTheCallbackFromInsideAWrite) {
  port.Open("ttyB");
  Write(Hello);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(port.Held(), 2u);
  port.Advance();
  EXPECT_EQ(received, Ack);
  EXPECT_EQ(events, 1);
}

TEST_F(VirtualDevicePortTest, HeldRepliesArriveWhenTheTestReleasesThem) {
  port.holdReplies = true;
  port.Open("ttyB");
  Write(Hello);
  Write(Hello);
  port.Advance(100);
  EXPECT_EQ(port.Held(), 4u);
  port.DeliverSome(3);
  EXPECT_EQ(received, (Bytes{0xFE, 0xBB, 0xFE}));
  port.Deliver();
  EXPECT_EQ(received.size(), 4u);
  EXPECT_EQ(events, 2);
}

TEST_F(VirtualDevicePortTest, DelayedRepliesArriveAsTheClockAdvances) {
  device.faults.replyDelayMs = 30;
  port.Open("ttyB");
  Write(Hello);
  port.Advance(29);
  EXPECT_TRUE(received.empty());
  port.Advance(1);
  EXPECT_EQ(received, Ack);
}

TEST_F(VirtualDevicePortTest, RepliesStillOnTheLineAreLostWithThePort) {
  port.Open("ttyB");
  Write(Hello);
  port.Close();
  port.Open("ttyB");
  device.faults.replyDelayMs = 30;
  Write(Hello);
  port.Close();
  port.Advance(30);
  port.Open("ttyB");
  port.Advance(30);
  EXPECT_TRUE(received.empty());
  EXPECT_EQ(events, 0);
}

// A panel that answers every reply with a new write gets one reply per Advance, never nested.
TEST_F(VirtualDevicePortTest, AWriteFromTheCallbackIsAnsweredOnTheNextAdvance) {
  int depth = 0, maxDepth = 0;
  port.onReceived = [&](std::size_t count) {
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    Bytes bytes(count);
    port.Read(bytes.data(), count);
    Write(Hello);
    --depth;
  };
  port.Open("ttyB");
  Write(Hello);
  for (int i = 0; i < 50; ++i) port.Advance();
  EXPECT_EQ(port.writes.size(), 51u);
  EXPECT_EQ(maxDepth, 1);
  EXPECT_EQ(port.Held(), 2u);
}

}  // namespace
