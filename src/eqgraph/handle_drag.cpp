#include "handle_drag.h"

#include <algorithm>

#include "decimal_format.h"
#include "graph_geometry.h"
#include "graph_state.h"
#include "panel_tables.h"
#include "value_scales.h"

namespace {

constexpr int FrequencyKind = 2, GainKind = 3;

// The frequency steps past which a filter handle stops, and where it stops.
constexpr int MicAndOutputHighest = 143, EffectHighPassHighest = 241, EffectLowPassLowest = 168;
constexpr double OutputPin = 309.0, EffectHighPassPin = 2000.0, EffectLowPassPin = 500.0;

int PinnedLeft(double frequency, int width, int half) { return static_cast<int>(RoundHalfEven(FreqToX(frequency, width) - half)); }

}  // namespace

std::optional<DraggedHandle> DragHandleBy(const HandleDrag& drag, HandleBox box, int dx, int dy) {
  const int w = drag.plotWidth, h = drag.plotHeight, half = box.size / 2;
  const bool filter = drag.handle >= HighPassHandle;
  const bool outputPage = drag.page >= MainPage && drag.page <= SurPage;
  if (drag.page == MusicPage && drag.autoMode) return std::nullopt;
  if (filter && outputPage && drag.autoMode) return std::nullopt;

  const double s = TextToIndex(FrequencyKind, XToFreq(box.left + dx + half, w));
  std::optional<double> pin;
  if (filter && (drag.page == MicPage || outputPage)) {
    dy = 0;
    if (s >= MicAndOutputHighest) pin = OutputPin;
  } else if (filter && drag.page == EffectPage) {
    dy = 0;
    if (drag.handle == HighPassHandle && s >= EffectHighPassHighest) pin = EffectHighPassPin;
    if (drag.handle == LowPassHandle && s <= EffectLowPassLowest) pin = EffectLowPassPin;
  }
  if (pin) {
    dx = 0;
    box.left = PinnedLeft(*pin, w, half);
  }

  box.left += dx;
  box.top = std::clamp(box.top + dy, -half, h - half);
  if (drag.handle == LowPassHandle) {
    if (box.left > w - half)
      box.left = w - half;
    else if (box.left > w - box.size)
      box.left = w - box.size;
  }
  if (box.left < FreqToX(DragLowestFrequency, w) - half)
    box.left = static_cast<int>(RoundHalfEven(FreqToX(DragLowestFrequency, w))) - half;

  DraggedHandle out{box, static_cast<float>(RoundHalfEven(XToFreq(box.left + half, w))),
                    static_cast<float>(YToGain(box.top + half, h))};
  if (out.frequency > DragHighestFrequency) {
    out.frequency = DragHighestFrequency;
    out.box.left = PinnedLeft(DragHighestFrequency, w, half);
  }
  out.gain = std::clamp(out.gain, static_cast<float>(GraphBottomGain), static_cast<float>(GraphTopGain));
  return out;
}
