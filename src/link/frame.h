#pragma once
// The wire format shared by both ends of the link: FC B1, length, command, address high and low,
// data, checksum. The device acknowledges a write with FE BB (or FE AA).

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "param_image.h"

inline constexpr std::uint8_t StartByte1 = 0xFC;
inline constexpr std::uint8_t StartByte2 = 0xB1;
inline constexpr std::uint8_t CmdWrite = 0xA7;
inline constexpr std::uint8_t CmdRead = 0xA0;
inline constexpr std::uint8_t AckStart = 0xFE;
inline constexpr std::uint8_t AckOk = 0xBB;
inline constexpr std::uint8_t AckAlt = 0xAA;
inline constexpr std::size_t MaxFrameData = 251;
inline constexpr std::size_t FrameOverhead = 7;  // everything but the data

struct Frame {
  std::array<std::uint8_t, MaxFrameData + FrameOverhead> bytes{};
  std::size_t size = 0;

  std::span<const std::uint8_t> view() const { return {bytes.data(), size}; }
};

// The sum of byte 0, the command, both address bytes and the data, modulo 256, XORed with
// secondStart (byte 1 of the frame). `frame` is the whole frame; its last byte is not summed.
std::uint8_t FrameChecksum(std::span<const std::uint8_t> frame, std::uint8_t secondStart = StartByte2);

// Builds a complete frame; data beyond MaxFrameData bytes is cut off.
Frame BuildFrame(std::uint8_t command, ParamAddress address, std::span<const std::uint8_t> data);

// Appends a 16-bit value low byte first, as every value travels; values outside 0..65535 travel as
// their low 16 bits.
template <typename Out>
void AppendValue(Out& out, std::int32_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}
