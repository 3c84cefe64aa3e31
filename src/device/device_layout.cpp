#include "device_layout.h"

namespace {

// A run of slots whose Disco copy lies discoOffset columns after the Sing one.
struct BankedSlots {
  int channel;
  int firstSlot;
  int endSlot;  // one past the last banked slot
  int discoOffset;
};

constexpr BankedSlots BankedRuns[] = {
    {0, 2, 54, 52},  // Music: a second block
    {5, 0, 20, 1},   // Main: column pairs
    {6, 0, 20, 1},   // SUB
    {7, 0, 20, 1},   // Center
    {8, 0, 18, 1},   // SUR
};

}  // namespace

int MemoryColumn(int channel, int slot, int bank) {
  if (bank == SingBank) return slot;
  for (const BankedSlots& run : BankedRuns)
    if (run.channel == channel && slot >= run.firstSlot && slot < run.endSlot) return slot + run.discoOffset;
  return slot;
}
