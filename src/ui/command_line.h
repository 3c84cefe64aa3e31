#pragma once
// The program's few options: the ports to try (--port, repeatable) and the built-in virtual device
// (--demo). --help and --version print and end the program.

#include <QStringList>

struct CommandLine {
  QStringList ports;  // when given, the port list holds exactly these, in this order
  bool demo = false;
};

// Parses the application's arguments; --help, --version and unknown options exit the program.
CommandLine ParseCommandLine(const QStringList& arguments);
