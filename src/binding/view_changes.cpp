#include "view_changes.h"

#include <algorithm>

#include "panel_tables.h"

namespace {

constexpr int MicBChannel = 2, SystemChannel = 9;

bool IsMasterVolume(ParamAddress address) {
  for (const auto* rows : {&MasterVolumeRows(), &VolumeManagementRows()})
    if (std::any_of(rows->begin(), rows->end(), [address](const PageRow& row) { return row.address == address; })) return true;
  return false;
}

bool IsEdited(int channel, int slot) {
  if (channel == MicBChannel || channel > SystemChannel || slot >= ChannelParamCount[static_cast<std::size_t>(channel)]) return false;
  return channel < SystemChannel || IsMasterVolume(MakeAddress(channel, slot));
}

}  // namespace

std::vector<CellChange> ChangedCells(const ViewRows& before, const ViewRows& after) {
  std::vector<CellChange> changes;
  for (int c = 0; c < ChannelCount; ++c)
    for (int s = 0; s < ViewColumns; ++s) {
      const std::int32_t was = before[static_cast<std::size_t>(c)][static_cast<std::size_t>(s)];
      const std::int32_t now = after[static_cast<std::size_t>(c)][static_cast<std::size_t>(s)];
      if (was != now && IsEdited(c, s)) changes.push_back({MakeAddress(c, s), was, now});
    }
  return changes;
}

bool IsBandField(ParamAddress address) {
  const int channel = ChannelOf(address), slot = SlotOf(address);
  if (channel >= EqChannelCount) return false;
  const int first = EqFirstSlot[static_cast<std::size_t>(channel)];
  return slot >= first && slot < first + 5 * EqBandCount[static_cast<std::size_t>(channel)];
}
