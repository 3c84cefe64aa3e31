#pragma once
// An in-memory serial port for tests: records every write, and delivers bytes fed to it through
// the received-bytes callback, exactly as the real port would on the user-interface thread.

#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <vector>

#include "com_port.h"

class MemoryPort : public ComPort {
 public:
  bool Open(const std::string& name) override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  bool Write(const std::uint8_t* data, std::size_t size) override;
  std::size_t BytesAvailable() const override { return incoming_.size(); }
  std::size_t Read(std::uint8_t* out, std::size_t max) override;

  // Queues bytes as arrived and raises the received-bytes callback once.
  void Feed(std::span<const std::uint8_t> bytes);
  void Feed(std::initializer_list<std::uint8_t> bytes) { Feed(std::span(bytes.begin(), bytes.size())); }

  std::string name;                             // the name given to the last Open
  std::vector<std::string> refuse;              // names whose Open fails
  std::vector<std::vector<std::uint8_t>> writes;  // every successful Write, in order

 private:
  bool open_ = false;
  std::deque<std::uint8_t> incoming_;
};
