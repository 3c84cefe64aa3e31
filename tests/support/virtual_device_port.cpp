#include "virtual_device_port.h"

#include <algorithm>

bool VirtualDevicePort::Open(const std::string& portName) {
  name = portName;
  connected_ = portName == devicePortName_;
  open_ = connected_ || std::find(silentNames.begin(), silentNames.end(), portName) != silentNames.end();
  return open_;
}

// As with a real port, what was still on the line or unread is lost with the port.
void VirtualDevicePort::Close() {
  open_ = false;
  connected_ = false;
  held_.clear();
  incoming_.clear();
}

bool VirtualDevicePort::Write(const std::uint8_t* data, std::size_t size) {
  if (!open_) return false;
  writes.emplace_back(data, data + size);
  if (connected_) Collect(device_.Feed({data, size}, nowMs));
  return true;
}

std::size_t VirtualDevicePort::Read(std::uint8_t* out, std::size_t max) {
  const std::size_t n = std::min(max, incoming_.size());
  std::copy_n(incoming_.begin(), n, out);
  incoming_.erase(incoming_.begin(), incoming_.begin() + static_cast<std::ptrdiff_t>(n));
  return n;
}

void VirtualDevicePort::Advance(std::int64_t ms) {
  nowMs += ms;
  const std::vector<std::uint8_t> due = device_.TakeDue(nowMs);
  if (connected_) Collect(due);
}

void VirtualDevicePort::Deliver() { DeliverSome(held_.size()); }

void VirtualDevicePort::DeliverSome(std::size_t n) {
  n = std::min(n, held_.size());
  if (n == 0) return;
  incoming_.insert(incoming_.end(), held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(n));
  held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(n));
  if (onReceived) onReceived(incoming_.size());
}

// Replies are held first; unless the test holds them, they go out at once. A write made from
// inside the received-bytes callback only adds to what is held: the outer loop delivers it, so
// a session driven from callbacks does not nest without bound.
void VirtualDevicePort::Collect(const std::vector<std::uint8_t>& replies) {
  held_.insert(held_.end(), replies.begin(), replies.end());
  if (holdReplies || delivering_) return;
  delivering_ = true;
  while (!held_.empty() && !holdReplies) Deliver();
  delivering_ = false;
}
