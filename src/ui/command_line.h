#pragma once
// The program's few options: the ports to try (--port, repeatable), the built-in virtual device
// (--demo), and the runs without a window: --backup FILE saves the device's set as a mode file,
// --restore FILE puts a mode file's set on the device. --help and --version print and end the
// program.

#include <QString>
#include <QStringList>

struct CommandLine {
  QStringList ports;  // when given, the port list holds exactly these, in this order
  bool demo = false;
  QString backup;   // the mode file to write; empty: no backup
  QString restore;  // the mode file to put on the device; empty: no restore

  bool Headless() const { return !backup.isEmpty() || !restore.isEmpty(); }
};

// Parses the program's arguments; --help, --version, unknown options and contradictory ones exit
// the program. Needs no application object, so it can decide which kind to create.
CommandLine ParseCommandLine(const QStringList& arguments);
