#pragma once
// The device reached through a raw TCP socket (a serial-to-network converter, or a server that
// passes a serial line through): ComPort over QTcpSocket. A port name "tcp://HOST:PORT" selects it.
// Opening starts the connection and returns at once; bytes written meanwhile wait here and leave as
// soon as it connects, so the scan's hello needs no special case. A refused or dropped
// connection closes the port, and the session notices the silence exactly as with a serial device
// that has vanished. Everything runs on the user-interface thread and nothing blocks.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <optional>
#include <string>

#include "com_port.h"

inline constexpr char TcpPortScheme[] = "tcp://";

// Whether a port name asks for a TCP connection rather than a serial device.
bool IsTcpPortName(const std::string& name);

struct TcpAddress {
  QString host;
  quint16 port = 0;
};
// The host and port of "tcp://HOST:PORT" (HOST a name, an IPv4 address or [IPv6]; PORT 1..65535).
std::optional<TcpAddress> ParseTcpPortName(const std::string& name);

// Why a TCP port name cannot be used, in one line for the user.
std::string TcpPortRefusal(const std::string& name);

class TcpPort : public QObject, public ComPort {
  Q_OBJECT
 public:
  explicit TcpPort(QObject* parent = nullptr);
  ~TcpPort() override;

  // False only for a name that is no TCP address; a connection that fails later closes the port.
  bool Open(const std::string& name) override;
  void Close() override;
  bool IsOpen() const override;
  bool Write(const std::uint8_t* data, std::size_t size) override;
  std::size_t BytesAvailable() const override;
  std::size_t Read(std::uint8_t* out, std::size_t max) override;

  QTcpSocket& Socket() { return socket_; }

 private:
  void OnError(QAbstractSocket::SocketError error);

  QTcpSocket socket_;
  QByteArray waiting_;  // written while the connection is being made
  std::string name_;  // as given to Open, for the log
};
