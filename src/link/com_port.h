#pragma once
// The serial port as the link sees it. Production wraps QSerialPort; tests use in-memory ports.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

class ComPort {
 public:
  virtual ~ComPort() = default;

  virtual bool Open(const std::string& name) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Returns false when the bytes could not be written.
  virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;
  virtual std::size_t BytesAvailable() const = 0;
  // Reads at most max bytes of what has arrived; never waits.
  virtual std::size_t Read(std::uint8_t* out, std::size_t max) = 0;

  // Raised on the user-interface thread when bytes have arrived, with the number waiting.
  std::function<void(std::size_t count)> onReceived;
};

// The port every sender writes to and the receiver reads from; null until the link form sets it.
extern ComPort* comPort;
