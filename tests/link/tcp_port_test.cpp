// The network port against a loopback QTcpServer that plays the converter: names, bytes both ways
// (including those written before the connection is up), and a dropped or refused connection.
#include "tcp_port.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "line_port.h"
#include "process_state.h"

namespace {

constexpr int WaitMs = 5000;

TEST(TcpPortNameTest, TakesHostAndPortAndRefusesAnythingElse) {
  const struct {
    const char* name;
    const char* host;  // null: refused
    int port;
  } cases[] = {
      {"tcp://127.0.0.1:4001", "127.0.0.1", 4001},
      {"tcp://rack-7.local:23", "rack-7.local", 23},
      {"tcp://[::1]:65535", "::1", 65535},
      {"tcp://127.0.0.1", nullptr, 0},
      {"tcp://127.0.0.1:0", nullptr, 0},
      {"tcp://127.0.0.1:65536", nullptr, 0},
      {"tcp://:4001", nullptr, 0},
      {"tcp://127.0.0.1:4001/x", nullptr, 0},
      {"tcp://user@127.0.0.1:4001", nullptr, 0},
      {"udp://127.0.0.1:4001", nullptr, 0},
      {"/dev/ttyUSB0", nullptr, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto address = ParseTcpPortName(c.name);
    ASSERT_EQ(address.has_value(), c.host != nullptr);
    if (!address) continue;
    EXPECT_EQ(address->host.toStdString(), c.host);
    EXPECT_EQ(address->port, c.port);
  }
}

class TcpPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    name = "tcp://127.0.0.1:" + std::to_string(server.serverPort());
    port.onReceived = [this](std::size_t) { ++received; };
  }

  QTcpSocket* Accept() {
    if (!QTest::qWaitFor([&] { return server.hasPendingConnections(); }, WaitMs)) return nullptr;
    return server.nextPendingConnection();
  }

  QTcpServer server;
  std::string name;
  LinePort port;
  int received = 0;
};

TEST_F(TcpPortTest, BytesWrittenBeforeTheConnectionLeaveOnceItIsUp) {
  ASSERT_TRUE(port.Open(name));
  const std::uint8_t hello[] = {0xFC, 0xB1, 0x01, 0x11};
  ASSERT_TRUE(port.Write(hello, sizeof hello)) << "written while still connecting";
  QTcpSocket* device = Accept();
  ASSERT_NE(device, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return device->bytesAvailable() >= 4; }, WaitMs));
  EXPECT_EQ(device->readAll(), QByteArray("\xFC\xB1\x01\x11", 4));

  device->write("\xFE\xBB", 2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return port.BytesAvailable() >= 2; }, WaitMs));
  EXPECT_GT(received, 0);
  std::uint8_t reply[4] = {};
  EXPECT_EQ(port.Read(reply, sizeof reply), 2u);
  EXPECT_EQ(reply[0], 0xFE);
  EXPECT_EQ(reply[1], 0xBB);
}

TEST_F(TcpPortTest, ADroppedConnectionClosesThePort) {
  ASSERT_TRUE(port.Open(name));
  QTcpSocket* device = Accept();
  ASSERT_NE(device, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return port.Tcp().Socket().state() == QAbstractSocket::ConnectedState; }, WaitMs));
  device->abort();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !port.IsOpen(); }, WaitMs));
  const std::uint8_t byte = 0x66;
  EXPECT_FALSE(port.Write(&byte, 1)) << "nothing is written into a closed connection";
}

TEST_F(TcpPortTest, ARefusedConnectionClosesThePortAndABadNameIsNotOpened) {
  const quint16 unused = server.serverPort();
  server.close();  // nobody listens there now
  ASSERT_TRUE(port.Open("tcp://127.0.0.1:" + std::to_string(unused)));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !port.IsOpen(); }, WaitMs));

  EXPECT_FALSE(port.Open("tcp://127.0.0.1"));
  EXPECT_EQ(port.RefusalReason("tcp://127.0.0.1"), "not a network address of the form tcp://HOST:PORT");
  EXPECT_NE(port.RefusalReason("/dev/no-such-port"), port.RefusalReason("tcp://127.0.0.1"))
      << "a serial name is judged by its device file";
}

}  // namespace
