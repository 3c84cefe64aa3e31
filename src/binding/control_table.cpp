#include "control_table.h"

ControlTable controlTable;
PanelControls panelControls;

namespace {

bool InTable(ParamAddress address) {
  return address >= 0 && ChannelOf(address) < ChannelCount && SlotOf(address) < SlotColumns && address <= 0xFFFF;
}

}  // namespace

QWidget* CellOf(const LayerCells<QWidget*>& layer, ParamAddress address) {
  if (!InTable(address)) return nullptr;
  return layer[static_cast<std::size_t>(ChannelOf(address))][static_cast<std::size_t>(SlotOf(address))];
}

QWidget* TripleOf(ParamAddress address, int index) {
  if (!InTable(address) || index < 0 || index > 2) return nullptr;
  return controlTable.TripleControls[static_cast<std::size_t>(ChannelOf(address))][static_cast<std::size_t>(SlotOf(address))]
                                    [static_cast<std::size_t>(index)];
}
