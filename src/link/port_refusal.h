#pragma once
// Why a serial port could not be opened, in one line for the user: the link lists these lines
// under "Connect Failure!". The serial library reports both "no access for this user" and "in use
// by another program" as a permission error (its lock file and exclusive open), so the device
// file itself is asked which it is.

#include <QSerialPort>
#include <string>

// The device file behind a port name: /dev/ttyUSB0 for ttyUSB0; a path is taken as it is.
std::string SerialPortLocation(const std::string& name);

// openError and openErrorText are what the refused open reported (NoError when not known).
std::string PortRefusalReason(const std::string& name, QSerialPort::SerialPortError openError,
                              const std::string& openErrorText = {});
