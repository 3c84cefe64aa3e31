#include "serial_port.h"

#include "port_refusal.h"

SerialPort::SerialPort() {
  QObject::connect(&port_, &QSerialPort::readyRead, [this] {
    if (onReceived) onReceived(static_cast<std::size_t>(port_.bytesAvailable()));
  });
  QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError error) { HandleError(error); });
}

SerialPort::~SerialPort() { port_.disconnect(); }

bool SerialPort::Open(const std::string& name) {
  Close();
  name_ = name;
  port_.setPortName(QString::fromStdString(name));
  port_.setBaudRate(LinkBaudRate);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  opening_ = true;
  const bool opened = !name.empty() && port_.open(QIODevice::ReadWrite);
  if (opened) {
    // A pseudo-terminal has no modem lines: both calls fail there, which is no reason to refuse.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
  }
  opening_ = false;
  openError_ = opened ? QSerialPort::NoError : port_.error();
  openErrorText_ = opened ? std::string() : port_.errorString().toStdString();
  port_.clearError();
  return opened;
}

void SerialPort::Close() {
  if (port_.isOpen()) port_.close();
  port_.clearError();
}

bool SerialPort::IsOpen() const { return port_.isOpen(); }

bool SerialPort::Write(const std::uint8_t* data, std::size_t size) {
  if (!port_.isOpen()) return false;
  return port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) == static_cast<qint64>(size);
}

std::size_t SerialPort::BytesAvailable() const { return port_.isOpen() ? static_cast<std::size_t>(port_.bytesAvailable()) : 0; }

std::size_t SerialPort::Read(std::uint8_t* out, std::size_t max) {
  if (!port_.isOpen() || max == 0) return 0;
  const qint64 n = port_.read(reinterpret_cast<char*>(out), static_cast<qint64>(max));
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

std::string SerialPort::RefusalReason(const std::string& name) const {
  const bool lastOpen = name == name_;
  return PortRefusalReason(name, lastOpen ? openError_ : QSerialPort::NoError, lastOpen ? openErrorText_ : std::string());
}

// A port whose other end has vanished keeps raising read errors while it still claims to be open;
// left open it would spin the event loop. The first such error closes it.
void SerialPort::HandleError(QSerialPort::SerialPortError error) {
  if (opening_ || !port_.isOpen()) return;
  if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
  const std::string line = name_ + ": " + (error == QSerialPort::ReadError ? "read error" : "the device is gone") +
                           ", the port was closed";
  port_.close();
  port_.clearError();
  if (onFailure) onFailure(line);
}
