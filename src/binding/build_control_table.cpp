#include "build_control_table.h"

#include <QHash>

#include "binding_state.h"
#include "bmp_button.h"
#include "combo_box.h"
#include "control_cells.h"
#include "control_lookup.h"
#include "control_names.h"
#include "edit.h"
#include "image.h"
#include "label.h"
#include "page_control.h"
#include "panel_tables.h"
#include "panel_window.h"
#include "scroll_box.h"
#include "spin_buttons.h"
#include "status_pane.h"
#include "track_bar.h"

namespace {

// The form's controls by name, gathered once.
class Names {
 public:
  explicit Names(QWidget& form) {
    for (QWidget* widget : form.findChildren<QWidget*>())
      if (!widget->objectName().isEmpty()) byName_.insert(widget->objectName(), widget);
  }
  QWidget* operator()(const std::string& name) const { return byName_.value(QString::fromStdString(name)); }
  template <class T>
  T* As(const std::string& name) const {
    return qobject_cast<T*>((*this)(name));
  }

 private:
  QHash<QString, QWidget*> byName_;
};

void FillLayers(const Names& names) {
  for (const ControlCell& cell : ControlCells()) {
    QWidget* control = names(cell.name);
    const auto channel = static_cast<std::size_t>(ChannelOf(cell.address));
    const auto slot = static_cast<std::size_t>(SlotOf(cell.address));
    switch (cell.layer) {
      case Layer::Primary: controlTable.PrimaryControls[channel][slot] = control; break;
      case Layer::Readout: controlTable.ReadoutControls[channel][slot] = control; break;
      case Layer::Step: controlTable.StepControls[channel][slot] = control; break;
      case Layer::Triple: controlTable.TripleControls[channel][slot][static_cast<std::size_t>(cell.index)] = control; break;
    }
  }
}

void FillSideLists(const Names& names) {
  for (int page = 0; page < PageCount; ++page) controlTable.PageButtons[page] = names.As<BmpButton>(Pages[page].button);
  auto* hiddenSlider = names.As<TrackBar>(ControlName::MusEQTrackBar1);
  for (int g = 0; g < EqGroupCount; ++g)
    for (int band = 0; band < BandCountOf(EqGroups[g]); ++band) {
      controlTable.BandPointLabels[g][band] = names.As<Label>(BandControlName(EqGroups[g], BandPart::PointLabel, band + 1));
      controlTable.BandFreqSliders[g][band] = hiddenSlider;
    }
  bindingState.CurrentEdit = names.As<Edit>(BandControlName(EqGroups[0], BandPart::FreEdit, 1));
  bindingState.PreviousEdit = names.As<Edit>(ControlName::Example);
}

// Each band's frequency slot in turn; the one hidden slider ends with the last of them.
void StampBandFreqSliders() {
  for (int g = 0; g < EqGroupCount; ++g) {
    const int channel = EqGroups[g].channel;
    for (int band = 0; band < BandCountOf(EqGroups[g]); ++band)
      if (TrackBar* slider = controlTable.BandFreqSliders[g][band])
        slider->Tag = MakeAddress(channel, EqFirstSlot[channel] + 1 + 5 * band);
  }
}

void FillRadioGroupButtons(const Names& names) {
  const RadioGroup* gain = RadioGroupOf(MusicGainRow().address);
  controlTable.RadioGroupButtons = {};
  for (std::size_t i = 0; gain && i < gain->buttons.size() && i < controlTable.RadioGroupButtons.size(); ++i)
    controlTable.RadioGroupButtons[i] = names.As<BmpButton>(gain->buttons[i]);
}

template <class... Classes>
bool IsOneOf(QWidget* control) {
  return ((qobject_cast<Classes*>(control) != nullptr) || ...);
}

void SetTag(QWidget* control, ParamAddress address) {
  if (ControlData* data = ControlDataOf(control)) data->Tag = address;
}

// Stamps addresses channel by channel, slot by slot, layer by layer: a control in several cells
// keeps the address of the last one (a band's Q edit ends on its shelving Q slot).
void StampAddresses() {
  auto* trackTemplate = PrimaryAs<TrackBar>(MakeAddress(1, 0));  // the MIC high-pass slider
  for (int c = 0; c < ChannelCount; ++c)
    for (int j = 0; j < ChannelParamCount[c]; ++j) {
      const ParamAddress a = MakeAddress(c, j);
      QWidget* primary = CellOf(controlTable.PrimaryControls, a);
      if (IsOneOf<ComboBox, TrackBar, BmpButton, Edit>(primary)) SetTag(primary, a);
      if (auto* slider = qobject_cast<TrackBar*>(primary); slider && c != 9 && trackTemplate) {
        slider->SetSliderPicture(trackTemplate->SliderPicture());
        slider->SetSliderPictureDisabled(trackTemplate->SliderPictureDisabled());
      }
      QWidget* readout = CellOf(controlTable.ReadoutControls, a);
      if (IsOneOf<ComboBox, StatusPane, BmpButton>(readout)) SetTag(readout, a);
      QWidget* step = CellOf(controlTable.StepControls, a);
      if (IsOneOf<BmpButton, SpinButtons>(step)) SetTag(step, a);
      if (qobject_cast<Image*>(TripleOf(a, 0))) {
        for (int k = 0; k < 3; ++k)
          if (auto* image = qobject_cast<Image*>(TripleOf(a, k))) {
            image->Tag = a;
            image->Hint = QString::number(k);
          }
      } else if (auto* slider = qobject_cast<TrackBar*>(TripleOf(a, 0))) {
        slider->Tag = a;
      }
    }
}

void FindPanelControls(QWidget& form, PanelWindow& window, const Names& names) {
  PanelControls& p = panelControls;
  p = {};
  p.form = &form;
  p.window = &window;
  p.Example = names.As<Edit>(ControlName::Example);
  p.ExampleBtn = names.As<BmpButton>(ControlName::ExampleBtn);
  p.SysInput = names.As<BmpButton>(MusicPortRow().buttons.front().name);
  for (int mode = 0; mode < 3; ++mode) {
    p.ModeOnImages[mode] = names.As<Image>(ControlName::ModeOnImages[mode]);
    p.ModeOffImages[mode] = names.As<Image>(ControlName::ModeOffImages[mode]);
  }
  const auto button = [&](int row, int index) {
    return names.As<BmpButton>(BottomBarRows()[row].buttons[static_cast<std::size_t>(index)].name);
  };
  p.LinkBtn = button(LinkPairRow, 0);
  p.UnLinkBtn = button(LinkPairRow, 1);
  p.AutoModeBtn = button(AutoManualRow, 0);
  p.ManulModeBtn = button(AutoManualRow, 1);
  p.SingModeBtn = button(SingDiscoRow, 0);
  p.DiscoModeBtn = button(SingDiscoRow, 1);
  p.EQResetBtn = button(EqResetRow, 0);
  p.MusEQAllpassBtn = button(EqPassRow, 0);
  const PageRow& micGroup = MicGroupRow();
  p.MicABtn = names.As<BmpButton>(micGroup.buttons[0].name);
  p.MicBBtn = names.As<BmpButton>(micGroup.buttons[1].name);
  p.EQPassLabel = names.As<Label>(ControlName::EQPassLabel);
  p.EQlabel = names.As<Label>(ControlName::EQlabel);
  p.MusScrollBox = names.As<ScrollBox>(EqGroups[0].scrollBox);
  p.MicScrollBox = names.As<ScrollBox>(EqGroups[1].scrollBox);
  p.MicPanScrollBar = names.As<TrackBar>(ControlName::MicPanScrollBar);
  p.FormPageItem = names.As<PageControl>(ControlName::FormPageItem);
  p.TopTileGrop = names(ControlName::TopTileGrop);
  p.AdvPanel1 = names(ControlName::AdvPanel1);
  p.EQCotrolGrop = names(ControlName::EQCotrolGrop);
  p.SingleDiscoGrop = names(ControlName::SingleDiscoGrop);
  p.SubMusHPType = PrimaryAs<ComboBox>(MakeAddress(6, 8));
  p.SubMusLPType = PrimaryAs<ComboBox>(MakeAddress(6, 14));
  p.SubMusHPuserQBar = PrimaryAs<TrackBar>(MakeAddress(6, 12));
  p.SubMusLPuserQBar = PrimaryAs<TrackBar>(MakeAddress(6, 18));
  for (std::size_t i = 0; i < BandEditorColumns.size(); ++i) {
    p.BandEditorSliders[i] = names.As<TrackBar>(BandEditorColumns[i].slider);
    p.BandEditorSpins[i] = names.As<SpinButtons>(BandEditorColumns[i].spin);
    p.BandEditorEdits[i] = names.As<Edit>(BandEditorColumns[i].edit);
  }
  p.COMEQlabel = names.As<Label>(ControlName::COMEQlabel);
  p.SysUserMangerGrop = names(ControlName::SysUserMangerGrop);
  p.SignRzGroup = names(MusicGainRow().group);
  p.RzBmpButton138 = names.As<BmpButton>(ControlName::RzBmpButton138);
  p.SysModeBox = names.As<ComboBox>(PresetRow().list);
  p.PresetModeEdit = names.As<Edit>(ControlName::PresetModeEdit);
  p.CurrentModeLabel = names.As<Label>(ControlName::CurrentModeLabel);
  p.FirstCheckGrop = names(ControlName::FirstCheckGrop);
  p.PanelPassWordEdit = names.As<Edit>(ControlName::PanelPassWordEdit);
}

}  // namespace

void BuildControlTable(QWidget& form, PanelWindow& window) {
  const Names names(form);
  controlTable = {};
  FillLayers(names);
  FindPanelControls(form, window, names);
  FillSideLists(names);
  StampBandFreqSliders();
  FillRadioGroupButtons(names);
  bindingState.BindingBusy = true;
  StampAddresses();
  paramImage.DeviceTable[0][0] = 1;  // Manual until the device says otherwise
  bindingState.BindingBusy = false;
}

void ReleaseControlTable(const QWidget& form) {
  if (panelControls.form != &form) return;
  controlTable = {};
  panelControls = {};
  bindingState.CurrentEdit = nullptr;
  bindingState.PreviousEdit = nullptr;
}
