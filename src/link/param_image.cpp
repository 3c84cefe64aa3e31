#include "param_image.h"

ParamImage paramImage;

namespace {

bool IsDiscoBank(std::int32_t bank) { return (bank & 0xFF) != 0; }

constexpr int Pack(int band, int role) { return band * 256 + role; }

// The filter handles are located as bands past a channel's real bands, always with role 0.
int FilterHandleBand(int channel, int slot) {
  switch (channel) {
    case 1:
    case 2:
      return slot == 0 ? 15 : -1;
    case 3:
      if (slot == 4) return 3;
      if (slot == 5) return 4;
      return -1;
    case 5:
    case 7:
    case 8:
      return slot == 16 ? 5 : -1;
    case 6:
      if (slot == 8 || slot == 10 || slot == 12) return 3;
      if (slot == 14 || slot == 16 || slot == 18) return 4;
      return -1;
    default:
      return -1;
  }
}

}  // namespace

std::int32_t ViewValue(ParamAddress address) {
  const int channel = ChannelOf(address), slot = SlotOf(address);
  if (address < 0 || channel >= ChannelCount || slot >= ViewColumns) return 0;
  return paramImage.ViewTable[static_cast<std::size_t>(channel)][static_cast<std::size_t>(slot)];
}

ParamAddress MapMicGroup(ParamAddress address) {
  if (ChannelOf(address) == 1 && paramImage.MicGroupB == 1) return address + 0x100;
  return address;
}

int EqGroupOfChannel(ParamAddress address) {
  switch (ChannelOf(address)) {
    case 1:
    case 2:
      return 1;
    case 3:
    case 4:
      return 2;
    case 5:
      return 3;
    case 7:
      return 4;
    case 6:
      return 5;
    case 8:
      return 6;
    default:
      return 0;
  }
}

int LocateBand(ParamAddress address) {
  const int channel = ChannelOf(address);
  const int slot = SlotOf(address);
  if (channel == 4 || channel >= 9) return NoGraphBand;
  if (const int band = FilterHandleBand(channel, slot); band >= 0) return Pack(band, 0);
  const int first = EqFirstSlot[channel];
  if (slot < first) return NotAnEqSlot;
  return Pack((slot - first) / 5, (slot - first) % 5);
}

ParamAddress ResolveQSlot(ParamAddress address) {
  const int role = LocateBand(address) % 256;
  if (role != 3 && role != 4) return address;
  const ParamAddress base = address - role;
  const int type = paramImage.ViewTable[ChannelOf(base)][SlotOf(base)];
  return type == 0 ? base + 3 : base + 4;
}

int BankSlot(int channel, int slot, std::int32_t bank) {
  const int b = IsDiscoBank(bank) ? 1 : 0;
  switch (channel) {
    case 0:
      return slot < 2 ? slot : slot + 52 * b;
    case 5:
    case 6:
    case 7:
      return slot <= 19 ? slot + b : slot;
    case 8:
      return slot <= 17 ? slot + b : slot;
    default:
      return slot;
  }
}

namespace {

// Cells outside the tables are never written: addresses come from controls and the wire, and a
// stray one must not reach past a row.
void SetView(ParamAddress address, std::int32_t value) {
  const int channel = ChannelOf(address);
  const int slot = SlotOf(address);
  if (channel < ChannelCount && slot < ViewColumns) paramImage.ViewTable[channel][slot] = value;
}

}  // namespace

void StoreValue(ParamAddress address, std::int32_t value) {
  SetView(address, value);
  const ParamAddress mapped = MapMicGroup(address);
  SetView(mapped, value);
  const int channel = ChannelOf(mapped);
  const int column = BankSlot(channel, SlotOf(mapped), paramImage.ActiveBank);
  if (channel < ChannelCount && column < DeviceColumns) paramImage.DeviceTable[channel][column] = value;
}

void RebuildView(std::int32_t bank) {
  for (int channel = 0; channel <= 9; ++channel) {
    const int source = (channel == 1 && paramImage.MicGroupB == 1) ? 2 : channel;
    for (int slot = 0; slot < ChannelParamCount[channel]; ++slot)
      paramImage.ViewTable[channel][slot] = paramImage.DeviceTable[source][BankSlot(channel, slot, bank)];
  }
}
