// Feeds arbitrary bytes to the receiver in arbitrary arrivals and checks that it never loses its
// footing: its stage and counters stay consistent, it never holds a unit it could finish, and its
// buffers and the diagnostic log stay bounded.
//
// Input: one byte that picks the preset name slot and the read reply awaited, if any, then
// arrivals, each a head byte and that many bytes: its low six bits give the length (0..63), bit 6 a
// silence of half a second before the arrival.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "com_port.h"
#include "diagnostic_log.h"
#include "link_texts.h"
#include "param_image.h"
#include "receiver.h"
#include "send_state.h"

namespace {

class FuzzPort : public ComPort {
 public:
  bool Open(const std::string&) override { return true; }
  void Close() override {}
  bool IsOpen() const override { return true; }
  bool Write(const std::uint8_t*, std::size_t) override { return true; }
  std::size_t BytesAvailable() const override { return bytes_.size() - next_; }
  std::size_t Read(std::uint8_t* out, std::size_t max) override {
    std::size_t n = 0;
    for (; n < max && next_ < bytes_.size(); ++n) out[n] = bytes_[next_++];
    return n;
  }
  void Arrive(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    if (onReceived) onReceived(BytesAvailable());
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t next_ = 0;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckReceiver(const FuzzPort& port) {
  const ReceiveState& rx = receiveState;
  Check(rx.RxStage <= RxBody);
  Check(rx.RxGot <= rx.RxNeed);
  Check(rx.RxBuffer.size <= rx.RxBuffer.bytes.size());
  Check(Memo2.lines.size() <= LogLineLimit);
  switch (rx.RxStage) {
    case RxHunting:
      Check(port.BytesAvailable() == 0);
      break;
    case RxUnit:
      Check(port.BytesAvailable() == 0 && rx.RxBuffer.size == 1u + rx.RxGot);
      break;
    default:  // waiting for a body that has not all arrived
      Check(rx.RxNeed >= 3 && rx.RxNeed <= 254 && rx.RxBuffer.size == 4u + rx.RxGot);
      Check(port.BytesAvailable() < static_cast<std::size_t>(rx.RxNeed - rx.RxGot));
  }
  for (const auto& name : paramImage.PresetNames) Check(name.size() <= 20);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  paramImage = {};
  sendState = {};
  receiveState = {};
  Memo2 = {};
  linkTexts = {};
  if (size == 0) return 0;
  sendState.NameSlot = data[0] % 24 - 1;  // -1..22: outside 1..21 as well as inside
  if (data[0] & 0x80) sendState.AwaitedReply = {true, MakeAddress(data[0] % 10, 0), false};

  FuzzPort port;
  comPort = &port;
  AttachReceiver(port);
  std::size_t at = 1;
  while (at < size) {
    const std::uint8_t head = data[at++];
    if (head & 0x40) {
      ReceiverTimePassed(RxSilenceLimitMs);
      CheckReceiver(port);
    }
    const std::size_t length = head % 64;
    const std::size_t n = std::min(length, size - at);
    port.Arrive({data + at, n});
    at += n;
    CheckReceiver(port);
  }
  DecodeFrame({data, size});  // any byte string handed to the decoder directly
  CheckReceiver(port);
  comPort = nullptr;
  return 0;
}
