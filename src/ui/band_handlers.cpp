// The handlers of the equaliser band controls: the band edits (click, keys, leaving), the wheel, the
// spin buttons, the band gain sliders and the common band editor's, the mode boxes and images, and
// the band numbers. The keys, the wheel and the spin buttons act on the current band edit.

#include "binding_state.h"
#include "combo_box.h"
#include "control_lookup.h"
#include "control_state_op.h"
#include "edit.h"
#include "image.h"
#include "label.h"
#include "main_form.h"
#include "send_state.h"
#include "senders.h"
#include "spin_buttons.h"
#include "track_bar.h"
#include "value_ops.h"

namespace {

constexpr int WheelNotch = 120;  // one step per notch, however finely a touchpad reports its turn

// A band edit of the table: its own address leads back to it (a Q edit through its shelving Q).
bool IsBandEdit(const Edit& edit) { return PrimaryAs<Edit>(edit.Tag) == &edit; }

}  // namespace

void TForm1::MusFreEdit1Click(Edit& sender) {
  Edit* edit = PrimaryAs<Edit>(sender.Tag);
  if (!edit) return;
  bindingState.WheelArmed = 1;
  bindingState.CurrentEdit = edit;
  edit->setFocus();
  bindingState.LastGoodText = edit->Text().toStdString();
  // The value is applied again, which writes its text in the scale's form and selects its band,
  // but nothing is sent.
  const int suppressed = sendState.SendSuppressed;
  sendState.SendSuppressed = 1;
  CommitEdit(ValueStep::None);
  sendState.SendSuppressed = suppressed;
}

void TForm1::MusFreEdit1KeyPress(Edit& sender, QChar& key) {
  bindingState.CurrentEdit = &sender;
  const char16_t c = key.unicode();
  const bool kept = c == 8 || c == 13 || c == u'-' || c == u'.' || (c >= u'0' && c <= u'9');
  if (!kept) {
    key = QChar();
    return;
  }
  if (c == 13) MusFreEdit1Exit(sender);
}

void TForm1::MusFreEdit1KeyDown(Edit& sender, int key) {
  // The arrows step the edit they are typed into, wherever the last change was made.
  if (IsBandEdit(sender)) bindingState.CurrentEdit = &sender;
  Edit* current = bindingState.CurrentEdit;
  if (!current || current == panelControls.Example || !current->isEnabled() || PanelLocked()) return;
  if (key == Qt::Key_Up || key == Qt::Key_Right)
    CommitEdit(ValueStep::Up);
  else if (key == Qt::Key_Down || key == Qt::Key_Left)
    CommitEdit(ValueStep::Down);
}

void TForm1::MusFreEdit1Exit(Edit&) {
  Edit* current = bindingState.CurrentEdit;
  if (!current || current == panelControls.Example) return;
  if (current->Text().isEmpty())
    current->SetText(QString::fromStdString(bindingState.LastGoodText));
  else
    CommitEdit(ValueStep::None);
}

bool TForm1::FormMouseWheel(int delta) {
  if (bindingState.WheelArmed != 1) return false;
  Edit* current = bindingState.CurrentEdit;
  if (!current || !current->isEnabled() || PanelLocked()) {
    wheelDelta_ = 0;
    return true;
  }
  wheelDelta_ += delta;
  while (wheelDelta_ >= WheelNotch || wheelDelta_ <= -WheelNotch) {
    const bool up = wheelDelta_ > 0;
    wheelDelta_ += up ? -WheelNotch : WheelNotch;
    CommitEdit(up ? ValueStep::Up : ValueStep::Down);
  }
  return true;
}

namespace {

void Spin(SpinButtons& sender, ValueStep step) {
  QWidget* control = CellOf(controlTable.PrimaryControls, sender.Tag);
  if (auto* edit = qobject_cast<Edit*>(control)) {
    bindingState.CurrentEdit = edit;
    edit->setFocus();
    CommitEdit(step);
  } else if (auto* slider = qobject_cast<TrackBar*>(control)) {
    // The slider's own change handler applies and writes the new position.
    slider->SetPosition(slider->Position() + (step == ValueStep::Up ? 1 : -1));
  }
}

}  // namespace

void TForm1::MusFreUpDownBtn1UpRightClick(SpinButtons& sender) { Spin(sender, ValueStep::Up); }

void TForm1::MusFreUpDownBtn1DownLeftClick(SpinButtons& sender) { Spin(sender, ValueStep::Down); }

void TForm1::MusEQGainBar1Change(TrackBar& sender) {
  if (bindingState.SliderSync) return;
  auto* edit = PrimaryAs<Edit>(sender.Tag);
  if (!edit) return;
  bindingState.CurrentEdit = edit;
  ApplyValue(edit, ValueStep::None, ApplyMode::Commit, sender.Position());
}

void TForm1::MusModeBox1Change(ComboBox& sender) {
  const int mode = sender.ItemIndex();
  if (mode < 0 || mode > 2) return;  // no mode chosen: nothing to show, store or send
  const ParamAddress address = sender.Tag;
  if (auto* image = TripleAs<Image>(address, mode)) ControlStateOp(image, StateAction::ShowModeImages);
  if (sendState.SendSuppressed == 1) return;  // a refresh only shows the mode
  WriteEqField(address, mode);
  // The Q edit shows the Q kept for the new mode, without sending it.
  const ParamAddress q = address + (mode == 0 ? 3 : 4);
  if (auto* qEdit = PrimaryAs<Edit>(q)) {
    bindingState.CurrentEdit = qEdit;
    ApplyValue(qEdit, ValueStep::None, ApplyMode::Display,
               paramImage.ViewTable[static_cast<std::size_t>(ChannelOf(q))][static_cast<std::size_t>(SlotOf(q))]);
  }
  bindingState.LastChangedAddress = address;
  bindingState.LastChangedValue = mode;
}

void TForm1::MusPEQBtn1Click(Image& sender) {
  auto* box = PrimaryAs<ComboBox>(sender.Tag);
  if (!box) return;
  box->SetItemIndex(HintValue(sender));
  MusModeBox1Change(*box);
}

void TForm1::MusEQPointLabel1Click(Label& sender) {
  const int band = sender.Caption().toInt();
  const ParamAddress address = (sender.Tag << 8) + 5 * (band - 1) + HintValue(sender);
  auto* edit = PrimaryAs<Edit>(address);
  if (edit && edit->isEnabled()) MusFreEdit1Click(*edit);
}
