// dsp-modefile: look inside mode files, check them and pack edited dumps back into files.
//   dsp-modefile show FILE              every setting named and worded as the window shows it
//   dsp-modefile diff A B               the settings in which two files differ
//   dsp-modefile dump FILE              header codes, one line per value, count and checksum
//   dsp-modefile check FILE             the verdict only
//   dsp-modefile pack DUMPFILE OUTFILE  writes a mode file from the dump text
// Exit status: 0 good, 1 a damaged or unreadable file, 2 a usage error; diff as diff(1) does.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "mode_dump.h"
#include "mode_library.h"
#include "settings_sheet.h"

namespace {

constexpr int Good = 0;
constexpr int Bad = 1;
constexpr int Usage = 2;
// diff, as diff(1): the same, different, or a file that cannot be compared.
constexpr int Same = 0;
constexpr int Different = 1;
constexpr int Trouble = 2;

constexpr std::string_view Overview =
    "usage: dsp-modefile COMMAND [ARGS]\n"
    "Look inside the panel's mode files (*.Nddt), check them and pack edited dumps into files.\n"
    "\n"
    "commands:\n"
    "  show FILE              print every setting as the window shows it: page, row, value and unit\n"
    "  diff A B               print the settings in which two mode files differ\n"
    "  dump FILE              print the header codes, one line per value, the count and the checksum\n"
    "  check FILE             print only the verdict\n"
    "  pack DUMPFILE OUTFILE  write a mode file from the text that dump prints\n"
    "\n"
    "'dsp-modefile COMMAND --help' describes a command. Exit status: 0 good, 1 a damaged or\n"
    "unreadable file, 2 a usage error; diff: 0 the same, 1 different, 2 trouble.\n";

struct Command {
  std::string_view name;
  int arguments;
  std::string_view help;
  int (*run)(const std::vector<std::string>& args);
};

void Complain(const std::string& file, const ModeFileResult& result) {
  std::cerr << file << ": " << result.message;
  if (result.detail != result.message && result.message.find(result.detail) == std::string::npos)
    std::cerr << " (" << result.detail << ")";
  std::cerr << "\n";
}

void PrintLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) std::cout << line << "\n";
}

int Show(const std::vector<std::string>& args) {
  const ModeFileReport report = CheckModeFile(args[0]);
  if (!report.result.ok()) {
    Complain(args[0], report.result);
    return Bad;
  }
  PrintLines(SettingsSheet(report.content));
  return Good;
}

int Diff(const std::vector<std::string>& args) {
  const ModeFileReport before = CheckModeFile(args[0]);
  const ModeFileReport after = CheckModeFile(args[1]);
  for (const auto& [file, report] : {std::pair{args[0], &before}, std::pair{args[1], &after}})
    if (!report->result.ok()) Complain(file, report->result);
  if (!before.result.ok() || !after.result.ok()) return Trouble;
  const std::vector<std::string> differences = SettingsDifferences(before.content, after.content);
  PrintLines(differences);
  return differences.empty() ? Same : Different;
}

int Dump(const std::vector<std::string>& args) {
  const ModeFileReport report = CheckModeFile(args[0]);
  if (report.complete) std::cout << FormatModeDump(report);
  if (report.result.ok()) return Good;
  Complain(args[0], report.result);
  return Bad;
}

int Check(const std::vector<std::string>& args) {
  const ModeFileResult result = CheckModeFile(args[0]).result;
  std::cout << (result.ok() ? "good" : "damaged") << "\n";
  if (result.ok()) return Good;
  Complain(args[0], result);
  return Bad;
}

int Pack(const std::vector<std::string>& args) {
  std::ifstream in(args[0], std::ios::binary);
  std::string text;
  if (in) text.assign(std::istreambuf_iterator<char>(in), {});
  if (!in && !in.eof()) {
    std::cerr << args[0] << ": cannot read\n";
    return Bad;
  }
  const ModeDumpParse parse = ParseModeDump(text);
  if (!parse.ok) {
    std::cerr << args[0] << ": " << parse.error << "\n";
    return Bad;
  }
  // Only files the panel accepts are written.
  const std::string bytes = EncodeModeFile(parse.content);
  const ModeFileResult check = CheckModeLines(DecodeModeFile(bytes).lines).result;
  if (!check.ok()) {
    Complain(args[0], check);
    return Bad;
  }
  const ModeFileResult written = WriteModeFile(args[1], bytes);
  if (written.ok()) return Good;
  std::cerr << written.detail << "\n";
  return Bad;
}

constexpr Command Commands[] = {
    {"show", 1,
     "usage: dsp-modefile show FILE\n"
     "Prints every setting of the mode file as the main window shows it, one a line: the page (with\n"
     "the MIC group or the Effect column, and \"Disco\" for the Disco copy of a setting), the row\n"
     "caption or the band and field, and the value with its unit, for example\n"
     "  SUB output, Limit Level, -14 dBu\n"
     "  Music, band 3, frequency, 250.0 Hz\n"
     "Exit status 0 for a good file; 1 for a damaged one, with the reason on stderr.\n",
     Show},
    {"diff", 2,
     "usage: dsp-modefile diff A B\n"
     "Prints the settings in which the mode files A and B differ, named as 'show' names them, one\n"
     "a line: the name, the value in A, \" -> \", the value in B.\n"
     "Exit status 0 when they hold the same settings, 1 when they differ, 2 when a file is damaged\n"
     "or unreadable (the reason on stderr).\n",
     Diff},
    {"dump", 1,
     "usage: dsp-modefile dump FILE\n"
     "Prints what the mode file holds, one item a line:\n"
     "  model N                the model code (177 for this panel)\n"
     "  second N               the second header code\n"
     "  CHANNEL COLUMN VALUE   one line per value line of the file, in file order\n"
     "  count N valid|invalid  the line count check\n"
     "  checksum N valid|invalid\n"
     "Exit status 0 for a good file; 1 for a damaged one, with the reason on stderr.\n",
     Dump},
    {"check", 1,
     "usage: dsp-modefile check FILE\n"
     "Prints \"good\" or \"damaged\"; the reason for a damaged file goes to stderr.\n"
     "Exit status 0 for a good file, 1 for a damaged one.\n",
     Check},
    {"pack", 2,
     "usage: dsp-modefile pack DUMPFILE OUTFILE\n"
     "Writes the mode file that DUMPFILE (in the form 'dump' prints) describes to OUTFILE, replacing\n"
     "it. The count and checksum are computed, so values may be edited, added or removed; blank\n"
     "lines and lines starting with '#' are skipped. Packing the dump of a file gives that file back\n"
     "byte for byte. A file the panel would refuse (another model code, a cell outside channels\n"
     "0 to 8) is not written. Exit status 0 when written, 1 otherwise.\n",
     Pack},
};

bool IsHelp(std::string_view arg) { return arg == "--help" || arg == "-h"; }

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : argc), argv + argc);
  if (args.size() == 1 && IsHelp(args[0])) {
    std::cout << Overview;
    return Good;
  }
  for (const Command& command : Commands) {
    if (args.empty() || args[0] != command.name) continue;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (rest.size() == 1 && IsHelp(rest[0])) {
      std::cout << command.help;
      return Good;
    }
    if (static_cast<int>(rest.size()) != command.arguments) {
      std::cerr << command.help;
      return Usage;
    }
    return command.run(rest);
  }
  std::cerr << Overview;
  return Usage;
}
