#include "receiver.h"

#include <algorithm>
#include <array>
#include <string>

#include "diagnostic_log.h"
#include "link_texts.h"
#include "param_image.h"
#include "send_state.h"
#include "system_addresses.h"

ReceiveState receiveState;

namespace {

constexpr std::size_t HeaderSize = 4;  // start bytes, length, command
constexpr std::size_t MinFrameSize = FrameOverhead;
constexpr int PresetNameLength = 20;
constexpr int FirstIgnoredSystemSlot = 48;

constexpr char HexDigits[] = "0123456789ABCDEF";

void AppendHex(std::string& text, std::uint8_t byte) {
  text += HexDigits[byte >> 4];
  text += HexDigits[byte & 0x0F];
}

void Restart() {
  auto& rx = receiveState;
  rx.RxStage = RxHunting;
  rx.RxNeed = 0;
  rx.RxGot = 0;
  rx.RxBuffer.size = 0;
  rx.RxQuietMs = 0;
}

// Reads and forgets whatever the port holds; returns how many bytes that was.
std::size_t DiscardWaiting() {
  std::size_t dropped = 0;
  std::array<std::uint8_t, 256> scratch{};
  while (const std::size_t n = comPort->Read(scratch.data(), scratch.size())) dropped += n;
  return dropped;
}

bool ReadByte(std::uint8_t& byte) { return comPort->Read(&byte, 1) == 1; }

// Stage 0: drops bytes up to a start byte. True when one was found.
bool Hunt() {
  auto& rx = receiveState;
  rx.RxBuffer.size = 0;
  std::uint8_t byte = 0;
  while (ReadByte(byte)) {
    if (byte != StartByte1 && byte != AckStart) continue;
    rx.RxBuffer.bytes[0] = byte;
    rx.RxBuffer.size = 1;
    rx.RxStage = RxUnit;
    rx.RxNeed = byte == StartByte1 ? 3 : 1;
    rx.RxGot = 0;
    return true;
  }
  return false;
}

// A good header announces a known command and at least an address and a checksum.
void CheckHeader() {
  auto& rx = receiveState;
  const auto& b = rx.RxBuffer.bytes;
  const bool good = b[1] == StartByte2 && (b[3] == CmdWrite || b[3] == CmdRead) && b[2] >= 4;
  if (!good) {
    Restart();
    return;
  }
  rx.RxStage = RxBody;
  rx.RxNeed = static_cast<std::uint16_t>(b[2] - 1);  // address, data and checksum
  rx.RxGot = 0;
}

void CheckAcknowledgement() {
  const std::uint8_t second = receiveState.RxBuffer.bytes[1];
  Restart();
  if (second != AckOk && second != AckAlt) return;
  sendState.DeviceAnswered = 1;
  sendState.ClearToSend = true;
  // A read step waits for a data frame: a stray acknowledgement must neither hide its reply nor
  // stop its time-out.
  if (!sendState.AwaitedReply.waiting) sendState.TransferEvent = TransferAcknowledged;
}

// True when the frame is the reply the running read step asked for, or no read step is running.
// Anything else is logged and dropped.
bool IsAwaitedReply(std::span<const std::uint8_t> frame) {
  AwaitedRead& awaited = sendState.AwaitedReply;
  if (!awaited.waiting) return true;
  const ParamAddress address = MakeAddress(frame[4], frame[5]);
  const bool asked = ChannelOf(awaited.address) < EqChannelCount ? ChannelOf(address) == ChannelOf(awaited.address)
                                                                 : address == awaited.address;
  if (asked && !awaited.answered) {
    awaited.answered = true;
    return true;
  }
  AppendLog(std::string(asked ? "duplicate" : "stray") + " reply dropped: " + AddressText(address) +
            " while waiting for " + AddressText(awaited.address));
  return false;
}

// Stage 1: the rest of a header or acknowledgement, a byte at a time. True when it is complete.
bool ReadUnit() {
  auto& rx = receiveState;
  std::uint8_t byte = 0;
  while (rx.RxGot < rx.RxNeed) {
    if (!ReadByte(byte)) return false;
    rx.RxBuffer.bytes[rx.RxBuffer.size++] = byte;
    ++rx.RxGot;
  }
  if (rx.RxNeed == 3) {
    CheckHeader();
  } else {
    CheckAcknowledgement();
  }
  return true;
}

// Stage 2: the body in one piece once it has all arrived. True when the frame was decoded.
bool ReadBody(std::size_t count) {
  auto& rx = receiveState;
  auto& buffer = rx.RxBuffer;
  const std::size_t missing = rx.RxNeed - rx.RxGot;
  if (comPort->BytesAvailable() < missing) return false;
  if (rx.RxGot == 0) {
    const std::string c = std::to_string(count);
    AppendLog("缓存长度K:C:L=" + c + " " + c + " " + std::to_string(rx.RxNeed));
  }
  const std::size_t got = comPort->Read(buffer.bytes.data() + buffer.size, missing);
  buffer.size += got;
  rx.RxGot = static_cast<std::uint16_t>(rx.RxGot + got);
  if (rx.RxGot < rx.RxNeed) return false;
  if (IsAwaitedReply(buffer.view())) {
    DecodeFrame(buffer.view());
    sendState.TransferEvent = TransferDataFrame;
  }
  Restart();
  return true;
}

// A stage that only this file sets; anything else (a hand-made state) starts hunting afresh.
bool StateIsSound() {
  const auto& rx = receiveState;
  const std::size_t capacity = rx.RxBuffer.bytes.size();
  return rx.RxStage <= RxBody && rx.RxGot <= rx.RxNeed && rx.RxBuffer.size <= capacity &&
         capacity - rx.RxBuffer.size >= static_cast<std::size_t>(rx.RxNeed - rx.RxGot);
}

void LogChecksumMismatch(std::span<const std::uint8_t> frame, std::uint8_t computed) {
  AppendLog(std::to_string(frame[4]) + "********************");
  AppendLog("校验数据匹配不一致:" + std::to_string(computed) + "得到的验证数据：" +
            std::to_string(frame.back()));
  AppendLog("接收到的错误数据：" + HexDump(frame));
}

void StoreBlock(int channel, int slot, std::span<const std::uint8_t> data) {
  auto& row = paramImage.DeviceTable[channel];
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    const std::size_t column = slot + i / 2;
    if (column >= row.size()) break;
    row[column] = data[i] + 256 * data[i + 1];
  }
}

void StorePresetName(std::span<const std::uint8_t> data) {
  const int slot = sendState.NameSlot;
  if (slot < 1 || slot > PresetNameCount) {
    AppendLog("preset name ignored: no name request waits (name slot " + std::to_string(slot) + ")");
    return;
  }
  if (data.size() == PresetNameLength + 1) return;  // a 21-character name is not stored
  std::string name;
  for (const std::uint8_t b : data.first(std::min<std::size_t>(data.size(), PresetNameLength)))
    name += b + 32 > 127 ? '?' : static_cast<char>(b + 32);
  paramImage.PresetNames[slot - 1] = name;
}

std::string Digits(std::span<const std::uint8_t> data) {
  std::string text;
  for (const std::uint8_t b : data) text += std::to_string(b);
  return text;
}

void LogShortReply(int channel, int slot, std::size_t need, std::size_t got) {
  AppendLog("system reply ignored: " + std::to_string(channel) + ":" + std::to_string(slot) + " carries " +
            std::to_string(got) + " of " + std::to_string(need) + " bytes");
}

void ApplySystemReply(int channel, int slot, std::span<const std::uint8_t> data) {
  switch (slot) {
    case SlotOf(PresetNameAddress):
      StorePresetName(data);
      return;
    case SlotOf(SystemPasswordAddress):
      paramImage.SystemPassword = Digits(data);
      return;
    case SlotOf(PanelPasswordAddress):
      paramImage.PanelPassword = Digits(data);
      return;
    case SlotOf(DeviceIdentityAddress): {
      if (data.size() < 4) return LogShortReply(channel, slot, 4, data.size());
      std::string id;
      for (const std::uint8_t b : data.first(4)) AppendHex(id, b);
      SetDeviceIDLabel(id);
      return;
    }
    case SlotOf(PresetSaveAddress):
    case SlotOf(PresetRecallAddress):
    case SlotOf(ChannelUploadAddress):
    case SlotOf(ChannelReadAddress):
      return;
    default:
      if (slot >= FirstIgnoredSystemSlot) return;
      if (data.size() < 2) return LogShortReply(channel, slot, 2, data.size());
      if (channel < ChannelCount) paramImage.DeviceTable[channel][slot] = data[0] + 256 * data[1];
  }
}

}  // namespace

void ComPortRxChar(std::size_t count) {
  if (comPort == nullptr) return;
  if (!StateIsSound()) Restart();
  receiveState.RxQuietMs = 0;
  for (;;) {
    bool progressed = false;
    switch (receiveState.RxStage) {
      case RxHunting:
        progressed = Hunt();
        break;
      case RxUnit:
        progressed = ReadUnit();
        break;
      default:
        progressed = ReadBody(count);
    }
    if (!progressed) return;
  }
}

void AttachReceiver(ComPort& port) { port.onReceived = ComPortRxChar; }

void ResetReceiver() { Restart(); }

void ReceiverTimePassed(int elapsedMs) {
  auto& rx = receiveState;
  if (rx.RxStage == RxHunting) return;
  rx.RxQuietMs += elapsedMs;
  if (rx.RxQuietMs < RxSilenceLimitMs) return;
  std::string line = "unfinished unit dropped after " + std::to_string(rx.RxQuietMs) +
                     " ms without bytes: " + HexDump(rx.RxBuffer.view());
  if (const std::size_t dropped = comPort ? DiscardWaiting() : 0)
    line += " and " + std::to_string(dropped) + " bytes of its body";
  AppendLog(line);
  Restart();
}

void DecodeFrame(std::span<const std::uint8_t> frame) {
  if (frame.size() < MinFrameSize) {
    AppendLog("frame too short: " + HexDump(frame));
    return;
  }
  const std::uint8_t computed = FrameChecksum(frame, frame[1]);
  if (computed != frame.back()) LogChecksumMismatch(frame, computed);
  const int channel = frame[4];
  const int slot = frame[5];
  const auto data = frame.subspan(HeaderSize + 2, frame.size() - MinFrameSize);
  if (channel < EqChannelCount) {
    StoreBlock(channel, slot, data);
  } else {
    ApplySystemReply(channel, slot, data);
  }
}

std::string HexDump(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (const std::uint8_t b : bytes) {
    if (!text.empty()) text += ' ';
    AppendHex(text, b);
  }
  return text;
}
