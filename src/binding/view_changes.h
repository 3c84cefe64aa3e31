#pragma once
// What a user's action changed in the panel's view of the parameters: the cells that differ between
// a copy of the view taken before it and the view after it. Only the parameters a user edits count:
// every channel with an equaliser page (MIC B's row only mirrors the MIC page, which carries MIC A's
// addresses) and the master volumes of the System channel; passwords, presets, the key lock and the
// device's status are not parameter edits.

#include <vector>

#include "param_image.h"

using ViewRows = decltype(ParamImage::ViewTable);

struct CellChange {
  ParamAddress address = 0;
  std::int32_t before = 0;
  std::int32_t after = 0;
  bool operator==(const CellChange&) const = default;
};

// The edited cells that differ, in address order.
std::vector<CellChange> ChangedCells(const ViewRows& before, const ViewRows& after);

// A field of an equaliser band (it travels in the band's frame) rather than a parameter of its own.
bool IsBandField(ParamAddress address);
