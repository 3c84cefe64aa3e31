#include "mode_name.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "mode_library.h"
#include "process_state.h"
#include "temp_folder.h"

namespace {

struct NameCase {
  const char* what;
  std::string name;
  bool taken;
};

class ModeNameTest : public ::testing::TestWithParam<NameCase> {
 protected:
  void SetUp() override { ResetProcessState(); }
};

// A taken name must give a file directly inside the folder; a refused one must say why.
TEST_P(ModeNameTest, ANameIsTakenOnlyWhenItStaysAFileInsideTheFolder) {
  const NameCase& c = GetParam();
  const std::string refusal = ModeNameRefusal(c.name);
  EXPECT_EQ(refusal.empty(), c.taken) << refusal;
  if (c.taken) {
    const std::filesystem::path folder = "/modes";
    EXPECT_EQ(ModeFilePath(folder, c.name).parent_path(), folder);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, ModeNameTest,
    ::testing::Values(NameCase{"plain", "Live", true}, NameCase{"inner dots", "Song.v1.2", true},
                      NameCase{"blanks inside and around", " Live set 2 ", true}, NameCase{"Chinese", "现场", true},
                      NameCase{"a dot alone", ".", true}, NameCase{"device name inside a longer name", "CONCERT", true},
                      NameCase{"longest", std::string(ModeNameByteLimit, 'a'), true},
                      NameCase{"slash", "a/b", false}, NameCase{"backslash", "a\\b", false},
                      NameCase{"parent", "..", false}, NameCase{"climbing", "../x", false},
                      NameCase{"double dot inside", "a..b", false}, NameCase{"absolute", "/etc/x", false},
                      NameCase{"drive", "C:x", false}, NameCase{"wildcard", "a*", false},
                      NameCase{"tab", "a\tb", false}, NameCase{"line feed", "a\nb", false},
                      NameCase{"delete", std::string("a\x7f"), false}, NameCase{"C1 control", "a\xc2\x85", false},
                      NameCase{"blanks only", "   ", false}, NameCase{"too long", std::string(ModeNameByteLimit + 1, 'a'), false},
                      NameCase{"device", "nul", false}, NameCase{"device with extension", "Com1.x", false}),
    [](const ::testing::TestParamInfo<NameCase>& info) {
      std::string id;
      for (char ch : std::string(info.param.what)) id += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return id;
    });

class ModeNameLimitTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }
  TempFolder folder;
};

TEST_F(ModeNameLimitTest, TheLongestNameCanBeSavedAndItsSideFileMade) {
  const std::string name(ModeNameByteLimit, 'n');
  EXPECT_TRUE(SaveModeFile(folder.path(), name).ok());
  EXPECT_TRUE(std::filesystem::exists(ModeFilePath(folder.path(), name)));
}

}  // namespace
