#pragma once
// Where the serial link plugs into the main window. The link session fills these in; until then they
// are empty and the window runs without a link.

#include <functional>

class TForm1;

struct LinkHooks {
  // First show: fill ComComboBox1 with the system's serial ports and press Connect.
  std::function<void(TForm1&)> ListPortsAndConnect;
  // The main window closes: send the goodbye frame when connected. Closing is never refused.
  std::function<void(TForm1&)> CloseQuery;
};

extern LinkHooks linkHooks;
