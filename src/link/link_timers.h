#pragma once
// The session's three timers as QTimers (Timer1 1000 ms scan, Timer2 100 ms stepper, HoldTimer
// 20 ms supervision), each calling its tick function. Whoever runs the session owns one: the hidden
// link form, or a run without a window.

#include <QObject>

#include "link_session.h"

class QTimer;

class LinkTimers : public QObject {
  Q_OBJECT
 public:
  explicit LinkTimers(QObject* parent = nullptr);
  void Set(LinkTimer timer, bool on);

 private:
  QTimer* timers_[3] = {};  // indexed by LinkTimer
};
