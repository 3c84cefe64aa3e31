#pragma once
// Turns the bytes arriving from the device into acknowledgements and frames, applies each frame to
// the parameter image, and signals the send state. It is driven by arrivals and never waits: it
// takes what the port holds, keeps its stage between arrivals, and decodes a unit once it is whole.
//
// A unit cut off on the line (a device switched off, a cable pulled mid-reply, a junk header) would
// hold the receiver for good, swallowing every later acknowledgement. So the receiver starts afresh
// whenever a port is opened, and drops an unfinished unit after a silence no unit in progress can
// have: at 57600 baud a whole block takes under 40 ms, and RxSilenceLimitMs leaves a wide margin for
// adapters that deliver in bursts and for slow firmware.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "com_port.h"
#include "frame.h"

inline constexpr std::uint16_t RxHunting = 0;  // looking for a start byte
inline constexpr std::uint16_t RxUnit = 1;     // reading the rest of a header or acknowledgement
inline constexpr std::uint16_t RxBody = 2;     // reading a frame body

inline constexpr int RxSilenceLimitMs = 500;

struct ReceiveState {
  std::uint16_t RxStage = RxHunting;
  std::uint16_t RxNeed = 0;  // bytes the current stage expects in all
  std::uint16_t RxGot = 0;   // bytes taken so far in the current stage
  Frame RxBuffer{};          // the unit being received, from its start byte on
  int RxQuietMs = 0;         // link time since bytes last arrived, counted while a unit is unfinished
};

extern ReceiveState receiveState;

// The received-bytes handler: count is the number of bytes waiting in `comPort` when it was raised.
void ComPortRxChar(std::size_t count);
// Makes the port's received-bytes event run ComPortRxChar. The receiver reads from `comPort`.
void AttachReceiver(ComPort& port);
// Back to hunting for a start byte, forgetting any unfinished unit: for a port just opened.
void ResetReceiver();
// The link's timers report the time that passed (ms). Once RxSilenceLimitMs have passed without
// bytes in the middle of a unit, the unit and the bytes of it that are waiting are dropped, with
// one line in the log; hunting resumes with the next byte that arrives.
void ReceiverTimePassed(int elapsedMs);

// Verifies and applies one complete frame (its size decides where data and checksum lie). A frame
// whose checksum does not match is logged and applied all the same. (While a read step waits, the
// receiver hands it only the reply that step asked for; see AwaitedRead.)
void DecodeFrame(std::span<const std::uint8_t> frame);

// Each byte as two upper-case hexadecimal digits, separated by single blanks.
std::string HexDump(std::span<const std::uint8_t> bytes);
