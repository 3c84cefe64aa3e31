#include "command_line.h"

#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

#include "headless_run.h"

namespace {

[[noreturn]] void Refuse(const QString& text) {
  std::fprintf(stderr, "%s\n", qPrintable(text));
  std::exit(static_cast<int>(HeadlessExit::Usage));
}

// The program's options, set up on a parser.
struct Options {
  QCommandLineOption port{QStringLiteral("port"),
                          QStringLiteral("Try only this port (repeatable, tried in order): a serial device such as "
                                         "/dev/ttyUSB0, or tcp://HOST:PORT for a serial line passed through a network "
                                         "socket."),
                          QStringLiteral("path")};
  QCommandLineOption demo{QStringLiteral("demo"), QStringLiteral("Run on the built-in virtual device instead of hardware.")};
  QCommandLineOption backup{QStringLiteral("backup"),
                            QStringLiteral("Without a window: connect, save the device's whole set as the mode file "
                                           "<file>, and end."),
                            QStringLiteral("file")};
  QCommandLineOption restore{QStringLiteral("restore"),
                             QStringLiteral("Without a window: check the mode file <file>, connect, upload it, read the "
                                            "device again and compare every value, and end."),
                             QStringLiteral("file")};

  explicit Options(QCommandLineParser& parser) { parser.addOptions({port, demo, backup, restore}); }
};

}  // namespace

bool NeedsNoWindow(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const Options options(parser);
  parser.parse(arguments);  // mistakes are reported by ParseCommandLine
  return parser.isSet(help) || parser.isSet(QStringLiteral("help-all")) || parser.isSet(version) ||
         parser.isSet(options.backup) || parser.isSet(options.restore);
}

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Control panel of the digital audio effect processor. Without options it lists the system's "
                     "serial ports and connects to the first one where the device answers.\n\n"
                     "--backup and --restore run without a window (no display needed), print one line of "
                     "progress or error at a time on stderr and end with the exit status\n%1")
          .arg(QString::fromUtf8(HeadlessExitHelp)));
  parser.addHelpOption();
  parser.addVersionOption();
  const Options o(parser);
  parser.process(arguments);
  CommandLine options{parser.values(o.port), parser.isSet(o.demo), parser.value(o.backup), parser.value(o.restore)};
  if (parser.isSet(o.backup) && parser.isSet(o.restore)) Refuse(QStringLiteral("--backup and --restore exclude each other."));
  if (options.Headless() && options.demo) Refuse(QStringLiteral("--demo opens a window; give --port instead."));
  if ((parser.isSet(o.backup) || parser.isSet(o.restore)) && !options.Headless())
    Refuse(QStringLiteral("--backup and --restore need a file name."));
  return options;
}
