#include "port_refusal.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(PortRefusal, TextForEachCause) {
  struct Case {
    PortFileFacts facts;
    std::string want;
  } cases[] = {
      {{}, "the device file /dev/ttyUSB0 does not exist"},
      {{true, false, true, "dialout", true},
       "no access for this user: add yourself to the group dialout, then log in again"},
      {{true, false, true, "root", false},
       "no access for this user: /dev/ttyUSB0 needs read and write permission"},
      {{true, false, true, "", true},
       "no access for this user: /dev/ttyUSB0 needs read and write permission"},
      {{true, true, false, "dialout", true}, "/dev/ttyUSB0 is not a serial device"},
      {{true, true, true, "dialout", true}, "in use by another program"},
  };
  for (const Case& c : cases) EXPECT_EQ(RefusalText("/dev/ttyUSB0", c.facts), c.want);
}

TEST(PortRefusal, BareNamesLiveInDev) {
  EXPECT_EQ(PortDevicePath("ttyUSB0"), "/dev/ttyUSB0");
  EXPECT_EQ(PortDevicePath("/dev/pts/3"), "/dev/pts/3");
  EXPECT_EQ(PortDevicePath(""), "");
}

TEST(PortRefusal, MissingDeviceFile) {
  EXPECT_FALSE(InspectPortFile("/dev/dsp-panel-no-such-port").exists);
  EXPECT_EQ(PortRefusalReason(""), "no port name given");
  EXPECT_EQ(PortRefusalReason("dsp-panel-no-such-port"),
            "the device file /dev/dsp-panel-no-such-port does not exist");
}

TEST(PortRefusal, PlainFileWithoutPermissions) {
  char path[] = "/tmp/dsp-panel-portXXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  close(fd);
  ASSERT_EQ(chmod(path, 0), 0);
  const PortFileFacts facts = InspectPortFile(path);
  const bool root = geteuid() == 0;
  const std::string reason = PortRefusalReason(path);
  std::remove(path);

  EXPECT_TRUE(facts.exists);
  EXPECT_FALSE(facts.characterDevice);
  EXPECT_FALSE(facts.groupMayReadWrite);
  // The superuser may open anything, so the file's kind is what stops it there.
  EXPECT_EQ(facts.accessible, root);
  EXPECT_EQ(reason, root ? std::string(path) + " is not a serial device"
                         : "no access for this user: " + std::string(path) +
                               " needs read and write permission");
}

TEST(PortRefusal, TerminalDeviceIsRecognised) {
  const PortFileFacts facts = InspectPortFile("/dev/tty");
  if (!facts.exists) GTEST_SKIP() << "no /dev/tty here";
  EXPECT_TRUE(facts.characterDevice);
}

}  // namespace
