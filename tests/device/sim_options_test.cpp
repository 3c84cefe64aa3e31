// The simulator's command line.

#include "sim_options.h"

#include <gtest/gtest.h>

namespace {

TEST(SimOptions, ReadsEveryOption) {
  SimOptions options;
  EXPECT_FALSE(ParseSimOptions({"--state", "s.txt", "--link", "/tmp/dsp", "--pace", "--silent-after", "5000",
                                "--drop-ack-every", "3", "--corrupt-every", "4", "--noise", "2", "--delay", "30"},
                               options));
  EXPECT_EQ(options.statePath, "s.txt");
  EXPECT_EQ(options.linkPath, "/tmp/dsp");
  EXPECT_TRUE(options.pace);
  EXPECT_FALSE(options.help);
  EXPECT_EQ(options.faults.silentAfterMs, 5000);
  EXPECT_EQ(options.faults.dropAckEvery, 3);
  EXPECT_EQ(options.faults.corruptEvery, 4);
  EXPECT_EQ(options.faults.noiseBytes, 2);
  EXPECT_EQ(options.faults.replyDelayMs, 30);
}

TEST(SimOptions, RefusesWrongArguments) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--bogus", "1"}, {"--noise"}, {"--noise", "x"}, {"--delay", "-5"}, {"--noise", "99999999999"}, {"extra"}}) {
    SimOptions options;
    EXPECT_TRUE(ParseSimOptions(args, options)) << args[0];
  }
}

}  // namespace
