#include "sync_state.h"

#include "link_session.h"
#include "send_state.h"
#include "system_addresses.h"

namespace {

constexpr std::size_t AddressHigh = 4, AddressLow = 5;

// The frame awaiting its acknowledgement carries a change (a write or a band), not a keep-alive or
// another word to the device's link control.
bool ChangeInFlight() {
  const Frame& frame = sendState.Unacknowledged;
  if (sendState.ClearToSend || frame.size <= AddressLow) return false;
  return (frame.bytes[AddressHigh] << 8 | frame.bytes[AddressLow]) != LinkControlAddress;
}

}  // namespace

SyncSummary SummariseSync() {
  const int queued = sendState.PlainQueue.count + sendState.BandQueue.count;
  const bool running = sessionState.HoldTimerOn || sessionState.Timer2On;
  if (!running) return {queued > 0 ? SyncKind::NotOnDevice : SyncKind::NotConnected, queued};
  // On a connected link a write is on its way until the device acknowledges it.
  const int waiting = queued + (sendState.LinkState == LinkConnected && ChangeInFlight() ? 1 : 0);
  return {waiting > 0 ? SyncKind::Sending : SyncKind::OnDevice, waiting};
}

std::string SyncText(const SyncSummary& summary) {
  const std::string changes = std::to_string(summary.changes) + (summary.changes == 1 ? " change" : " changes");
  switch (summary.kind) {
    case SyncKind::OnDevice: return "All changes on the device";
    case SyncKind::Sending: return "Sending " + changes + "\u2026";
    case SyncKind::NotOnDevice: return changes + " not on the device";
    case SyncKind::NotConnected: return "Not connected";
  }
  return {};
}
