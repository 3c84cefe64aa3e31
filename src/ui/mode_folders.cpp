#include "mode_folders.h"

#include <system_error>

ModeFolders modeFolders;

void MakeModeFolders(const std::filesystem::path& programFolder) {
  modeFolders.ModeRoot = programFolder / "Mode";
  modeFolders.ModeFolder = modeFolders.ModeRoot / "DSP MODE";
  std::error_code ignored;
  std::filesystem::create_directories(modeFolders.ModeFolder, ignored);
}
