#pragma once
// The layout of the control table as data: which named control sits in which cell, for every
// parameter slot of every channel. Generated from the page tables (the band columns, the rows of the
// pages, the page bar, the System page and the bottom bar) and from the slots that the design fills
// with the hidden placeholder edit. Plain C++; the window resolves the names to its controls.

#include <string>
#include <vector>

#include "param_image.h"

// The four layers of the control table. A triple cell has three references (index 0..2).
enum class Layer { Primary, Readout, Step, Triple };

struct ControlCell {
  ParamAddress address;
  Layer layer;
  int index = 0;     // the reference within a triple cell
  std::string name;  // the control's name; ControlName::Example for the placeholder
};

// Every filled cell, each once. Rows 2 (MIC B, whose page shares row 1's controls) and 10 stay empty.
const std::vector<ControlCell>& ControlCells();
