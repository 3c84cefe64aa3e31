#pragma once
// The text form of a mode file, for people and scripts, which packs back into the same file:
//   model 177
//   second 1
//   <channel> <column> <value>   one line per value line of the file, in file order
//   count 515 valid
//   checksum 0 valid
// When packing, the count and checksum lines may be left out or changed: they are computed again.
// Blank lines and lines starting with '#' are skipped.

#include <string>
#include <string_view>

#include "mode_file.h"

// The dump of a file whose lines were all read (report.complete).
std::string FormatModeDump(const ModeFileReport& report);

struct ModeDumpParse {
  bool ok = false;
  std::string error;  // "line N: ..." when not ok
  ModeFileContent content;
};
ModeDumpParse ParseModeDump(std::string_view text);
