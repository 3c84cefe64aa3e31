#include "mode_compare.h"

#include <map>

bool UploadCarries(std::int32_t address) {
  const int channel = address >> 8, column = address & 0xFF;
  return address >= 0 && channel <= ModeFileLastChannel && column < ModeLastColumn(channel);
}

std::vector<ModeValue> CellsDiffering(const ModeFileContent& content, const DeviceTableCells& table) {
  std::map<std::int32_t, std::int32_t> cells;
  for (const ModeValue& value : content.values)
    if (UploadCarries(value.address)) cells[value.address] = value.value;
  std::vector<ModeValue> differing;
  for (const auto& [address, value] : cells) {
    const ModeValue cell{address, value};
    if (table[static_cast<std::size_t>(cell.channel())][static_cast<std::size_t>(cell.column())] != value)
      differing.push_back(cell);
  }
  return differing;
}
