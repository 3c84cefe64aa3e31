#pragma once
// The mode file: a complete parameter set of the device (the DeviceTable rows of channels 0 to 8,
// both mode banks) as a short text file of scrambled lines. Plain lines, k counting from 0:
//   0        "Q8 " and ModeModelCode XOR 0x58 (233): the model check
//   1        "Velor " and ModeSecondCode XOR 0x58 (89)
//   2..N+1   A XOR k, a blank, V XOR k: the value V of the cell A = channel << 8 | column
//   N+2      "Intoal: " and N + 2, this line's own number
//   N+3      "CCCCK: " and the checksum of the values
// Every line ends with CR LF, the last one too.
//
// A file is read and checked whole before anything is stored: a file that fails any check changes
// nothing.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "param_image.h"

inline constexpr std::int32_t ModeModelCode = 0xB1;
inline constexpr std::int32_t ModeSecondCode = 0x01;
inline constexpr std::int32_t ModeHeaderMask = 0x58;
inline constexpr int ModeFileLastChannel = 8;

// The texts the user is shown.
inline constexpr std::string_view ModeFileMissingText = "文件不存在";
inline constexpr std::string_view ModeFileFormatText = "文件格式错误!";
inline constexpr std::string_view ModeFileDamagedText = "数据文件损坏!";

enum class ModeFileStatus {
  Ok,
  Missing,     // the file cannot be opened: ModeFileMissingText
  WrongModel,  // the first line lacks the model code: ModeFileFormatText
  Damaged,     // the count, the checksum or an address (outside channels 0..8) is wrong: ModeFileDamagedText
  Unreadable,  // a line is not hexadecimal, lacks a field or has a field that is not an integer
  NotWritten,  // a save could not create or write the file
};

struct ModeFileResult {
  ModeFileStatus status = ModeFileStatus::Ok;
  std::string message;  // what to show the user; empty when ok
  std::string detail;   // where and why, for logs and the command-line tool; empty when ok

  bool ok() const { return status == ModeFileStatus::Ok; }
};

// A failure with the message its status shows: the Chinese texts above, or for the other
// failures "Mode file: " and the detail.
ModeFileResult ModeFileFailure(ModeFileStatus status, std::string detail);

// One value line: the cell (any 32-bit number; on channels 0..8 of the table only in a good file) and
// its value.
struct ModeValue {
  std::int32_t address = 0;
  std::int32_t value = 0;

  int channel() const { return address >> 8; }
  int column() const { return address & 0xFF; }
  bool operator==(const ModeValue&) const = default;
};

// What a file says, in file order.
struct ModeFileContent {
  std::int32_t modelCode = ModeModelCode;
  std::int32_t secondCode = ModeSecondCode;
  std::vector<ModeValue> values;
  bool operator==(const ModeFileContent&) const = default;
};

// The verdict on a file's lines, and everything read from them.
struct ModeFileReport {
  ModeFileResult result;
  // Every line was read as numbers: the content, count and checksum are the whole file's.
  bool complete = false;
  ModeFileContent content;
  std::int32_t count = 0;  // the number on the count line
  bool countValid = false;
  std::int32_t checksum = 0;  // the number on the checksum line
  std::int32_t valuesChecksum = 0;  // the checksum the values give
  bool checksumValid = false;
};

// The last column of a channel that a file lists: one past its parameter count, and for channel 0
// past both mode banks (106).
int ModeLastColumn(int channel);

// The byte that brings the sum of the values to a multiple of 256: ((S XOR 0xFFFF) + 1) mod 256,
// taken as (-S) mod 256 for any sum.
std::int32_t ModeChecksum(std::int64_t sum);

using DeviceTableCells = decltype(ParamImage::DeviceTable);

// What a save writes: channels 0..8, columns 0..ModeLastColumn, in order.
ModeFileContent ModeFileContentOf(const DeviceTableCells& table);

// The bytes of a file with this content; the count and checksum lines are computed.
std::string EncodeModeFile(const ModeFileContent& content);

// A file's plain lines. Lines end at CR LF, LF or a lone CR; a last line without an end counts.
struct ModeFileLines {
  ModeFileResult result;
  std::vector<std::string> lines;
};
ModeFileLines DecodeModeFile(std::string_view bytes);

// Reads the headers, the count, every value line and the checksum, and checks them all.
ModeFileReport CheckModeLines(const std::vector<std::string>& lines);

// Checks the lines and, only when the whole file is good, stores its values into
// paramImage.DeviceTable in file order (a later line for the same cell wins).
ModeFileReport ApplyModeLines(const std::vector<std::string>& lines);
