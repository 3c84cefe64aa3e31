#include "tform3.h"

#include <utility>

#include "com_port.h"
#include "port_list.h"
#include "receiver.h"
#include "tform2.h"

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window), timers_(this) {
  setObjectName("TForm3");
  setWindowTitle("系统");
  comPort = &port_;
  AttachReceiver(port_);
  sessionState.host = this;
}

TForm3::~TForm3() {
  if (sessionState.host == this) sessionState.host = nullptr;
  if (comPort == &port_) comPort = nullptr;
}

void TForm3::SetTimer(LinkTimer timer, bool on) { timers_.Set(timer, on); }

std::vector<std::string> TForm3::ListPorts() {
  return fixedPorts_.empty() ? ListSerialPorts() : fixedPorts_;
}

std::string TForm3::RefusalReason(const std::string& port) { return port_.RefusalReason(port); }

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
