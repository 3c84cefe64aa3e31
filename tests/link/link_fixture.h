#pragma once
// A fresh link for every test: every process-wide state at its start, and an open in-memory port
// that the senders write to and the receiver reads from.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "diagnostic_log.h"
#include "link_texts.h"
#include "memory_port.h"
#include "param_image.h"
#include "process_state.h"
#include "receiver.h"
#include "send_state.h"

using Bytes = std::vector<std::uint8_t>;

inline Bytes Concat(Bytes head, const Bytes& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

class LinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    port.writes.clear();
    Bytes unread(port.BytesAvailable());
    port.Read(unread.data(), unread.size());
    port.Open("COM1");
    comPort = &port;
    AttachReceiver(port);
  }
  void TearDown() override { ResetProcessState(); }

  // Connected, idle and clear to send.
  static void Connect() {
    sendState.LinkState = LinkConnected;
    sendState.ClearToSend = true;
  }
  void Acknowledge() { port.Feed({AckStart, AckOk}); }
  Bytes TakeWrites() {
    Bytes all;
    for (const auto& w : port.writes) all.insert(all.end(), w.begin(), w.end());
    port.writes.clear();
    return all;
  }
  static Bytes Wire(const Frame& frame) { return {frame.view().begin(), frame.view().end()}; }
  static std::vector<std::string> Log() { return {Memo2.lines.begin(), Memo2.lines.end()}; }

  MemoryPort port;
};
