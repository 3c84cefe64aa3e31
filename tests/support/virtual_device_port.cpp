#include "virtual_device_port.h"

#include <algorithm>

bool VirtualDevicePort::Open(const std::string& portName) {
  Close();
  name = portName;
  connected_ = portName == devicePortName_;
  open_ = connected_ || std::find(silentNames.begin(), silentNames.end(), portName) != silentNames.end();
  return open_;
}

void VirtualDevicePort::Close() {
  open_ = false;
  connected_ = false;
  held_.clear();
  incoming_.clear();
}

bool VirtualDevicePort::Write(const std::uint8_t* data, std::size_t size) {
  if (!open_) return false;
  if (refuseWrites > 0) {
    --refuseWrites;
    return false;
  }
  writes.emplace_back(data, data + size);
  if (connected_) Hold(device_.Feed({data, size}, nowMs));
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
  Hold(device_.TakeDue(nowMs));
  if (!holdReplies) Deliver();
}

void VirtualDevicePort::Deliver() { DeliverSome(held_.size()); }

void VirtualDevicePort::DeliverSome(std::size_t n) {
  n = std::min(n, held_.size());
  if (n == 0) return;
  incoming_.insert(incoming_.end(), held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(n));
  held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(n));
  if (onReceived) onReceived(incoming_.size());
}

// Replies of a device the port is no longer connected to never arrive.
void VirtualDevicePort::Hold(const std::vector<std::uint8_t>& replies) {
  if (connected_) held_.insert(held_.end(), replies.begin(), replies.end());
}
