#pragma once
// The command line of dsp-device-sim.

#include <optional>
#include <string>
#include <vector>

#include "fault_options.h"

struct SimOptions {
  std::string statePath;  // --state FILE: memory kept between runs
  std::string linkPath;   // --link PATH: a symlink to the pseudo-terminal
  int tcpPort = -1;       // --tcp PORT: serve on this loopback port instead (0: any free one)
  bool pace = true;       // replies leave at the real line rate; --no-pace sends at once
  bool help = false;
  FaultOptions faults;
};

// Fills options from the arguments (without the program name); the error text when one is wrong.
std::optional<std::string> ParseSimOptions(const std::vector<std::string>& args, SimOptions& options);

std::string SimUsage();
