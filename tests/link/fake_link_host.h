#pragma once
// The session's host for tests without windows or timers: it lists the ports it is given and
// records what the session asks of the windows. The tests call the timer ticks themselves.

#include <string>
#include <vector>

#include "link_session.h"

class FakeHost : public LinkHost {
 public:
  void SetTimer(LinkTimer, bool) override {}
  std::vector<std::string> ListPorts() override { return ports; }
  std::string RefusalReason(const std::string&) override { return "in use by another program"; }
  void SelectLinkButton(bool connect) override { connectShown = connect; }
  void UpdateStatusDialog(int percent, bool visible) override {
    lastPercent = percent;
    dialogVisible = visible;
  }
  void RefreshPanel() override { ++refreshes; }
  void ShowMainWindow() override {}
  void RebuildPresetList() override { ++presetListRebuilds; }

  std::vector<std::string> ports;
  bool connectShown = false;
  bool dialogVisible = false;
  int lastPercent = -1;
  int refreshes = 0;
  int presetListRebuilds = 0;
};
