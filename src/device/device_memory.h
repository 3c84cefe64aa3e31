#pragma once
// What the virtual device remembers: its parameter rows in the device's block layout (both mode
// banks), its 15 named presets, its two passwords and its identity.

#include <array>
#include <cstdint>
#include <string>

#include "param_image.h"

inline constexpr int DeviceChannels = 10;  // channels 0..9 carry parameters
inline constexpr int PresetCount = 15;
inline constexpr int PresetNameLength = 20;
inline constexpr int SystemPasswordLength = 6;
inline constexpr int KeyLockPasswordLength = 4;
inline constexpr int SystemChannel = 9;
inline constexpr int PresetSlotColumn = 2;  // channel 9, slot 2: the current preset
inline constexpr int KeyLockColumn = 13;    // channel 9, slot 13: key lock off/on
inline constexpr int ModeColumn = 1;        // channel 0, slot 1: Sing (0) or Disco

using DeviceRow = std::array<std::int32_t, DeviceColumns>;
using DeviceRows = std::array<DeviceRow, DeviceChannels>;

struct DevicePreset {
  std::string name;  // exactly PresetNameLength characters, blank-padded
  DeviceRows rows{};
};

struct DeviceMemory {
  DeviceRows rows{};
  std::array<DevicePreset, PresetCount> presets{};
  std::string systemPassword;   // SystemPasswordLength digits
  std::string keyLockPassword;  // KeyLockPasswordLength digits
  std::array<std::uint8_t, 4> identity{};
};

// A freshly made device: levels, filters, band frequencies and limiters set as a processor ships.
DeviceMemory FactoryMemory();

// The mode bank that banked writes land in and banked reads come from (0 Sing, 1 Disco).
int CurrentBank(const DeviceMemory& memory);

// Pads or cuts a name to PresetNameLength characters.
std::string FitPresetName(std::string name);
