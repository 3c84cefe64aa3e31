#include "send_queues.h"

#include <algorithm>
#include <string>

#include "diagnostic_log.h"
#include "frame.h"

namespace {

// Entries 1..count move down by one; the oldest waiting entry becomes entry 0.
template <typename Queue>
void ShiftDown(Queue& queue) {
  std::copy(queue.entries.begin() + 1, queue.entries.begin() + queue.count + 1, queue.entries.begin());
}

// Puts an entry at the tail. A full queue drops back one and overwrites its last entry, a loss that
// cannot happen at these capacities in practice and is logged should it ever.
template <typename Queue, typename Entry>
void Append(Queue& queue, const Entry& entry, const char* name) {
  if (queue.count >= Queue::capacity) {
    queue.count = Queue::capacity - 1;
    AppendLog(std::string(name) + " queue full: a waiting write was overwritten");
  } else {
    ++queue.count;
  }
  queue.entries[queue.count] = entry;
}

void StartDrain() {
  sendState.ClearToSend = false;
  sendState.NoReplySeconds = 0;
  sendState.IdleTicks = 0;
}

}  // namespace

void QueuePlainWrite(ParamAddress address, std::int32_t value) {
  auto& queue = sendState.PlainQueue;
  if (queue.count >= 2 && queue.entries[queue.count].address == address) {
    queue.entries[queue.count].value = value;
    return;
  }
  Append(queue, PlainEntry{address, value}, "plain");
}

void QueueBandWrite(BandEntry entry) {
  auto& queue = sendState.BandQueue;
  const auto waiting = queue.entries.begin() + 1;
  if (std::find(waiting, waiting + queue.count, entry) != waiting + queue.count) return;
  Append(queue, entry, "band");
}

void DrainPlainQueue() {
  auto& queue = sendState.PlainQueue;
  if (!sendState.ClearToSend || (queue.count == 0 && !sendState.RepeatLast)) return;
  StartDrain();
  if (queue.count >= 1) {
    ShiftDown(queue);
    --queue.count;
  }
  sendState.RepeatLast = queue.count == 0 && !sendState.RepeatLast;
  StartPresetAction(queue.entries[0].address);
  SendShort(CmdWrite, queue.entries[0].address, queue.entries[0].value);
}

SendResult DrainBandQueue() {
  auto& queue = sendState.BandQueue;
  if (!sendState.ClearToSend || queue.count == 0) return SendResult::Skipped;
  StartDrain();
  ShiftDown(queue);
  const BandEntry& sent = queue.entries[0];
  const SendResult result = SendBandWrite(sent.block, sent.band);
  AppendLog("2:" + std::to_string(queue.count) + " " + std::to_string(sent.band));
  --queue.count;
  return result;
}
