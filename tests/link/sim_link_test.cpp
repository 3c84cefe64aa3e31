// The whole link over a real line, a pseudo-terminal and a loopback TCP connection: the link form and
// its port against the simulator, connect, download, a write, goodbye; a simulator that vanishes
// while connected (the terminal's device gone, the network connection dropped); and, over the
// terminal, a reply cut off by a device switched off for a moment and a passing write error.

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "diagnostic_log.h"
#include "dialogs.h"
#include "link_session.h"
#include "link_texts.h"
#include "param_image.h"
#include "process_state.h"
#include "receiver.h"
#include "scripted_dialogs.h"
#include "send_state.h"
#include "senders.h"
#include "sim_process.h"
#include "tform2.h"
#include "tform3.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class SimLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    sessionState.host = &form;  // the fresh state forgot the form and its port
    comPort = &form.Port();
    dialogs = &shown;
    form.SetStatusDialog(&status);
  }
  // Starts the simulator with its options (its line, its faults); the scan tries a missing port
  // before it.
  void StartSim(std::vector<std::string> options = {}) {
    options.insert(options.begin(), "--no-pace");
    sim = std::make_unique<SimProcess>(options);
    ASSERT_FALSE(sim->Path().empty());
    form.SetFixedPorts({"/dev/null-port-that-is-not-there", sim->Path()});
  }
  void TearDown() override { ResetProcessState(); }

  // Runs the event loop until the condition holds or the time is up. It sleeps between events; a
  // timer of its own wakes it when no link timer runs any more (after a failure, say), so that it
  // ends at its time instead of waiting for good.
  template <typename Condition>
  bool RunUntil(Condition condition, int timeoutMs) {
    QTimer wake;
    wake.start(50);
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs)
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return condition();
  }
  bool Connected() const { return sendState.LinkState == LinkConnected; }
  static bool Logged(const std::string& start) {
    return std::any_of(Memo2.lines.begin(), Memo2.lines.end(),
                       [&](const std::string& line) { return line.starts_with(start); });
  }

  std::unique_ptr<SimProcess> sim;
  ScriptedDialogs shown;
  TForm2 status;
  TForm3 form;
};

// The same session over either line.
struct LineCase {
  const char* name;
  std::vector<std::string> simOptions;
};
void PrintTo(const LineCase& line, std::ostream* out) { *out << line.name; }

class SimLineTest : public SimLinkTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(SimLineTest, ConnectsDownloadsWritesAndSaysGoodbye) {
  StartSim(GetParam().simOptions);
  LinkConnect();
  ASSERT_TRUE(RunUntil([&] { return Connected(); }, 12000)) << linkTexts.LinkLabel;
  EXPECT_EQ(linkTexts.LinkLabel, "Device is Connected");
  EXPECT_EQ(linkTexts.DeviceIDLabel, "20240601");
  EXPECT_NE(paramImage.DeviceTable[0][5], 0) << "the factory band frequencies came down";
  EXPECT_EQ(paramImage.PresetNames[0].substr(0, 3), "Pop");

  ASSERT_TRUE(RunUntil([] { return sendState.ClearToSend; }, 3000));
  WriteParam(0x0500, 123);
  ASSERT_TRUE(RunUntil([] { return sendState.ClearToSend; }, 3000)) << "the write was acknowledged";
  LinkFormCloseQuery();
  EXPECT_TRUE(shown.shown.empty());
}

TEST_P(SimLineTest, VanishedDeviceIsReportedLostWithoutSpinning) {
  StartSim(GetParam().simOptions);
  LinkConnect();
  ASSERT_TRUE(RunUntil([&] { return Connected(); }, 12000)) << linkTexts.LinkLabel;
  sim->Stop(SIGTERM);
  const double cpuBefore = CpuSeconds();
  QElapsedTimer clock;
  clock.start();
  ASSERT_TRUE(RunUntil([&] { return !shown.shown.empty(); }, 15000));
  EXPECT_EQ(shown.shown.back().text, "Device Disconnect!");
  EXPECT_EQ(linkTexts.LinkLabel, "Unlink");
  // The wait is spent in the event loop at 20 ms ticks; a port raising errors in a loop would keep
  // a core busy the whole time.
  EXPECT_LT(CpuSeconds() - cpuBefore, 0.5 * clock.elapsed() / 1000.0);
}

INSTANTIATE_TEST_SUITE_P(Lines, SimLineTest,
                         ::testing::Values(LineCase{"PseudoTerminal", {}}, LineCase{"LoopbackTcp", {"--tcp", "0"}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The device falls silent in the middle of the Music block of the download (the hello's two-byte
// acknowledgement, then half the block) and is back 300 ms later. The half block is dropped after
// half a second without bytes, and the repeated first request brings the download through.
TEST_F(SimLinkTest, BlockCutOffAtTheFirstStepComesThroughOnTheRepeat) {
  StartSim({"--cut-after", "102", "--silent-for", "300"});
  LinkConnect();
  ASSERT_TRUE(RunUntil([&] { return Connected(); }, 15000)) << linkTexts.LinkLabel;
  EXPECT_TRUE(Logged("unfinished unit dropped"));
  EXPECT_EQ(paramImage.PresetNames[14].substr(0, 4), "User");
  EXPECT_TRUE(shown.shown.empty());
}

// The device falls silent in the middle of a later block, which no request repeats, and is back a
// second later. Connect, pressed while the receiver still waits for the rest of the block, must
// find the hello's acknowledgement on the reopened port.
TEST_F(SimLinkTest, CutBlockFollowedByConnectConnects) {
  StartSim({"--cut-after", "500", "--silent-for", "1000"});  // inside the MIC B block
  LinkConnect();
  ASSERT_TRUE(RunUntil([] { return receiveState.RxStage == RxBody && sessionState.TransferStep == 2; }, 12000));
  LinkConnect();
  ASSERT_TRUE(RunUntil([&] { return Connected(); }, 15000)) << linkTexts.LinkLabel;
  EXPECT_EQ(linkTexts.DeviceIDLabel, "20240601");
  EXPECT_FALSE(Logged("unfinished unit dropped")) << "the reopened port started afresh by itself";
  EXPECT_TRUE(shown.shown.empty());
}

// A write error that passes is a frame lost on the line: the port stays open and the link goes on.
TEST_F(SimLinkTest, PassingWriteErrorLeavesTheLinkUp) {
  StartSim();
  LinkConnect();
  ASSERT_TRUE(RunUntil([&] { return Connected() && sendState.ClearToSend; }, 12000)) << linkTexts.LinkLabel;
  const std::size_t lines = Memo2.lines.size();
  emit form.Port().Serial().Port().errorOccurred(QSerialPort::WriteError);
  EXPECT_TRUE(form.Port().IsOpen());
  EXPECT_EQ(Memo2.lines.size(), lines + 1);
  WriteParam(0x0500, 123);
  ASSERT_TRUE(RunUntil([] { return sendState.ClearToSend; }, 3000)) << "the write was acknowledged";
  RunUntil([] { return false; }, 1500);  // a keep-alive and its acknowledgement
  EXPECT_TRUE(Connected());
  EXPECT_TRUE(shown.shown.empty());
}

}  // namespace
