#include "tcp_port.h"

#include <QUrl>

#include "device_bytes.h"
#include "diagnostic_log.h"

bool IsTcpPortName(const std::string& name) { return name.rfind(TcpPortScheme, 0) == 0; }

std::optional<TcpAddress> ParseTcpPortName(const std::string& name) {
  if (!IsTcpPortName(name)) return std::nullopt;
  const QUrl url(QString::fromStdString(name), QUrl::StrictMode);
  const int port = url.port();
  if (!url.isValid() || url.host().isEmpty() || port <= 0 || !url.path().isEmpty() || url.hasQuery() ||
      url.hasFragment() || !url.userInfo().isEmpty())
    return std::nullopt;
  return TcpAddress{url.host(), static_cast<quint16>(port)};
}

std::string TcpPortRefusal(const std::string& name) {
  if (!ParseTcpPortName(name)) return "not a network address of the form tcp://HOST:PORT";
  return "the connection could not be started";
}

TcpPort::TcpPort(QObject* parent) : QObject(parent) {
  connect(&socket_, &QTcpSocket::readyRead, this, [this] {
    if (onReceived) onReceived(BytesAvailable());
  });
  connect(&socket_, &QTcpSocket::connected, this, [this] {
    // Frames are a few bytes each; they must leave at once, not wait to fill a segment.
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket_.write(waiting_);
    waiting_.clear();
    socket_.flush();
  });
  connect(&socket_, &QTcpSocket::errorOccurred, this, &TcpPort::OnError);
}

TcpPort::~TcpPort() { Close(); }

bool TcpPort::Open(const std::string& name) {
  Close();
  name_ = name;
  const std::optional<TcpAddress> address = ParseTcpPortName(name);
  if (!address) return false;
  socket_.connectToHost(address->host, address->port);
  return socket_.isOpen();
}

void TcpPort::Close() {
  waiting_.clear();
  if (!socket_.isOpen()) return;
  // What is written last (the goodbye) leaves before the connection ends, as far as it can without
  // waiting.
  socket_.flush();
  socket_.abort();
}

bool TcpPort::IsOpen() const { return socket_.isOpen(); }

bool TcpPort::Write(const std::uint8_t* data, std::size_t size) {
  if (!socket_.isOpen()) return false;
  const auto length = static_cast<qint64>(size);
  if (socket_.state() != QAbstractSocket::ConnectedState) {
    waiting_.append(reinterpret_cast<const char*>(data), length);
    return true;
  }
  if (!WriteAllBytes(socket_, data, size)) return false;
  socket_.flush();
  return true;
}

std::size_t TcpPort::BytesAvailable() const { return BytesWaiting(socket_); }

std::size_t TcpPort::Read(std::uint8_t* out, std::size_t max) { return ReadBytes(socket_, out, max); }

void TcpPort::OnError(QAbstractSocket::SocketError) {
  // A refused, failed or dropped connection: the port closes and the session notices the silence.
  if (!socket_.isOpen()) return;
  AppendLog("Network port " + name_ + " closed: " + socket_.errorString().toStdString());
  Close();
}
