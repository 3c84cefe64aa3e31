#include "panel_refresh.h"
#include "system_addresses.h"

#include <array>

#include "binding_state.h"
#include "bmp_button.h"
#include "combo_box.h"
#include "control_lookup.h"
#include "control_state_op.h"
#include "decimal_format.h"
#include "edit.h"
#include "image.h"
#include "label.h"
#include "link_session.h"
#include "page_control.h"
#include "panel_tables.h"
#include "panel_window.h"
#include "send_state.h"
#include "senders.h"
#include "spin_buttons.h"
#include "track_bar.h"
#include "value_ops.h"
#include "value_scales.h"

namespace {

constexpr int AllChannels = 20;

// A slider shows the slot's value and its change handler runs, also when the position stays, so
// that what it shows is what the image holds (a value past its end is clamped and stored so).
void ShowOnSlider(TrackBar& slider, std::int32_t value) {
  const int before = slider.Position();
  slider.SetPosition(value);
  if (slider.Position() == before && slider.OnChange) slider.OnChange(slider);
}

void ShowOnButton(BmpButton& button, ParamAddress address, std::int32_t value, PanelWindow& window) {
  const PanelControls& p = panelControls;
  if (address == MakeAddress(0, 0)) return;  // the Auto/Manual pair is redone after the slots
  if (address == MakeAddress(0, 1)) {
    ControlStateOp(value == 0 ? p.SingModeBtn : p.DiscoModeBtn, StateAction::SelectSingDisco);
    return;
  }
  if (button.Width() == RadioButtonWidth) {
    window.ChooseRadio(address, value);
    return;
  }
  // The state handlers flip the Hint, so it is set to the opposite of the value first.
  button.Hint = value == 0 ? QStringLiteral("1") : QStringLiteral("0");
  if (button.Width() == PhaseButtonWidth)
    window.EchoEffPhaseBtnClick(button);
  else if (!p.MusEQAllpassBtn || button.Caption() != p.MusEQAllpassBtn->Caption())
    window.MainLmuteBtnClick(button);
}

void ShowSlot(ParamAddress address, PanelWindow& window) {
  const std::int32_t value = ViewValue(address);
  QWidget* control = CellOf(controlTable.PrimaryControls, address);
  if (auto* slider = qobject_cast<TrackBar*>(control)) {
    ShowOnSlider(*slider, value);
  } else if (auto* button = qobject_cast<BmpButton*>(control)) {
    ShowOnButton(*button, address, value, window);
  } else if (auto* list = qobject_cast<ComboBox*>(control)) {
    list->SetItemIndex(value % 10);
    if (TripleAs<Image>(address, 0)) window.MusModeBox1Change(*list);
  } else if (auto* edit = qobject_cast<Edit*>(control); edit && edit != panelControls.Example) {
    ApplyValue(edit, ValueStep::None, ApplyMode::Display, value);
  }
}

void SetEnabled(QWidget* widget, bool enabled) {
  if (widget) widget->setEnabled(enabled);
}

void RefreshSystemGroups() {
  const bool administrator = paramImage.ViewTable[9][12] != 0;
  SetEnabled(panelControls.SysUserMangerGrop, false);
  SetEnabled(panelControls.SignRzGroup, administrator);
  SetEnabled(panelControls.RzBmpButton138, administrator);
}

void RefreshPresetList(int current, PanelWindow& window) {
  ShowPresetNames(current);
  if (ComboBox* presets = panelControls.SysModeBox) window.SysModeBoxChange(*presets);
}

// The key lock engages at the first refresh after a Connect that finds it on: the System page with
// the lock panel, the page bar and the pages disabled until the unlock password.
void EngagePanelLock(PanelWindow& window) {
  if (sessionState.FirstRefreshStage != 1 || paramImage.ViewTable[9][13] != 1) return;
  sessionState.FirstRefreshStage = 2;
  const PanelControls& p = panelControls;
  if (p.FirstCheckGrop) p.FirstCheckGrop->setVisible(true);
  if (BmpButton* system = controlTable.PageButtons[SystemPage]) window.FormTabBtn1Click(*system);
  SetEnabled(p.TopTileGrop, false);
  if (p.PanelPassWordEdit) p.PanelPassWordEdit->setFocus();
  SetEnabled(p.FormPageItem, false);
}

}  // namespace

void ShowPresetNames(int index) {
  ComboBox* presets = panelControls.SysModeBox;
  if (!presets) return;
  QStringList items;
  for (int k = 1; k <= PresetSlotCount; ++k)
    items << QString::number(k) + QLatin1Char('-') + QString::fromStdString(paramImage.PresetNames[static_cast<std::size_t>(k - 1)]);
  presets->SetItems(items);
  presets->SetItemIndex(index);
}

void RefreshPanel(int which) {
  PanelWindow* window = panelControls.window;
  Edit* current = bindingState.CurrentEdit;
  bindingState.BindingBusy = true;
  sendState.SendSuppressed = 1;
  RebuildView(paramImage.ActiveBank);
  paramImage.ActiveBank = paramImage.ViewTable[0][1];
  if (which == 2) which = 1;
  if (window) {
    for (int c = 0; c <= 9; ++c) {
      if (which != c && which != AllChannels) continue;
      for (int j = 0; j < ChannelParamCount[c]; ++j) ShowSlot(MakeAddress(c, j), *window);
    }
    // Showing a frequency edit makes it current; the keys must keep acting where the user left them.
    bindingState.CurrentEdit = current ? current : panelControls.Example;
    const PanelControls& p = panelControls;
    window->AutoModeBtnClick(*(paramImage.ViewTable[0][0] == 0 ? p.AutoModeBtn : p.ManulModeBtn));
  }
  RebindEqPassButton();
  RefreshSystemGroups();
  const int currentPreset = paramImage.DeviceTable[9][2];
  if (window) RefreshPresetList(currentPreset, *window);
  FollowLastChange(bindingState.LastChangedAddress);
  bindingState.BindingBusy = false;
  if (window) window->DrawGraph(20, ChannelOf(bindingState.CurrentPageAddress));
  sendState.SendSuppressed = 0;
  if (Label* label = panelControls.CurrentModeLabel)
    label->SetCaption(QString::fromUtf8("（Current Mode：") + QString::number(currentPreset + 1) + QString::fromUtf8(" ）"));
  if (window) EngagePanelLock(*window);
}

void RebindEqPassButton() {
  BmpButton* pass = panelControls.MusEQAllpassBtn;
  const int channel = ChannelOf(bindingState.CurrentPageAddress);
  if (!pass || channel >= EqChannelCount || EqBandCount[static_cast<std::size_t>(channel)] == 0) return;
  const ParamAddress a = MakeAddress(channel, EqFirstSlot[static_cast<std::size_t>(channel)] - 1);
  pass->Tag = a;
  pass->Hint = ViewValue(a) == 0 ? QStringLiteral("1") : QStringLiteral("0");
  const int state = ControlStateOp(pass, StateAction::ToggleButton);
  bindingState.EqPassState[static_cast<std::size_t>(channel)] = state;
  if (panelControls.EQPassLabel) panelControls.EQPassLabel->setVisible(state != 0);
}

void FollowLastChange(ParamAddress address) {
  const int located = LocateBand(address);
  const int band = located / 256, role = located & 0xFF;
  if (role < 1 || role > 4) return;
  const ParamAddress first = address - role;
  // Frequency, gain and the Q field that was changed, in the editor's column order.
  const std::array<ParamAddress, 3> fields{first + 1, first + 2, first + 3 + (role == 4 ? 1 : 0)};
  if (SlotOf(fields[2]) >= ViewColumns) return;
  const PanelControls& p = panelControls;
  bindingState.SliderSync = true;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (p.BandEditorSliders[i]) p.BandEditorSliders[i]->Tag = fields[i];
    if (p.BandEditorSpins[i]) p.BandEditorSpins[i]->Tag = fields[i];
  }
  if (p.COMEQlabel) p.COMEQlabel->SetCaption(QString::fromUtf8(BandEditorTitlePrefix) + QString::number(band + 1));
  const auto text = [](int kind, std::int32_t x) { return QString::fromStdString(ValueKindText(kind, x).value_or(std::string())); };
  if (p.BandEditorEdits[2]) p.BandEditorEdits[2]->SetText(text(4, ViewValue(fields[2])));
  if (p.BandEditorEdits[1]) p.BandEditorEdits[1]->SetText(text(3, ViewValue(fields[1])) + QStringLiteral("dB"));
  if (p.BandEditorEdits[0]) p.BandEditorEdits[0]->SetText(text(2, ViewValue(fields[0])));
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (p.BandEditorSliders[i]) p.BandEditorSliders[i]->SetPosition(ViewValue(fields[i]));
  bindingState.SliderSync = false;
}

std::int32_t DefaultBandValue(int role, int band, int bands, bool discoCopy) {
  switch (role) {
    case 0: return 0;  // PEQ
    case 1:
      if (discoCopy) return 11 + 24 * band;
      return static_cast<std::int32_t>(RoundHalfEven(360.0 / bands * band)) + 5;
    case 2: return 120;  // 0.0 dB
    case 3: return 16;   // Q 1.00
    default: return 10;  // Q 0.71
  }
}

void ResetEqualisers(int which) {
  for (int c = 0; c < EqChannelCount; ++c) {
    if (c == 4 || (which != c && which != AllChannels)) continue;
    const int bands = EqBandCount[static_cast<std::size_t>(c)];
    for (int b = 0; b < bands; ++b) {
      int slot = 0;
      for (int r = 0; r < 5; ++r) {
        slot = EqFirstSlot[static_cast<std::size_t>(c)] + 5 * b + r;
        const std::int32_t d = DefaultBandValue(r, b, bands, false);
        auto& row = paramImage.DeviceTable[static_cast<std::size_t>(c)];
        if (which == AllChannels && c == 0) {
          row[static_cast<std::size_t>(BankSlot(0, slot, 0))] = d;
          row[static_cast<std::size_t>(BankSlot(0, slot, 1))] = DefaultBandValue(r, b, bands, true);
        } else {
          row[static_cast<std::size_t>(BankSlot(c, slot, paramImage.ActiveBank))] = d;
          paramImage.ViewTable[static_cast<std::size_t>(c)][static_cast<std::size_t>(slot)] = d;
        }
      }
      if (which != AllChannels) WriteEqField(MakeAddress(c, slot), paramImage.ViewTable[static_cast<std::size_t>(c)][static_cast<std::size_t>(slot)]);
    }
  }
  RefreshPanel(which);
}
