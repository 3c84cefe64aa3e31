// How long the panel keeps its window busy: a full refresh of every control from the image (after a
// download, a preset recall or a bank switch), and one user change end to end, from a slider's
// change handler to the frame's bytes at the port. Runs the real window on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "binding_state.h"
#include "link_session.h"
#include "main_form.h"
#include "panel_refresh.h"
#include "receiver.h"
#include "send_queues.h"
#include "send_state.h"
#include "track_bar.h"

namespace {

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
struct Panel {
  Panel() {
    form.show();
    QApplication::processEvents();
    port.Open("bench");
    comPort = &port;
    sendState.LinkState = LinkConnected;
  }
  ~Panel() { comPort = nullptr; }
  CountingPort port;
  TForm1 form;
};

void BM_RefreshPanelAll(benchmark::State& state) {
  Panel panel;
  for (auto _ : state) RefreshPanel(20);
}

// A level slider: its handler shows, stores and writes the value, which leaves at once.
void BM_SliderChangeToPort(benchmark::State& state) {
  Panel panel;
  auto* slider = panel.form.Control<TrackBar>("MainMusLevelBar");
  int value = slider->Position();  // the image outlives a run: start where the last one left it
  for (auto _ : state) {
    sendState.ClearToSend = true;  // the device acknowledged the frame before
    const std::size_t before = panel.port.bytes;
    slider->setValue(value = (value + 1) % 100);
    if (panel.port.bytes == before) state.SkipWithError("nothing reached the port");
  }
}

// A band gain slider: the band waits for the supervision tick, which builds its frame from the image.
void BM_BandSliderChangeToPort(benchmark::State& state) {
  Panel panel;
  auto* slider = panel.form.Control<TrackBar>("MusEQGainBar3");
  int value = slider->Position();
  for (auto _ : state) {
    sendState.ClearToSend = true;
    const std::size_t before = panel.port.bytes;
    slider->setValue(value = (value + 1) % 180);
    HoldTimerTimer();
    if (panel.port.bytes == before) state.SkipWithError("nothing reached the port");
  }
}

BENCHMARK(BM_RefreshPanelAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderChangeToPort)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BandSliderChangeToPort)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
