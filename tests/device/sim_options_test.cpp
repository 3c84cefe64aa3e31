// The simulator's command line: every option, and the mistakes it refuses.

#include "sim_options.h"

#include <gtest/gtest.h>

namespace {

TEST(SimOptions, DefaultsPaceAndInjectNoFault) {
  SimOptions options;
  ASSERT_FALSE(ParseSimOptions({}, options));
  EXPECT_TRUE(options.pace);
  EXPECT_FALSE(options.help);
  EXPECT_EQ(options.faults.silentAfterMs, -1);
  EXPECT_EQ(options.faults.cutAfterBytes, -1);
  EXPECT_EQ(options.faults.silentForMs, -1);
  EXPECT_EQ(options.faults.dropAckEvery, 0);
}

TEST(SimOptions, TakesEveryOption) {
  SimOptions options;
  ASSERT_FALSE(ParseSimOptions({"--state", "s.txt", "--link", "/tmp/l", "--no-pace", "--silent-after", "1500",
                                "--cut-after", "300", "--silent-for", "700", "--delay", "40", "--drop-ack-every", "3", "--corrupt-every", "4", "--noise", "5",
                                "--help"},
                               options));
  EXPECT_EQ(options.statePath, "s.txt");
  EXPECT_EQ(options.linkPath, "/tmp/l");
  EXPECT_FALSE(options.pace);
  EXPECT_TRUE(options.help);
  EXPECT_EQ(options.faults.silentAfterMs, 1500);
  EXPECT_EQ(options.faults.cutAfterBytes, 300);
  EXPECT_EQ(options.faults.silentForMs, 700);
  EXPECT_EQ(options.faults.replyDelayMs, 40);
  EXPECT_EQ(options.faults.dropAckEvery, 3);
  EXPECT_EQ(options.faults.corruptEvery, 4);
  EXPECT_EQ(options.faults.noiseBytes, 5);
  ASSERT_FALSE(ParseSimOptions({"--pace"}, options));
  EXPECT_TRUE(options.pace);
  EXPECT_EQ(options.tcpPort, -1) << "a terminal unless asked";
  for (const int port : {0, 65535}) {
    SimOptions tcp;
    ASSERT_FALSE(ParseSimOptions({"--tcp", std::to_string(port)}, tcp));
    EXPECT_EQ(tcp.tcpPort, port);
  }
}

TEST(SimOptions, RefusesMistakesWithAReason) {
  const struct {
    std::vector<std::string> args;
    const char* reason;
  } cases[] = {
      {{"--bogus"}, "--bogus: unknown option"},
      {{"--state"}, "--state: missing value"},
      {{"--noise"}, "--noise: missing value"},
      {{"--delay", "-1"}, "--delay: not a whole number from 0 to 1000000000: -1"},
      {{"--delay", "12ms"}, "--delay: not a whole number from 0 to 1000000000: 12ms"},
      {{"--noise", "1000000001"}, "--noise: not a whole number from 0 to 1000000000: 1000000001"},
      {{"--tcp"}, "--tcp: missing value"},
      {{"--tcp", "65536"}, "--tcp: not a port number from 0 to 65535: 65536"},
      {{"--tcp", "http"}, "--tcp: not a port number from 0 to 65535: http"},
      {{"--tcp", "0", "--link", "/tmp/l"}, "--link: names a terminal, not a TCP port"},
  };
  for (const auto& c : cases) {
    SimOptions options;
    EXPECT_EQ(ParseSimOptions(c.args, options).value_or(""), c.reason);
  }
}

TEST(SimOptions, UsageNamesEveryOption) {
  const std::string usage = SimUsage();
  for (const char* name : {"--link PATH", "--tcp PORT", "--state FILE", "--pace", "--no-pace", "--silent-after MS", "--cut-after N",
                           "--silent-for MS", "--delay MS",
                           "--drop-ack-every N", "--corrupt-every N", "--noise N", "--help"})
    EXPECT_NE(usage.find(name), std::string::npos) << name;
}

}  // namespace
