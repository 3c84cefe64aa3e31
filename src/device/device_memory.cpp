#include "device_memory.h"

#include <span>

#include "device_layout.h"

namespace {

struct FactoryValue {
  int channel;
  int slot;
  std::int32_t value;
};

// Everything outside the equaliser bands. Banked slots get the same value in both banks.
constexpr FactoryValue FactoryValues[] = {
    // Music: automatic mode, Sing, equaliser in circuit.
    {0, 0, 1}, {0, 1, 0}, {0, 3, 0},
    // MIC A and MIC B: high-pass near 75 Hz, feedback eliminator off.
    {1, 0, 60}, {1, 1, 0}, {2, 0, 60}, {2, 1, 0},
    // Echo: levels, high-pass, low-pass, pre-delay, delay, repeat, right-channel offsets.
    {3, 1, 60}, {3, 3, 80}, {3, 4, 60}, {3, 5, 150}, {3, 6, 10}, {3, 7, 120}, {3, 8, 45},
    {3, 9, 50}, {3, 10, 20},
    // Reverb: levels, time, pre-delay, high-pass, low-pass.
    {4, 1, 40}, {4, 3, 80}, {4, 4, 24}, {4, 5, 10}, {4, 6, 60}, {4, 7, 150},
    // Main and Center: mix levels at 100 %, high-pass near 30 Hz, limiter 8 ms, x8, +6 dBu, 8:1.
    {5, 0, 50}, {5, 4, 50}, {5, 8, 50}, {5, 12, 50}, {5, 16, 20},
    {5, 20, 8}, {5, 21, 3}, {5, 22, 26}, {5, 23, 20},
    {7, 0, 50}, {7, 4, 50}, {7, 8, 50}, {7, 12, 50}, {7, 16, 20},
    {7, 20, 8}, {7, 21, 3}, {7, 22, 26}, {7, 23, 20},
    // SUB: Butterworth high-pass, user 12 dB low-pass near 130 Hz, limiter.
    {6, 0, 50}, {6, 4, 25}, {6, 8, 1}, {6, 10, 20}, {6, 12, 15}, {6, 14, 3}, {6, 16, 100},
    {6, 18, 15}, {6, 20, 8}, {6, 21, 3}, {6, 22, 26}, {6, 23, 20},
    // SUR: mix levels, high-pass, limiter on its own slots.
    {8, 0, 50}, {8, 4, 50}, {8, 8, 50}, {8, 12, 50}, {8, 16, 20},
    {8, 18, 8}, {8, 19, 3}, {8, 20, 26}, {8, 21, 20},
    // System: preset 1, music gain 3 dB, start and limit volumes, user level, key lock off,
    // input 1, master volumes.
    {9, 2, 0}, {9, 3, 1}, {9, 6, 30}, {9, 7, 70}, {9, 8, 30}, {9, 9, 70}, {9, 10, 30}, {9, 11, 70},
    {9, 12, 0}, {9, 13, 0}, {9, 14, 0}, {9, 32, 50}, {9, 33, 50}, {9, 34, 50},
};

constexpr const char* PresetNames[PresetCount] = {
    "Pop",  "Rock", "Jazz", "Classic", "Ballad", "Dance",   "Karaoke", "Live",
    "Speech", "Party", "Club", "Hall", "Church", "Outdoor", "User"};

constexpr int GainZeroDb = 120;
constexpr int PeakQ = 20;     // Q 1.26
constexpr int ShelfQ = 16;    // Q 1.00
constexpr int LowestBand = 24;   // 31.3 Hz
constexpr int HighestBand = 348; // 16 kHz

void SetBothBanks(DeviceRows& rows, int channel, int slot, std::int32_t value) {
  for (const int bank : {SingBank, DiscoBank}) rows[channel][MemoryColumn(channel, slot, bank)] = value;
}

// Bands spread evenly on the frequency scale from 31 Hz to 16 kHz, flat, peaking.
void SetFactoryBands(DeviceRows& rows) {
  for (int channel = 0; channel < EqChannelCount; ++channel) {
    const int bands = EqBandCount[channel];
    for (int band = 0; band < bands; ++band) {
      const int slot = EqFirstSlot[channel] + 5 * band;
      const int step = bands == 1 ? 204 : LowestBand + (HighestBand - LowestBand) * band / (bands - 1);
      const std::int32_t roles[5] = {0, step, GainZeroDb, PeakQ, ShelfQ};
      for (int role = 0; role < 5; ++role) SetBothBanks(rows, channel, slot + role, roles[role]);
    }
  }
  // Disco lifts the two lowest music bands by 3 dB.
  for (int band = 0; band < 2; ++band) rows[0][MemoryColumn(0, EqFirstSlot[0] + 5 * band + 2, DiscoBank)] = GainZeroDb + 15;
}

}  // namespace

std::string FitPresetName(std::string name) {
  name.resize(PresetNameLength, ' ');
  return name;
}

int CurrentBank(const DeviceMemory& memory) { return (memory.rows[0][ModeColumn] & 0xFF) != 0 ? DiscoBank : SingBank; }

DeviceMemory FactoryMemory() {
  DeviceMemory memory;
  SetFactoryBands(memory.rows);
  for (const FactoryValue& v : FactoryValues) SetBothBanks(memory.rows, v.channel, v.slot, v.value);
  for (int k = 0; k < PresetCount; ++k) {
    DevicePreset& preset = memory.presets[k];
    preset.name = FitPresetName(PresetNames[k]);
    preset.rows = memory.rows;
    // Each preset has its own echo and reverb depth, so a recall shows.
    preset.rows[3][1] = 40 + 3 * k;
    preset.rows[4][1] = 30 + 2 * k;
  }
  memory.systemPassword = "888888";
  memory.keyLockPassword = "1234";
  memory.identity = {0x20, 0x24, 0x06, 0x01};
  return memory;
}
