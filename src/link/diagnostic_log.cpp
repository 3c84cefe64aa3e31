#include "diagnostic_log.h"

#include <cstdio>
#include <utility>

DiagnosticLog Memo2;

void AppendLog(std::string line) {
  Memo2.lines.push_back(std::move(line));
  while (Memo2.lines.size() > LogLineLimit) Memo2.lines.pop_front();
}

void ClearLog() { Memo2.lines.clear(); }

std::string AddressText(int address) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", address & 0xFFFF);
  return text;
}
