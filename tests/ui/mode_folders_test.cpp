#include "mode_folders.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace {

TEST(ModeFoldersTest, MakesTheModeFoldersBesideTheProgramAndKeepsWhatIsThere) {
  QTemporaryDir program;
  const std::filesystem::path folder = program.path().toStdString();
  MakeModeFolders(folder);
  EXPECT_EQ(modeFolders.ModeRoot, folder / "Mode");
  EXPECT_EQ(modeFolders.ModeFolder, folder / "Mode" / "DSP MODE");
  EXPECT_TRUE(std::filesystem::is_directory(modeFolders.ModeFolder));

  std::ofstream(modeFolders.ModeFolder / "Live.Nddt") << "kept";
  MakeModeFolders(folder);
  EXPECT_TRUE(std::filesystem::exists(modeFolders.ModeFolder / "Live.Nddt"));
}

TEST(ModeFoldersTest, AFolderThatCannotBeMadeIsNotReported) {
  QTemporaryDir program;
  const std::filesystem::path blocker = std::filesystem::path(program.path().toStdString()) / "file";
  std::ofstream(blocker) << "not a folder";
  EXPECT_NO_THROW(MakeModeFolders(blocker));
  EXPECT_FALSE(std::filesystem::is_directory(modeFolders.ModeFolder));
}

}  // namespace
