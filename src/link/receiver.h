#pragma once
// Turns the bytes arriving from the device into acknowledgements and frames, applies each frame to
// the parameter image, and signals the send state. It is driven by arrivals and never waits: it
// takes what the port holds, keeps its stage between arrivals, and decodes a unit once it is whole.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "com_port.h"
#include "frame.h"

inline constexpr std::uint16_t RxHunting = 0;  // looking for a start byte
inline constexpr std::uint16_t RxUnit = 1;     // reading the rest of a header or acknowledgement
inline constexpr std::uint16_t RxBody = 2;     // reading a frame body

struct ReceiveState {
  std::uint16_t RxStage = RxHunting;
  std::uint16_t RxNeed = 0;  // bytes the current stage expects in all
  std::uint16_t RxGot = 0;   // bytes taken so far in the current stage
  Frame RxBuffer{};          // the unit being received, from its start byte on
};

extern ReceiveState receiveState;

// The received-bytes handler: count is the number of bytes waiting in `comPort` when it was raised.
void ComPortRxChar(std::size_t count);
// Makes the port's received-bytes event run ComPortRxChar. The receiver reads from `comPort`.
void AttachReceiver(ComPort& port);

// Verifies and applies one complete frame (its size decides where data and checksum lie). A frame
// whose checksum does not match is logged and applied all the same.
void DecodeFrame(std::span<const std::uint8_t> frame);

// Each byte as two upper-case hexadecimal digits, separated by single blanks.
std::string HexDump(std::span<const std::uint8_t> bytes);
