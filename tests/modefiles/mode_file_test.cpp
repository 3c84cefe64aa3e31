#include "mode_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mode_line.h"
#include "process_state.h"

namespace {

using Lines = std::vector<std::string>;
using Table = DeviceTableCells;

std::string Bytes(const Lines& plain) {
  std::string bytes;
  for (const auto& line : plain) bytes += EncodeModeLine(line) + "\r\n";
  return bytes;
}

Lines PlainLines(const std::string& bytes) {
  const ModeFileLines decoded = DecodeModeFile(bytes);
  EXPECT_TRUE(decoded.result.ok()) << decoded.result.detail;
  return decoded.lines;
}

// Every cell of the table a different small value.
Table Patterned() {
  Table table{};
  for (int c = 0; c < ChannelCount; ++c)
    for (int j = 0; j < DeviceColumns; ++j) table[c][j] = (c * 1000 + j * 7) % 65536;
  return table;
}

// The cell of value line k of a saved file.
ModeValue CellOfLine(const std::string& plain, int k) {
  const auto fields = SplitFields(plain);
  return {*ParseModeInteger(fields[0]) ^ k, *ParseModeInteger(fields[1]) ^ k};
}

class ModeFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }

  static Lines SavedLines(const Table& table) { return PlainLines(EncodeModeFile(ModeFileContentOf(table))); }
};

TEST_F(ModeFileTest, AZeroImageSavesAs517LinesEndedWithCrLf) {
  const std::string bytes = EncodeModeFile(ModeFileContentOf(paramImage.DeviceTable));
  std::size_t crlf = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) crlf += bytes[i] == '\r' && bytes[i + 1] == '\n';
  EXPECT_EQ(crlf, 517u);
  EXPECT_EQ(bytes.find_first_not_of("0123456789ABCDEF\r\n"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

  const Lines plain = PlainLines(bytes);
  ASSERT_EQ(plain.size(), 517u);
  EXPECT_EQ(plain[0], "Q8 233");
  EXPECT_EQ(plain[1], "Velor 89");
  int k = 1;
  const int perChannel[] = {107, 80, 80, 29, 9, 56, 44, 54, 54};
  for (int channel = 0; channel <= 8; ++channel) {
    EXPECT_EQ(ModeLastColumn(channel) + 1, perChannel[channel]) << channel;
    for (int column = 0; column <= ModeLastColumn(channel); ++column) {
      ++k;
      ASSERT_EQ(plain[k], std::to_string(MakeAddress(channel, column) ^ k) + " " + std::to_string(k)) << k;
    }
  }
  EXPECT_EQ(k, 514);
  EXPECT_EQ(plain[515], "Intoal: 515");
  EXPECT_EQ(plain[516], "CCCCK: 0");
}

TEST_F(ModeFileTest, FirstAndLastValueLines) {
  const Table table = Patterned();
  const Lines plain = SavedLines(table);
  EXPECT_EQ(plain[2], "2 " + std::to_string(table[0][0] ^ 2));
  EXPECT_EQ(plain[514], std::to_string(0x0835 ^ 514) + " " + std::to_string(table[8][53] ^ 514));
  EXPECT_EQ(CellOfLine(plain[514], 514), (ModeValue{0x0835, table[8][53]}));
}

TEST_F(ModeFileTest, ChecksumBringsTheSumToAMultipleOf256) {
  const struct {
    std::int64_t sum;
    std::int32_t checksum;
  } cases[] = {{0, 0}, {1, 255}, {255, 1}, {256, 0}, {257, 255}, {65535, 1}, {513 * 65535LL, 0xFF & -(513 * 65535LL)}, {-1, 1}};
  for (const auto& c : cases) EXPECT_EQ(ModeChecksum(c.sum), c.checksum) << c.sum;
  for (std::int64_t sum = 0; sum < 70000; sum += 37) EXPECT_EQ(ModeChecksum(sum), ((sum ^ 0xFFFF) + 1) % 256) << sum;
}

TEST_F(ModeFileTest, SaveAndLoadRestoreChannels0To8AndNothingElse) {
  const Table saved = Patterned();
  const Lines plain = SavedLines(saved);
  Table sentinel{};
  for (auto& row : sentinel) row.fill(-7);
  paramImage.DeviceTable = sentinel;

  const ModeFileReport report = ApplyModeLines(plain);
  ASSERT_TRUE(report.result.ok()) << report.result.detail;
  for (int c = 0; c < ChannelCount; ++c)
    for (int j = 0; j < DeviceColumns; ++j) {
      const bool inFile = c <= 8 && j <= ModeLastColumn(c);
      ASSERT_EQ(paramImage.DeviceTable[c][j], inFile ? saved[c][j] : -7) << c << "/" << j;
    }
  EXPECT_EQ(report.content, ModeFileContentOf(saved));
}

TEST_F(ModeFileTest, AValueChangedBy256KeepsTheChecksumAndBy1BreaksIt) {
  const Table saved = Patterned();
  const int k = 2 + 20;  // channel 0, column 20
  for (const int change : {256, 1}) {
    Lines plain = SavedLines(saved);
    const ModeValue cell = CellOfLine(plain[k], k);
    plain[k] = std::to_string(cell.address ^ k) + " " + std::to_string((cell.value + change) ^ k);
    paramImage = {};
    const ModeFileReport report = ApplyModeLines(plain);
    if (change == 256) {
      ASSERT_TRUE(report.result.ok()) << report.result.detail;
      EXPECT_EQ(paramImage.DeviceTable[0][20], saved[0][20] + 256);
    } else {
      EXPECT_EQ(report.result.status, ModeFileStatus::Damaged);
      EXPECT_EQ(report.result.message, "数据文件损坏!");
      EXPECT_FALSE(report.checksumValid);
      EXPECT_TRUE(report.countValid);
      EXPECT_TRUE(report.complete);
      // A damaged file stores nothing, not even its good lines.
      EXPECT_EQ(paramImage.DeviceTable, Table{});
    }
  }
}

TEST_F(ModeFileTest, TheModelCodeIsCheckedAndTheSecondCodeIsNot) {
  Lines plain = SavedLines(Patterned());
  plain[1] = "Velor 12345";
  EXPECT_TRUE(ApplyModeLines(plain).result.ok());
  plain[1] = "anything -3";
  EXPECT_TRUE(ApplyModeLines(plain).result.ok());
  paramImage = {};
  plain[0] = "Q8 234";
  const ModeFileReport report = ApplyModeLines(plain);
  EXPECT_EQ(report.result.status, ModeFileStatus::WrongModel);
  EXPECT_EQ(report.result.message, "文件格式错误!");
  EXPECT_EQ(paramImage.DeviceTable, Table{});
}

TEST_F(ModeFileTest, TheFourLineFileStoresNothingAndIsGood) {
  paramImage.DeviceTable = Patterned();
  const ModeFileReport report = ApplyModeLines({"Q8 233", "Velor 89", "Intoal: 2", "CCCCK: 0"});
  EXPECT_TRUE(report.result.ok()) << report.result.detail;
  EXPECT_TRUE(report.content.values.empty());
  EXPECT_EQ(paramImage.DeviceTable, Patterned());
}

TEST_F(ModeFileTest, AnyCellsInAnyOrderAndALaterLineWins) {
  ModeFileContent content;
  content.values = {{0x0470, 5}, {0x0305, 1}, {0x0000, 9}, {0x0305, 300}, {0x0870, 65535}};
  const ModeFileReport report = ApplyModeLines(PlainLines(EncodeModeFile(content)));
  ASSERT_TRUE(report.result.ok()) << report.result.detail;
  EXPECT_EQ(paramImage.DeviceTable[4][0x70], 5);
  EXPECT_EQ(paramImage.DeviceTable[3][5], 300);
  EXPECT_EQ(paramImage.DeviceTable[0][0], 9);
  EXPECT_EQ(paramImage.DeviceTable[8][0x70], 65535);
  EXPECT_EQ(report.content, content);
}

TEST_F(ModeFileTest, LineEndingsCaseAndAnOddLastCharacterDoNotMatter) {
  std::string lf, cr, lower;
  for (const std::string& line : {std::string("Q8 233"), std::string("Velor 89"), std::string("Intoal: 2"), std::string("CCCCK: 0")}) {
    lf += EncodeModeLine(line) + "\n";
    cr += EncodeModeLine(line) + "7\r";
  }
  for (char ch : Bytes({"Q8 233", "Velor 89", "Intoal: 2", "CCCCK: 0"})) lower += static_cast<char>(std::tolower(ch));
  for (const std::string& bytes : {lf, cr, lower, lf.substr(0, lf.size() - 1)}) {
    const ModeFileLines decoded = DecodeModeFile(bytes);
    ASSERT_TRUE(decoded.result.ok()) << decoded.result.detail;
    EXPECT_EQ(decoded.lines, (Lines{"Q8 233", "Velor 89", "Intoal: 2", "CCCCK: 0"}));
  }
}

// Each case spoils a good file; none may store anything.
TEST_F(ModeFileTest, ABadFileIsRefusedWholeWithTheRightMessage) {
  const Table table = Patterned();
  const Lines good = SavedLines(table);
  const auto edit = [&good](std::size_t k, std::string plain) {
    Lines lines = good;
    lines[k] = std::move(plain);
    return Bytes(lines);
  };
  const auto value = [](int k, std::int32_t address, std::int32_t v) {
    return std::to_string(address ^ k) + " " + std::to_string(v ^ k);
  };
  const std::string damaged(ModeFileDamagedText);
  const struct {
    const char* what;
    std::string bytes;
    ModeFileStatus status;
  } cases[] = {
      {"count one short", edit(515, "Intoal: 514"), ModeFileStatus::Damaged},
      {"count negative", edit(515, "Intoal: -1"), ModeFileStatus::Damaged},
      {"checksum off by one", edit(516, "CCCCK: " + std::to_string((ModeChecksum(0) + 1) % 256)), ModeFileStatus::Damaged},
      {"channel 11", edit(2, value(2, 0x0B00, table[0][0])), ModeFileStatus::Damaged},
      {"a system password cell", edit(2, value(2, 0x0904, table[0][0])), ModeFileStatus::Damaged},
      {"a cell of the channel without parameters", edit(2, value(2, 0x0A00, table[0][0])), ModeFileStatus::Damaged},
      {"column 113", edit(2, value(2, 0x0071, table[0][0])), ModeFileStatus::Damaged},
      {"negative address", edit(2, value(2, -1, table[0][0])), ModeFileStatus::Damaged},
      {"an extra empty line", Bytes(good) + "\r\n", ModeFileStatus::Unreadable},
      {"a value line missing", [&] { Lines l = good; l.erase(l.begin() + 100); return Bytes(l); }(), ModeFileStatus::Damaged},
      {"model 234", edit(0, "Q8 234"), ModeFileStatus::WrongModel},
      {"value line with one field", edit(40, "123"), ModeFileStatus::Unreadable},
      {"value that is no integer", edit(40, "1 x"), ModeFileStatus::Unreadable},
      {"checksum line without number", edit(516, "CCCCK:"), ModeFileStatus::Unreadable},
      {"second header without number", edit(1, "Velor"), ModeFileStatus::Unreadable},
      {"a line that is not hexadecimal", [&] { std::string b = Bytes(good); return b.replace(b.find("\r\n", 300) + 2, 1, "G"); }(),
       ModeFileStatus::Unreadable},
      {"binary junk", std::string("\x00\xff\x13\r\n\x7f", 6), ModeFileStatus::Unreadable},
      {"one line", Bytes({"Q8 233"}), ModeFileStatus::Unreadable},
      {"empty file", "", ModeFileStatus::Unreadable},
  };
  for (const auto& c : cases) {
    paramImage = {};
    const ModeFileLines decoded = DecodeModeFile(c.bytes);
    const ModeFileResult result = decoded.result.ok() ? ApplyModeLines(decoded.lines).result : decoded.result;
    EXPECT_EQ(result.status, c.status) << c.what << ": " << result.detail;
    EXPECT_FALSE(result.message.empty()) << c.what;
    EXPECT_FALSE(result.detail.empty()) << c.what;
    if (c.status == ModeFileStatus::Damaged) {
      EXPECT_EQ(result.message, damaged) << c.what;
    }
    EXPECT_EQ(paramImage.DeviceTable, Table{}) << c.what;
  }
}

TEST_F(ModeFileTest, EachFailureShowsItsText) {
  EXPECT_EQ(ModeFileFailure(ModeFileStatus::Missing, "x").message, "文件不存在");
  EXPECT_EQ(ModeFileFailure(ModeFileStatus::WrongModel, "x").message, "文件格式错误!");
  EXPECT_EQ(ModeFileFailure(ModeFileStatus::Damaged, "x").message, "数据文件损坏!");
  EXPECT_EQ(ModeFileFailure(ModeFileStatus::Unreadable, "line 3 is not hexadecimal text").message,
            "Mode file: line 3 is not hexadecimal text");
}

}  // namespace
