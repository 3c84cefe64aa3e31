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

}  // namespace

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
  const QCommandLineOption port(
      QStringLiteral("port"),
      QStringLiteral("Try only this port (repeatable, tried in order): a serial device such as /dev/ttyUSB0, or "
                     "tcp://HOST:PORT for a serial line passed through a network socket."),
      QStringLiteral("path"));
  const QCommandLineOption demo(QStringLiteral("demo"),
                                QStringLiteral("Run on the built-in virtual device instead of hardware."));
  const QCommandLineOption backup(QStringLiteral("backup"),
                                  QStringLiteral("Without a window: connect, save the device's whole set as the "
                                                 "mode file <file>, and end."),
                                  QStringLiteral("file"));
  const QCommandLineOption restore(QStringLiteral("restore"),
                                   QStringLiteral("Without a window: check the mode file <file>, connect, upload "
                                                  "it, read the device again and compare every value, and end."),
                                   QStringLiteral("file"));
  parser.addOptions({port, demo, backup, restore});
  parser.process(arguments);
  CommandLine options{parser.values(port), parser.isSet(demo), parser.value(backup), parser.value(restore)};
  if (parser.isSet(backup) && parser.isSet(restore)) Refuse(QStringLiteral("--backup and --restore exclude each other."));
  if (options.Headless() && options.demo) Refuse(QStringLiteral("--demo opens a window; give --port instead."));
  if ((parser.isSet(backup) || parser.isSet(restore)) && !options.Headless())
    Refuse(QStringLiteral("--backup and --restore need a file name."));
  return options;
}
