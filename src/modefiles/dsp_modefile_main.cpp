// dsp-modefile: look inside mode files, check them and pack edited dumps back into files.
//   dsp-modefile dump FILE              header codes, one line per value, count and checksum
//   dsp-modefile check FILE             the verdict only
//   dsp-modefile pack DUMPFILE OUTFILE  writes a mode file from the dump text
// Exit status: 0 good, 1 a damaged or unreadable file, 2 a usage error.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "mode_dump.h"
#include "mode_library.h"

namespace {

constexpr int Good = 0;
constexpr int Bad = 1;
constexpr int Usage = 2;

constexpr std::string_view Overview =
    "usage: dsp-modefile COMMAND [ARGS]\n"
    "Look inside the panel's mode files (*.Nddt), check them and pack edited dumps into files.\n"
    "\n"
    "commands:\n"
    "  dump FILE              print the header codes, one line per value, the count and the checksum\n"
    "  check FILE             print only the verdict\n"
    "  pack DUMPFILE OUTFILE  write a mode file from the text that dump prints\n"
    "\n"
    "'dsp-modefile COMMAND --help' describes a command. Exit status: 0 good, 1 a damaged or\n"
    "unreadable file, 2 a usage error.\n";

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
