// The order of the port list: numbers compare as numbers, so ttyUSB2 comes before ttyUSB10.

#include "serial_port_list.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "qt_core_app.h"

namespace {

TEST(SerialPortList, SortsNamesWithNumbersByValue) {
  std::vector<std::string> names{"ttyUSB10", "ttyS1", "ttyUSB2", "ttyACM0", "ttyS10", "ttyS01", "ttyS2", "ttyS", "ttyUSB1a"};
  std::sort(names.begin(), names.end(), PortNameLess);
  EXPECT_EQ(names, (std::vector<std::string>{"ttyACM0", "ttyS", "ttyS01", "ttyS1", "ttyS2", "ttyS10", "ttyUSB1a",
                                             "ttyUSB2", "ttyUSB10"}));
  for (const auto& [a, b] : {std::pair{"ttyS1", "ttyS1"}, std::pair{"ttyS01", "ttyS1"}}) EXPECT_FALSE(PortNameLess(b, a));
}

TEST(SerialPortList, ListsTheSystemsPortsOnceEachInThatOrder) {
  EnsureCoreApplication();
  const std::vector<std::string> names = ListSerialPorts();
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), PortNameLess));
  EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
  for (const std::string& name : names) EXPECT_EQ(name.find('/'), std::string::npos) << name;  // short names
}

}  // namespace
