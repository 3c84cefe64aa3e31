// Runs the dsp-modefile program on temporary files, as a technician's script would.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "mode_file.h"
#include "mode_line.h"
#include "temp_folder.h"

namespace {

struct Outcome {
  int status = -1;
  std::string out, err;
};

class DspModefileTest : public ::testing::Test {
 protected:
  Outcome Program(const std::string& arguments) {
    const std::string command = std::string("'") + DSP_MODEFILE_PROGRAM + "' " + arguments + " >'" +
                                (folder / "stdout").string() + "' 2>'" + (folder / "stderr").string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(folder / "stdout"), ReadBytes(folder / "stderr")};
  }

  std::string Path(const char* name) { return "'" + (folder / name).string() + "'"; }

  TempFolder folder;
};

ModeFileContent Varied() {
  DeviceTableCells table{};
  for (int c = 0; c <= 8; ++c)
    for (int j = 0; j <= ModeLastColumn(c); ++j) table[c][j] = (c * 3001 + j * 17) % 65536;
  return ModeFileContentOf(table);
}

TEST_F(DspModefileTest, DumpThenPackGivesTheFileBackByteForByte) {
  ModeFileContent unusual;
  unusual.secondCode = 77;
  unusual.values = {{0x0305, 3}, {0x0000, 1}, {0x0305, 65535}, {0x0870, 0}};
  for (const ModeFileContent& content : {Varied(), ModeFileContent{}, unusual}) {
    const std::string original = EncodeModeFile(content);
    WriteBytes(folder / "in.Nddt", original);
    const Outcome dump = Program("dump " + Path("in.Nddt"));
    ASSERT_EQ(dump.status, 0) << dump.err;
    WriteBytes(folder / "dump.txt", dump.out);
    const Outcome pack = Program("pack " + Path("dump.txt") + " " + Path("out.Nddt"));
    ASSERT_EQ(pack.status, 0) << pack.err;
    EXPECT_EQ(ReadBytes(folder / "out.Nddt"), original);
  }
}

TEST_F(DspModefileTest, DumpPrintsHeadersValuesCountAndChecksum) {
  WriteBytes(folder / "in.Nddt", EncodeModeFile(Varied()));
  const Outcome dump = Program("dump " + Path("in.Nddt"));
  EXPECT_EQ(dump.status, 0);
  EXPECT_EQ(dump.err, "");
  EXPECT_EQ(dump.out.substr(0, 28), "model 177\nsecond 1\n0 0 0\n0 1");
  EXPECT_NE(dump.out.find("\n8 53 " + std::to_string((8 * 3001 + 53 * 17) % 65536) + "\ncount 515 valid\nchecksum "),
            std::string::npos);
  EXPECT_EQ(dump.out.substr(dump.out.size() - 7), " valid\n");
  const Outcome check = Program("check " + Path("in.Nddt"));
  EXPECT_EQ(check.status, 0);
  EXPECT_EQ(check.out, "good\n");
}

TEST_F(DspModefileTest, DamagedFilesFailWithTheReason) {
  std::string wrongChecksum = EncodeModeFile(Varied());
  const std::size_t lastLine = wrongChecksum.rfind("\r\n", wrongChecksum.size() - 3) + 2;
  wrongChecksum.replace(lastLine, std::string::npos, EncodeModeLine("CCCCK: 300") + "\r\n");
  WriteBytes(folder / "checksum.Nddt", wrongChecksum);
  ModeFileContent otherModel;
  otherModel.modelCode = 0xB2;
  WriteBytes(folder / "model.Nddt", EncodeModeFile(otherModel));
  WriteBytes(folder / "junk.Nddt", "\x01\x02 not a mode file");

  const struct {
    const char* file;
    const char* message;
  } cases[] = {{"checksum.Nddt", "数据文件损坏!"}, {"model.Nddt", "文件格式错误!"},
               {"missing.Nddt", "文件不存在"},     {"junk.Nddt", "not hexadecimal"}};
  for (const auto& c : cases) {
    for (const char* command : {"dump ", "check "}) {
      const Outcome run = Program(command + Path(c.file));
      EXPECT_EQ(run.status, 1) << command << c.file;
      EXPECT_NE(run.err.find(c.message), std::string::npos) << command << c.file << ": " << run.err;
    }
    EXPECT_EQ(Program("check " + Path(c.file)).out, "damaged\n") << c.file;
  }
  // The dump of a file whose lines all read still shows everything, with the verdicts.
  const Outcome dump = Program("dump " + Path("checksum.Nddt"));
  EXPECT_NE(dump.out.find("count 515 valid\nchecksum 300 invalid\n"), std::string::npos) << dump.out;
}

TEST_F(DspModefileTest, AnEditedDumpPacksIntoAGoodFile) {
  WriteBytes(folder / "dump.txt",
             "# the hall preset\nmodel 177\nsecond 1\n\n0 20 1234\r\n8 5 7\n0 20 99\ncount 1 invalid\nchecksum 5\n");
  const Outcome pack = Program("pack " + Path("dump.txt") + " " + Path("out.Nddt"));
  ASSERT_EQ(pack.status, 0) << pack.err;
  EXPECT_EQ(Program("check " + Path("out.Nddt")).status, 0);
  const Outcome dump = Program("dump " + Path("out.Nddt"));
  EXPECT_EQ(dump.out, "model 177\nsecond 1\n0 20 1234\n8 5 7\n0 20 99\ncount 5 valid\nchecksum " +
                          std::to_string(ModeChecksum(1234 + 7 + 99)) + " valid\n");
}

TEST_F(DspModefileTest, PackRefusesDumpsItCannotReadAndFilesThePanelWouldRefuse) {
  const struct {
    const char* dump;
    const char* reason;
  } cases[] = {
      {"model 177\nsecond 1\n0 20\n", "line 3"},
      {"model 177\nsecond 1\n0 x 5\n", "line 3"},
      {"model 177\nmodel 177\nsecond 1\n", "line 2"},
      {"second 1\n0 1 2\n", "\"model\" line is missing"},
      {"model 177\nsecond 1\n11 0 5\n", "数据文件损坏!"},
      {"model 177\nsecond 1\n9 4 5\n", "数据文件损坏!"},
      {"model 177\nsecond 1\n0 113 5\n", "数据文件损坏!"},
      {"model 177\nsecond 1\n0 256 5\n", "line 3"},
      {"model 178\nsecond 1\n", "文件格式错误!"},
  };
  for (const auto& c : cases) {
    WriteBytes(folder / "dump.txt", c.dump);
    const Outcome pack = Program("pack " + Path("dump.txt") + " " + Path("out.Nddt"));
    EXPECT_EQ(pack.status, 1) << c.dump;
    EXPECT_NE(pack.err.find(c.reason), std::string::npos) << c.dump << ": " << pack.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "out.Nddt")) << c.dump;
  }
  EXPECT_EQ(Program("pack " + Path("no-dump.txt") + " " + Path("out.Nddt")).status, 1);
}

TEST_F(DspModefileTest, ShowWordsEverySettingAndDiffListsTheChangedOnes) {
  const ModeFileContent known{ModeModelCode, ModeSecondCode, {{0x0616, 6}, {0x000F, 132}, {0x051A, 1}}};
  WriteBytes(folder / "a.Nddt", EncodeModeFile(known));
  const Outcome show = Program("show " + Path("a.Nddt"));
  EXPECT_EQ(show.status, 0) << show.err;
  EXPECT_EQ(show.out,
            "SUB output, Limit Level, -14 dBu\n"
            "Music, band 3, frequency, 250.0 Hz\n"
            "Main output, L CH Mute, on\n");

  ModeFileContent changed = known;
  changed.values[0].value = 8;
  WriteBytes(folder / "b.Nddt", EncodeModeFile(changed));
  const Outcome diff = Program("diff " + Path("a.Nddt") + " " + Path("b.Nddt"));
  EXPECT_EQ(diff.status, 1) << diff.err;
  EXPECT_EQ(diff.out, "SUB output, Limit Level, -14 dBu -> -12 dBu\n");
  const Outcome same = Program("diff " + Path("a.Nddt") + " " + Path("a.Nddt"));
  EXPECT_EQ(same.status, 0) << same.err;
  EXPECT_EQ(same.out, "");
}

TEST_F(DspModefileTest, ShowAndDiffRefuseDamagedFilesWithTheReason) {
  ModeFileContent otherModel;
  otherModel.modelCode = 0xB2;
  WriteBytes(folder / "model.Nddt", EncodeModeFile(otherModel));
  WriteBytes(folder / "good.Nddt", EncodeModeFile(Varied()));
  const Outcome show = Program("show " + Path("model.Nddt"));
  EXPECT_EQ(show.status, 1);
  EXPECT_EQ(show.out, "");
  EXPECT_NE(show.err.find("文件格式错误!"), std::string::npos) << show.err;
  for (const std::string& args : {"diff " + Path("good.Nddt") + " " + Path("model.Nddt"),
                                 "diff " + Path("missing.Nddt") + " " + Path("good.Nddt")}) {
    const Outcome diff = Program(args);
    EXPECT_EQ(diff.status, 2) << args;
    EXPECT_EQ(diff.out, "") << args;
    EXPECT_NE(diff.err, "") << args;
  }
}

TEST_F(DspModefileTest, UsageAndHelp) {
  for (const char* args : {"--help", "show --help", "diff --help", "dump --help", "check --help", "pack --help", "-h"}) {
    const Outcome run = Program(args);
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_EQ(run.out.rfind("usage: dsp-modefile", 0), 0u) << args;
  }
  for (const char* args : {"", "frobnicate x", "show", "diff a", "dump", "dump a b", "check", "pack one", "pack a b c",
                           "--version"}) {
    const Outcome run = Program(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_NE(run.err.find("usage:"), std::string::npos) << args;
  }
}

}  // namespace
