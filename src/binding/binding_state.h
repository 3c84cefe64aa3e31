#pragma once
// The binding state: which band edit the keyboard, the wheel and the spin buttons act on, the band
// selected on each page, the page on show, the last value a user changed, and the two guards
// against re-entry while the binding itself moves controls. One process-wide instance.

#include <array>
#include <cstdint>
#include <string>

#include "control_table.h"

struct BindingState {
  Edit* CurrentEdit = nullptr;    // the band edit the keys act on; the placeholder means none
  Edit* PreviousEdit = nullptr;   // the band edit current before; its frame is drawn grey
  std::string LastGoodText;       // the current edit's text as last accepted
  std::array<int, EqGroupCount> SelectedBand{};
  bool BindingBusy = false;       // the table is being stamped or the panel refreshed
  bool SliderSync = false;        // the binding moves a slider itself: slider handlers return
  ParamAddress LastChangedAddress = 0;
  std::int32_t LastChangedValue = 0;
  std::array<int, 10> EqPassState{};  // the EQ-pass state last shown, by channel
  ParamAddress CurrentPageAddress = 0;  // (channel << 8) | page index of the page on show
  int WheelArmed = 0;             // the first click on a band edit lets the wheel step edits
};

extern BindingState bindingState;
