#include "device_protocol.h"

#include <algorithm>
#include <string>
#include <vector>

#include "device_layout.h"
#include "system_addresses.h"

namespace {

constexpr int ValueBytes = 2;
constexpr int BandWriteBytes = 12;
constexpr int PresetSaveBytes = 2 + PresetNameLength;
constexpr int NameOffset = 0x20;  // name characters travel reduced by this

std::int32_t ValueAt(std::span<const std::uint8_t> data, std::size_t index) {
  return data[2 * index] | (data[2 * index + 1] << 8);
}

void Store(DeviceMemory& memory, int channel, int column, std::int32_t value) {
  if (channel < DeviceChannels && column >= 0 && column < DeviceColumns) memory.rows[channel][column] = value;
}

// The number of values a channel read answers with: the Music row carries both mode banks.
int ChannelBlockSize(int channel) { return ChannelParamCount[channel] + (channel == 0 ? 52 : 0); }

bool IsSystemValue(ParamAddress address) {
  return (address >= 0x0901 && address <= 0x090E && address != SystemPasswordAddress &&
          address != PanelPasswordAddress) ||
         (address >= 0x0920 && address <= 0x0922);
}

void WriteBand(DeviceMemory& memory, int channel, std::span<const std::uint8_t> data) {
  const int band = ValueAt(data, 0);
  if (band >= EqBandCount[channel]) return;
  const int bank = CurrentBank(memory);
  for (int role = 0; role < 5; ++role) {
    const int slot = EqFirstSlot[channel] + 5 * band + role;
    Store(memory, channel, MemoryColumn(channel, slot, bank), ValueAt(data, 1 + role));
  }
}

void Upload(DeviceMemory& memory, std::span<const std::uint8_t> data) {
  if (data.size() < 2 || data[0] >= DeviceChannels) return;
  const int channel = data[0];
  const std::size_t count = std::min<std::size_t>((data.size() - 2) / 2, DeviceColumns);
  for (std::size_t i = 0; i < count; ++i) memory.rows[channel][i] = ValueAt(data.subspan(2), i);
}

void SaveDigits(std::string& target, std::size_t length, std::span<const std::uint8_t> data) {
  if (data.size() != length || std::any_of(data.begin(), data.end(), [](std::uint8_t d) { return d > 9; })) return;
  target.clear();
  for (std::uint8_t d : data) target.push_back(static_cast<char>('0' + d));
}

void SavePreset(DeviceMemory& memory, std::span<const std::uint8_t> data) {
  if (data.size() != PresetSaveBytes || data[0] >= PresetCount) return;
  DevicePreset& preset = memory.presets[data[0]];
  preset.name.clear();
  for (std::uint8_t b : data.subspan(2)) preset.name.push_back(static_cast<char>(b + NameOffset));
  preset.rows = memory.rows;
}

// A recall loads the preset's channels 0..8; the system channel stays, apart from the preset number.
void RecallPreset(DeviceMemory& memory, std::int32_t slot) {
  if (slot < 0 || slot >= PresetCount) return;
  std::copy_n(memory.presets[slot].rows.begin(), SystemChannel, memory.rows.begin());
  memory.rows[SystemChannel][PresetSlotColumn] = slot;
}

Frame Reply(ParamAddress address, const std::vector<std::uint8_t>& data) { return BuildFrame(CmdRead, address, data); }

std::vector<std::uint8_t> Digits(const std::string& digits) {
  std::vector<std::uint8_t> data;
  for (char c : digits) data.push_back(static_cast<std::uint8_t>(c - '0'));
  return data;
}

}  // namespace

void ApplyWrite(DeviceMemory& memory, const DeviceRequest& request) {
  const ParamAddress address = request.address;
  const auto data = request.data;
  const int channel = ChannelOf(address);
  if (address == ChannelUploadAddress) return Upload(memory, data);
  if (address == PresetSaveAddress) return SavePreset(memory, data);
  if (address == SystemPasswordAddress) return SaveDigits(memory.systemPassword, SystemPasswordLength, data);
  if (address == PanelPasswordAddress) return SaveDigits(memory.keyLockPassword, KeyLockPasswordLength, data);
  if (channel < EqChannelCount && address == EqBlockAddress[channel] && data.size() == BandWriteBytes)
    return WriteBand(memory, channel, data);
  if (data.size() != ValueBytes) return;
  const std::int32_t value = ValueAt(data, 0);
  if (address == PresetRecallAddress) return RecallPreset(memory, value);
  if (channel < SystemChannel) return Store(memory, channel, MemoryColumn(channel, SlotOf(address), CurrentBank(memory)), value);
  if (channel == SystemChannel && IsSystemValue(address)) Store(memory, channel, SlotOf(address), value);
}

std::optional<Frame> AnswerRead(const DeviceMemory& memory, const DeviceRequest& request) {
  const ParamAddress address = request.address;
  const auto data = request.data;
  if (address == ChannelReadAddress && data.size() == 2 && data[0] < DeviceChannels) {
    const int channel = data[0];
    std::vector<std::uint8_t> values;
    for (int i = 0; i < ChannelBlockSize(channel); ++i) AppendValue(values, memory.rows[channel][i]);
    return Reply(MakeAddress(channel, 0), values);
  }
  if (address == PresetNameAddress && data.size() == 2 && data[0] < PresetCount) {
    std::vector<std::uint8_t> name;
    for (char c : FitPresetName(memory.presets[data[0]].name))
      name.push_back(static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) - NameOffset));
    return Reply(PresetNameAddress, name);
  }
  if (!data.empty()) return std::nullopt;
  if (address == SystemPasswordAddress) return Reply(address, Digits(memory.systemPassword));
  if (address == PanelPasswordAddress) return Reply(address, Digits(memory.keyLockPassword));
  if (address == DeviceIdentityAddress) return Reply(address, {memory.identity.begin(), memory.identity.end()});
  if (IsSystemValue(address)) {
    std::vector<std::uint8_t> value;
    AppendValue(value, memory.rows[SystemChannel][SlotOf(address)]);
    return Reply(address, value);
  }
  return std::nullopt;
}
