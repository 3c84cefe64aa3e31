#pragma once
// What the device does with each request: a write changes its memory, a read produces a reply
// frame. Both work on a DeviceMemory and know nothing of bytes on a line or of faults.

#include <optional>

#include "device_frame_parser.h"
#include "device_memory.h"
#include "frame.h"

// Applies a write (command 0xA7) to the memory. Writes the device cannot place are left out;
// every write is acknowledged all the same.
void ApplyWrite(DeviceMemory& memory, const DeviceRequest& request);

// The reply frame to a read (command 0xA0), or nothing for a read the device does not know.
std::optional<Frame> AnswerRead(const DeviceMemory& memory, const DeviceRequest& request);
