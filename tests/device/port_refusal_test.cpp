// The one-line reasons for a refused port that the device file itself can tell: missing, not a
// serial port, no access for this user. The access case is checked as a user without rights:
// when the tests run as root, in a child process that has become "nobody".

#include "port_refusal.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

constexpr uid_t Nobody = 65534;

TEST(PortRefusal, LocatesNamesAsTheSerialLibraryDoes) {
  const struct {
    const char* name;
    const char* location;
  } cases[] = {{"ttyUSB0", "/dev/ttyUSB0"}, {"pts/3", "/dev/pts/3"}, {"/tmp/dsp-link", "/tmp/dsp-link"},
               {"./ttyX", "./ttyX"}, {"../ttyX", "../ttyX"}};
  for (const auto& c : cases) EXPECT_EQ(SerialPortLocation(c.name), c.location);
}

TEST(PortRefusal, TellsAMissingFileAndAFileThatIsNoPort) {
  const fs::path file = fs::temp_directory_path() / ("dsp-refusal-file." + std::to_string(getpid()));
  std::ofstream(file) << "x";
  EXPECT_EQ(PortRefusalReason(file.string(), QSerialPort::UnsupportedOperationError), file.string() + " is not a serial port");
  fs::remove(file);
  EXPECT_EQ(PortRefusalReason(file.string(), QSerialPort::DeviceNotFoundError), file.string() + " does not exist");
  EXPECT_EQ(PortRefusalReason("/dev/null", QSerialPort::PermissionError), "in use by another program");
}

// The reason as a user who may not read and write the file: computed in a child process that
// drops to "nobody" when this one is root, here otherwise.
std::string ReasonWithoutRights(const std::string& path) {
  if (geteuid() != 0) return PortRefusalReason(path, QSerialPort::PermissionError);
  int ends[2];
  if (pipe(ends) != 0) return "no pipe";
  const pid_t child = fork();
  if (child == 0) {
    close(ends[0]);
    std::string reason = "could not become nobody";
    if (setgroups(0, nullptr) == 0 && setgid(Nobody) == 0 && setuid(Nobody) == 0)
      reason = PortRefusalReason(path, QSerialPort::PermissionError);
    const ssize_t written = write(ends[1], reason.data(), reason.size());
    _exit(written == static_cast<ssize_t>(reason.size()) ? 0 : 1);
  }
  close(ends[1]);
  std::string reason;
  char buffer[512];
  for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;) reason.append(buffer, static_cast<std::size_t>(n));
  close(ends[0]);
  waitpid(child, nullptr, 0);
  return reason;
}

TEST(PortRefusal, NamesTheGroupToJoinWhenTheUserHasNoAccess) {
  const fs::path file = fs::temp_directory_path() / ("dsp-refusal-locked." + std::to_string(getpid()));
  std::ofstream(file) << "x";
  // Owned by a group of serial ports, as /dev/ttyUSB0 is: dialout where it exists.
  const group* dialout = getgrnam("dialout");
  if (geteuid() == 0 && dialout) ASSERT_EQ(chown(file.c_str(), 0, dialout->gr_gid), 0);
  fs::permissions(file, geteuid() == 0 ? fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                             fs::perms::group_write
                                       : fs::perms::none);
  struct stat info {};
  ASSERT_EQ(stat(file.c_str(), &info), 0);
  const group* owner = getgrgid(info.st_gid);
  ASSERT_NE(owner, nullptr);
  const std::string group = owner->gr_name;

  const std::string reason = ReasonWithoutRights(file.string());
  fs::remove(file);
  EXPECT_EQ(reason.rfind("no access for this user: " + file.string() + " belongs to group " + group + "; join it", 0), 0u)
      << reason;
  EXPECT_NE(reason.find("log in again"), std::string::npos) << reason;
}

}  // namespace
