#include "command_line.h"

#include <QCommandLineParser>

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Control panel of the digital audio effect processor. Without options it lists the system's "
      "serial ports and connects to the first one where the device answers."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption port(QStringLiteral("port"),
                                QStringLiteral("Try only this serial port (repeatable, tried in order)."),
                                QStringLiteral("path"));
  const QCommandLineOption demo(QStringLiteral("demo"),
                                QStringLiteral("Run on the built-in virtual device instead of hardware."));
  parser.addOption(port);
  parser.addOption(demo);
  parser.process(arguments);
  return {parser.values(port), parser.isSet(demo)};
}
