#pragma once
// The in-memory image of every device parameter, its addressing, and the pure helpers over it.
// A ParamAddress is 16 bits: high byte = channel, low byte = slot.

#include <array>
#include <cstdint>
#include <string>

using ParamAddress = int;

inline constexpr int ChannelCount = 11;   // 0..9 carry parameters, 10 has none
inline constexpr int ViewColumns = 86;    // the panel's slot layout
inline constexpr int DeviceColumns = 113; // the device's block layout, both mode banks
inline constexpr int EqChannelCount = 9;  // channels 0..8 have an equaliser
inline constexpr int PresetNameCount = 21;

// Channels: 0 Music, 1 MIC A, 2 MIC B, 3 Echo, 4 Reverb, 5 Main, 6 SUB, 7 Center, 8 SUR, 9 System.
inline constexpr std::array<int, ChannelCount> ChannelParamCount{54, 79, 79, 28, 8, 55, 43, 53, 53, 35, 0};
inline constexpr std::array<int, EqChannelCount> EqFirstSlot{4, 4, 4, 13, 0, 30, 28, 28, 28};
inline constexpr std::array<int, EqChannelCount> EqBandCount{10, 15, 15, 3, 0, 5, 3, 5, 5};
inline constexpr std::array<ParamAddress, EqChannelCount> EqBlockAddress{
    0x0002, 0x0102, 0x0202, 0x030B, 0x0408, 0x051C, 0x061A, 0x071A, 0x081A};

// LocateBand packs band * 256 + role; these are its two special answers.
inline constexpr int NoGraphBand = 0xFF00;  // band 255, role 0: the channel has no graph
inline constexpr int NotAnEqSlot = 0x00FF;  // band 0, role 255

struct ParamImage {
  std::array<std::array<std::int32_t, ViewColumns>, ChannelCount> ViewTable{};
  std::array<std::array<std::int32_t, DeviceColumns>, ChannelCount> DeviceTable{};
  std::array<std::string, PresetNameCount> PresetNames{};
  std::string SystemPassword;
  std::string PanelPassword;
  std::int32_t ActiveBank = 0;  // low byte 0 = Sing, anything else = Disco
  std::int32_t MicGroupB = 0;   // exactly 1 = the MIC page shows MIC B
};

extern ParamImage paramImage;

constexpr int ChannelOf(ParamAddress address) { return (address >> 8) & 0xFF; }
constexpr int SlotOf(ParamAddress address) { return address & 0xFF; }
constexpr ParamAddress MakeAddress(int channel, int slot) { return (channel << 8) | slot; }

// The view's value at an address; an address outside the view reads 0.
std::int32_t ViewValue(ParamAddress address);
ParamAddress MapMicGroup(ParamAddress address);
int EqGroupOfChannel(ParamAddress address);
int LocateBand(ParamAddress address);
ParamAddress ResolveQSlot(ParamAddress address);
int BankSlot(int channel, int slot, std::int32_t bank);
void StoreValue(ParamAddress address, std::int32_t value);
void RebuildView(std::int32_t bank);
