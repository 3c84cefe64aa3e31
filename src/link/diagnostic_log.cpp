#include "diagnostic_log.h"

#include <utility>

DiagnosticLog Memo2;

void AppendLog(std::string line) {
  Memo2.lines.push_back(std::move(line));
  while (Memo2.lines.size() > LogLineLimit) Memo2.lines.pop_front();
}

void ClearLog() { Memo2.lines.clear(); }
