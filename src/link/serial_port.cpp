#include "serial_port.h"

#include "device_bytes.h"
#include "diagnostic_log.h"

SerialPort::SerialPort(QObject* parent) : QObject(parent) {
  connect(&port_, &QSerialPort::readyRead, this, [this] {
    if (onReceived) onReceived(BytesAvailable());
  });
  connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::OnError);
}

SerialPort::~SerialPort() { Close(); }

bool SerialPort::Open(const std::string& name) {
  Close();
  name_ = name;
  port_.setPortName(QString::fromStdString(name));
  port_.setBaudRate(QSerialPort::Baud57600);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!port_.open(QIODevice::ReadWrite)) return false;
  // A pseudo-terminal has no modem lines and refuses these; the link works without them.
  port_.setDataTerminalReady(true);
  port_.setRequestToSend(true);
  port_.clearError();
  return true;
}

void SerialPort::Close() {
  if (port_.isOpen()) port_.close();
}

bool SerialPort::IsOpen() const { return port_.isOpen(); }

bool SerialPort::Write(const std::uint8_t* data, std::size_t size) {
  if (!WriteAllBytes(port_, data, size)) return false;
  // Hand the bytes to the driver now rather than at the next turn of the event loop, so that a
  // frame is on its way when the sender returns; flush never blocks.
  port_.flush();
  return true;
}

std::size_t SerialPort::BytesAvailable() const { return BytesWaiting(port_); }

std::size_t SerialPort::Read(std::uint8_t* out, std::size_t max) { return ReadBytes(port_, out, max); }

void SerialPort::OnError(QSerialPort::SerialPortError error) {
  if (!port_.isOpen()) return;
  // A failed write is a frame lost on the line: the session's acknowledgement supervision sends it
  // again, and reports the link lost if the device stays silent. Closing here would end the
  // session for a passing fault. The bytes that failed are dropped, as on the line; kept, they
  // would be tried again at every turn of the event loop.
  if (error == QSerialPort::WriteError) {
    AppendLog("Serial port " + name_ + ": " + port_.errorString().toStdString());
    port_.clear(QSerialPort::Output);
    port_.clearError();
    return;
  }
  // When the other end vanishes QSerialPort keeps reporting errors in a tight loop while it still
  // claims to be open. Closing stops that; the session notices the silence and reports the loss.
  if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
  AppendLog("Serial port " + name_ + " closed: " + port_.errorString().toStdString());
  port_.close();
}
