#pragma once
// The send side of the link: connection flags, the acknowledgement handshake and the two write
// queues. One process-wide instance; the receiver and the session read and change it.

#include <array>
#include <cstdint>
#include <string>

#include "frame.h"
#include "param_image.h"

// The plain queue is far larger than a user can fill between two acknowledgements; the band
// queue holds every equaliser band of every channel (61) at once, and never holds one twice.
inline constexpr int PlainQueueCapacity = 1024;
inline constexpr int BandQueueCapacity = 64;

inline constexpr int LinkConnected = 2;  // LinkState: connected and idle, writes are sent

// PendingAction: what the session does when the device acknowledges.
inline constexpr int PendingReload = 2;  // a preset recall was sent: read all channels again
inline constexpr int PendingSave = 3;    // a preset save was sent
inline constexpr int PendingSaveWaiting = 5;  // a preset save waits for the device to be clear to send

// TransferEvent: what the receiver saw last, as the transfer stepper reads it.
inline constexpr int TransferNone = 0;
inline constexpr int TransferAcknowledged = 1;
inline constexpr int TransferDataFrame = 2;
inline constexpr int TransferWaiting = 3;
inline constexpr int TransferRepeated = 4;
inline constexpr int TransferCopyAckWaiting = 5;  // an upload step sent twice waits for the copy's acknowledgement

struct PlainEntry {
  ParamAddress address = 0;
  std::int32_t value = 0;
  bool operator==(const PlainEntry&) const = default;
};

struct BandEntry {
  ParamAddress block = 0;  // the channel's equaliser block address
  int band = 0;
  bool operator==(const BandEntry&) const = default;
};

// Entry 0 is the write sent last; entries 1..count wait, oldest first.
template <typename Entry, int Capacity>
struct SendQueue {
  static constexpr int capacity = Capacity;
  std::array<Entry, Capacity + 1> entries{};
  int count = 0;
};

// The reply that the running read step of a transfer waits for. Only the frame it asked for is
// taken as its reply: a late duplicate of an earlier reply, or a frame nobody asked for, would
// otherwise pass for the next step's reply (and a preset name would land under the next slot).
struct AwaitedRead {
  bool waiting = false;      // a read step is running
  ParamAddress address = 0;  // what it asked for: a channel's block (any slot of it) or a system address
  bool answered = false;     // its reply has come; a second one is a duplicate
};

struct SendState {
  int LinkState = 0;           // LinkConnected, or 0: not connected / transfer or preset action running
  bool ClearToSend = false;    // the device has acknowledged the last frame sent
  int SendSuppressed = 0;      // 1 while the panel is refreshed: writes change the image only
  int PendingAction = 0;       // 0, PendingReload, PendingSave or PendingSaveWaiting
  std::string PresetSaveText;  // the waiting preset save: slot, a zero, the name (see WriteText)
  SendQueue<PlainEntry, PlainQueueCapacity> PlainQueue;
  SendQueue<BandEntry, BandQueueCapacity> BandQueue;
  bool RepeatLast = false;     // the plain drain sends its entry 0 once more
  int IdleTicks = 0;           // 20 ms ticks since the last write, drain or supervision step
  int NoReplySeconds = 0;      // one-second periods without an acknowledgement
  int TransferEvent = TransferNone;  // one of the Transfer... values above
  int NameSlot = 0;            // preset slot of the next name request; a name reply goes to NameSlot - 1
  int DeviceAnswered = 0;      // 1 after any acknowledgement
  AwaitedRead AwaitedReply;
  // The last frame sent that the device acknowledges: what the supervision sends again while its
  // acknowledgement is missing, whatever it was (a write, a band, a keep-alive).
  Frame Unacknowledged{};
};

extern SendState sendState;
