#include "link_window.h"

#include "param_image.h"

void LinkWindow::SelectLinkButton(bool) {}

void LinkWindow::RefreshPanel() { RebuildView(paramImage.ActiveBank); }

void LinkWindow::ShowMainWindow() {}

void LinkWindow::RebuildPresetList() {}
