#include "temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

TempFolder::TempFolder() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "dsp";
  path_ = std::filesystem::temp_directory_path() / ("dsp-" + name + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
