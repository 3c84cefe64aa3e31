#include "mode_name.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::string_view ReservedCharacters = "\\/:*?\"<>|";

// Names that open a device instead of a file on Windows, with any extension after them.
constexpr std::array<std::string_view, 22> DeviceNames{
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9",
};

// C0 controls and DEL as bytes; the C1 controls U+0080..U+009F as their UTF-8 form C2 80..C2 9F.
bool HasControlCharacter(std::string_view name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (byte < 0x20 || byte == 0x7F) return true;
    if (byte == 0xC2 && i + 1 < name.size() && (static_cast<unsigned char>(name[i + 1]) & 0xE0) == 0x80) return true;
  }
  return false;
}

bool IsDeviceName(std::string_view name) {
  std::string stem(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& ch : stem) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return std::find(DeviceNames.begin(), DeviceNames.end(), stem) != DeviceNames.end();
}

}  // namespace

std::string ModeNameRefusal(std::string_view name) {
  if (name.empty()) return {};
  if (name.find_first_of(ReservedCharacters) != std::string_view::npos)
    return "A mode name cannot hold any of the characters \\ / : * ? \" < > |.";
  if (name.find("..") != std::string_view::npos) return "A mode name cannot hold \"..\".";
  if (HasControlCharacter(name)) return "A mode name cannot hold control characters.";
  if (name.find_first_not_of(' ') == std::string_view::npos) return "A mode name needs more than blanks.";
  if (name.size() > ModeNameByteLimit) return "This mode name is too long for a file name.";
  if (IsDeviceName(name)) return "\"" + std::string(name) + "\" is a name the system keeps for a device.";
  return {};
}
