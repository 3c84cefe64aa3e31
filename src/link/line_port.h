#pragma once
// The port the link form owns: a serial device, or a TCP connection when the name is
// "tcp://HOST:PORT". Each Open picks the one its name asks for, so a scan may mix both kinds; the
// received-bytes callback is raised for whichever is in use.

#include <string>

#include "com_port.h"
#include "serial_port.h"
#include "tcp_port.h"

class LinePort : public ComPort {
 public:
  LinePort();

  bool Open(const std::string& name) override;
  void Close() override;
  bool IsOpen() const override;
  bool Write(const std::uint8_t* data, std::size_t size) override;
  std::size_t BytesAvailable() const override;
  std::size_t Read(std::uint8_t* out, std::size_t max) override;

  // Why the port of this name could not be opened, in one line for the user.
  std::string RefusalReason(const std::string& name) const;

  SerialPort& Serial() { return serial_; }
  TcpPort& Tcp() { return tcp_; }

 private:
  SerialPort serial_;
  TcpPort tcp_;
  ComPort* active_ = &serial_;
};
