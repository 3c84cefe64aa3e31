#pragma once
// Small helpers shared by the virtual device tests: frames as byte vectors.

#include <cstdint>
#include <vector>

#include "frame.h"

using Bytes = std::vector<std::uint8_t>;

inline Bytes FrameBytes(std::uint8_t command, ParamAddress address, const Bytes& data = {}) {
  const Frame frame = BuildFrame(command, address, data);
  return {frame.view().begin(), frame.view().end()};
}

inline Bytes Values(std::initializer_list<std::int32_t> values) {
  Bytes data;
  for (std::int32_t v : values) AppendValue(data, v);
  return data;
}

inline const Bytes Ack{0xFE, 0xBB};
