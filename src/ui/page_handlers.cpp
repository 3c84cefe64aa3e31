// The handlers of the page bar and of the channel pages' buttons, lists and sliders. Each is shared
// by every control of its kind and finds its parameter through the sender's Tag.

#include <QString>

#include "band_panel.h"
#include "binding_state.h"
#include "bmp_button.h"
#include "combo_box.h"
#include "control_lookup.h"
#include "control_state_op.h"
#include "edit.h"
#include "graph_state.h"
#include "label.h"
#include "main_form.h"
#include "page_control.h"
#include "panel_refresh.h"
#include "panel_rules.h"
#include "panel_tables.h"
#include "scroll_box.h"
#include "send_state.h"
#include "senders.h"
#include "spin_buttons.h"
#include "status_pane.h"
#include "track_bar.h"
#include "value_ops.h"

namespace {

const QColor ReadoutColour(199, 255, 255);
const QColor MicBColour(255, 102, 0);

// The curve and the graph's read-out take the colour of the channel on show; MIC B is orange.
void ShowChannelColours(bool micB, int channel) {
  graphState.CurveColour = micB ? CurveMicBColour : channel <= 4 ? CurveInputColour : CurveOutputColour;
  if (Label* readout = panelControls.EQlabel) readout->SetFontColor(micB ? MicBColour : ReadoutColour);
}

// The band edit of the page's selected band, when the selection is a band (not a filter).
Edit* SelectedBandEdit(int page, int channel) {
  if (page < 0 || page >= EqGroupCount || channel >= EqChannelCount) return nullptr;
  const int band = bindingState.SelectedBand[static_cast<std::size_t>(page)];
  if (band < 0 || band >= EqBandCount[static_cast<std::size_t>(channel)]) return nullptr;
  return PrimaryAs<Edit>(MakeAddress(channel, EqFirstSlot[static_cast<std::size_t>(channel)] + 5 * band + 1));
}

// The three volume sliders the sender belongs to, in the order master, start, limit.
std::array<TrackBar*, 3> VolumeTripleOf(const TForm1& form, const TrackBar& sender) {
  for (const VolumeTriple& names : VolumeTriples()) {
    std::array<TrackBar*, 3> triple{form.Control<TrackBar>(names.normal), form.Control<TrackBar>(names.start),
                                    form.Control<TrackBar>(names.limit)};
    for (TrackBar* slider : triple)
      if (slider == &sender) return triple;
  }
  return {};
}

void SetEnabled(QWidget* widget, bool enabled) {
  if (widget) widget->setEnabled(enabled);
}

}  // namespace

bool TForm1::PanelLocked() const { return panelControls.FirstCheckGrop && panelControls.FirstCheckGrop->isVisible(); }

void TForm1::DrawSelectedBand() {
  const int page = SlotOf(bindingState.CurrentPageAddress);
  if (page >= EqGroupCount) return;  // the System page has no graph
  DrawGraph(bindingState.SelectedBand[static_cast<std::size_t>(page)], ChannelOf(bindingState.CurrentPageAddress));
}

void TForm1::FormTabBtn1Click(BmpButton& sender) {
  const int page = sender.Tag;
  if (page < 0 || page >= PageCount) return;
  bindingState.CurrentPageAddress = ControlStateOp(&sender, StateAction::SelectPage);
  const int channel = ChannelOf(bindingState.CurrentPageAddress);
  RebindEqPassButton();
  ShowChannelColours(page == MicPage && paramImage.MicGroupB == 1, channel);
  DrawGraph(20, channel);
  DrawSelectedBand();
  // The keys and the wheel act on the page's selected band; the System page has none.
  if (page == SystemPage)
    bindingState.CurrentEdit = panelControls.Example;
  else if (Edit* edit = SelectedBandEdit(page, channel))
    bindingState.CurrentEdit = edit;
  const bool system = page == SystemPage;
  const PanelControls& p = panelControls;
  if (p.AdvPanel1) p.AdvPanel1->setVisible(!system);
  if (p.EQCotrolGrop) p.EQCotrolGrop->setVisible(!system);
  // Auto/Manual and Sing/Disco belong to Music and the output pages.
  if (p.SingleDiscoGrop) p.SingleDiscoGrop->setVisible(page == 0 || (page >= 3 && page <= 6));
  if (p.FormPageItem) p.FormPageItem->SetActivePageIndex(page);
}

void TForm1::MicABtnClick(BmpButton& sender) {
  paramImage.MicGroupB = ControlStateOp(&sender, StateAction::SelectMicGroup);
  ShowChannelColours(paramImage.MicGroupB == 1 && PageOnShow() == MicPage, 0);
  RefreshPanel(1);
  DrawSelectedBand();
  history_.Clear();  // the other group's values are not the edits made on this one
}

void TForm1::MusPanScrollBarChange(TrackBar& sender) {
  if (&sender != panelControls.MicPanScrollBar || !panelControls.MicScrollBox) return;
  panelControls.MicScrollBox->SetHorzScrollPosition(sender.Position() * MicColumnPitch);
}

void TForm1::MicHPFreBarChange(TrackBar& sender) {
  if (bindingState.SliderSync) return;
  if (auto* pane = ReadoutAs<StatusPane>(sender.Tag)) ApplyValue(pane, ValueStep::None, ApplyMode::Commit, sender.Position());
  // A level, filter or delay is not a band: the keys and the wheel stop stepping the band edit.
  bindingState.CurrentEdit = panelControls.Example;
}

void TForm1::EchoEffPhaseBtnClick(BmpButton& sender) {
  const int state = ControlStateOp(&sender, StateAction::TogglePhase);
  WriteParam(sender.Tag, state);
}

void TForm1::MainLmuteBtnClick(BmpButton& sender) {
  const int state = ControlStateOp(&sender, StateAction::ToggleButton);
  WriteParam(sender.Tag, state);
}

void TForm1::MusEQAllpassBtnClick(BmpButton& sender) {
  // In Manual the Music equaliser belongs to the device's own controls.
  if (PageOnShow() == 0 && paramImage.ViewTable[0][0] == 0) return;
  const int channel = ChannelOf(sender.Tag);
  if (channel >= static_cast<int>(bindingState.EqPassState.size())) return;
  const int state = ControlStateOp(&sender, StateAction::ToggleButton);
  bindingState.EqPassState[static_cast<std::size_t>(channel)] = state;
  WriteParam(sender.Tag, state);
  if (panelControls.EQPassLabel) panelControls.EQPassLabel->setVisible(state != 0);
}

void TForm1::EQResetBtnClick(BmpButton&) {
  if (PageOnShow() == 0 && paramImage.ViewTable[0][0] == 0) return;
  int channel = ChannelOf(bindingState.CurrentPageAddress);
  if (channel >= EqChannelCount) return;
  if (channel == 1 && paramImage.MicGroupB == 1) channel = 2;
  ResetEqualisers(channel);
  DrawSelectedBand();
}

void TForm1::AutoModeBtnClick(BmpButton& sender) {
  const int manual = ControlStateOp(&sender, StateAction::SelectAutoManual);
  WriteParam(sender.Tag, manual);
  SetManualControlsEnabled(manual);
  // The SUB user-Q sliders follow their filter type whatever the switch did; their writes stay in
  // the image.
  const bool busy = bindingState.BindingBusy;
  const int suppressed = sendState.SendSuppressed;
  bindingState.BindingBusy = true;
  sendState.SendSuppressed = 1;
  for (ComboBox* type : {panelControls.SubMusHPType, panelControls.SubMusLPType})
    if (type) SubMusHPTypeChange(*type);
  bindingState.BindingBusy = busy;
  sendState.SendSuppressed = suppressed;
}

void TForm1::SingModeBtnClick(BmpButton& sender) {
  const int bank = ControlStateOp(&sender, StateAction::SelectSingDisco);
  WriteParam(sender.Tag, bank);
  paramImage.ActiveBank = bank;
  RefreshPanel(20);
  DrawSelectedBand();
  history_.Clear();  // the other bank's values are not the edits made on this one
}

void TForm1::SysMusInputLevelClick(BmpButton& sender) { ChooseRadio(sender.Tag, HintValue(sender)); }

void TForm1::ChooseRadio(ParamAddress address, int index) {
  const RadioGroup* group = RadioGroupOf(address);
  if (!group) return;
  const int count = static_cast<int>(group->buttons.size());
  for (int i = 0; i < count && i < RadioGroupCells; ++i) {
    auto* button = Control<BmpButton>(group->buttons[static_cast<std::size_t>(i)]);
    controlTable.RadioGroupButtons[static_cast<std::size_t>(i)] = button;
    if (button) button->Hint = QString::number(i);
  }
  // The user level can be changed once per entry of the system password.
  if (address == MakeAddress(9, 12)) SetEnabled(panelControls.SysUserMangerGrop, false);
  ShowRadioChoice(address, index);
  if (index >= 0 && index < count) WriteParam(address, index);
  const bool administrator = paramImage.ViewTable[9][12] != 0;
  SetEnabled(panelControls.SignRzGroup, administrator);
  SetEnabled(panelControls.RzBmpButton138, administrator);
  if (address >= MakeAddress(5, 0) && address < MakeAddress(9, 0)) DrawGraph(20, ChannelOf(bindingState.CurrentPageAddress));
}

void TForm1::SubMusHPTypeChange(ComboBox& sender) {
  const int type = sender.ItemIndex();
  if (type < 0) return;  // no item chosen: nothing to store or send
  WriteParam(sender.Tag, type);
  const bool highPass = &sender == panelControls.SubMusHPType;
  if (!highPass && &sender != panelControls.SubMusLPType) return;  // the music input gain: the write only
  TrackBar* userQ = highPass ? panelControls.SubMusHPuserQBar : panelControls.SubMusLPuserQBar;
  if (userQ) {
    // "USER 12dB" and "USER 24dB" take their Q from the slider; its spin buttons go with it.
    userQ->setEnabled(type >= 3);
    SetEnabled(StepAs<SpinButtons>(userQ->Tag), type >= 3);
  }
  if (PageOnShow() == SubPage) DrawGraph(highPass ? 3 : 4, 6);
}

void TForm1::SysMusNormalVolBarChange(TrackBar& sender) {
  auto* pane = ReadoutAs<StatusPane>(sender.Tag);
  const int previous = pane ? HintValue(*pane) : 0;
  const std::array<TrackBar*, 3> triple = VolumeTripleOf(*this, sender);
  if (triple[0] && triple[1] && triple[2] && pane) {
    // A master volume rises by at most one step per change; lowering is immediate.
    if (&sender == triple[0] && sender.Position() > previous && sendState.SendSuppressed != 1)
      sender.SetPosition(previous + 1);
    LimitVolumeTriple(*triple[0], *triple[1], *triple[2], HintValue(sender), *pane);
    pane->Hint = QString::number(sender.Position());
  }
  WriteParam(sender.Tag, sender.Position());
}

void TForm1::SysModeBoxChange(ComboBox& sender) {
  const int index = sender.ItemIndex();
  // The item reads "<number>-<name>": the name starts after the number and its dash.
  const QString item = index >= 0 ? sender.itemText(index) : QString();
  const int nameStart = index < 9 ? 2 : 3;
  if (panelControls.PresetModeEdit) panelControls.PresetModeEdit->SetText(item.mid(nameStart));
}
