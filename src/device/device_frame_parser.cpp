#include "device_frame_parser.h"

#include <algorithm>

#include "frame.h"

bool DeviceFrameParser::NextFrame(DeviceRequest& request) {
  start_ += consumed_;
  consumed_ = 0;
  while (true) {
    const auto from = buffer_.begin() + static_cast<std::ptrdiff_t>(start_);
    start_ = static_cast<std::size_t>(std::find(from, buffer_.end(), StartByte1) - buffer_.begin());
    const std::size_t available = buffer_.size() - start_;
    if (available < 4) return false;
    const std::uint8_t* b = buffer_.data() + start_;
    const std::size_t length = b[2];
    const bool goodHeader = b[1] == StartByte2 && length >= 4 && (b[3] == CmdWrite || b[3] == CmdRead);
    if (!goodHeader) {
      ++start_;
      continue;
    }
    const std::size_t size = length + 3;
    if (available < size) return false;
    const std::span<const std::uint8_t> frame(b, size);
    if (FrameChecksum(frame) != frame[size - 1]) {
      ++badChecksums_;
      ++start_;
      continue;
    }
    request.command = b[3];
    request.address = MakeAddress(b[4], b[5]);
    request.data = frame.subspan(6, size - FrameOverhead);
    consumed_ = size;
    return true;
  }
}

void DeviceFrameParser::Compact() {
  start_ += consumed_;
  consumed_ = 0;
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(start_));
  start_ = 0;
}
