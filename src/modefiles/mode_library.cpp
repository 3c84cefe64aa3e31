#include "mode_library.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <system_error>

namespace {

namespace fs = std::filesystem;

ModeFileResult WriteFailure(const fs::path& path, const std::string& why) {
  return ModeFileFailure(ModeFileStatus::NotWritten, "cannot write " + path.string() + ": " + why);
}

ModeFileReport Refused(ModeFileResult result) {
  ModeFileReport report;
  report.result = std::move(result);
  return report;
}

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& ch : folded) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return folded;
}

}  // namespace

fs::path ModeFilePath(const fs::path& folder, std::string_view name) {
  return folder / (std::string(name) + std::string(ModeFileExtension));
}

ModeFileLines ReadModeFile(const fs::path& path) {
  const auto missing = [&path] {
    return ModeFileLines{ModeFileFailure(ModeFileStatus::Missing, "cannot open " + path.string()), {}};
  };
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return missing();
  const auto size = fs::file_size(path, error);
  if (error) return missing();
  if (size > ModeFileSizeLimit)
    return {ModeFileFailure(ModeFileStatus::Damaged, std::to_string(size) + " bytes, larger than any mode file"), {}};
  std::ifstream file(path, std::ios::binary);
  if (!file) return missing();
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(size));
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  if (file.bad()) return missing();
  return DecodeModeFile(bytes);
}

ModeFileResult WriteModeFile(const fs::path& path, std::string_view bytes) {
  // The new contents go to a side file first; its name avoids the mode files' mask.
  const fs::path partial = path.parent_path() / ("~" + path.stem().string() + ".partial");
  {
    std::ofstream file(partial, std::ios::binary | std::ios::trunc);
    if (!file) return WriteFailure(path, "the file cannot be created");
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
      std::error_code ignored;
      fs::remove(partial, ignored);
      return WriteFailure(path, "the file cannot be written");
    }
  }
  std::error_code error;
  fs::rename(partial, path, error);
  if (error) {
    std::error_code ignored;
    fs::remove(partial, ignored);
    return WriteFailure(path, error.message());
  }
  return {};
}

ModeFileResult SaveModeFile(const fs::path& folder, std::string_view name) {
  return WriteModeFile(ModeFilePath(folder, name), EncodeModeFile(ModeFileContentOf(paramImage.DeviceTable)));
}

ModeFileReport CheckModeFile(const fs::path& path) {
  const ModeFileLines read = ReadModeFile(path);
  return read.result.ok() ? CheckModeLines(read.lines) : Refused(read.result);
}

ModeFileReport LoadModeFile(const fs::path& folder, std::string_view name) {
  const ModeFileLines read = ReadModeFile(ModeFilePath(folder, name));
  return read.result.ok() ? ApplyModeLines(read.lines) : Refused(read.result);
}

std::vector<std::string> ListModeFiles(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  const std::string mask = Folded(ModeFileExtension);
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (!it->is_regular_file(ignored)) continue;
    std::string name = it->path().filename().string();
    if (Folded(name).find(mask) != std::string::npos) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string fa = Folded(a), fb = Folded(b);
    return fa != fb ? fa < fb : a < b;
  });
  return names;
}

std::string StripModeExtension(std::string_view fileName) {
  // Step back to the first byte of the fifth character from the end; UTF-8 continuation bytes
  // belong to the character before them.
  std::size_t start = fileName.size();
  for (int characters = 0; characters < 5; ++characters) {
    if (start == 0) return std::string(fileName);
    do --start;
    while (start > 0 && (static_cast<unsigned char>(fileName[start]) & 0xC0) == 0x80);
  }
  return std::string(fileName[start] == '.' ? fileName.substr(0, start) : fileName);
}
