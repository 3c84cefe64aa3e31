#pragma once
// The two write queues: plain parameter writes and equaliser band writes wait here until the
// device has acknowledged the frame before, and the session's 20 ms tick drains them in turn.

#include "param_image.h"
#include "send_state.h"
#include "senders.h"

// Queues a plain write. A repeated write to the address at the tail updates it in place once at
// least two writes wait. A full queue drops back one entry and overwrites the last (logged).
void QueuePlainWrite(ParamAddress address, std::int32_t value);
// Queues a band write unless the same band already waits: the frame is built from the image when
// it leaves, so the waiting entry carries the latest values anyway.
void QueueBandWrite(BandEntry entry);

// When clear to send and a plain write waits (or the last one is to be repeated): sends the next
// one. After the last waiting write has left, it is sent once more, then the queue falls silent.
// A preset recall or save that had to wait starts its preset action as it leaves, as it would have
// had it left at once.
void DrainPlainQueue();
// When clear to send and a band waits: sends the next band write and logs it.
SendResult DrainBandQueue();
