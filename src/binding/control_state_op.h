#pragma once
// The state of the panel's buttons, button pairs, radio groups, mode images and page buttons lives in
// their Hint and in the picture they show. ControlStateOp flips or selects, redraws and returns the
// resulting value. A control of another class than the action expects is left alone (result 0).

#include "param_image.h"

class QWidget;

enum class StateAction {
  SelectBand,        // a band edit: select its band on page group `group`; result the band
  SelectPage,        // a page button: result (channel << 8) | page
  ToggleButton,      // an on/off button: result the new state
  TogglePhase,       // a phase button: 1 shows "+", 0 "-"
  SelectAutoManual,  // AutoModeBtn (0) or ManulModeBtn (1)
  SelectSingDisco,   // SingModeBtn (0) or DiscoModeBtn (1)
  SelectRadio,       // the button of a radio group to press; the group is in RadioGroupButtons
  SelectMicGroup,    // MicABtn (0) or MicBBtn (1)
  SelectLinkButton,  // LinkBtn (0) or UnLinkBtn (1)
  ShowModeImages,    // one of a band's three mode images: light it, dim the other two
};

int ControlStateOp(QWidget* control, StateAction action, int group = 0);

// Shows the button with this index of the radio group of the address pressed and the others
// released; the group's buttons are in RadioGroupButtons. An index past the group's buttons shows
// none pressed.
void ShowRadioChoice(ParamAddress group, int index);
