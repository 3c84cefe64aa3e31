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

// Whether the arguments ask for nothing that needs a window (--help, --version, --backup,
// --restore): read before any application object exists, to choose which kind to create, so these
// work without a display. Mistakes are left to ParseCommandLine.
bool NeedsNoWindow(const QStringList& arguments);

// Parses the application's arguments (the Qt options taken out); --help, --version, unknown options
// and contradictory ones exit the program.
CommandLine ParseCommandLine(const QStringList& arguments);
