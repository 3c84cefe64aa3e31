#include "virtual_device.h"

#include <algorithm>

#include "device_protocol.h"
#include "frame.h"

std::vector<std::uint8_t> VirtualDevice::Feed(std::span<const std::uint8_t> bytes, std::int64_t nowMs) {
  if (!Silent(nowMs)) parser_.Feed(bytes, [&](const DeviceRequest& request) { Handle(request, nowMs); });
  return TakeDue(nowMs);
}

std::vector<std::uint8_t> VirtualDevice::TakeDue(std::int64_t nowMs) {
  std::vector<std::uint8_t> out;
  while (!Silent(nowMs) && !replies_.empty() && replies_.front().dueMs <= nowMs) {
    const std::vector<std::uint8_t>& bytes = replies_.front().bytes;
    std::size_t n = bytes.size();
    const bool cutting = !cutDone_ && faults.cutAfterBytes >= 0 &&
                         replyBytesSent_ + static_cast<std::int64_t>(n) >= faults.cutAfterBytes;
    if (cutting) n = static_cast<std::size_t>(std::max<std::int64_t>(0, faults.cutAfterBytes - replyBytesSent_));
    out.insert(out.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
    replyBytesSent_ += static_cast<std::int64_t>(n);
    if (cutting) {
      cutDone_ = true;
      FallSilent(nowMs);
      break;
    }
    replies_.pop_front();
  }
  return out;
}

std::optional<std::int64_t> VirtualDevice::NextDueMs() const {
  if (replies_.empty()) return std::nullopt;
  return replies_.front().dueMs;
}

bool VirtualDevice::Silent(std::int64_t nowMs) {
  if (!timedSilenceBegun_ && faults.silentAfterMs >= 0 && nowMs >= faults.silentAfterMs) {
    timedSilenceBegun_ = true;
    FallSilent(faults.silentAfterMs);
  }
  return nowMs < silentUntilMs_;
}

// Switched off: the half-heard request and every reply not yet sent are gone.
void VirtualDevice::FallSilent(std::int64_t fromMs) {
  silentUntilMs_ = faults.silentForMs < 0 ? std::numeric_limits<std::int64_t>::max() : fromMs + faults.silentForMs;
  replies_.clear();
  parser_ = DeviceFrameParser{};
}

void VirtualDevice::Handle(const DeviceRequest& request, std::int64_t nowMs) {
  if (request.command == CmdWrite) {
    ApplyWrite(memory_, request);
    ++acks_;
    if (faults.dropAckEvery > 0 && acks_ % static_cast<std::uint64_t>(faults.dropAckEvery) == 0) return;
    Send({AckStart, AckOk}, nowMs);
    return;
  }
  const std::optional<Frame> frame = AnswerRead(memory_, request);
  if (!frame) return;
  std::vector<std::uint8_t> unit(frame->view().begin(), frame->view().end());
  ++frames_;
  if (faults.corruptEvery > 0 && frames_ % static_cast<std::uint64_t>(faults.corruptEvery) == 0) unit.back() ^= 0x5A;
  Send(std::move(unit), nowMs);
}

void VirtualDevice::Send(std::vector<std::uint8_t> unit, std::int64_t nowMs) {
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < faults.noiseBytes; ++i) {
    noise_ = static_cast<std::uint8_t>(noise_ * 37 + 11);
    bytes.push_back(noise_ == StartByte1 || noise_ == AckStart ? 0x00 : noise_);
  }
  bytes.insert(bytes.end(), unit.begin(), unit.end());
  // Replies keep their order even if the delay is changed between them.
  std::int64_t due = nowMs + faults.replyDelayMs;
  if (!replies_.empty()) due = std::max(due, replies_.back().dueMs);
  replies_.push_back({due, std::move(bytes)});
}
