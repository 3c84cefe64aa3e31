// What the equaliser graph costs the window: a full draw of the MIC page's graph (15 bands and a
// filter, painted on the design-size plot), one drag step of a band handle (one row recomputed, the
// sum, the paint, and the band's value applied and sent), and the 15 ms timer's tick when nothing
// has changed. Runs the real window on the offscreen platform.
#include <benchmark/benchmark.h>

#include "bench_panel.h"
#include "binding_state.h"
#include "bmp_button.h"
#include "graph_drawing.h"
#include "image.h"
#include "panel_tables.h"
#include "link_session.h"
#include "send_queues.h"

namespace {

constexpr int MicPage = 1, MicChannel = 1;

void ShowMicPage(ShownWindow& panel) {
  panel.form.Control<BmpButton>(Pages[MicPage].button)->Click();
  QApplication::processEvents();
}

void BM_DrawGraphMicPage(benchmark::State& state) {
  ShownWindow panel;
  ShowMicPage(panel);
  for (auto _ : state) panel.form.DrawGraph(AllGraphBands, MicChannel);
  state.counters["plot_width"] = graphView.Image1->width();
  state.counters["plot_height"] = graphView.Image1->height();
}

// A band handle pressed and moved 4 pixels left and right: each move is a new frequency step.
void BM_DragStep(benchmark::State& state) {
  ShownWindow panel;
  ShowMicPage(panel);
  Image* handle = graphView.GraphHandles[6];
  const QPoint centre(handle->width() / 2, handle->height() / 2);
  panel.form.EP1MouseDown(*handle, Qt::LeftButton, centre);
  int dx = 4;
  for (auto _ : state) {
    sendState.ClearToSend = true;
    const float before = graphState.SentFrequencyStep;
    panel.form.EP1MouseMove(*handle, centre + QPoint(dx, 0));
    dx = -dx;
    HoldTimerTimer();
    if (graphState.SentFrequencyStep == before) state.SkipWithError("the move changed no step");
  }
  panel.form.EP1MouseUp(*handle, Qt::LeftButton, centre);
}

void BM_IdleTimerTick(benchmark::State& state) {
  ShownWindow panel;
  ShowMicPage(panel);
  panel.form.Timer1Timer();  // draws whatever changed before
  for (auto _ : state) panel.form.Timer1Timer();
}

BENCHMARK(BM_DrawGraphMicPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleTimerTick)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_PANEL_MAIN()
