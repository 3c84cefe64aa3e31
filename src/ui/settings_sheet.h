#pragma once
// A mode file as a person reads it: every cell named as the window shows it (page, the MIC group or
// Effect column where a page shows two channels, the Disco bank where the cell is its copy, the row
// caption or the band and field) with its value in the window's own text and unit:
//   "SUB output, Limit Level, -14 dBu"
//   "Music, band 3, frequency, 250.0 Hz"
//   "Music, Disco, band 3, frequency, 250.0 Hz"
// Names and units come from the window's tables and the value scales, so the sheet says what the
// window would show. Plain C++: no Qt here.

#include <cstdint>
#include <string>
#include <vector>

#include "mode_file.h"

// The name of a DeviceTable cell (channel << 8 | column). A cell that no control shows is named by
// its page and column ("Music, column 106"); a cell outside channels 0..8 by its numbers.
std::string CellName(std::int32_t address);

// The value of a cell as the window shows it, with its unit ("-14 dBu", "PEQ", "on"); a value that
// no text of the control fits is shown as its number.
std::string CellValueText(std::int32_t address, std::int32_t value);

// One line per value line of the file, in file order: name, a comma, the value.
std::vector<std::string> SettingsSheet(const ModeFileContent& content);

// The cells whose values differ, in the order of their addresses: name, a comma, the value in
// `before`, " -> ", the value in `after`; a cell that one file lacks shows "(none)" there. A later
// line for the same cell wins, as when the file is loaded.
std::vector<std::string> SettingsDifferences(const ModeFileContent& before, const ModeFileContent& after);
