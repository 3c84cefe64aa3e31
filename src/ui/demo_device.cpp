#include "demo_device.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Beside the panel when installed; in the build tree the simulator's own folder.
QString SimulatorPath() {
  const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/dsp-device-sim");
  if (QFileInfo(beside).isExecutable()) return beside;
  return QStringLiteral(DSP_DEVICE_SIM_PATH);
}

}  // namespace

DemoDevice::~DemoDevice() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(2000)) process_.kill();
}

QString DemoDevice::Start() {
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.start(SimulatorPath(), {});
  if (!process_.waitForStarted(5000)) return {};
  // The simulator prints its port's path as its first line.
  while (!process_.canReadLine()) {
    if (!process_.waitForReadyRead(5000)) return {};
  }
  return QString::fromLocal8Bit(process_.readLine()).trimmed();
}
