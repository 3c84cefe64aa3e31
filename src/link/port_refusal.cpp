#include "port_refusal.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

std::string PortDevicePath(const std::string& name) {
  if (name.empty() || name.front() == '/') return name;
  return "/dev/" + name;
}

PortFileFacts InspectPortFile(const std::string& name) {
  const std::string path = PortDevicePath(name);
  PortFileFacts facts;
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0) return facts;
  facts.exists = true;
  facts.accessible = access(path.c_str(), R_OK | W_OK) == 0;
  facts.characterDevice = S_ISCHR(info.st_mode);
  if (const struct group* owner = getgrgid(info.st_gid)) facts.group = owner->gr_name;
  facts.groupMayReadWrite = (info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
  return facts;
}

std::string RefusalText(const std::string& path, const PortFileFacts& facts) {
  if (path.empty()) return "no port name given";
  if (!facts.exists) return "the device file " + path + " does not exist";
  if (!facts.accessible) {
    if (facts.groupMayReadWrite && !facts.group.empty())
      return "no access for this user: add yourself to the group " + facts.group +
             ", then log in again";
    return "no access for this user: " + path + " needs read and write permission";
  }
  if (!facts.characterDevice) return path + " is not a serial device";
  // QSerialPort reports a port locked or held exclusively by someone else as a permission error.
  return "in use by another program";
}

std::string PortRefusalReason(const std::string& name) {
  return RefusalText(PortDevicePath(name), InspectPortFile(name));
}
