#pragma once
// Ways the virtual device can misbehave, for testing the panel against a poor line or a dying
// device. All off by default; counts start with the first reply.
//
// A silence is the device switched off or its cable pulled: it hears nothing, and what it has not
// sent yet is lost. It begins at a given time, or once a given number of reply bytes have left, which
// cuts the reply on its way where it stands. It lasts silentForMs, then the device answers again.

#include <cstdint>

struct FaultOptions {
  std::int64_t silentAfterMs = -1;  // a silence begins this long after the start (-1: never)
  int cutAfterBytes = -1;           // a silence begins once this many reply bytes have left (-1: never)
  std::int64_t silentForMs = -1;    // how long a silence lasts (-1: for good)
  int dropAckEvery = 0;             // every Nth acknowledgement is left out (0: none)
  int corruptEvery = 0;             // every Nth reply frame carries a wrong checksum (0: none)
  int noiseBytes = 0;               // junk bytes (never 0xFC or 0xFE) sent before each reply
  std::int64_t replyDelayMs = 0;    // each reply leaves this long after its request
};
