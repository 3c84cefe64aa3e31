#pragma once
// The binding data every control of the panel carries: an integer Tag (the parameter address once the
// control table has stamped it, or a page index, or a channel) and a Hint text (a value kind, an on/off
// state, a radio index or a mode number). Hint is data for the handlers, never shown as a tooltip.

#include <QString>
#include <functional>

class QObject;

struct ControlData {
  virtual ~ControlData() = default;
  int Tag = 0;
  QString Hint;
};

// A control's event: one handler at a time, called with the sender, as the form's shared handlers
// expect. Empty until a handler is assigned.
template <class... Args>
using Event = std::function<void(Args...)>;

// The binding data of any of our controls; null for other objects.
inline ControlData* ControlDataOf(QObject* object) { return dynamic_cast<ControlData*>(object); }
