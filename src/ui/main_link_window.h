#pragma once
// The main window's side of the link: the Connect/Disconnect pair, the status texts, the preset list
// and the port list follow the link session through this.

#include "link_window.h"

class TForm1;

class MainLinkWindow : public LinkWindow {
 public:
  // Wires LinkBtn and UnLinkBtn to Connect and Disconnect and mirrors the link's status texts.
  explicit MainLinkWindow(TForm1& form);

  void SelectLinkButton(bool connect) override;
  void RefreshPanel() override;
  void ShowMainWindow() override;
  void RebuildPresetList() override;

 private:
  void ShowLinkTexts();

  TForm1& form_;
};
