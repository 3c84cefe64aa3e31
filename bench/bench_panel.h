#pragma once
// The real main window for the benchmarks: shown on the offscreen platform, on a connected, idle
// link whose port takes every frame.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "com_port.h"
#include "main_form.h"
#include "send_state.h"

// A port that takes every frame and remembers only how many bytes it was given.
class CountingPort : public ComPort {
 public:
  bool Open(const std::string&) override { return open_ = true; }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  bool Write(const std::uint8_t*, std::size_t size) override {
    bytes += size;
    return true;
  }
  std::size_t BytesAvailable() const override { return 0; }
  std::size_t Read(std::uint8_t*, std::size_t) override { return 0; }

  std::size_t bytes = 0;

 private:
  bool open_ = false;
};

// The shown window on a connected, idle link.
struct ShownWindow {
  ShownWindow() {
    form.show();
    QApplication::processEvents();
    port.Open("bench");
    comPort = &port;
    sendState.LinkState = LinkConnected;
  }
  ~ShownWindow() { comPort = nullptr; }
  CountingPort port;
  TForm1 form;
};

// main() of a benchmark program that runs the window offscreen.
#define BENCHMARK_PANEL_MAIN()                                                                                   \
  int main(int argc, char** argv) {                                                                              \
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");                          \
    QApplication application(argc, argv);                                                                        \
    benchmark::Initialize(&argc, argv);                                                                          \
    benchmark::RunSpecifiedBenchmarks();                                                                         \
    benchmark::Shutdown();                                                                                       \
    return 0;                                                                                                    \
  }
