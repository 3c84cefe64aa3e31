#pragma once
// The session's host for tests without timers: it lists the ports it is given, stands in for the
// main window unless a test hands it a real one, and records what the session asks of both. The tests call the timer
// ticks themselves.

#include <string>
#include <vector>

#include "link_session.h"

class FakeHost : public LinkHost, public LinkWindow {
 public:
  void SetTimer(LinkTimer, bool) override {}
  std::vector<std::string> ListPorts() override { return ports; }
  std::string RefusalReason(const std::string&) override { return "in use by another program"; }
  void UpdateStatusDialog(int percent, bool visible) override {
    lastPercent = percent;
    dialogVisible = visible;
  }
  LinkWindow* Window() override { return window; }

  void SelectLinkButton(bool connect) override { connectShown = connect; }
  void ImageReloaded() override { ++refreshes; }
  void ShowMainWindow() override {}
  void RebuildPresetList() override { ++presetListRebuilds; }
  void ShowLinkTexts() override { ++textChanges; }

  LinkWindow* window = this;  // a test may hand the session a real window instead
  std::vector<std::string> ports;
  bool connectShown = false;
  bool dialogVisible = false;
  int lastPercent = -1;
  int refreshes = 0;
  int presetListRebuilds = 0;
  int textChanges = 0;
};
