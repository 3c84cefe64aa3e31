#pragma once
// Why a serial port could not be opened, in one line the user can act on.

#include <string>

// What the file system says about a port's device file.
struct PortFileFacts {
  bool exists = false;
  bool accessible = false;        // readable and writable by this user
  bool characterDevice = false;   // a terminal device rather than a plain file
  std::string group;              // the owning group's name; empty when unknown
  bool groupMayReadWrite = false; // members of that group may read and write it
};

// A bare name (ttyUSB0) is taken as /dev/ttyUSB0; a path is used as it is.
std::string PortDevicePath(const std::string& name);
// Looks at the device file of the port.
PortFileFacts InspectPortFile(const std::string& name);
// The reason for the given facts, assuming the port failed to open.
std::string RefusalText(const std::string& path, const PortFileFacts& facts);
// The reason why the port failed to open, from its device file.
std::string PortRefusalReason(const std::string& name);
