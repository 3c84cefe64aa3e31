#pragma once
// The folders of the mode files, ModeRoot ("Mode") and ModeFolder ("DSP MODE" inside it), and the
// names of the mode files listed from ModeFolder.

#include <filesystem>
#include <string>
#include <vector>

struct ModeFolders {
  std::filesystem::path ModeRoot;
  std::filesystem::path ModeFolder;
  // The mode list's names (file names without ".Nddt"), in the order of its rows.
  std::vector<std::string> ModeFileNames;
};

extern ModeFolders modeFolders;

// Sets both folders below the program's folder and creates those that do not exist yet. A program
// installed where its user cannot write keeps its mode files below the user's data folder instead:
// when the folder beside the program cannot be made or written, the same two folders are made
// there. A folder that cannot be made at all is not reported: saving into it fails later with its
// own message.
void MakeModeFolders(const std::filesystem::path& programFolder, const std::filesystem::path& userDataFolder);
