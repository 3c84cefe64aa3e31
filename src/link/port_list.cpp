#include "port_list.h"

#include <QCollator>
#include <QSerialPortInfo>
#include <QStringList>
#include <algorithm>

std::vector<std::string> ListSerialPorts() {
  QStringList paths;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    paths.append(info.systemLocation());
  QCollator collator;
  collator.setNumericMode(true);
  std::sort(paths.begin(), paths.end(),
            [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
  std::vector<std::string> ports;
  ports.reserve(paths.size());
  for (const QString& path : paths) ports.push_back(path.toStdString());
  return ports;
}
