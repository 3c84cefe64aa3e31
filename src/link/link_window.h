#pragma once
// What the link asks of the main window. This base does the least that keeps the image consistent
// while no main window is attached (RefreshPanel rebuilds the view of the active bank); the main
// window overrides all four.

class LinkWindow {
 public:
  virtual ~LinkWindow() = default;
  // Shows the state of the Connect/Disconnect pair: true = Connect pressed.
  virtual void SelectLinkButton(bool connect);
  virtual void RefreshPanel();
  virtual void ShowMainWindow();
  // The preset list of the System page, rebuilt from the preset names.
  virtual void RebuildPresetList();
};
