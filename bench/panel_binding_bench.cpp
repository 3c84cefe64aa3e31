// How long the panel keeps its window busy: a full refresh of every control from the image (after a
// download, a preset recall or a bank switch), and one user change end to end, from a slider's
// change handler to the frame's bytes at the port. Runs the real window on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench_panel.h"
#include "binding_state.h"
#include "link_session.h"
#include "panel_refresh.h"
#include "receiver.h"
#include "send_queues.h"
#include "send_state.h"
#include "track_bar.h"

namespace {

void BM_RefreshPanelAll(benchmark::State& state) {
  ShownWindow panel;
  for (auto _ : state) RefreshPanel(20);
}

// A level slider: its handler shows, stores and writes the value, which leaves at once.
void BM_SliderChangeToPort(benchmark::State& state) {
  ShownWindow panel;
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
  ShownWindow panel;
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

BENCHMARK_PANEL_MAIN()
