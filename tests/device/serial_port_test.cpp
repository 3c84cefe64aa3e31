// The serial port adapter against dsp-device-sim's pseudo-terminal: opening by path, link and
// short name, the line settings, replies through the event loop, and a far end that vanishes.

#include "serial_port.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

#include "device_test_util.h"
#include "qt_core_app.h"
#include "sim_process.h"

namespace {

const Bytes Hello = FrameBytes(CmdWrite, 0x0930, {0x11, 0});
constexpr int ReplyTimeoutMs = 2000;

class SerialPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureCoreApplication();
    port.onReceived = [this](std::size_t count) {
      ++receivedEvents;
      Bytes bytes(count);
      bytes.resize(port.Read(bytes.data(), bytes.size()));
      received.insert(received.end(), bytes.begin(), bytes.end());
      if (received.size() >= wanted) loop.quit();
    };
    port.onFailure = [this](const std::string& line) { failures.push_back(line); };
  }

  // Runs the event loop until `count` bytes have arrived in all, or the time is up.
  Bytes Receive(std::size_t count, int timeoutMs = ReplyTimeoutMs) {
    wanted = count;
    if (received.size() < count) {
      QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
      loop.exec();
    }
    return received;
  }
  void Write(const Bytes& bytes) { ASSERT_TRUE(port.Write(bytes.data(), bytes.size())); }

  SimProcess sim{{"--no-pace", "--link", link.string()}};
  static inline const std::filesystem::path link =
      std::filesystem::temp_directory_path() / ("dsp-serial-link." + std::to_string(getpid()));
  SerialPort port;
  QEventLoop loop;
  Bytes received;
  std::size_t wanted = 0;
  int receivedEvents = 0;
  std::vector<std::string> failures;
};

TEST_F(SerialPortTest, OpensByPathLinkOrShortNameAndHearsTheDevice) {
  ASSERT_TRUE(sim.Path().starts_with("/dev/"));
  for (const std::string& name : {sim.Path(), link.string(), sim.Path().substr(5)}) {
    received.clear();
    ASSERT_TRUE(port.Open(name)) << name;
    EXPECT_TRUE(port.IsOpen());
    Write(Hello);
    EXPECT_EQ(Receive(2), Ack) << name;
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Write(Hello.data(), Hello.size()));
  }
  EXPECT_TRUE(failures.empty());
}

TEST_F(SerialPortTest, SetsTheLineTo57600EightNoneOne) {
  ASSERT_TRUE(port.Open(sim.Path()));
  const int fd = open(sim.Path().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) GTEST_SKIP() << "the port is held exclusively: its settings cannot be read beside it";
  termios settings{};
  ASSERT_EQ(tcgetattr(fd, &settings), 0);
  close(fd);
  EXPECT_EQ(cfgetospeed(&settings), B57600);
  EXPECT_EQ(cfgetispeed(&settings), B57600);
  EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(settings.c_iflag & (IXON | IXOFF), 0u);
}

TEST_F(SerialPortTest, DeliversALongReplyWhateverItsPieces) {
  ASSERT_TRUE(port.Open(sim.Path()));
  Write(FrameBytes(CmdRead, 0x0910, {0, 0}));
  const Bytes block = Receive(219);
  ASSERT_EQ(block.size(), 219u);
  EXPECT_EQ(Bytes(block.begin(), block.begin() + 6), (Bytes{0xFC, 0xB1, 216, 0xA0, 0x00, 0x00}));
  EXPECT_EQ(port.BytesAvailable(), 0u);
}

// The far end vanishes while the port is open: the adapter closes it at the first error and says
// so once, and the event loop does not spin on errors afterwards.
TEST_F(SerialPortTest, ClosesOnceAndStaysQuietWhenTheDeviceVanishes) {
  ASSERT_TRUE(port.Open(sim.Path()));
  Write(Hello);
  ASSERT_EQ(Receive(2), Ack);
  receivedEvents = 0;
  sim.Stop(SIGKILL);

  rusage before{}, after{};
  getrusage(RUSAGE_SELF, &before);
  QTimer::singleShot(500, &loop, &QEventLoop::quit);
  loop.exec();
  getrusage(RUSAGE_SELF, &after);
  const auto cpuMs = [](const rusage& r) {
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000;
  };

  EXPECT_FALSE(port.IsOpen());
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].rfind(sim.Path() + ": ", 0), 0u) << failures[0];
  EXPECT_EQ(failures[0].find('\n'), std::string::npos);
  EXPECT_LE(receivedEvents, 2);
  EXPECT_LT(cpuMs(after) - cpuMs(before), 250) << "the event loop kept running while it should idle";
  EXPECT_FALSE(port.Write(Hello.data(), Hello.size()));
}

TEST_F(SerialPortTest, RefusesWhatItCannotOpenAndSaysWhy) {
  SerialPort other;
  ASSERT_TRUE(other.Open(sim.Path()));
  const std::string missing = "/dev/dsp-no-such-port";
  const struct {
    std::string name;
    std::string reason;
  } cases[] = {
      {sim.Path(), "in use by another program"},
      {missing, missing + " does not exist"},
      {"dsp-no-such-port", missing + " does not exist"},
      {"/dev/null", "/dev/null is not a serial port"},
      {"", "no port name"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(port.Open(c.name)) << c.name;
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.RefusalReason(c.name).rfind(c.reason, 0), 0u) << c.name << ": " << port.RefusalReason(c.name);
  }
  EXPECT_TRUE(failures.empty());
}

}  // namespace
