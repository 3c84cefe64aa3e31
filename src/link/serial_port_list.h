#pragma once
// The system's serial ports, as the link's port scan tries them.

#include <string>
#include <vector>

// The names of the system's serial ports (ttyS0, ttyUSB0, ...), each usable by SerialPort::Open,
// in name order with numbers compared as numbers (ttyUSB2 before ttyUSB10). Pseudo-terminals,
// such as the virtual device's, are not among them: a caller that wants one adds its path.
std::vector<std::string> ListSerialPorts();

// The order of ListSerialPorts: runs of digits compare by their value.
bool PortNameLess(const std::string& a, const std::string& b);
