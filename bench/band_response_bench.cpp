// How long the graph's math takes: one band's row for the costliest kinds of band, a whole
// channel's worth of rows, and the recompute of one dragged band plus the sum the curve is drawn
// from. A drag redraws once per mouse move, so the last figure is the one to keep small.
#include <benchmark/benchmark.h>

#include <array>

#include "band_response.h"

namespace {

struct Slot {
  BandCode code;
  int frequency;
  float gain;
  float q;
};

// The busiest channel: fifteen bands of every type and both filters, the low-pass a two-section
// 24 dB shape.
constexpr int ChannelSlots = 17;
constexpr std::array<Slot, ChannelSlots> Channel{{
    {0, 31, 6, 1},     {1, 63, -3, 0.7f},  {0, 125, 4, 2},     {2, 250, -6, 1.4f}, {0, 500, 12, 4},
    {0, 1000, -12, 1}, {1, 1500, 3, 0.5f}, {0, 2000, 8, 10},   {2, 3000, 2, 1},    {0, 4000, -4, 0.8f},
    {0, 6000, 5, 1.2f}, {0, 8000, -2, 3},  {2, 10000, 6, 2},   {0, 12000, 1, 128}, {0, 16000, -8, 0.4f},
    {105, 40, 0, 1},   {205, 18000, 0, 1},
}};

void RowOf(benchmark::State& state, Slot slot) {
  ResponseRow row;
  for (auto _ : state) {
    BandResponse(row, slot.code, slot.frequency, slot.gain, slot.q);
    benchmark::DoNotOptimize(row.data());
    benchmark::ClobberMemory();
  }
}

void BM_PeakingRow(benchmark::State& state) { RowOf(state, {0, 1000, 12, 1}); }
void BM_ShelfRow(benchmark::State& state) { RowOf(state, {1, 1000, 6, 1}); }
void BM_Butterworth24Row(benchmark::State& state) { RowOf(state, {205, 1000, 0, 1}); }
void BM_LinkwitzRiley24Row(benchmark::State& state) { RowOf(state, {206, 1000, 0, 1}); }

void BM_ChannelRecomputeAndSum(benchmark::State& state) {
  std::array<ResponseRow, ChannelSlots> rows;
  ResponseRow sum;
  for (auto _ : state) {
    for (int i = 0; i < ChannelSlots; ++i)
      BandResponse(rows[i], Channel[i].code, Channel[i].frequency, Channel[i].gain, Channel[i].q);
    SumResponseRows(rows, sum);
    benchmark::DoNotOptimize(sum.data());
    benchmark::ClobberMemory();
  }
}

// A drag: one slot (the argument) recomputed, the stored rows of the others re-added.
void BM_DragOneBandAndSum(benchmark::State& state) {
  std::array<ResponseRow, ChannelSlots> rows;
  for (int i = 0; i < ChannelSlots; ++i)
    BandResponse(rows[i], Channel[i].code, Channel[i].frequency, Channel[i].gain, Channel[i].q);
  const auto dragged = static_cast<std::size_t>(state.range(0));
  const Slot slot = Channel[dragged];
  ResponseRow sum;
  int frequency = slot.frequency;
  for (auto _ : state) {
    frequency = frequency < 20000 ? frequency + 7 : slot.frequency;
    BandResponse(rows[dragged], slot.code, frequency, slot.gain, slot.q);
    SumResponseRows(rows, sum);
    benchmark::DoNotOptimize(sum.data());
    benchmark::ClobberMemory();
  }
}

void BM_SumOfRows(benchmark::State& state) {
  std::array<ResponseRow, ChannelSlots> rows{};
  ResponseRow sum;
  for (auto _ : state) {
    SumResponseRows(rows, sum);
    benchmark::DoNotOptimize(sum.data());
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(BM_PeakingRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShelfRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Butterworth24Row)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LinkwitzRiley24Row)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SumOfRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChannelRecomputeAndSum)->Unit(benchmark::kMicrosecond);
// Slot 0 is a peaking band, 1 a shelf, 16 the two-section low-pass.
BENCHMARK(BM_DragOneBandAndSum)->Arg(0)->Arg(1)->Arg(16)->Unit(benchmark::kMicrosecond);
