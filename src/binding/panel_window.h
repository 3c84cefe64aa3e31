#pragma once
// What the binding asks of the main window: the page handlers that a panel refresh runs as a user's
// action would, and the drawing of the equaliser graph. The window implements it and hands it to
// BuildControlTable.

#include "param_image.h"

class BmpButton;
class ComboBox;

class PanelWindow {
 public:
  virtual ~PanelWindow() = default;
  virtual void EchoEffPhaseBtnClick(BmpButton& sender) = 0;  // phase buttons
  virtual void MainLmuteBtnClick(BmpButton& sender) = 0;     // on/off buttons
  // The radio group of the address chooses the button with this index; an index past the group's
  // buttons shows none pressed.
  virtual void ChooseRadio(ParamAddress group, int index) = 0;
  virtual void MusModeBox1Change(ComboBox& sender) = 0;  // band mode boxes
  virtual void AutoModeBtnClick(BmpButton& sender) = 0;
  virtual void SysModeBoxChange(ComboBox& sender) = 0;   // the preset list
  virtual void FormTabBtn1Click(BmpButton& sender) = 0;  // page buttons
  virtual void DrawGraph(int band, int channel) = 0;
};
