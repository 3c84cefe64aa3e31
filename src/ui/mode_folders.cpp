#include "mode_folders.h"

#include <fstream>
#include <system_error>

ModeFolders modeFolders;

namespace {

namespace fs = std::filesystem;

void SetBelow(const fs::path& folder) {
  modeFolders.ModeRoot = folder / "Mode";
  modeFolders.ModeFolder = modeFolders.ModeRoot / "DSP MODE";
}

// Makes the mode folders below the current ModeRoot; true when a file can be written into them.
// The probe's name stays clear of the mode files' mask, so no list ever shows it.
bool MakeWritable() {
  std::error_code error;
  fs::create_directories(modeFolders.ModeFolder, error);
  if (!fs::is_directory(modeFolders.ModeFolder, error)) return false;
  const fs::path probe = modeFolders.ModeFolder / "~write-probe";
  const bool written = static_cast<bool>(std::ofstream(probe, std::ios::binary | std::ios::trunc));
  fs::remove(probe, error);
  return written;
}

}  // namespace

void MakeModeFolders(const fs::path& programFolder, const fs::path& userDataFolder) {
  SetBelow(programFolder);
  if (MakeWritable() || userDataFolder.empty()) return;
  SetBelow(userDataFolder);
  if (MakeWritable()) return;
  SetBelow(programFolder);
}
