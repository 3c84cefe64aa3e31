#pragma once
// Typed look-ups in the control table: a cell's control when it is of the wanted class, else null.
// Every address read from a control's Tag goes through these, so a stray Tag indexes nothing.

#include <QWidget>

#include "control_data.h"
#include "control_table.h"
#include "page_control.h"

template <class T>
T* PrimaryAs(ParamAddress address) {
  return qobject_cast<T*>(CellOf(controlTable.PrimaryControls, address));
}

template <class T>
T* ReadoutAs(ParamAddress address) {
  return qobject_cast<T*>(CellOf(controlTable.ReadoutControls, address));
}

template <class T>
T* StepAs(ParamAddress address) {
  return qobject_cast<T*>(CellOf(controlTable.StepControls, address));
}

template <class T>
T* TripleAs(ParamAddress address, int index) {
  return qobject_cast<T*>(TripleOf(address, index));
}

// The number a control keeps in its Hint (a value kind, an on/off state, a radio index, a mode);
// an empty or unreadable Hint counts as 0.
inline int HintValue(const ControlData& control) { return control.Hint.toInt(); }

// The page on show (0 Music .. 7 System), or -1 before the window has its controls.
inline int PageOnShow() { return panelControls.FormPageItem ? panelControls.FormPageItem->ActivePageIndex() : -1; }
