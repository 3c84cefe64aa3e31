#pragma once
// The folders of the mode files: ModeRoot ("Mode" beside the program) and ModeFolder ("DSP MODE"
// inside it).

#include <filesystem>

struct ModeFolders {
  std::filesystem::path ModeRoot;
  std::filesystem::path ModeFolder;
};

extern ModeFolders modeFolders;

// Sets both folders for the program's folder and creates those that do not exist yet. A folder that
// cannot be made is not reported: saving into it fails later with its own message.
void MakeModeFolders(const std::filesystem::path& programFolder);
