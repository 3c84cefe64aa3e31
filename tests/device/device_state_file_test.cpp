// The device's memory survives a save and a load; a damaged file is refused.

#include "device_state_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

DeviceMemory EditedMemory() {
  DeviceMemory memory = FactoryMemory();
  memory.rows[0][57] = 65535;
  memory.rows[9][13] = 1;
  memory.presets[3].name = FitPresetName("My mode ~");
  memory.presets[3].rows[8][100] = 17;
  memory.systemPassword = "012345";
  memory.keyLockPassword = "9999";
  memory.identity = {0xDE, 0xAD, 0x00, 0x7F};
  return memory;
}

void ExpectSameMemory(const DeviceMemory& a, const DeviceMemory& b) {
  EXPECT_EQ(a.rows, b.rows);
  for (int k = 0; k < PresetCount; ++k) {
    EXPECT_EQ(a.presets[k].name, b.presets[k].name);
    EXPECT_EQ(a.presets[k].rows, b.presets[k].rows);
  }
  EXPECT_EQ(a.systemPassword, b.systemPassword);
  EXPECT_EQ(a.keyLockPassword, b.keyLockPassword);
  EXPECT_EQ(a.identity, b.identity);
}

TEST(DeviceStateFile, SavesAndLoadsTheWholeMemory) {
  const std::string path = (std::filesystem::temp_directory_path() / "device_state_file_test.txt").string();
  const DeviceMemory memory = EditedMemory();
  ASSERT_TRUE(SaveDeviceState(memory, path));
  const auto loaded = LoadDeviceState(path);
  std::remove(path.c_str());
  ASSERT_TRUE(loaded);
  ExpectSameMemory(*loaded, memory);
  EXPECT_FALSE(LoadDeviceState(path));
}

TEST(DeviceStateFile, RefusesDamagedText) {
  const std::string good = FormatDeviceState(EditedMemory());
  const std::string header = "dsp-device-sim state 1\n";
  for (const std::string& text : {
           std::string("other file\n"),
           header + "row 0 1 2 3\n",
           header + "row 10" + std::string(113 * 2, ' ').replace(0, 2, " 0") + "\n",
           header + "system-password 12345a\n",
           header + "keylock-password 123\n",
           header + "identity 00112233FF\n",
           header + "preset-name 15 41\n",
           header + "unknown 1\n",
           good.substr(0, good.find("row 1 ")) + "row 1 70000\n",
       })
    EXPECT_FALSE(ParseDeviceState(text)) << text.substr(0, 60);
  EXPECT_TRUE(ParseDeviceState(header));  // a bare header is the factory memory
}

}  // namespace
