#pragma once
// Everything that puts bytes on the serial line: the two frame senders, link control, parameter and
// band writes, text writes and the requests of the transfer steps. All write to `comPort`.
//
// Failures are never thrown. Senders whose failure the user should see return a SendResult;
// SendFailureMessage turns it into the text of a message box. Every failed write also leaves a line
// in the diagnostic log.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "param_image.h"

enum class SendResult {
  Sent,         // the frame went to the port
  Queued,       // the write waits in a queue for the next acknowledgement
  Skipped,      // nothing was sent: port closed, link down, sending suppressed, or no such request
  WriteFailed,  // the port refused the bytes; they count as sent and lost on the line
  NotDigits,    // a digit string held a character other than 0..9; nothing was sent
};

// The message for a failure, or an empty text for Sent, Queued and Skipped.
std::string SendFailureMessage(SendResult result);

// A frame with one 16-bit value as data. Does nothing while the port is closed.
SendResult SendShort(std::uint8_t command, ParamAddress address, std::int32_t value);
// A frame with the given data (possibly none). Does nothing while the port is closed.
SendResult SendLong(std::uint8_t command, ParamAddress address, std::span<const std::uint8_t> data);
// Hello, keep-alive or goodbye (LinkHello, LinkKeepAlive, LinkGoodbye).
SendResult SendLinkControl(std::uint8_t code);

// Stores a plain parameter and, while connected and not suppressed, sends it at once when the
// device is clear and nothing waits, else queues it. Write errors are only logged.
void WriteParam(ParamAddress address, std::int32_t value);
// Called for every plain write as it leaves for the device, at once or from the queue: a write to
// the preset recall address starts the reload that follows its acknowledgement ("Loading...", the
// link busy), one to the preset save address the save report; any other clears the pending action.
void StartPresetAction(ParamAddress address);
// Stores one field of an equaliser band and, while connected and not suppressed, sends or queues
// the whole band. An address outside the channel's real bands is stored and not sent.
SendResult WriteEqField(ParamAddress address, std::int32_t value);
// The band write: the band number and its five current values from the view.
SendResult SendBandWrite(ParamAddress block, int band);

// Preset save (PresetSaveAddress): text = slot character, a zero character, then the name (one
// byte per character; cut to 20). Any other address: a digit string, one byte 0..9 per digit.
SendResult WriteText(ParamAddress address, std::string_view text);

// The frame of one transfer step. Direction 0 reads: steps 0..8 channel reads, 9 the preset name of
// presetSlot, 10..27 the system values; the request is remembered as the reply awaited. Direction 1
// uploads channel `step` (0..8) from DeviceTable.
SendResult RequestStep(int step, int direction, int presetSlot = 0);

// Sends again the last frame that the device acknowledges (a keep-alive when none was sent yet):
// the frame whose acknowledgement is missing.
SendResult ResendUnacknowledged();
