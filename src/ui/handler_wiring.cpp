// Every control of the window gets its shared handler here, generated from the same tables the
// window is built from: one handler per kind of control.

#include "bmp_button.h"
#include "combo_box.h"
#include "control_names.h"
#include "edit.h"
#include "image.h"
#include "label.h"
#include "link_session.h"
#include "main_form.h"
#include "panel_tables.h"
#include "spin_buttons.h"
#include "track_bar.h"

namespace {

template <class T, class Handler>
void OnEach(const TForm1& form, const std::string& name, Handler wire) {
  if (T* control = form.Control<T>(name)) wire(*control);
}

}  // namespace

void TForm1::WireHandlers() {
  for (const PageInfo& page : Pages)
    OnEach<BmpButton>(*this, page.button, [this](BmpButton& b) { b.OnClick = [this](BmpButton& s) { FormTabBtn1Click(s); }; });

  // The band columns.
  const auto wireEdit = [this](Edit& edit) {
    edit.OnClick = [this](Edit& s) { MusFreEdit1Click(s); };
    edit.OnKeyPress = [this](Edit& s, QChar& key) { MusFreEdit1KeyPress(s, key); };
    edit.OnKeyDown = [this](Edit& s, int key) { MusFreEdit1KeyDown(s, key); };
    edit.OnExit = [this](Edit& s) { MusFreEdit1Exit(s); };
  };
  const auto wireSpin = [this](SpinButtons& spin) {
    spin.OnUpRightClick = [this](SpinButtons& s) { MusFreUpDownBtn1UpRightClick(s); };
    spin.OnDownLeftClick = [this](SpinButtons& s) { MusFreUpDownBtn1DownLeftClick(s); };
  };
  const auto wireBandSlider = [this](TrackBar& slider) { slider.OnChange = [this](TrackBar& s) { MusEQGainBar1Change(s); }; };
  for (const EqGroup& group : EqGroups)
    for (int band = 1; band <= BandCountOf(group); ++band) {
      const auto name = [&](BandPart part) { return BandControlName(group, part, band); };
      for (BandPart part : {BandPart::FreEdit, BandPart::GainEdit, BandPart::QEdit}) OnEach<Edit>(*this, name(part), wireEdit);
      for (BandPart part : {BandPart::FreSpin, BandPart::GainSpin, BandPart::QSpin}) OnEach<SpinButtons>(*this, name(part), wireSpin);
      OnEach<TrackBar>(*this, name(BandPart::GainBar), wireBandSlider);
      OnEach<ComboBox>(*this, name(BandPart::ModeBox),
                       [this](ComboBox& box) { box.OnChange = [this](ComboBox& s) { MusModeBox1Change(s); }; });
      for (BandPart part : {BandPart::PeqImage, BandPart::LsqImage, BandPart::HsqImage})
        OnEach<Image>(*this, name(part), [this](Image& image) { image.OnClick = [this](Image& s) { MusPEQBtn1Click(s); }; });
      OnEach<Label>(*this, name(BandPart::PointLabel),
                    [this](Label& label) { label.OnClick = [this](Label& s) { MusEQPointLabel1Click(s); }; });
    }
  // The common band editor's edits only show values; its sliders and spin buttons act on the band
  // changed last. The hidden band slider behaves as a band slider.
  for (const BandEditorColumn& column : BandEditorColumns) {
    OnEach<TrackBar>(*this, column.slider, wireBandSlider);
    OnEach<SpinButtons>(*this, column.spin, wireSpin);
  }
  OnEach<TrackBar>(*this, ControlName::MusEQTrackBar1, wireBandSlider);
  OnEach<TrackBar>(*this, ControlName::MicPanScrollBar,
                   [this](TrackBar& bar) { bar.OnChange = [this](TrackBar& s) { MusPanScrollBarChange(s); }; });

  // The rows: sliders with their spin buttons and phase buttons, lists, radio groups and buttons.
  for (const PageRow* row : AllRows()) {
    switch (row->type) {
      case RowType::Slider:
        OnEach<TrackBar>(*this, row->slider, [this, row](TrackBar& slider) {
          if (ChannelOf(row->address) == 9)
            slider.OnChange = [this](TrackBar& s) { SysMusNormalVolBarChange(s); };
          else
            slider.OnChange = [this](TrackBar& s) { MicHPFreBarChange(s); };
        });
        OnEach<SpinButtons>(*this, row->spin, wireSpin);
        OnEach<BmpButton>(*this, row->phase, [this](BmpButton& b) { b.OnClick = [this](BmpButton& s) { EchoEffPhaseBtnClick(s); }; });
        break;
      case RowType::Choice:
        OnEach<ComboBox>(*this, row->list, [this, row](ComboBox& box) {
          if (row == &PresetRow())
            box.OnChange = [this](ComboBox& s) { SysModeBoxChange(s); };
          else
            box.OnChange = [this](ComboBox& s) { SubMusHPTypeChange(s); };
        });
        break;
      case RowType::Toggle:
        for (const RowButton& button : row->buttons)
          OnEach<BmpButton>(*this, button.name, [this](BmpButton& b) { b.OnClick = [this](BmpButton& s) { MainLmuteBtnClick(s); }; });
        break;
      default: break;
    }
  }
  for (const RadioGroup& group : RadioGroups())
    for (const std::string& name : group.buttons)
      OnEach<BmpButton>(*this, name, [this](BmpButton& b) { b.OnClick = [this](BmpButton& s) { SysMusInputLevelClick(s); }; });

  // The pairs and the bottom bar's commands (after the toggles above: "EQ Reset" and "EQ pass" have
  // handlers of their own).
  const auto wirePair = [this](const PageRow& row, void (TForm1::*handler)(BmpButton&)) {
    for (const RowButton& button : row.buttons)
      OnEach<BmpButton>(*this, button.name, [this, handler](BmpButton& b) { b.OnClick = [this, handler](BmpButton& s) { (this->*handler)(s); }; });
  };
  const std::vector<PageRow>& bar = BottomBarRows();
  wirePair(MicGroupRow(), &TForm1::MicABtnClick);
  wirePair(bar[AutoManualRow], &TForm1::AutoModeBtnClick);
  wirePair(bar[SingDiscoRow], &TForm1::SingModeBtnClick);
  wirePair(bar[EqResetRow], &TForm1::EQResetBtnClick);
  wirePair(bar[EqPassRow], &TForm1::MusEQAllpassBtnClick);
  const PageRow& link = bar[LinkPairRow];
  OnEach<BmpButton>(*this, link.buttons[0].name, [](BmpButton& b) { b.OnClick = [](BmpButton&) { LinkConnect(); }; });
  OnEach<BmpButton>(*this, link.buttons[1].name, [](BmpButton& b) { b.OnClick = [](BmpButton&) { LinkDisconnect(); }; });

  WireSystemHandlers();
}
