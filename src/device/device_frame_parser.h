#pragma once
// The device's side of the wire: finds the panel's frames in whatever bytes arrive, in any
// chunking. Junk before a frame, a bad header and a frame with a wrong checksum are skipped one
// byte at a time, so a good frame right after them is still found.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "param_image.h"

struct DeviceRequest {
  std::uint8_t command = 0;
  ParamAddress address = 0;
  std::span<const std::uint8_t> data;  // valid only during the callback
};

class DeviceFrameParser {
 public:
  // Calls onFrame(const DeviceRequest&) for each complete frame with a good checksum.
  template <typename OnFrame>
  void Feed(std::span<const std::uint8_t> bytes, OnFrame&& onFrame) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    DeviceRequest request;
    while (NextFrame(request)) onFrame(request);
    Compact();
  }

  std::size_t Buffered() const { return buffer_.size() - start_; }
  std::size_t BadChecksums() const { return badChecksums_; }

 private:
  bool NextFrame(DeviceRequest& request);
  void Compact();

  std::vector<std::uint8_t> buffer_;
  std::size_t start_ = 0;     // first byte not yet consumed
  std::size_t consumed_ = 0;  // bytes of the last frame handed out, dropped on the next call
  std::size_t badChecksums_ = 0;
};
