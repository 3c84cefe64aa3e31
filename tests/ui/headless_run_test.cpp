// dsp-panel --backup and --restore as an installer's script runs them: no display, the simulator on a
// pseudo-terminal or a loopback TCP port, the exit status and stderr lines read, the files checked.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "mode_library.h"
#include "mode_line.h"
#include "process_state.h"
#include "sim_process.h"
#include "temp_folder.h"

namespace {

// The exit statuses the program documents.
constexpr int Done = 0, Usage = 1, NoDevice = 2, DamagedFile = 3, DeviceDisagrees = 4, FileNotWritten = 5;

struct Outcome {
  int status = -1;
  std::string err;
};

class HeadlessRunTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }

  // Runs the panel with the arguments and no display at all.
  Outcome Panel(const std::string& arguments) {
    const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= '") +
                                DSP_PANEL_PROGRAM + "' " + arguments + " 2>'" + (folder / "stderr").string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(folder / "stderr")};
  }
  std::string File(const char* name) { return "'" + (folder / name).string() + "'"; }
  static std::string Port(const SimProcess& sim) { return " --port '" + sim.Path() + "'"; }

  ModeFileContent Content(const char* name) {
    const ModeFileReport report = CheckModeFile(folder / name);
    EXPECT_TRUE(report.result.ok()) << name << ": " << report.result.detail;
    return report.content;
  }

  TempFolder folder;
};

TEST_F(HeadlessRunTest, BacksUpAndRestoresAChangedSetOverAPseudoTerminal) {
  SimProcess sim({"--no-pace"});
  ASSERT_FALSE(sim.Path().empty());
  const Outcome backup = Panel("--backup " + File("before.Nddt") + Port(sim));
  ASSERT_EQ(backup.status, Done) << backup.err;
  EXPECT_NE(backup.err.find("dsp-panel: Device is Connected\n"), std::string::npos) << backup.err;
  EXPECT_NE(backup.err.find("dsp-panel: saved 513 values to "), std::string::npos) << backup.err;
  ModeFileContent content = Content("before.Nddt");
  ASSERT_EQ(content.values.size(), 513u);
  EXPECT_NE(content.values[5].value, 0) << "the device's band frequencies came down";

  // Two changed cells, one in each bank of the Music page: the restore reads them back.
  content.values[5].value += 3;
  content.values[60].value = 150;
  WriteBytes(folder / "changed.Nddt", EncodeModeFile(content));
  const Outcome restore = Panel("--restore " + File("changed.Nddt") + Port(sim));
  ASSERT_EQ(restore.status, Done) << restore.err;
  for (const char* line : {"dsp-panel: Download...\n", "dsp-panel: Loading...\n", "the device holds every value of "})
    EXPECT_NE(restore.err.find(line), std::string::npos) << line << " in " << restore.err;
}

TEST_F(HeadlessRunTest, EachFailureHasItsOwnStatusAndSaysWhy) {
  SimProcess sim({"--no-pace"});
  ASSERT_FALSE(sim.Path().empty());
  DeviceTableCells table{};
  ModeFileContent content = ModeFileContentOf(table);
  WriteBytes(folder / "good.Nddt", EncodeModeFile(content));
  content.values[7].value = 70000;  // a value the two bytes on the wire cannot carry
  WriteBytes(folder / "too-big.Nddt", EncodeModeFile(content));
  std::string damaged = ReadBytes(folder / "good.Nddt");
  const std::size_t checksumLine = damaged.rfind("\r\n", damaged.size() - 3) + 2;
  damaged.replace(checksumLine, std::string::npos, EncodeModeLine("CCCCK: 300") + "\r\n");
  WriteBytes(folder / "damaged.Nddt", damaged);

  const struct {
    std::string arguments;
    int status;
    const char* says;
  } cases[] = {
      {"--restore " + File("too-big.Nddt") + Port(sim), DeviceDisagrees, "Music, band 1, Q: file 128.00, device "},
      {"--restore " + File("damaged.Nddt") + Port(sim), DamagedFile, "数据文件损坏!"},
      {"--restore " + File("missing.Nddt") + Port(sim), DamagedFile, "文件不存在"},
      {"--backup " + File("x.Nddt") + " --port /dev/no-such-device", NoDevice, "Connect Failure!"},
      {"--restore " + File("good.Nddt") + " --port tcp://127.0.0.1", NoDevice, "tcp://HOST:PORT"},
      {"--backup " + File("no-folder/x.Nddt") + Port(sim), FileNotWritten, "no-folder does not exist"},
      {"--backup " + File("x.Nddt") + " --restore " + File("good.Nddt"), Usage, "exclude each other"},
      {"--backup " + File("x.Nddt") + " --demo", Usage, "--demo"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const Outcome run = Panel(c.arguments);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "x.Nddt"));
}

TEST_F(HeadlessRunTest, VersionPrintsWithoutADisplay) {
  const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= '") + DSP_PANEL_PROGRAM +
                              "' --version >'" + (folder / "out").string() + "' 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
  EXPECT_NE(ReadBytes(folder / "out").find("1.1.6"), std::string::npos);
}

}  // namespace
