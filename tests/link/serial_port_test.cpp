// The serial port adapter against a real pseudo-terminal: the test holds the master side and plays
// the device.
#include "serial_port.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

#include "diagnostic_log.h"
#include "memory_port.h"
#include "send_state.h"
#include "senders.h"
#include "system_addresses.h"
#include "process_state.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class PtyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    int slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    path = ttyname(slave);
    ::close(slave);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  }
  void TearDown() override {
    comPort = nullptr;
    if (master >= 0) ::close(master);
  }

  // What the device side receives within the time limit, stopping once `want` bytes have come.
  Bytes ReadMaster(std::size_t want, int limitMs = 2000) {
    Bytes got;
    QElapsedTimer clock;
    clock.start();
    while (got.size() < want && clock.elapsed() < limitMs) {
      pollfd p{master, POLLIN, 0};
      if (::poll(&p, 1, 20) <= 0) continue;
      std::uint8_t buffer[256];
      const ssize_t n = ::read(master, buffer, sizeof buffer);
      if (n > 0) got.insert(got.end(), buffer, buffer + n);
    }
    return got;
  }

  int master = -1;
  std::string path;
};

TEST_F(PtyTest, OpensByDevicePathAndSetsTheDeviceLine) {
  SerialPort port;
  ASSERT_TRUE(port.Open(path)) << port.Port().errorString().toStdString();
  EXPECT_TRUE(port.IsOpen());
  const QSerialPort& q = port.Port();
  EXPECT_EQ(q.baudRate(), 57600);
  EXPECT_EQ(q.dataBits(), QSerialPort::Data8);
  EXPECT_EQ(q.parity(), QSerialPort::NoParity);
  EXPECT_EQ(q.stopBits(), QSerialPort::OneStop);
  EXPECT_EQ(q.flowControl(), QSerialPort::NoFlowControl);
  port.Close();
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(port.BytesAvailable(), 0u);
  const std::uint8_t byte = 0;
  EXPECT_FALSE(port.Write(&byte, 1));
}

TEST_F(PtyTest, OpensThroughASymlink) {
  const std::string link = "/tmp/dsp-panel-port-link-" + std::to_string(::getpid());
  ::unlink(link.c_str());
  ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
  SerialPort port;
  const bool opened = port.Open(link);
  ::unlink(link.c_str());
  EXPECT_TRUE(opened) << port.Port().errorString().toStdString();
}

TEST_F(PtyTest, RefusesAMissingDevice) {
  SerialPort port;
  EXPECT_FALSE(port.Open("/dev/dsp-panel-no-such-port"));
  EXPECT_FALSE(port.IsOpen());
}

TEST_F(PtyTest, HelloGoesOutAndTheAcknowledgementComesBack) {
  MemoryPort memory;
  memory.Open("COM1");
  comPort = &memory;
  SendLinkControl(LinkHello);
  ASSERT_EQ(memory.writes.size(), 1u);
  const Bytes hello = memory.writes[0];

  SerialPort port;
  ASSERT_TRUE(port.Open(path));
  std::vector<std::size_t> arrivals;
  port.onReceived = [&](std::size_t count) { arrivals.push_back(count); };
  sendState = {};
  comPort = &port;
  SendLinkControl(LinkHello);
  EXPECT_EQ(ReadMaster(hello.size()), hello);

  const std::uint8_t ack[] = {0xFE, 0xBB};
  ASSERT_EQ(::write(master, ack, sizeof ack), 2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return port.BytesAvailable() >= 2; }, 2000));
  ASSERT_FALSE(arrivals.empty());
  EXPECT_GE(arrivals.back(), 1u);
  std::uint8_t got[8] = {};
  EXPECT_EQ(port.Read(got, sizeof got), 2u);
  EXPECT_EQ(got[0], 0xFE);
  EXPECT_EQ(got[1], 0xBB);
  EXPECT_EQ(port.Read(got, sizeof got), 0u);
}

TEST_F(PtyTest, VanishedDeviceClosesThePortWithOneLogLineAndNoErrorStorm) {
  SerialPort port;
  ASSERT_TRUE(port.Open(path));
  int errors = 0;
  QObject::connect(&port.Port(), &QSerialPort::errorOccurred, [&](QSerialPort::SerialPortError e) {
    if (e != QSerialPort::NoError) ++errors;
  });
  const std::size_t linesBefore = Memo2.lines.size();
  ::close(master);
  master = -1;

  ASSERT_TRUE(QTest::qWaitFor([&] { return !port.IsOpen(); }, 2000));
  QTest::qWait(300);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(Memo2.lines.size(), linesBefore + 1);
  EXPECT_NE(Memo2.lines.back().find(path), std::string::npos) << Memo2.lines.back();
  EXPECT_LE(errors, 3);
  // A write after the loss is refused instead of reaching a dead descriptor.
  const std::uint8_t byte = 0x66;
  EXPECT_FALSE(port.Write(&byte, 1));
}

}  // namespace
