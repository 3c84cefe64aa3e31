// The whole link over a real line, a pseudo-terminal and a loopback TCP connection: the link form and
// its port against the simulator, connect, download, a write, goodbye; and a simulator that vanishes
// while connected (the terminal's device gone, the network connection dropped).

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

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

struct LineCase {
  const char* name;
  std::vector<std::string> simOptions;
};
void PrintTo(const LineCase& line, std::ostream* out) { *out << line.name; }

class SimLinkTest : public ::testing::TestWithParam<LineCase> {
 protected:
  void SetUp() override {
    ResetProcessState();
    sessionState.host = &form;  // the fresh state forgot the form and its port
    comPort = &form.Port();
    dialogs = &shown;
    ASSERT_FALSE(sim.Path().empty());
    form.SetStatusDialog(&status);
    form.SetFixedPorts({"/dev/null-port-that-is-not-there", sim.Path()});
  }
  void TearDown() override { ResetProcessState(); }

  // Runs the event loop until the condition holds or the time is up. It sleeps between events; the
  // link timers wake it at least every 20 ms once the scan has started.
  template <typename Condition>
  bool RunUntil(Condition condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs)
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return condition();
  }
  bool Connected() const { return sendState.LinkState == LinkConnected; }

  SimProcess sim{GetParam().simOptions};
  ScriptedDialogs shown;
  TForm2 status;
  TForm3 form;
};

TEST_P(SimLinkTest, ConnectsDownloadsWritesAndSaysGoodbye) {
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

TEST_P(SimLinkTest, VanishedDeviceIsReportedLostWithoutSpinning) {
  LinkConnect();
  ASSERT_TRUE(RunUntil([&] { return Connected(); }, 12000)) << linkTexts.LinkLabel;
  sim.Stop(SIGTERM);
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

INSTANTIATE_TEST_SUITE_P(Lines, SimLinkTest,
                         ::testing::Values(LineCase{"PseudoTerminal", {"--no-pace"}},
                                           LineCase{"LoopbackTcp", {"--no-pace", "--tcp", "0"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
