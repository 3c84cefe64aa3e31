#include "frame.h"

#include <algorithm>

std::uint8_t FrameChecksum(std::span<const std::uint8_t> frame, std::uint8_t secondStart) {
  if (frame.size() < 2) return secondStart;
  unsigned sum = frame[0];
  for (std::size_t i = 3; i + 1 < frame.size(); ++i) sum += frame[i];
  return static_cast<std::uint8_t>((sum & 0xFF) ^ secondStart);
}

Frame BuildFrame(std::uint8_t command, ParamAddress address, std::span<const std::uint8_t> data) {
  const std::size_t n = std::min(data.size(), MaxFrameData);
  Frame frame;
  auto& b = frame.bytes;
  b[0] = StartByte1;
  b[1] = StartByte2;
  b[2] = static_cast<std::uint8_t>(n + 4);
  b[3] = command;
  b[4] = static_cast<std::uint8_t>((address >> 8) & 0xFF);
  b[5] = static_cast<std::uint8_t>(address & 0xFF);
  std::copy_n(data.begin(), n, b.begin() + 6);
  frame.size = n + FrameOverhead;
  b[frame.size - 1] = FrameChecksum(frame.view());
  return frame;
}
