#pragma once
// The link's diagnostic log: a hidden list of text lines that the senders, the receiver and the
// mode-file loader append to. It keeps only the newest lines so that a long session cannot grow it
// without end.

#include <cstddef>
#include <deque>
#include <string>

inline constexpr std::size_t LogLineLimit = 4000;

struct DiagnosticLog {
  std::deque<std::string> lines{"Memo1"};
};

extern DiagnosticLog Memo2;

// Appends one line; the oldest line goes once there are more than LogLineLimit.
void AppendLog(std::string line);
// Removes every line.
void ClearLog();
// A parameter address as the log shows it: 0x followed by four upper-case hexadecimal digits.
std::string AddressText(int address);
