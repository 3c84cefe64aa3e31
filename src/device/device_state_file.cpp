#include "device_state_file.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* Header = "dsp-device-sim state 1";

std::string Hex(const std::string& bytes) {
  std::string out;
  char pair[3];
  for (char c : bytes) {
    std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned>(static_cast<std::uint8_t>(c)));
    out += pair;
  }
  return out;
}

std::optional<std::string> Unhex(const std::string& text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    unsigned value = 0;
    for (char c : text.substr(i, 2)) {
      const auto digit = std::string("0123456789ABCDEF").find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
      if (digit == std::string::npos) return std::nullopt;
      value = value * 16 + static_cast<unsigned>(digit);
    }
    out.push_back(static_cast<char>(value));
  }
  return out;
}

void FormatRow(std::ostream& out, const DeviceRow& row) {
  for (std::int32_t v : row) out << ' ' << v;
  out << '\n';
}

bool ParseRow(std::istream& in, DeviceRow& row) {
  for (std::int32_t& v : row)
    if (!(in >> v) || v < 0 || v > 0xFFFF) return false;
  std::string rest;
  return !(in >> rest);
}

bool IsDigits(const std::string& text, std::size_t length) {
  return text.size() == length && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool ParseIndex(std::istream& in, int count, int& index) { return (in >> index) && index >= 0 && index < count; }

bool ParseLine(const std::string& line, DeviceMemory& memory) {
  std::istringstream in(line);
  std::string keyword, word;
  in >> keyword;
  int k = 0, channel = 0;
  if (keyword.empty()) return true;
  if (keyword == "identity") {
    if (!(in >> word)) return false;
    const auto bytes = Unhex(word);
    if (!bytes || bytes->size() != memory.identity.size()) return false;
    std::copy(bytes->begin(), bytes->end(), memory.identity.begin());
    return true;
  }
  if (keyword == "system-password" || keyword == "keylock-password") {
    const bool system = keyword == "system-password";
    if (!(in >> word) || !IsDigits(word, system ? SystemPasswordLength : KeyLockPasswordLength)) return false;
    (system ? memory.systemPassword : memory.keyLockPassword) = word;
    return true;
  }
  if (keyword == "row") return ParseIndex(in, DeviceChannels, channel) && ParseRow(in, memory.rows[channel]);
  if (keyword == "preset-name") {
    if (!ParseIndex(in, PresetCount, k) || !(in >> word)) return false;
    const auto name = Unhex(word);
    if (!name || name->size() != PresetNameLength) return false;
    memory.presets[k].name = *name;
    return true;
  }
  if (keyword == "preset-row")
    return ParseIndex(in, PresetCount, k) && ParseIndex(in, DeviceChannels, channel) &&
           ParseRow(in, memory.presets[k].rows[channel]);
  return false;
}

}  // namespace

std::string FormatDeviceState(const DeviceMemory& memory) {
  std::ostringstream out;
  out << Header << '\n';
  out << "identity " << Hex({memory.identity.begin(), memory.identity.end()}) << '\n';
  out << "system-password " << memory.systemPassword << '\n';
  out << "keylock-password " << memory.keyLockPassword << '\n';
  for (int c = 0; c < DeviceChannels; ++c) {
    out << "row " << c;
    FormatRow(out, memory.rows[c]);
  }
  for (int k = 0; k < PresetCount; ++k) {
    out << "preset-name " << k << ' ' << Hex(FitPresetName(memory.presets[k].name)) << '\n';
    for (int c = 0; c < DeviceChannels; ++c) {
      out << "preset-row " << k << ' ' << c;
      FormatRow(out, memory.presets[k].rows[c]);
    }
  }
  return out.str();
}

std::optional<DeviceMemory> ParseDeviceState(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != Header) return std::nullopt;
  DeviceMemory memory = FactoryMemory();
  while (std::getline(in, line))
    if (!ParseLine(line, memory)) return std::nullopt;
  return memory;
}

bool SaveDeviceState(const DeviceMemory& memory, const std::string& path) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << FormatDeviceState(memory);
    if (!out.flush()) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

std::optional<DeviceMemory> LoadDeviceState(const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return ParseDeviceState(text.str());
}
