#include "mode_file.h"

#include <algorithm>
#include <optional>

#include "mode_line.h"

namespace {

std::string LineName(std::size_t line) { return "line " + std::to_string(line + 1); }

// Field `index` of a line as an integer; nothing when the line has no such field or it is no number.
std::optional<std::int32_t> Field(const std::string& line, std::size_t index) {
  const auto fields = SplitFields(line);
  if (index >= fields.size()) return std::nullopt;
  return ParseModeInteger(fields[index]);
}

ModeFileResult NotANumber(std::size_t line, std::size_t index) {
  return ModeFileFailure(ModeFileStatus::Unreadable,
                 LineName(line) + ": field " + std::to_string(index + 1) + " is missing or not an integer");
}

// A mode file carries the sound channels only: a cell of the System channel (passwords, key lock,
// volumes) or of the channel without parameters never comes from a file.
bool InModeChannels(std::int32_t address) {
  return address >= 0 && (address >> 8) <= ModeFileLastChannel && (address & 0xFF) < DeviceColumns;
}

std::string PlainLine(std::string_view keyword, std::int64_t number) { return std::string(keyword) + std::to_string(number); }

}  // namespace

ModeFileResult ModeFileFailure(ModeFileStatus status, std::string detail) {
  std::string message;
  switch (status) {
    case ModeFileStatus::Missing: message = ModeFileMissingText; break;
    case ModeFileStatus::WrongModel: message = ModeFileFormatText; break;
    case ModeFileStatus::Damaged: message = ModeFileDamagedText; break;
    case ModeFileStatus::Unreadable:
    case ModeFileStatus::NotWritten: message = "Mode file: " + detail; break;
    case ModeFileStatus::Ok: break;
  }
  return {status, std::move(message), std::move(detail)};
}

int ModeLastColumn(int channel) { return ChannelParamCount[channel] + (channel == 0 ? 52 : 0); }

std::int32_t ModeChecksum(std::int64_t sum) { return static_cast<std::int32_t>((0 - static_cast<std::uint64_t>(sum)) & 0xFF); }

ModeFileContent ModeFileContentOf(const DeviceTableCells& table) {
  ModeFileContent content;
  for (int channel = 0; channel <= ModeFileLastChannel; ++channel)
    for (int column = 0; column <= ModeLastColumn(channel); ++column)
      content.values.push_back({MakeAddress(channel, column), table[channel][column]});
  return content;
}

std::string EncodeModeFile(const ModeFileContent& content) {
  std::string bytes;
  const auto append = [&bytes](const std::string& plain) { bytes += EncodeModeLine(plain) + "\r\n"; };
  append(PlainLine("Q8 ", content.modelCode ^ ModeHeaderMask));
  append(PlainLine("Velor ", content.secondCode ^ ModeHeaderMask));
  std::int32_t k = 1;
  std::int64_t sum = 0;
  for (const ModeValue& v : content.values) {
    ++k;
    append(std::to_string(v.address ^ k) + " " + std::to_string(v.value ^ k));
    sum += v.value;
  }
  append(PlainLine("Intoal: ", k + 1));
  append(PlainLine("CCCCK: ", ModeChecksum(sum)));
  return bytes;
}

ModeFileLines DecodeModeFile(std::string_view bytes) {
  ModeFileLines decoded;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const auto end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
    auto plain = DecodeModeLine(bytes.substr(start, end - start));
    if (!plain) {
      decoded.result = ModeFileFailure(ModeFileStatus::Unreadable, LineName(decoded.lines.size()) + " is not hexadecimal text");
      decoded.lines.clear();
      return decoded;
    }
    decoded.lines.push_back(std::move(*plain));
    start = end + 1;
    if (end < bytes.size() && bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return decoded;
}

ModeFileReport CheckModeLines(const std::vector<std::string>& lines) {
  ModeFileReport report;
  if (lines.size() < 2) {
    report.result = ModeFileFailure(ModeFileStatus::Unreadable, "the file has " + std::to_string(lines.size()) +
                                                           " lines, fewer than its two header lines");
    return report;
  }
  for (std::size_t header = 0; header < 2; ++header) {
    const auto number = Field(lines[header], 1);
    if (!number) {
      report.result = NotANumber(header, 1);
      return report;
    }
    (header == 0 ? report.content.modelCode : report.content.secondCode) = *number ^ ModeHeaderMask;
  }
  if (report.content.modelCode != ModeModelCode) {
    report.result = ModeFileFailure(ModeFileStatus::WrongModel, "model code " + std::to_string(report.content.modelCode) +
                                                            ", expected " + std::to_string(ModeModelCode));
    return report;
  }

  // n is the number of the last line, the checksum line; the count line before it holds n - 1.
  const std::size_t n = lines.size() - 1;
  const auto count = Field(lines[n - 1], 1);
  const auto checksum = Field(lines[n], 1);
  if (!count || !checksum) {
    report.result = NotANumber(count ? n : n - 1, 1);
    return report;
  }
  report.count = *count;
  report.checksum = *checksum;
  report.countValid = *count >= 0 && static_cast<std::size_t>(*count) == n - 1;
  if (!report.countValid)
    report.result = ModeFileFailure(ModeFileStatus::Damaged, LineName(n - 1) + ": count " + std::to_string(*count) +
                                                         ", the file has " + std::to_string(n - 1));

  std::int64_t sum = 0;
  for (std::size_t line = 2; line + 1 < n; ++line) {
    const auto k = static_cast<std::int32_t>(line);
    const auto address = Field(lines[line], 0);
    const auto value = Field(lines[line], 1);
    if (!address || !value) {
      if (report.result.ok()) report.result = NotANumber(line, address ? 1 : 0);
      return report;
    }
    const ModeValue v{*address ^ k, *value ^ k};
    if (!InModeChannels(v.address) && report.result.ok())
      report.result = ModeFileFailure(ModeFileStatus::Damaged, LineName(line) + ": channel " + std::to_string(v.channel()) +
                                                           ", column " + std::to_string(v.column()) +
                                                           " lies outside the channels 0 to " + std::to_string(ModeFileLastChannel) + " of a mode file");
    report.content.values.push_back(v);
    sum += v.value;
  }
  report.complete = true;
  report.valuesChecksum = ModeChecksum(sum);
  report.checksumValid = report.valuesChecksum == report.checksum;
  if (!report.checksumValid && report.result.ok())
    report.result = ModeFileFailure(ModeFileStatus::Damaged, LineName(n) + ": checksum " + std::to_string(report.checksum) +
                                                         ", the values give " + std::to_string(report.valuesChecksum));
  return report;
}

ModeFileReport ApplyModeLines(const std::vector<std::string>& lines) {
  ModeFileReport report = CheckModeLines(lines);
  if (report.result.ok())
    for (const ModeValue& v : report.content.values) paramImage.DeviceTable[v.channel()][v.column()] = v.value;
  return report;
}
