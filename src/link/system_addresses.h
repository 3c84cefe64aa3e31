#pragma once
// Channel 9 doubles as the device's command and status area. These are the addresses the link
// itself treats specially, and the codes it sends to the link-control address.

#include <cstdint>

#include "param_image.h"

inline constexpr ParamAddress PresetNameAddress = 0x0900;     // read with the slot; reply: the name
inline constexpr ParamAddress PresetSaveAddress = 0x0901;     // slot and name
inline constexpr ParamAddress PresetRecallAddress = 0x0902;   // value = preset slot
inline constexpr int PresetSlotCount = 15;   // the device's presets, slots 0..14
inline constexpr int PresetNameChars = 20;   // the longest preset name
inline constexpr ParamAddress SystemPasswordAddress = 0x0904; // 6 digits
inline constexpr ParamAddress PanelPasswordAddress = 0x0905;  // 4 digits
inline constexpr ParamAddress ChannelUploadAddress = 0x090F;
inline constexpr ParamAddress ChannelReadAddress = 0x0910;
inline constexpr ParamAddress LinkControlAddress = 0x0930;
inline constexpr ParamAddress DeviceIdentityAddress = 0x0940; // read only, 4 bytes

inline constexpr std::uint8_t LinkHello = 0x11;
inline constexpr std::uint8_t LinkKeepAlive = 0x66;
inline constexpr std::uint8_t LinkGoodbye = 0xAA;
