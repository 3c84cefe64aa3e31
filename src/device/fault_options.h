#pragma once
// Ways the virtual device can misbehave, for testing the panel against a poor line or a dying
// device. All off by default; counts start with the first reply.

#include <cstdint>

struct FaultOptions {
  std::int64_t silentAfterMs = -1;  // from this time on the device hears and says nothing (-1: never)
  int dropAckEvery = 0;             // every Nth acknowledgement is left out (0: none)
  int corruptEvery = 0;             // every Nth reply frame carries a wrong checksum (0: none)
  int noiseBytes = 0;               // junk bytes (never 0xFC or 0xFE) sent before each reply
  std::int64_t replyDelayMs = 0;    // each reply leaves this long after its request
};
