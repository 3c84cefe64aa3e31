#include "mode_dump.h"

#include <optional>
#include <vector>

#include "mode_line.h"

namespace {

std::string Verdict(bool valid) { return valid ? " valid\n" : " invalid\n"; }

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  constexpr std::string_view blanks = " \t\r";
  for (auto start = line.find_first_not_of(blanks); start != std::string_view::npos;
       start = line.find_first_not_of(blanks, start)) {
    const auto end = std::min(line.find_first_of(blanks, start), line.size());
    words.push_back(line.substr(start, end - start));
    start = end;
  }
  return words;
}

// A value line's cell: a column of one byte and a channel that keeps the address within 32 bits.
constexpr std::int32_t ChannelLimit = 1 << 23;

}  // namespace

std::string FormatModeDump(const ModeFileReport& report) {
  std::string text = "model " + std::to_string(report.content.modelCode) + "\nsecond " +
                     std::to_string(report.content.secondCode) + "\n";
  for (const ModeValue& v : report.content.values)
    text += std::to_string(v.channel()) + " " + std::to_string(v.column()) + " " + std::to_string(v.value) + "\n";
  text += "count " + std::to_string(report.count) + Verdict(report.countValid);
  text += "checksum " + std::to_string(report.checksum) + Verdict(report.checksumValid);
  return text;
}

ModeDumpParse ParseModeDump(std::string_view text) {
  ModeDumpParse parse;
  std::optional<std::int32_t> model, second;
  std::size_t number = 0;
  const auto fail = [&parse, &number](const std::string& why) {
    parse.error = "line " + std::to_string(number) + ": " + why;
    return parse;
  };
  for (std::size_t start = 0; start < text.size();) {
    const auto end = std::min(text.find('\n', start), text.size());
    const auto words = Words(text.substr(start, end - start));
    start = end + 1;
    ++number;
    if (words.empty() || words[0].front() == '#') continue;
    if (words[0] == "count" || words[0] == "checksum") continue;
    if (words[0] == "model" || words[0] == "second") {
      auto& code = words[0] == "model" ? model : second;
      const auto value = words.size() == 2 ? ParseModeInteger(words[1]) : std::nullopt;
      if (!value) return fail("expected \"" + std::string(words[0]) + "\" and one integer");
      if (code) return fail("\"" + std::string(words[0]) + "\" given twice");
      code = value;
      continue;
    }
    std::optional<std::int32_t> numbers[3];
    for (std::size_t i = 0; i < 3 && words.size() == 3; ++i) numbers[i] = ParseModeInteger(words[i]);
    if (!numbers[0] || !numbers[1] || !numbers[2]) return fail("expected channel, column and value as integers");
    const std::int32_t channel = *numbers[0], column = *numbers[1];
    if (column < 0 || column > 0xFF || channel < -ChannelLimit || channel >= ChannelLimit)
      return fail("no cell has channel " + std::to_string(channel) + ", column " + std::to_string(column));
    parse.content.values.push_back({static_cast<std::int32_t>(static_cast<std::uint32_t>(channel) << 8 | column), *numbers[2]});
  }
  if (!model || !second) {
    parse.error = std::string("the \"") + (model ? "second" : "model") + "\" line is missing";
    return parse;
  }
  parse.content.modelCode = *model;
  parse.content.secondCode = *second;
  parse.ok = true;
  return parse;
}
