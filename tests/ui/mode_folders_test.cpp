#include "mode_folders.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

#include "process_state.h"

namespace {

namespace fs = std::filesystem;

class ModeFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }

  // A path where no folder can be made: below a plain file.
  fs::path Blocked() {
    const fs::path file = root() / "file";
    std::ofstream(file) << "not a folder";
    return file;
  }
  fs::path root() const { return temp.path().toStdString(); }

  QTemporaryDir temp;
};

TEST_F(ModeFoldersTest, MakesTheModeFoldersBesideTheProgramAndKeepsWhatIsThere) {
  const fs::path program = root() / "program";
  MakeModeFolders(program, root() / "data");
  EXPECT_EQ(modeFolders.ModeRoot, program / "Mode");
  EXPECT_EQ(modeFolders.ModeFolder, program / "Mode" / "DSP MODE");
  EXPECT_TRUE(fs::is_directory(modeFolders.ModeFolder));
  EXPECT_FALSE(fs::exists(root() / "data"));

  std::ofstream(modeFolders.ModeFolder / "Live.Nddt") << "kept";
  MakeModeFolders(program, root() / "data");
  EXPECT_TRUE(fs::exists(modeFolders.ModeFolder / "Live.Nddt"));
  EXPECT_EQ(std::distance(fs::directory_iterator(modeFolders.ModeFolder), fs::directory_iterator()), 1);
}

TEST_F(ModeFoldersTest, AProgramFolderThatCannotTakeThemLeavesThemBelowTheUsersDataFolder) {
  const fs::path data = root() / "data";
  MakeModeFolders(Blocked(), data);
  EXPECT_EQ(modeFolders.ModeRoot, data / "Mode");
  EXPECT_EQ(modeFolders.ModeFolder, data / "Mode" / "DSP MODE");
  EXPECT_TRUE(fs::is_directory(modeFolders.ModeFolder));
}

TEST_F(ModeFoldersTest, AFolderThatCannotBeMadeAnywhereIsNotReported) {
  const fs::path blocked = Blocked();
  EXPECT_NO_THROW(MakeModeFolders(blocked, blocked / "data"));
  EXPECT_EQ(modeFolders.ModeFolder, blocked / "Mode" / "DSP MODE");
  EXPECT_FALSE(fs::is_directory(modeFolders.ModeFolder));
}

}  // namespace
