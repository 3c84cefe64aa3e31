#include "control_state_op.h"

#include "binding_state.h"
#include "bmp_button.h"
#include "control_lookup.h"
#include "edit.h"
#include "image.h"
#include "label.h"
#include "page_control.h"
#include "panel_tables.h"
#include "track_bar.h"

namespace {

const QColor SelectedNumber(82, 171, 225);
const QColor CurrentFrame(0x44, 0x86, 0xFF);
const QColor PreviousFrame(0x80, 0x80, 0x80);

int SelectBand(Edit& edit, int group) {
  if (bindingState.BindingBusy || group < 0 || group >= EqGroupCount) return 0;
  const int band = LocateBand(edit.Tag) / 256;
  bindingState.SelectedBand[group] = band;
  if (bindingState.PreviousEdit != bindingState.CurrentEdit) {
    for (int i = 0; i < BandCountOf(EqGroups[group]); ++i)
      if (Label* number = controlTable.BandPointLabels[group][i]) {
        number->SetTransparent(i != band);
        number->SetColor(SelectedNumber);
      }
    if (bindingState.CurrentEdit)
      if (auto* current = PrimaryAs<Edit>(bindingState.CurrentEdit->Tag)) current->SetFrameColor(CurrentFrame);
    if (bindingState.PreviousEdit)
      if (auto* previous = PrimaryAs<Edit>(bindingState.PreviousEdit->Tag)) previous->SetFrameColor(PreviousFrame);
    bindingState.PreviousEdit = bindingState.CurrentEdit;
  }
  // Keep the selected MIC band in view: the box shows ten columns from the scroll position.
  PageControl* pages = panelControls.FormPageItem;
  TrackBar* scroller = panelControls.MicPanScrollBar;
  if (pages && scroller && pages->ActivePageIndex() == 1) {
    const int p = scroller->Position();
    if (p + 9 < band)
      scroller->SetPosition(band - 9);
    else if (band < p)
      scroller->SetPosition(band);
  }
  return band;
}

int SelectPage(BmpButton& button) {
  const int page = button.Tag;
  const BmpButton* example = panelControls.ExampleBtn;
  for (int i = 0; i < PageCount; ++i) {
    BmpButton* b = controlTable.PageButtons[i];
    if (!b || !example) continue;
    b->SetUp(i == page ? example->Down() : example->Up());
    b->SetDown(example->Down());
    b->SetCaptionColor(i == page ? Qt::white : Qt::black);
    b->setChecked(i == page);
  }
  const int channel = page >= 0 && page < PageCount ? Pages[page].channel : 9;
  return MakeAddress(channel, page);
}

int ToggleButton(BmpButton& button) {
  const int state = HintValue(button) == 1 ? 0 : 1;
  button.Hint = QString::number(state);
  button.SetUp(state == 1 ? button.Down() : button.Disabled());
  button.setChecked(state == 1);
  return state;
}

int TogglePhase(BmpButton& button) {
  const int state = HintValue(button) == 1 ? 0 : 1;
  button.Hint = QString::number(state);
  button.SetCaption(QString::fromUtf8(PhaseCaptions[state]));
  button.setChecked(state == 1);
  return state;
}

// A pair of which one button is pressed: the pressed one shows its lit look (its Down), the other
// its off look, kept in Disabled or, for the Sing/Disco pair, in StayDown.
int SelectPair(BmpButton& sender, BmpButton* first, BmpButton* second, bool offInStayDown) {
  if (!first || !second) return 0;
  const int chosen = &sender == first ? 0 : 1;
  const auto show = [offInStayDown](BmpButton& b, bool on) {
    b.SetUp(on ? b.Down() : offInStayDown ? b.StayDown() : b.Disabled());
    b.setChecked(on);
  };
  show(*first, chosen == 0);
  show(*second, chosen == 1);
  return chosen;
}

void ShowModeImages(Image& image) {
  const int mode = HintValue(image);
  for (int i = 0; i < 3; ++i) {
    Image* target = TripleAs<Image>(image.Tag, i);
    const Image* look = i == mode ? panelControls.ModeOnImages[i] : panelControls.ModeOffImages[i];
    if (target && look) target->SetPicture(look->Picture());
  }
}

}  // namespace

int ControlStateOp(QWidget* control, StateAction action, int group) {
  if (action == StateAction::SelectBand) {
    auto* edit = qobject_cast<Edit*>(control);
    return edit ? SelectBand(*edit, group) : 0;
  }
  if (action == StateAction::ShowModeImages) {
    if (auto* image = qobject_cast<Image*>(control)) ShowModeImages(*image);
    return 0;
  }
  auto* button = qobject_cast<BmpButton*>(control);
  if (!button) return 0;
  const PanelControls& p = panelControls;
  switch (action) {
    case StateAction::SelectPage: return SelectPage(*button);
    case StateAction::ToggleButton: return ToggleButton(*button);
    case StateAction::TogglePhase: return TogglePhase(*button);
    case StateAction::SelectAutoManual: return SelectPair(*button, p.AutoModeBtn, p.ManulModeBtn, false);
    case StateAction::SelectSingDisco: return SelectPair(*button, p.SingModeBtn, p.DiscoModeBtn, true);
    case StateAction::SelectRadio:
      ShowRadioChoice(button->Tag, HintValue(*button));
      return HintValue(*button);
    case StateAction::SelectMicGroup: return SelectPair(*button, p.MicABtn, p.MicBBtn, false);
    case StateAction::SelectLinkButton: return SelectPair(*button, p.LinkBtn, p.UnLinkBtn, false);
    default: return 0;
  }
}

void ShowRadioChoice(ParamAddress address, int index) {
  const RadioGroup* group = RadioGroupOf(address);
  const int count = group ? static_cast<int>(group->buttons.size()) : 2;
  const BmpButton* example = panelControls.ExampleBtn;
  const BmpButton* pressedMark = panelControls.SysInput;
  if (!example || !pressedMark) return;
  for (int i = 0; i < count && i < RadioGroupCells; ++i) {
    BmpButton* b = controlTable.RadioGroupButtons[static_cast<std::size_t>(i)];
    if (!b) continue;
    b->SetDown(pressedMark->Down());
    const bool pressed = i == index;
    if (pressed) {
      b->SetUp(b->Down());
      // A pressed radio greys to the pressed-and-greyed look, except in the music port group, whose
      // first button lends every group its pressed mark.
      if (address != pressedMark->Tag) b->SetDisabled(example->StayDown());
    } else {
      b->SetUp(example->Disabled());
      b->SetDisabled(example->Hot());
    }
    b->setChecked(pressed);
  }
}
