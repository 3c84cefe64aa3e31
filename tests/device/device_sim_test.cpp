// dsp-device-sim as a program: its terminal, its link, its state file, its pacing and its
// command line, talked to over a real pseudo-terminal.

#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "device_test_util.h"
#include "sim_process.h"

namespace {

namespace fs = std::filesystem;

const Bytes Hello = FrameBytes(CmdWrite, 0x0930, {0x11, 0});
constexpr int ReplyTimeoutMs = 2000;

fs::path TempPath(const std::string& name) { return fs::temp_directory_path() / (name + "." + std::to_string(getpid())); }

TEST(DeviceSim, ServesATerminalAndLinksItWhileItRuns) {
  const fs::path link = TempPath("dsp-sim-link");
  SimProcess sim({"--no-pace", "--link", link.string()});
  ASSERT_FALSE(sim.Path().empty());
  EXPECT_TRUE(fs::is_character_file(sim.Path()));
  EXPECT_EQ(fs::read_symlink(link), sim.Path());
  {
    PtyClient client(link.string());
    ASSERT_TRUE(client.IsOpen());
    ASSERT_TRUE(client.Write(Hello));
    EXPECT_EQ(client.ReadBytes(2, ReplyTimeoutMs), Ack);
  }
  // A second client after the first has gone finds the terminal still served.
  PtyClient again(sim.Path());
  ASSERT_TRUE(again.Write(FrameBytes(CmdRead, 0x0940)));
  EXPECT_EQ(again.ReadBytes(11, ReplyTimeoutMs), FrameBytes(CmdRead, 0x0940, {0x20, 0x24, 0x06, 0x01}));
  EXPECT_EQ(sim.Stop(SIGTERM), 0);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST(DeviceSim, KeepsItsMemoryInTheStateFileBetweenRuns) {
  const fs::path state = TempPath("dsp-sim-state");
  fs::remove(state);
  {
    SimProcess sim({"--no-pace", "--state", state.string()});
    PtyClient client(sim.Path());
    ASSERT_TRUE(client.Write(FrameBytes(CmdWrite, 0x0301, Values({77}))));
    ASSERT_EQ(client.ReadBytes(2, ReplyTimeoutMs), Ack);
    EXPECT_EQ(sim.Stop(SIGTERM), 0);
  }
  SimProcess sim({"--no-pace", "--state", state.string()});
  PtyClient client(sim.Path());
  ASSERT_TRUE(client.Write(FrameBytes(CmdRead, 0x0910, {3, 0})));
  const Bytes block = client.ReadBytes(7 + 2 * 28, ReplyTimeoutMs);
  ASSERT_EQ(block.size(), 7u + 2 * 28);
  EXPECT_EQ(block[8] | (block[9] << 8), 77);
  sim.Stop(SIGTERM);
  fs::remove(state);
}

// The Music block (219 bytes) takes about its wire time at 57600 baud, 10 bits a byte: 38 ms. The
// simulator may send a byte up to a millisecond early, so the bound leaves some bytes out.
TEST(DeviceSim, PacesRepliesAtTheLineRate) {
  SimProcess sim({});
  PtyClient client(sim.Path());
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(client.Write(FrameBytes(CmdRead, 0x0910, {0, 0})));
  ASSERT_EQ(client.ReadBytes(219, ReplyTimeoutMs).size(), 219u);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GE(elapsed, std::chrono::microseconds(200LL * 10 * 1'000'000 / 57'600));
}

TEST(DeviceSim, AnswersHelpAndRefusesAMistake) {
  std::string output;
  EXPECT_EQ(SimProcess::RunToEnd({"--help"}, output), 0);
  EXPECT_EQ(output.rfind("usage: dsp-device-sim", 0), 0u) << output;
  EXPECT_EQ(SimProcess::RunToEnd({"--delay", "soon"}, output), 2);
  EXPECT_TRUE(output.empty());  // the reason goes to the error output, not the path line
}

}  // namespace
