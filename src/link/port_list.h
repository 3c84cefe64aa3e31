#pragma once
// The system's serial ports, as the port scan tries them.

#include <string>
#include <vector>

// Full device paths (/dev/ttyUSB0, ...) in natural name order (ttyS2 before ttyS10).
std::vector<std::string> ListSerialPorts();
