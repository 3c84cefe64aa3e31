#pragma once
// The hidden link form: it owns the port (serial or network) and the three link timers, and carries out what the
// link session asks of the windows. It is never shown.

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "link_session.h"
#include "line_port.h"
#include "link_timers.h"

class TForm2;

class TForm3 : public QWidget, public LinkHost {
  Q_OBJECT
 public:
  // Installs its port as `comPort` with the receiver attached, and itself as the session's host.
  explicit TForm3(QWidget* parent = nullptr);
  ~TForm3() override;

  // The status dialog to update; null updates nothing.
  void SetStatusDialog(TForm2* dialog) { statusDialog_ = dialog; }
  // The main window the session reports to; null detaches it. A window that is a QObject is
  // detached by itself when it is destroyed, so the link never calls a window that is gone.
  void SetLinkWindow(LinkWindow* window);
  // Ports given on the command line (or the simulator's); empty means the system's serial ports.
  void SetFixedPorts(std::vector<std::string> ports) { fixedPorts_ = std::move(ports); }

  LinePort& Port() { return port_; }

  void SetTimer(LinkTimer timer, bool on) override;
  std::vector<std::string> ListPorts() override;
  std::string RefusalReason(const std::string& port) override;
  void UpdateStatusDialog(int percent, bool visible) override;
  LinkWindow* Window() override { return window_; }

  void setVisible(bool visible) override;

 private:
  LinePort port_;
  LinkTimers timers_;
  TForm2* statusDialog_ = nullptr;
  LinkWindow* window_ = nullptr;
  QMetaObject::Connection windowGone_;
  std::vector<std::string> fixedPorts_;
};
