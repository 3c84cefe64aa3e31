#include "memory_port.h"

#include <algorithm>

bool MemoryPort::Open(const std::string& portName) {
  name = portName;
  open_ = std::find(refuse.begin(), refuse.end(), portName) == refuse.end() && !portName.empty();
  return open_;
}

void MemoryPort::Close() { open_ = false; }

bool MemoryPort::Write(const std::uint8_t* data, std::size_t size) {
  if (!open_) return false;
  writes.emplace_back(data, data + size);
  return true;
}

std::size_t MemoryPort::Read(std::uint8_t* out, std::size_t max) {
  const std::size_t n = std::min(max, incoming_.size());
  std::copy_n(incoming_.begin(), n, out);
  incoming_.erase(incoming_.begin(), incoming_.begin() + static_cast<std::ptrdiff_t>(n));
  return n;
}

void MemoryPort::Feed(std::span<const std::uint8_t> bytes) {
  incoming_.insert(incoming_.end(), bytes.begin(), bytes.end());
  if (onReceived) onReceived(incoming_.size());
}
