#include "main_link_window.h"

#include "bmp_button.h"
#include "combo_box.h"
#include "label.h"
#include "link_session.h"
#include "link_texts.h"
#include "main_form.h"
#include "param_image.h"

MainLinkWindow::MainLinkWindow(TForm1& form) : form_(form) {
  auto* connect = form_.Control<BmpButton>("LinkBtn");
  auto* disconnect = form_.Control<BmpButton>("UnLinkBtn");
  connect->OnClick = [](BmpButton&) { LinkConnect(); };
  disconnect->OnClick = [](BmpButton&) { LinkDisconnect(); };
  linkTexts.onChanged = [this] { ShowLinkTexts(); };
  ShowLinkTexts();
}

// The pressed button of the pair shows its lit look (kept in Down), the other its off look (kept
// in Disabled).
void MainLinkWindow::SelectLinkButton(bool connect) {
  auto* connectButton = form_.Control<BmpButton>("LinkBtn");
  auto* disconnectButton = form_.Control<BmpButton>("UnLinkBtn");
  connectButton->SetUp(connect ? connectButton->Down() : connectButton->Disabled());
  disconnectButton->SetUp(connect ? disconnectButton->Disabled() : disconnectButton->Down());
  // The port list the scan works through is the one the session read at Connect.
  auto* ports = form_.Control<ComboBox>("ComComboBox1");
  QStringList names;
  for (const auto& name : sessionState.Ports) names << QString::fromStdString(name);
  ports->SetItems(names);
}

void MainLinkWindow::RefreshPanel() { RebuildView(paramImage.ActiveBank); }

void MainLinkWindow::ShowMainWindow() {
  form_.show();
  form_.raise();
}

void MainLinkWindow::RebuildPresetList() {
  auto* presets = form_.Control<ComboBox>("SysModeBox");
  const int index = presets->ItemIndex();
  QStringList items;
  for (int slot = 0; slot < 15; ++slot)
    items << QStringLiteral("%1-%2").arg(slot + 1).arg(
                 QString::fromStdString(paramImage.PresetNames[static_cast<std::size_t>(slot)]));
  presets->SetItems(items);
  presets->SetItemIndex(index);
}

void MainLinkWindow::ShowLinkTexts() {
  auto* label = form_.Control<Label>("LinkLabel");
  label->SetCaption(QString::fromStdString(linkTexts.LinkLabel));
  label->SetFontColor(QColor(static_cast<QRgb>(linkTexts.LinkLabelColor)));
  if (!linkTexts.DeviceIDLabel.empty())
    form_.Control<Label>("DeviceIDLabel")->SetCaption(QString::fromStdString(linkTexts.DeviceIDLabel));
}
