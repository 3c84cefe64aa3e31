#pragma once
// The built-in virtual device of --demo: the simulator runs beside the panel on a pseudo-terminal
// and ends with it.

#include <QProcess>
#include <QString>

class DemoDevice {
 public:
  ~DemoDevice();
  // Starts the simulator and returns the path of its port, or an empty text when it did not start.
  QString Start();

 private:
  QProcess process_;
};
