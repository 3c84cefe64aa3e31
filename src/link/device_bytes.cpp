#include "device_bytes.h"

namespace {

std::size_t Count(qint64 count) { return count > 0 ? static_cast<std::size_t>(count) : 0; }

}  // namespace

bool WriteAllBytes(QIODevice& device, const std::uint8_t* data, std::size_t size) {
  if (!device.isOpen()) return false;
  const auto length = static_cast<qint64>(size);
  return device.write(reinterpret_cast<const char*>(data), length) == length;
}

std::size_t BytesWaiting(const QIODevice& device) { return device.isOpen() ? Count(device.bytesAvailable()) : 0; }

std::size_t ReadBytes(QIODevice& device, std::uint8_t* out, std::size_t max) {
  if (!device.isOpen() || max == 0) return 0;
  return Count(device.read(reinterpret_cast<char*>(out), static_cast<qint64>(max)));
}
