// Feeds arbitrary bytes to the virtual device in arbitrary arrivals: it must never lose its
// footing, whatever the panel (or the line) sends. The replies must not depend on how the bytes
// were cut, the parser must hold no more than one unfinished frame, and the memory must keep
// only what the device itself could store.
//
// Input: one byte that picks the faults, then arrivals, each a length byte (0..63) and that many
// bytes.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "frame.h"
#include "virtual_device.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsDigits(const std::string& text, std::size_t length) {
  return text.size() == length && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void CheckRows(const DeviceRows& rows) {
  for (const DeviceRow& row : rows)
    for (std::int32_t v : row) Check(v >= 0 && v <= 0xFFFF);
}

void CheckMemory(const DeviceMemory& memory) {
  CheckRows(memory.rows);
  for (const DevicePreset& preset : memory.presets) {
    Check(preset.name.size() == PresetNameLength);
    CheckRows(preset.rows);
  }
  Check(IsDigits(memory.systemPassword, SystemPasswordLength));
  Check(IsDigits(memory.keyLockPassword, KeyLockPasswordLength));
}

FaultOptions FaultsFrom(std::uint8_t picks) {
  FaultOptions faults;
  faults.dropAckEvery = picks & 3;
  faults.corruptEvery = (picks >> 2) & 3;
  faults.noiseBytes = (picks >> 4) & 7;
  return faults;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  VirtualDevice chunked;
  VirtualDevice whole;
  chunked.faults = whole.faults = FaultsFrom(data[0]);

  std::vector<std::uint8_t> stream;
  std::vector<std::uint8_t> replies;
  std::size_t at = 1;
  while (at < size) {
    const std::size_t length = data[at++] % 64;
    const std::size_t n = std::min(length, size - at);
    const std::span<const std::uint8_t> arrival(data + at, n);
    stream.insert(stream.end(), arrival.begin(), arrival.end());
    const std::vector<std::uint8_t> out = chunked.Feed(arrival);
    replies.insert(replies.end(), out.begin(), out.end());
    at += n;
    Check(chunked.Buffered() < MaxFrameData + FrameOverhead);
    Check(!chunked.NextDueMs());
  }
  Check(whole.Feed(stream) == replies);
  CheckMemory(chunked.memory());
  return 0;
}
