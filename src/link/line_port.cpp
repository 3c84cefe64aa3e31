#include "line_port.h"

#include "port_refusal.h"

LinePort::LinePort() {
  for (ComPort* port : {static_cast<ComPort*>(&serial_), static_cast<ComPort*>(&tcp_)}) {
    port->onReceived = [this, port](std::size_t count) {
      if (port == active_ && onReceived) onReceived(count);
    };
  }
}

bool LinePort::Open(const std::string& name) {
  active_->Close();
  active_ = IsTcpPortName(name) ? static_cast<ComPort*>(&tcp_) : &serial_;
  return active_->Open(name);
}

void LinePort::Close() { active_->Close(); }

bool LinePort::IsOpen() const { return active_->IsOpen(); }

bool LinePort::Write(const std::uint8_t* data, std::size_t size) { return active_->Write(data, size); }

std::size_t LinePort::BytesAvailable() const { return active_->BytesAvailable(); }

std::size_t LinePort::Read(std::uint8_t* out, std::size_t max) { return active_->Read(out, max); }

std::string LinePort::RefusalReason(const std::string& name) const {
  return IsTcpPortName(name) ? TcpPortRefusal(name) : PortRefusalReason(name);
}
