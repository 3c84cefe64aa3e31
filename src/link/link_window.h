#pragma once
// What the link asks of the main window. The window implements it and hands it to the link form,
// which passes it to the session; with no window attached the link runs alone and shows nothing.

class LinkWindow {
 public:
  virtual ~LinkWindow() = default;
  // Shows the state of the Connect/Disconnect pair: true = Connect pressed.
  virtual void SelectLinkButton(bool connect) = 0;
  // A transfer has put new values into the image: show every parameter from it.
  virtual void ImageReloaded() = 0;
  virtual void ShowMainWindow() = 0;
  // The preset list of the System page, rebuilt from the preset names.
  virtual void RebuildPresetList() = 0;
  // The link's status texts (LinkTexts) have changed.
  virtual void ShowLinkTexts() = 0;
};
