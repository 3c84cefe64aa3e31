#pragma once
// The link's two status texts that the main window shows: the status line and the device identity.
// Each change is shown at once by the main window attached to the link, if any.

#include <cstdint>
#include <string>

struct LinkTexts {
  std::string LinkLabel = "设备未连接";
  std::uint32_t LinkLabelColor = 0x000000;  // 0xRRGGBB; kept when only the text changes
  std::string DeviceIDLabel;
};

extern LinkTexts linkTexts;

// Sets the status text and keeps its colour.
void SetLinkLabel(std::string text);
// Sets the status text and its colour (0xRRGGBB).
void SetLinkLabel(std::string text, std::uint32_t color);
void SetDeviceIDLabel(std::string text);
