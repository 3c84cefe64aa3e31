#include "tform3.h"

#include <QTimer>
#include <utility>

#include "com_port.h"
#include "port_list.h"
#include "port_refusal.h"
#include "receiver.h"
#include "tform2.h"

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

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window), port_(this) {
  setObjectName("TForm3");
  setWindowTitle("系统");
  for (const TimerSetting& setting : timerSettings) {
    auto* timer = new QTimer(this);
    timer->setObjectName(setting.name);
    timer->setInterval(setting.interval);
    connect(timer, &QTimer::timeout, this, setting.tick);
    timers_[static_cast<int>(setting.timer)] = timer;
  }
  comPort = &port_;
  AttachReceiver(port_);
  sessionState.host = this;
}

TForm3::~TForm3() {
  if (sessionState.host == this) sessionState.host = nullptr;
  if (comPort == &port_) comPort = nullptr;
}

void TForm3::SetTimer(LinkTimer timer, bool on) {
  QTimer* target = timers_[static_cast<int>(timer)];
  if (on)
    target->start();
  else
    target->stop();
}

std::vector<std::string> TForm3::ListPorts() {
  return fixedPorts_.empty() ? ListSerialPorts() : fixedPorts_;
}

std::string TForm3::RefusalReason(const std::string& port) { return PortRefusalReason(port); }

void TForm3::SetLinkWindow(LinkWindow* window) {
  disconnect(windowGone_);
  window_ = window;
  if (auto* object = dynamic_cast<QObject*>(window))
    windowGone_ = connect(object, &QObject::destroyed, this, [this] { window_ = nullptr; });
}

void TForm3::UpdateStatusDialog(int percent, bool visible) {
  if (statusDialog_) statusDialog_->UpdateStatus(percent, visible);
}

// The form only carries the port and the timers; it never appears.
void TForm3::setVisible(bool) { QWidget::setVisible(false); }
