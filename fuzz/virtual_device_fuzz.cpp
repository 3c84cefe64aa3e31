// Feeds arbitrary bytes to the virtual device in arbitrary arrivals, with faults switched by the
// input, and checks that its replies are whole units and its buffers stay bounded.
//
// Input: one byte of fault switches, then arrivals, each a length byte (0..63) and that many bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "frame.h"
#include "virtual_device.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  VirtualDevice device;
  device.faults.dropAckEvery = data[0] & 3;
  device.faults.corruptEvery = (data[0] >> 2) & 3;
  device.faults.replyDelayMs = (data[0] >> 4) & 3;
  std::int64_t now = 0;
  for (std::size_t at = 1; at < size;) {
    const std::size_t n = std::min<std::size_t>(data[at] & 63, size - at - 1);
    const auto replies = device.Feed(std::span(data + at + 1, n), now++);
    if (!replies.empty() && replies[0] != AckStart && replies[0] != StartByte1) std::abort();
    if (device.memory().systemPassword.size() != 6 || device.memory().keyLockPassword.size() != 4) std::abort();
    at += n + 1;
  }
  device.TakeDue(now + 10);
  if (device.NextDueMs()) std::abort();
  return 0;
}
