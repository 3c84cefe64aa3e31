// The sync state read off the queues, the handshake and the running link.

#include <gtest/gtest.h>

#include <vector>

#include "frame.h"
#include "link_session.h"
#include "process_state.h"
#include "send_state.h"
#include "sync_state.h"

namespace {

TEST(SyncState, ReadsTheQueuesTheHandshakeAndTheLink) {
  struct Case {
    const char* what;
    bool running;
    int linkState;
    bool clear;
    ParamAddress inFlight;  // the address of the frame awaiting its acknowledgement
    int plain, band;
    SyncSummary want;
    const char* text;
  } cases[] = {
      {"idle and acknowledged", true, LinkConnected, true, 0x0500, 0, 0, {SyncKind::OnDevice, 0}, "All changes on the device"},
      {"a write awaiting its acknowledgement", true, LinkConnected, false, 0x0500, 0, 0, {SyncKind::Sending, 1}, "Sending 1 change\u2026"},
      {"a keep-alive awaiting its acknowledgement", true, LinkConnected, false, 0x0930, 0, 0, {SyncKind::OnDevice, 0}, "All changes on the device"},
      {"writes waiting", true, LinkConnected, false, 0x0500, 2, 1, {SyncKind::Sending, 4}, "Sending 4 changes\u2026"},
      {"writes waiting through a transfer", true, 0, false, 0x0500, 2, 0, {SyncKind::Sending, 2}, "Sending 2 changes\u2026"},
      {"link lost with writes unsent", false, 0, false, 0x0500, 1, 2, {SyncKind::NotOnDevice, 3}, "3 changes not on the device"},
      {"link lost with one write unsent", false, 0, false, 0x0500, 1, 0, {SyncKind::NotOnDevice, 1}, "1 change not on the device"},
      {"never connected", false, 0, false, 0x0500, 0, 0, {SyncKind::NotConnected, 0}, "Not connected"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetProcessState();
    sessionState.HoldTimerOn = c.running;
    sendState.LinkState = c.linkState;
    sendState.ClearToSend = c.clear;
    sendState.Unacknowledged = BuildFrame(CmdWrite, c.inFlight, std::vector<std::uint8_t>{1, 0});
    sendState.PlainQueue.count = c.plain;
    sendState.BandQueue.count = c.band;
    EXPECT_EQ(SummariseSync(), c.want);
    EXPECT_EQ(SyncText(SummariseSync()), c.text);
  }
}

}  // namespace
