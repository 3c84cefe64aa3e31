#pragma once
// The production serial port: ComPort over QSerialPort, set up for the device's line (57600 baud,
// 8 data bits, no parity, one stop bit, no flow control, DTR and RTS on). Everything runs on the
// user-interface thread and nothing blocks.

#include <QObject>
#include <QSerialPort>
#include <string>

#include "com_port.h"

class SerialPort : public QObject, public ComPort {
  Q_OBJECT
 public:
  explicit SerialPort(QObject* parent = nullptr);
  ~SerialPort() override;

  // Accepts a device path (/dev/ttyUSB0, /dev/pts/3, a symlink) or a bare port name.
  bool Open(const std::string& name) override;
  void Close() override;
  bool IsOpen() const override;
  bool Write(const std::uint8_t* data, std::size_t size) override;
  std::size_t BytesAvailable() const override;
  std::size_t Read(std::uint8_t* out, std::size_t max) override;

  // The port underneath, for tests and diagnostics.
  QSerialPort& Port() { return port_; }

 private:
  void OnError(QSerialPort::SerialPortError error);

  QSerialPort port_;
  std::string name_;  // as given to Open, for the log
};
