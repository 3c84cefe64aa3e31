// Any bytes as a mode file, and as the dump text that dsp-modefile packs. The reader must never
// crash or hang, a refused file must leave the image as it was, and a good file must encode back
// to the same content.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "mode_dump.h"
#include "mode_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  paramImage = {};
  paramImage.DeviceTable[3][7] = 12345;
  const auto before = paramImage.DeviceTable;

  const ModeFileLines decoded = DecodeModeFile(bytes);
  if (decoded.result.ok()) {
    const ModeFileReport report = ApplyModeLines(decoded.lines);
    if (!report.result.ok() && paramImage.DeviceTable != before) std::abort();
    if (report.result.ok()) {
      const ModeFileLines again = DecodeModeFile(EncodeModeFile(report.content));
      if (!again.result.ok() || CheckModeLines(again.lines).content != report.content) std::abort();
    }
  }

  const ModeDumpParse dump = ParseModeDump(bytes);
  if (dump.ok) CheckModeLines(DecodeModeFile(EncodeModeFile(dump.content)).lines);
  return 0;
}
