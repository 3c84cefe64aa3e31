#include "port_refusal.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::string GroupName(gid_t gid) {
  if (const group* g = getgrgid(gid)) return g->gr_name;
  return std::to_string(gid);
}

std::string UserName() {
  if (const passwd* p = getpwuid(geteuid())) return p->pw_name;
  return "$USER";
}

}  // namespace

// The same rule as the serial library's: a name that starts a path is a path, else it is in /dev.
std::string SerialPortLocation(const std::string& name) {
  const bool path = name.starts_with('/') || name.starts_with("./") || name.starts_with("../");
  return path ? name : "/dev/" + name;
}

std::string PortRefusalReason(const std::string& name, QSerialPort::SerialPortError openError,
                              const std::string& openErrorText) {
  if (name.empty()) return "no port name";
  const std::string path = SerialPortLocation(name);
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return path + " does not exist";
    return path + " cannot be reached: " + std::strerror(errno);
  }
  if (access(path.c_str(), R_OK | W_OK) != 0) {
    const std::string group = GroupName(info.st_gid);
    return "no access for this user: " + path + " belongs to group " + group + "; join it (sudo usermod -aG " +
           group + " " + UserName() + ") and log in again";
  }
  if (!S_ISCHR(info.st_mode)) return path + " is not a serial port";
  switch (openError) {
    case QSerialPort::PermissionError:
      return "in use by another program";
    case QSerialPort::DeviceNotFoundError:
      return path + " does not exist";
    case QSerialPort::UnsupportedOperationError:  // no terminal settings: /dev/null, a sound device
      return path + " is not a serial port";
    case QSerialPort::NoError:
      return "could not be opened";
    default:
      return "could not be opened: " + openErrorText;
  }
}
