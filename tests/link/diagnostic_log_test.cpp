#include "diagnostic_log.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DiagnosticLogTest, StartsWithOneLineAndKeepsOnlyTheNewest) {
  Memo2 = {};
  ASSERT_EQ(Memo2.lines, std::deque<std::string>{"Memo1"});
  for (std::size_t i = 1; i <= LogLineLimit + 10; ++i) AppendLog(std::to_string(i));
  EXPECT_EQ(Memo2.lines.size(), LogLineLimit);
  EXPECT_EQ(Memo2.lines.front(), "11");
  EXPECT_EQ(Memo2.lines.back(), std::to_string(LogLineLimit + 10));
  ClearLog();
  EXPECT_TRUE(Memo2.lines.empty());
}

}  // namespace
