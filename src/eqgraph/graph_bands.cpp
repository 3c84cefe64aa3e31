#include "graph_bands.h"

#include <span>

#include "control_table.h"
#include "value_scales.h"

namespace {

constexpr int HighPassCode = 100, LowPassCode = 200;
constexpr int SecondOrderShape = 2, SteepShape = 5, TypeShapeBase = 4;
constexpr float HighPassOffFrequency = 19.0f;

struct ChannelFilters {
  int channel;
  FilterRule highPass;
  FilterRule lowPass;
  bool hasLowPass;
};

const ChannelFilters& NoFilters() {
  static const ChannelFilters none{-1, {}, {}, false};
  return none;
}

std::span<const ChannelFilters> AllFilters() {
  static const ChannelFilters filters[] = {
      {1, {.frequencySlot = 0, .offValue = 0, .scaleOffset = -1}, {}, false},
      {3,
       {.frequencySlot = 4, .offValue = 0, .scaleOffset = -1},
       {.lowPass = true, .frequencySlot = 5, .offValue = 194, .scaleOffset = 168, .paneOrigin = 168},
       true},
      {5, {.frequencySlot = 16, .offValue = 0, .scaleOffset = -1, .slopeSlot = 18}, {}, false},
      {6,
       {.frequencySlot = 10, .offValue = 0, .scaleOffset = -1, .typeSlot = 8, .qSlot = 12},
       {.lowPass = true, .frequencySlot = 16, .typeSlot = 14, .qSlot = 18},
       true},
      {7, {.frequencySlot = 16, .offValue = 0, .scaleOffset = -1, .slopeSlot = 18}, {}, false},
      {8, {.frequencySlot = 16, .offValue = 0, .scaleOffset = -1}, {}, false},
  };
  return filters;
}

const ChannelFilters& FiltersOf(int channel) {
  for (const ChannelFilters& f : AllFilters())
    if (f.channel == channel) return f;
  return NoFilters();
}

int FilterCount(const ChannelFilters& f) { return f.channel < 0 ? 0 : f.hasLowPass ? 2 : 1; }

std::int32_t View(int channel, int slot) { return ViewValue(MakeAddress(channel, slot)); }

QWidget* Cell(const LayerCells<QWidget*>& layer, int channel, int slot) {
  return CellOf(layer, MakeAddress(channel, slot));
}

void LoadBand(GraphBand& band, int channel, int s) {
  band.code = View(channel, s);
  band.frequency = static_cast<float>(FrequencyNumber(View(channel, s + 1)));
  band.gain = static_cast<float>(View(channel, s + 2) / 5.0 - 24.0);
  band.q = static_cast<float>(QNumber(View(channel, band.code == 0 ? s + 3 : s + 4)));
  band.frequencyControl = Cell(controlTable.PrimaryControls, channel, s + 1);
  band.gainControl = Cell(controlTable.PrimaryControls, channel, s + 2);
  band.qControl = Cell(controlTable.PrimaryControls, channel, s + 3);
  band.filter = nullptr;
}

void LoadFilter(GraphBand& slot, const FilterRule& rule, int channel) {
  const int x = View(channel, rule.frequencySlot);
  const int base = rule.lowPass ? LowPassCode : HighPassCode;
  if (x == rule.offValue) {
    slot.code = base;
    slot.frequency = rule.lowPass ? static_cast<float>(FrequencyNumber(FrequencySteps - 1)) : HighPassOffFrequency;
  } else {
    slot.code = rule.typeSlot >= 0                                      ? base + TypeShapeBase + View(channel, rule.typeSlot)
                : rule.slopeSlot >= 0 && View(channel, rule.slopeSlot) != 0 ? base + SteepShape
                                                                        : base + SecondOrderShape;
    slot.frequency = static_cast<float>(FrequencyNumber(x + rule.scaleOffset));
  }
  slot.gain = 0;
  slot.q = rule.qSlot >= 0 ? static_cast<float>(QNumber(View(channel, rule.qSlot))) : 0.0f;
  slot.frequencyControl = Cell(controlTable.ReadoutControls, channel, rule.frequencySlot);
  slot.gainControl = nullptr;
  slot.qControl = nullptr;
  slot.filter = &rule;
}

}  // namespace

bool HasGraph(int channel) { return channel == 0 || FiltersOf(channel).channel >= 0; }

const FilterRule* FilterOfHandle(int channel, int handle) {
  const ChannelFilters& f = FiltersOf(channel);
  if (f.channel < 0) return nullptr;
  if (handle == HighPassHandle) return &f.highPass;
  if (handle == LowPassHandle && f.hasLowPass) return &f.lowPass;
  return nullptr;
}

int FilterSlotOfHandle(int channel, int handle) {
  if (!FilterOfHandle(channel, handle)) return -1;
  return EqBandCount[static_cast<std::size_t>(channel)] + (handle == LowPassHandle ? 1 : 0);
}

int FilterValueOfStep(const FilterRule& rule, int step) {
  if (rule.lowPass && rule.offValue >= 0 && step == FrequencySteps - 1) return rule.offValue;
  return step - rule.paneOrigin;
}

int FilterStepOfValue(const FilterRule& rule, int value) {
  if (rule.lowPass && value == rule.offValue) return FrequencySteps - 1;
  return value + rule.paneOrigin;
}

int LoadGraphBands(int band, int channel) {
  if (channel < 0 || channel >= EqChannelCount || !HasGraph(channel)) return -1;
  const int bands = EqBandCount[static_cast<std::size_t>(channel)];
  for (int i = 0; i < bands; ++i)
    if (band == AllGraphBands || band == i)
      LoadBand(graphState.GraphBands[static_cast<std::size_t>(i)], channel, EqFirstSlot[static_cast<std::size_t>(channel)] + 5 * i);
  const ChannelFilters& filters = FiltersOf(channel);
  for (int handle : {HighPassHandle, LowPassHandle}) {
    const FilterRule* rule = FilterOfHandle(channel, handle);
    if (!rule) continue;
    GraphBand& slot = graphState.GraphBands[static_cast<std::size_t>(FilterSlotOfHandle(channel, handle))];
    LoadFilter(slot, *rule, channel);
    // The handle finds the filter's control under its own index too.
    GraphBand& byHandle = graphState.GraphBands[static_cast<std::size_t>(handle)];
    byHandle.frequencyControl = slot.frequencyControl;
    byHandle.filter = rule;
  }
  return (bands - 1) + 100 * FilterCount(filters);
}
