#include "control_cells.h"

#include <array>

#include "control_names.h"
#include "panel_tables.h"

namespace {

// Where each band control sits: the band field (role) and the layer.
struct BandCell {
  BandPart part;
  int role;
  Layer layer;
  int index = 0;
};

constexpr std::array<BandCell, 13> BandCells{{
    {BandPart::ModeBox, 0, Layer::Primary},
    {BandPart::PeqImage, 0, Layer::Triple, 0},
    {BandPart::LsqImage, 0, Layer::Triple, 1},
    {BandPart::HsqImage, 0, Layer::Triple, 2},
    {BandPart::FreEdit, 1, Layer::Primary},
    {BandPart::FreSpin, 1, Layer::Step},
    {BandPart::GainEdit, 2, Layer::Primary},
    {BandPart::GainSpin, 2, Layer::Step},
    {BandPart::GainBar, 2, Layer::Triple, 0},
    {BandPart::QEdit, 3, Layer::Primary},  // one Q edit and one spin pair serve both Q fields
    {BandPart::QSpin, 3, Layer::Step},
    {BandPart::QEdit, 4, Layer::Primary},
    {BandPart::QSpin, 4, Layer::Step},
}};

// Slots of parameters without a control of their own hold the placeholder: in both the primary and
// the read-out layer, or in the primary layer only.
struct SpareSlots {
  int channel;
  std::vector<int> both;
  std::vector<int> primaryOnly;
};

std::vector<SpareSlots> Spares() {
  std::vector<SpareSlots> spares{
      {0, {2}, {}},          {1, {2, 3}, {}},       {3, {}, {11, 12}},      {5, {19, 28, 29}, {}},
      {6, {19, 26, 27}, {}}, {7, {19}, {26, 27}},  {8, {26}, {27}},        {9, {0, 1, 4, 5, 15, 16}, {}},
  };
  // The output channels keep the Disco copies of their banked slots on the odd slots 1..17.
  for (SpareSlots& spare : spares)
    if (spare.channel >= 5 && spare.channel <= 8)
      for (int slot = 1; slot <= 17; slot += 2) spare.both.push_back(slot);
  return spares;
}

class CellList {
 public:
  void Put(ParamAddress address, Layer layer, std::string name, int index = 0) {
    cells.push_back({address, layer, index, std::move(name)});
  }
  void Placeholder(ParamAddress address, Layer layer) { Put(address, layer, ControlName::Example); }
  // A slot edited by one control whose read-out cell holds another control or the placeholder.
  void Bound(ParamAddress address, const std::string& primary, const std::string& readout) {
    Put(address, Layer::Primary, primary);
    Put(address, Layer::Readout, readout.empty() ? std::string(ControlName::Example) : readout);
  }

  std::vector<ControlCell> cells;
};

void AddBandBlocks(CellList& list) {
  for (const EqGroup& group : EqGroups) {
    const int channel = group.channel;
    for (int band = 1; band <= BandCountOf(group); ++band) {
      const int first = EqFirstSlot[channel] + 5 * (band - 1);
      const ParamAddress mode = MakeAddress(channel, first);
      for (const BandCell& cell : BandCells)
        list.Put(mode + cell.role, cell.layer, BandControlName(group, cell.part, band), cell.index);
      // The mode slot's spin cell: a hidden button for the first Music band, else the placeholder.
      if (channel == 0 && band == 1)
        list.Put(mode, Layer::Step, ControlName::MusEQBmpBtn1);
      else
        list.Placeholder(mode, Layer::Step);
      if (band == 1 && (channel == 5 || channel == 6)) list.Placeholder(mode, Layer::Readout);
    }
  }
}

void AddRow(CellList& list, const PageRow& row) {
  if (!row.bound) return;
  switch (row.type) {
    case RowType::Slider:
      list.Bound(row.address, row.slider, row.pane);
      if (!row.spin.empty()) list.Put(row.address, Layer::Step, row.spin);
      if (!row.phase.empty()) list.Bound(row.phaseAddress, row.phase, row.phaseReadout);
      break;
    case RowType::Choice: list.Bound(row.address, row.list, {}); break;
    case RowType::Radio:
    case RowType::Pair: list.Bound(row.address, row.primary.empty() ? row.buttons.front().name : row.primary, row.readout); break;
    case RowType::Toggle:
      for (const RowButton& button : row.buttons) list.Bound(button.address, button.name, {});
      break;
  }
}

std::vector<ControlCell> BuildCells() {
  CellList list;
  AddBandBlocks(list);
  for (const PageRow* row : AllRows()) AddRow(list, *row);
  for (const SpareSlots& spare : Spares()) {
    for (int slot : spare.both) {
      list.Placeholder(MakeAddress(spare.channel, slot), Layer::Primary);
      list.Placeholder(MakeAddress(spare.channel, slot), Layer::Readout);
    }
    for (int slot : spare.primaryOnly) list.Placeholder(MakeAddress(spare.channel, slot), Layer::Primary);
  }
  return list.cells;
}

}  // namespace

const std::vector<ControlCell>& ControlCells() {
  static const std::vector<ControlCell> cells = BuildCells();
  return cells;
}
