#include "value_ops.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "binding_state.h"
#include "combo_box.h"
#include "control_lookup.h"
#include "control_state_op.h"
#include "dialogs.h"
#include "edit.h"
#include "senders.h"
#include "status_pane.h"
#include "track_bar.h"
#include "value_scales.h"

namespace {

constexpr int FrequencyKind = 2, GainKind = 3, QKind = 4;

double Stepped(double x, ValueStep step) {
  return step == ValueStep::Up ? x + 1 : step == ValueStep::Down ? x - 1 : x;
}

// The band's mode (its role-0 value) for a field address of the band.
int BandModeOf(ParamAddress address) {
  const int role = LocateBand(address) & 0xFF;
  return ViewValue(address - role);
}

bool InView(ParamAddress address) {
  return address >= 0 && address <= 0xFFFF && ChannelOf(address) < ChannelCount && SlotOf(address) < ViewColumns;
}

// Moves the slot's slider without running its handler.
void MoveSlider(ParamAddress address, double x) {
  TrackBar* slider = PrimaryAs<TrackBar>(address);
  if (!slider) slider = TripleAs<TrackBar>(address, 0);
  if (!slider) return;
  bindingState.SliderSync = true;
  slider->SetPosition(static_cast<int>(std::lround(x)));
  bindingState.SliderSync = false;
}

// A band edit's text for kinds 2 to 4; the edit becomes current (frequency) and its band selected.
void ShowBandField(Edit& edit, int kind, ParamAddress e, double x) {
  edit.SetText(QString::fromStdString(ValueKindText(kind, x).value_or(std::string())));
  if (kind == FrequencyKind)
    if (auto* current = PrimaryAs<Edit>(e)) bindingState.CurrentEdit = current;
  ControlStateOp(&edit, StateAction::SelectBand, EqGroupOfChannel(e));
}

}  // namespace

void ApplyValue(QWidget* control, ValueStep step, ApplyMode mode, double x) {
  auto* data = ControlDataOf(control);
  if (!data) return;
  auto* edit = qobject_cast<Edit*>(control);
  auto* pane = qobject_cast<StatusPane*>(control);
  auto* list = qobject_cast<ComboBox*>(control);
  if (!edit && !pane && !list) return;
  if (list && data->Hint.isEmpty()) return;
  const int kind = HintValue(*data);
  if (pane && kind <= 5) return;
  const ParamAddress e = ResolveQSlot(data->Tag);
  if (!InView(e)) return;
  const bool commit = mode == ApplyMode::Commit;

  if (kind == 1 && list) {
    list->SetItemIndex(static_cast<int>(x));
  } else if ((kind == FrequencyKind || kind == GainKind || kind == QKind) && edit) {
    if (kind == QKind && !commit) x = ViewValue(e);  // the Q of the band's current mode
    if (commit) {
      const int high = kind == FrequencyKind ? 361 : kind == GainKind ? 180 : (BandModeOf(e) == 0 ? 100 : 28);
      x = std::clamp(Stepped(x, step), 0.0, static_cast<double>(high));
    }
    ShowBandField(*edit, kind, e, x);
  } else if (kind >= 6 && kind <= 19 && pane) {
    if (const auto range = ValueKindRange(kind)) x = std::clamp(x, double(range->low), double(range->high));
    pane->SetCaption(QString::fromStdString(ValueKindText(kind, x).value_or(std::string())));
  }

  // Every stored value is a 16-bit parameter; keep a stray number inside what an integer holds.
  x = std::clamp(x, -65536.0, 131072.0);
  const auto v = static_cast<std::int32_t>(std::trunc(x));
  MoveSlider(e, x);
  if (kind <= 4) {
    paramImage.ViewTable[static_cast<std::size_t>(ChannelOf(e))][static_cast<std::size_t>(SlotOf(e))] = v;
    const int channel = ChannelOf(MapMicGroup(e));
    paramImage.DeviceTable[static_cast<std::size_t>(channel)]
                          [static_cast<std::size_t>(BankSlot(ChannelOf(e), SlotOf(e), paramImage.ActiveBank))] = v;
  }
  if (commit) {
    if (kind <= 4)
      WriteEqField(e, v);
    else
      WriteParam(e, v);
  }
  if ((kind <= 7 || kind == 13 || kind == 19) && !bindingState.BindingBusy) {
    bindingState.LastChangedAddress = e;
    bindingState.LastChangedValue = v;
  }
}

std::string KeepNumberChars(const std::string& text) {
  std::string kept;
  for (const char c : text)
    if (c == '-' || c == '.' || (c >= '0' && c <= '9')) kept += c;
  return kept;
}

void CommitEdit(ValueStep step) {
  Edit* edit = bindingState.CurrentEdit;
  if (!edit || edit == panelControls.Example) return;
  const QString lastGood = QString::fromStdString(bindingState.LastGoodText);
  const std::string kept = KeepNumberChars(edit->Text().toStdString());
  double number = 0;
  const auto [end, error] = std::from_chars(kept.data(), kept.data() + kept.size(), number);
  if (kept.empty() || error != std::errc() || end != kept.data() + kept.size()) {
    edit->SetText(lastGood);
    return;
  }
  if (edit->Hint.isEmpty()) {
    ShowMessage("", "error");
    edit->SetText(lastGood);
    return;
  }
  const int kind = HintValue(*edit);
  ApplyValue(edit, step, ApplyMode::Commit, TextToIndex(kind, number));
  bindingState.LastGoodText = edit->Text().toStdString();
}
