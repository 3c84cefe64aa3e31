#include "link_timers.h"

#include <QTimer>

namespace {

struct TimerSetting {
  LinkTimer timer;
  const char* name;
  int interval;
  void (*tick)();
};

constexpr TimerSetting timerSettings[] = {
    {LinkTimer::Scan, "Timer1", ScanIntervalMs, Timer1Timer},
    {LinkTimer::Stepper, "Timer2", StepperIntervalMs, Timer2Timer},
    {LinkTimer::Hold, "HoldTimer", HoldIntervalMs, HoldTimerTimer},
};

}  // namespace

LinkTimers::LinkTimers(QObject* parent) : QObject(parent) {
  for (const TimerSetting& setting : timerSettings) {
    auto* timer = new QTimer(this);
    timer->setObjectName(setting.name);
    timer->setInterval(setting.interval);
    connect(timer, &QTimer::timeout, this, setting.tick);
    timers_[static_cast<int>(setting.timer)] = timer;
  }
}

void LinkTimers::Set(LinkTimer timer, bool on) {
  QTimer* target = timers_[static_cast<int>(timer)];
  if (on)
    target->start();
  else
    target->stop();
}
