#include "mode_line.h"

#include <charconv>

namespace {

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

}  // namespace

std::string EncodeModeLine(std::string_view plain) {
  static constexpr char Digits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(plain.size() * 2);
  for (std::size_t i = 0; i < plain.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(static_cast<std::uint8_t>(plain[i]) ^ ModeLineKey[i % 8]);
    text += Digits[byte >> 4];
    text += Digits[byte & 0x0F];
  }
  return text;
}

std::optional<std::string> DecodeModeLine(std::string_view text) {
  std::string plain;
  plain.reserve(text.size() / 2);
  for (std::size_t pair = 0; pair < text.size() / 2; ++pair) {
    const int high = HexDigit(text[2 * pair]);
    const int low = HexDigit(text[2 * pair + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    plain += static_cast<char>((high * 16 + low) ^ ModeLineKey[pair % 8]);
  }
  return plain;
}

std::vector<std::string_view> SplitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto blank = text.find(' ');
    fields.push_back(text.substr(0, blank));
    if (blank == std::string_view::npos) return fields;
    text.remove_prefix(blank + 1);
  }
}

std::optional<std::int32_t> ParseModeInteger(std::string_view field) {
  const bool plus = !field.empty() && field.front() == '+';
  if (plus) field.remove_prefix(1);
  if (field.empty() || (plus && field.front() == '-')) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}
