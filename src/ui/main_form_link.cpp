// The main window's side of the link: the Connect/Disconnect pair, the status texts, the preset list
// and the panel follow the link session through these.

#include "bmp_button.h"
#include "combo_box.h"
#include "control_names.h"
#include "control_state_op.h"
#include "control_table.h"
#include "label.h"
#include "link_session.h"
#include "link_texts.h"
#include "main_form.h"
#include "panel_refresh.h"
#include "param_image.h"

void TForm1::SelectLinkButton(bool connect) {
  // The pressed button of the pair shows its lit look, the other its off look.
  ControlStateOp(connect ? panelControls.LinkBtn : panelControls.UnLinkBtn, StateAction::SelectLinkButton);
  // The port list the scan works through is the one the session read at Connect.
  QStringList names;
  for (const auto& name : sessionState.Ports) names << QString::fromStdString(name);
  Control<ComboBox>(ControlName::ComComboBox1)->SetItems(names);
}

// The device's values replace the window's: the edits made before can no longer be undone.
void TForm1::ImageReloaded() {
  RefreshPanel(20);
  history_.Clear();
}

void TForm1::ShowMainWindow() {
  show();
  raise();
}

void TForm1::RebuildPresetList() {
  if (auto* presets = panelControls.SysModeBox) ShowPresetNames(presets->ItemIndex());
}

void TForm1::ShowLinkTexts() {
  auto* label = Control<Label>(ControlName::LinkLabel);
  label->SetCaption(QString::fromStdString(linkTexts.LinkLabel));
  label->SetFontColor(QColor(static_cast<QRgb>(linkTexts.LinkLabelColor)));
  if (!linkTexts.DeviceIDLabel.empty())
    Control<Label>(ControlName::DeviceIDLabel)->SetCaption(QString::fromStdString(linkTexts.DeviceIDLabel));
}
