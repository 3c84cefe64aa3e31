#include "senders.h"

#include <array>

#include "com_port.h"
#include "diagnostic_log.h"
#include "frame.h"
#include "link_texts.h"
#include "receiver.h"
#include "send_queues.h"
#include "send_state.h"
#include "system_addresses.h"

namespace {

constexpr int BandFieldCount = 5;
constexpr std::size_t PresetNameLength = 20;

// The data of one frame, gathered without allocating; bytes past the frame's limit are dropped.
struct FrameData {
  std::array<std::uint8_t, MaxFrameData> bytes{};
  std::size_t size = 0;
  void push_back(std::uint8_t byte) {
    if (size < bytes.size()) bytes[size++] = byte;
  }
  operator std::span<const std::uint8_t>() const { return {bytes.data(), size}; }
};

// The part of a frame the log may show: a password frame without its digits, which never go to
// the log.
std::span<const std::uint8_t> LoggablePart(const Frame& frame) {
  constexpr std::size_t HeaderBytes = 6;  // start bytes, length, command, address
  const ParamAddress address = frame.size >= HeaderBytes ? frame.bytes[4] << 8 | frame.bytes[5] : -1;
  const bool password = address == SystemPasswordAddress || address == PanelPasswordAddress;
  return frame.view().first(password ? HeaderBytes : frame.size);
}

// A write counts as sent once it is handed to the port: a refused write is a frame lost on the
// line, which the acknowledgement supervision already recovers from by sending it again.
SendResult WriteFrame(const Frame& frame) {
  if (comPort == nullptr || !comPort->IsOpen()) return SendResult::Skipped;
  if (frame.bytes[3] == CmdWrite) sendState.Unacknowledged = frame;
  if (comPort->Write(frame.bytes.data(), frame.size)) return SendResult::Sent;
  AppendLog("write failed: " + HexDump(LoggablePart(frame)));
  return SendResult::WriteFailed;
}

bool Sending() { return sendState.SendSuppressed != 1 && sendState.LinkState == LinkConnected; }

// The view slot of a band's first field, or -1 when (channel, band) is not a real band.
int BandFirstSlot(int channel, int band) {
  if (channel < 0 || channel >= EqChannelCount || band < 0 || band >= EqBandCount[channel]) return -1;
  return EqFirstSlot[channel] + BandFieldCount * band;
}

FrameData PresetSaveData(std::string_view text) {
  FrameData data;
  for (std::size_t i = 0; i < 2 + PresetNameLength; ++i) {
    const auto c = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
    data.push_back(i < 2 || i >= text.size() ? c : static_cast<std::uint8_t>(c - 0x20));
  }
  return data;
}

FrameData ChannelUploadData(int channel) {
  const int count = ChannelParamCount[channel] + (channel == 0 ? 52 : 0);
  FrameData data;
  data.push_back(static_cast<std::uint8_t>(channel));
  data.push_back(0);
  for (int column = 0; column < count; ++column)
    AppendValue(data, paramImage.DeviceTable[channel][column]);
  return data;
}

// The address of a system value read step, or -1.
ParamAddress SystemReadAddress(int step) {
  if (step >= 10 && step <= 23) return 0x0901 + (step - 10);
  if (step >= 24 && step <= 26) return 0x0920 + (step - 24);
  if (step == 27) return DeviceIdentityAddress;
  return -1;
}

void AwaitReply(ParamAddress address) { sendState.AwaitedReply = {true, address, false}; }

}  // namespace

std::string SendFailureMessage(SendResult result) {
  switch (result) {
    case SendResult::WriteFailed:
      return "The data could not be written to the serial port.";
    case SendResult::NotDigits:
      return "Only the digits 0 to 9 can be sent.";
    default:
      return {};
  }
}

SendResult SendShort(std::uint8_t command, ParamAddress address, std::int32_t value) {
  FrameData data;
  AppendValue(data, value);
  return SendLong(command, address, data);
}

SendResult SendLong(std::uint8_t command, ParamAddress address, std::span<const std::uint8_t> data) {
  return WriteFrame(BuildFrame(command, address, data));
}

SendResult SendLinkControl(std::uint8_t code) { return SendShort(CmdWrite, LinkControlAddress, code); }

void WriteParam(ParamAddress address, std::int32_t value) {
  StoreValue(address, value);
  if (!Sending()) return;
  sendState.IdleTicks = 0;
  const ParamAddress a = MapMicGroup(address);
  if (!sendState.ClearToSend || sendState.PlainQueue.count != 0) {
    QueuePlainWrite(a, value);
    return;
  }
  sendState.PlainQueue.entries[0] = {a, value};
  sendState.TransferEvent = TransferNone;
  StartPresetAction(a);
  SendShort(CmdWrite, a, value);
  sendState.ClearToSend = false;
}

void StartPresetAction(ParamAddress address) {
  if (address == PresetRecallAddress) {
    SetLinkLabel("Loading...");
    sendState.LinkState = 0;
    sendState.NoReplySeconds = 0;
    sendState.PendingAction = PendingReload;
  } else {
    sendState.PendingAction = address == PresetSaveAddress ? PendingSave : 0;
  }
}

SendResult WriteEqField(ParamAddress address, std::int32_t value) {
  StoreValue(address, value);
  if (!Sending()) return SendResult::Skipped;
  const ParamAddress a = MapMicGroup(address);
  const int channel = ChannelOf(a);
  const int band = LocateBand(a) / 256;
  if (BandFirstSlot(channel, band) < 0) {
    AppendLog("band write not sent: " + AddressText(a) + " is no field of an equaliser band");
    return SendResult::Skipped;
  }
  sendState.TransferEvent = TransferNone;
  sendState.IdleTicks = 0;
  const BandEntry entry{EqBlockAddress[channel], band};
  if (!sendState.ClearToSend || sendState.BandQueue.count == 0) {
    QueueBandWrite(entry);
    return SendResult::Queued;
  }
  sendState.BandQueue.entries[0] = entry;
  const SendResult result = SendBandWrite(entry.block, entry.band);
  sendState.ClearToSend = false;
  return result;
}

SendResult SendBandWrite(ParamAddress block, int band) {
  const int channel = ChannelOf(block);
  const int first = BandFirstSlot(channel, band);
  if (first < 0) return SendResult::Skipped;
  FrameData data;
  AppendValue(data, band);
  for (int r = 0; r < BandFieldCount; ++r) AppendValue(data, paramImage.ViewTable[channel][first + r]);
  return SendLong(CmdWrite, block, data);
}

SendResult WriteText(ParamAddress address, std::string_view text) {
  if (address == PresetSaveAddress) return SendLong(CmdWrite, address, PresetSaveData(text));
  FrameData digits;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      AppendLog("digit string not sent to " + AddressText(address) + ": it holds a character other than 0 to 9");
      return SendResult::NotDigits;
    }
    digits.push_back(static_cast<std::uint8_t>(c - '0'));
  }
  return SendLong(CmdWrite, address, digits);
}

SendResult RequestStep(int step, int direction, int presetSlot) {
  sendState.AwaitedReply = {};
  if (direction == 1) {
    if (step < 0 || step >= EqChannelCount) return SendResult::Skipped;
    return SendLong(CmdWrite, ChannelUploadAddress, ChannelUploadData(step));
  }
  if (direction != 0) return SendResult::Skipped;
  if (step >= 0 && step <= 8) {
    AwaitReply(MakeAddress(step, 0));
    return SendShort(CmdRead, ChannelReadAddress, step);
  }
  if (step == 9) {
    AwaitReply(PresetNameAddress);
    const std::array<std::uint8_t, 2> data{static_cast<std::uint8_t>(presetSlot), 0};
    return SendLong(CmdRead, PresetNameAddress, data);
  }
  const ParamAddress system = SystemReadAddress(step);
  if (system < 0) return SendResult::Skipped;
  AwaitReply(system);
  return SendLong(CmdRead, system, {});
}

SendResult ResendUnacknowledged() {
  if (sendState.Unacknowledged.size == 0) return SendLinkControl(LinkKeepAlive);
  return WriteFrame(sendState.Unacknowledged);
}
