#pragma once
// The stand-in for the effect processor: fed the bytes the panel sends, in any chunking, it
// answers as the device does. Time is passed in (milliseconds, any origin), so the time-based
// faults need no clock and tests need no sleeps.

#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "device_frame_parser.h"
#include "device_memory.h"
#include "fault_options.h"

class VirtualDevice {
 public:
  explicit VirtualDevice(DeviceMemory memory = FactoryMemory()) : memory_(std::move(memory)) {}

  // Takes the bytes that arrived at nowMs and returns every reply byte due by then.
  std::vector<std::uint8_t> Feed(std::span<const std::uint8_t> bytes, std::int64_t nowMs = 0);
  // Returns the delayed replies due by nowMs.
  std::vector<std::uint8_t> TakeDue(std::int64_t nowMs);
  // When the next delayed reply falls due, if one waits.
  std::optional<std::int64_t> NextDueMs() const;

  DeviceMemory& memory() { return memory_; }
  const DeviceMemory& memory() const { return memory_; }
  std::size_t BadChecksums() const { return parser_.BadChecksums(); }
  // Bytes kept back as the start of a frame that has not all arrived.
  std::size_t Buffered() const { return parser_.Buffered(); }

  FaultOptions faults;

 private:
  struct Reply {
    std::int64_t dueMs;
    std::vector<std::uint8_t> bytes;
  };
  void Handle(const DeviceRequest& request, std::int64_t nowMs);
  void Send(std::vector<std::uint8_t> unit, std::int64_t nowMs);
  // Starts the silence that the time fault calls for, if due; true while the device is silent.
  bool Silent(std::int64_t nowMs);
  void FallSilent(std::int64_t fromMs);

  DeviceMemory memory_;
  DeviceFrameParser parser_;
  std::deque<Reply> replies_;
  std::uint64_t acks_ = 0;
  std::uint64_t frames_ = 0;
  std::uint8_t noise_ = 0;
  std::int64_t replyBytesSent_ = 0;
  bool timedSilenceBegun_ = false;
  bool cutDone_ = false;
  std::int64_t silentUntilMs_ = std::numeric_limits<std::int64_t>::min();
};
