#pragma once
// Mode files on disk: a file named n lives at folder/n.Nddt. The folder is the caller's.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "mode_file.h"

inline constexpr std::string_view ModeFileExtension = ".Nddt";

// No mode file comes near this; anything larger is refused before it is read.
inline constexpr std::uintmax_t ModeFileSizeLimit = 16 * 1024 * 1024;

std::filesystem::path ModeFilePath(const std::filesystem::path& folder, std::string_view name);

// The plain lines of the file at the path. Missing when it is no regular file or cannot be read.
ModeFileLines ReadModeFile(const std::filesystem::path& path);

// Reads and checks the file at the path without storing anything.
ModeFileReport CheckModeFile(const std::filesystem::path& path);

// Writes the bytes in place of the file's contents. The old file is replaced only once the new
// contents are completely written, so a failed write keeps it.
ModeFileResult WriteModeFile(const std::filesystem::path& path, std::string_view bytes);

// Writes paramImage.DeviceTable to folder/name.Nddt, replacing an existing file.
ModeFileResult SaveModeFile(const std::filesystem::path& folder, std::string_view name);

// Reads and checks folder/name.Nddt and, when it is good, stores its values into
// paramImage.DeviceTable. The caller shows a failure's message, and on success starts the upload
// of the whole set and logs the values applied (report.content.values).
ModeFileReport LoadModeFile(const std::filesystem::path& folder, std::string_view name);

// The names of the mode files in the folder: regular files whose name holds ".Nddt" in any letter
// case (the mask "*.Nddt*"), sorted without regard to letter case. Empty when the folder is missing.
std::vector<std::string> ListModeFiles(const std::filesystem::path& folder);

// A file name without its extension: when the fifth character from the end is a dot, everything
// before it ("Live.Nddt" -> "Live", "a.b.Nddt" -> "a.b"); otherwise the whole name ("x.Nddt1").
// Names are UTF-8; characters are counted, not bytes.
std::string StripModeExtension(std::string_view fileName);
