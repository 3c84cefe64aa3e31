#pragma once
// The start-up state of the main window.

#include <cstdint>

struct StartupState {
  // Set when the main window's first showing has finished; the graph ignores handle presses and the
  // mode list keeps the keyboard focus where it is until then.
  std::uint8_t FormShown = 0;
};

extern StartupState startupState;
