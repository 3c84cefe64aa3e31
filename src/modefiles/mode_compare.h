#pragma once
// Whether the device holds a mode file's set: the file's cells that an upload carries (channels 0..8,
// the columns of a channel block; not the spare column past them that a file also lists), compared
// with the DeviceTable read back afterwards.

#include <vector>

#include "mode_file.h"

// Whether an upload of channel blocks carries this cell.
bool UploadCarries(std::int32_t address);

// The file's cells that an upload carries and that the table holds otherwise, each once (the
// file's last line for a cell counts, as when it is loaded), in the order of their addresses, with
// the file's value.
std::vector<ModeValue> CellsDiffering(const ModeFileContent& content, const DeviceTableCells& table);
