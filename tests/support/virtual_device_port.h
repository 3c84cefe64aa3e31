#pragma once
// An in-memory serial port wired to a VirtualDevice, for whole-session tests in one thread without
// sleeps: what the panel writes goes to the device at once, and the device's replies reach the
// panel through the received-bytes callback when the test moves time on (Advance) or releases
// them (Deliver). Like a real port, it never raises the callback from inside Write: a sender that
// changes its state after writing must not find the reply already handled.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "com_port.h"
#include "virtual_device.h"

class VirtualDevicePort : public ComPort {
 public:
  explicit VirtualDevicePort(VirtualDevice& device, std::string devicePortName = "ttyDSP0")
      : device_(device), devicePortName_(std::move(devicePortName)) {}

  // Opens the device's port name and the names in silentNames; every other name fails.
  bool Open(const std::string& name) override;
  // Replies still on the line and bytes not yet read are lost, as with a real port.
  void Close() override;
  bool IsOpen() const override { return open_; }
  bool Write(const std::uint8_t* data, std::size_t size) override;
  std::size_t BytesAvailable() const override { return incoming_.size(); }
  std::size_t Read(std::uint8_t* out, std::size_t max) override;

  // Moves the device's clock on by ms (0: just let the line run), takes the replies due by then
  // and, unless holdReplies is set, delivers everything on the line in one received-bytes event.
  // Replies to writes made inside that event wait for the next Advance or Deliver.
  void Advance(std::int64_t ms = 0);
  // Delivers every byte on the line, or only the first n, in one received-bytes event; also
  // while holdReplies is set.
  void Deliver();
  void DeliverSome(std::size_t n);
  // Bytes the device has sent that the panel has not been told of yet.
  std::size_t Held() const { return held_.size(); }

  bool holdReplies = false;               // Advance keeps replies until Deliver / DeliverSome
  int refuseWrites = 0;                   // the next n writes fail, as in a passing port error
  std::vector<std::string> silentNames;   // ports that open but have no device behind them
  std::string name;                       // the name given to the last Open
  std::vector<std::vector<std::uint8_t>> writes;  // every successful Write, in order
  std::int64_t nowMs = 0;                 // the device's clock

 private:
  void Hold(const std::vector<std::uint8_t>& replies);

  VirtualDevice& device_;
  std::string devicePortName_;
  bool open_ = false;
  bool connected_ = false;  // open on the device's name
  std::deque<std::uint8_t> held_;
  std::deque<std::uint8_t> incoming_;
};
