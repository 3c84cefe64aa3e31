#include "mode_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "process_state.h"

namespace {

namespace fs = std::filesystem;
using Table = DeviceTableCells;

class ModeLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }

  TempFolder folder;
};

TEST_F(ModeLibraryTest, SaveWritesTheImageAndLoadReadsItBack) {
  for (int c = 0; c <= 8; ++c)
    for (int j = 0; j <= ModeLastColumn(c); ++j) paramImage.DeviceTable[c][j] = c * 256 + j;
  const Table saved = paramImage.DeviceTable;
  ASSERT_TRUE(SaveModeFile(folder.path(), "Live set").ok());
  EXPECT_EQ(ReadBytes(folder / "Live set.Nddt"), EncodeModeFile(ModeFileContentOf(saved)));

  paramImage = {};
  const ModeFileReport report = LoadModeFile(folder.path(), "Live set");
  ASSERT_TRUE(report.result.ok()) << report.result.detail;
  EXPECT_EQ(paramImage.DeviceTable, saved);
  EXPECT_EQ(report.content.values.size(), 513u);
}

TEST_F(ModeLibraryTest, SaveReplacesAnExistingFileAndLeavesNothingElse) {
  WriteBytes(folder / "a.b.Nddt", std::string(20000, 'x'));
  ASSERT_TRUE(SaveModeFile(folder.path(), "a.b").ok());
  EXPECT_EQ(ReadBytes(folder / "a.b.Nddt"), EncodeModeFile(ModeFileContentOf(Table{})));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(ModeLibraryTest, SaveIntoAMissingFolderReportsIt) {
  const ModeFileResult result = SaveModeFile(folder / "no such folder", "x");
  EXPECT_EQ(result.status, ModeFileStatus::NotWritten);
  EXPECT_NE(result.message.find("no such folder"), std::string::npos) << result.message;
}

TEST_F(ModeLibraryTest, FilesThatCannotBeReadAreMissing) {
  fs::create_directory(folder / "dir.Nddt");
  WriteBytes(folder / "x.Nddt1", EncodeModeFile(ModeFileContentOf(Table{})));
  paramImage.DeviceTable[0][0] = 42;
  for (const char* name : {"nothing here", "dir", "x.Nddt1", "x"}) {
    const ModeFileReport report = LoadModeFile(folder.path(), name);
    EXPECT_EQ(report.result.status, ModeFileStatus::Missing) << name;
    EXPECT_EQ(report.result.message, "文件不存在") << name;
  }
  EXPECT_EQ(paramImage.DeviceTable[0][0], 42);
}

TEST_F(ModeLibraryTest, AnOversizedFileIsRefusedUnread) {
  WriteBytes(folder / "huge.Nddt", "");
  fs::resize_file(folder / "huge.Nddt", ModeFileSizeLimit + 1);
  const ModeFileReport report = LoadModeFile(folder.path(), "huge");
  EXPECT_EQ(report.result.status, ModeFileStatus::Damaged);
  EXPECT_EQ(report.result.message, "数据文件损坏!");
}

TEST_F(ModeLibraryTest, ListingTakesTheMaskAndSortsWithoutLetterCase) {
  for (const char* name : {"b.Nddt", "A.nddt", "c.Nddt1", "Z.NDDT.bak", "x.txt", "Nddt", "a.Nddt", "~b.partial"})
    WriteBytes(folder / name, "");
  fs::create_directory(folder / "d.Nddt");
  EXPECT_EQ(ListModeFiles(folder.path()), (std::vector<std::string>{"A.nddt", "a.Nddt", "b.Nddt", "c.Nddt1", "Z.NDDT.bak"}));
  EXPECT_TRUE(ListModeFiles(folder / "missing").empty());
}

TEST(StripModeExtensionTest, CutsAtADotFiveCharactersFromTheEnd) {
  const struct {
    const char* file;
    const char* name;
  } cases[] = {
      {"Live.Nddt", "Live"}, {"a.b.Nddt", "a.b"},   {"x.Nddt1", "x.Nddt1"}, {".Nddt", ""},  {"Nddt", "Nddt"},
      {"", ""},              {"ab.xyzw", "ab"},     {"名字.Nddt", "名字"},   {"a.é123", "a"}, {"ab.c", "ab.c"},
  };
  for (const auto& c : cases) EXPECT_EQ(StripModeExtension(c.file), c.name) << c.file;
}

}  // namespace
