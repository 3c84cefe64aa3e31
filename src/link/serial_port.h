#pragma once
// The production ComPort: a QSerialPort at 57600 baud, 8 data bits, no parity, one stop bit, no
// flow control, DTR and RTS on. Received bytes reach onReceived from readyRead on the thread that
// owns the port (the user-interface thread); nothing here blocks.

#include <QSerialPort>
#include <functional>
#include <string>

#include "com_port.h"

inline constexpr int LinkBaudRate = 57600;

class SerialPort : public ComPort {
 public:
  SerialPort();
  ~SerialPort() override;
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // Takes a name from ListSerialPorts (ttyUSB0, taken as /dev/ttyUSB0) or any path to a terminal
  // (/dev/pts/3, or a symbolic link to one). Closes a port that is open first. A terminal that
  // refuses DTR and RTS (a pseudo-terminal) still opens.
  bool Open(const std::string& name) override;
  void Close() override;
  bool IsOpen() const override;
  bool Write(const std::uint8_t* data, std::size_t size) override;
  std::size_t BytesAvailable() const override;
  std::size_t Read(std::uint8_t* out, std::size_t max) override;

  // Why Open refused this name, in one line (see PortRefusalReason); uses what the last Open of
  // the same name found.
  std::string RefusalReason(const std::string& name) const;

  // When an open port fails under the link (its device went away: a USB adapter pulled out, the
  // other end of a pseudo-terminal closed), the port is closed and this is called once with one
  // line for the diagnostic log.
  std::function<void(const std::string& line)> onFailure;

 private:
  void HandleError(QSerialPort::SerialPortError error);

  std::string name_;          // the name of the last Open
  QSerialPort::SerialPortError openError_ = QSerialPort::NoError;  // why that Open failed
  std::string openErrorText_;
  bool opening_ = false;      // errors while opening are the open's answer, not a failure
  QSerialPort port_;          // last, so it goes first, while the rest is still whole
};
