#include "serial_port_list.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cctype>

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

bool PortNameLess(const std::string& a, const std::string& b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      std::size_t ei = i, ej = j;
      while (ei < a.size() && IsDigit(a[ei])) ++ei;
      while (ej < b.size() && IsDigit(b[ej])) ++ej;
      // Leading zeros aside, the longer run is the larger number.
      const std::size_t zi = std::min(a.find_first_not_of('0', i), ei), zj = std::min(b.find_first_not_of('0', j), ej);
      const std::string_view x(a.data() + zi, ei - zi), y(b.data() + zj, ej - zj);
      if (x.size() != y.size()) return x.size() < y.size();
      if (x != y) return x < y;
      i = ei;
      j = ej;
      continue;
    }
    if (a[i] != b[j]) return a[i] < b[j];
    ++i;
    ++j;
  }
  if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
  return a < b;  // equal by value: fall back to the plain text so the order is total
}

std::vector<std::string> ListSerialPorts() {
  std::vector<std::string> names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) names.push_back(info.portName().toStdString());
  std::sort(names.begin(), names.end(), PortNameLess);
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}
