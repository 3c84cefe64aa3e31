// The handlers of the System page and of the lock panel: the system password and the user level, the
// changes of both device passwords, the unlock at connection, and the recall and save of the device's
// presets. The passwords are the device's: they arrive with the download, are compared with what the
// user types and are written back to the device; the panel keeps none of its own.

#include <algorithm>
#include <string>

#include "bmp_button.h"
#include "combo_box.h"
#include "control_names.h"
#include "control_table.h"
#include "dialogs.h"
#include "edit.h"
#include "link_session.h"
#include "main_form.h"
#include "page_control.h"
#include "panel_tables.h"
#include "param_image.h"
#include "send_state.h"
#include "senders.h"
#include "system_addresses.h"
#include "value_list.h"

namespace {

constexpr QChar Backspace(8), Enter(13);

bool Connected() { return sendState.LinkState == LinkConnected; }

// The user level as last stored: 0 "User", 1 "Administrators".
int UserLevel() {
  const ParamAddress level = SystemRadioRows()[0].address;
  return paramImage.ViewTable[ChannelOf(level)][SlotOf(level)];
}

bool IsDigit(QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); }

bool AllDigits(const QString& text) { return std::all_of(text.begin(), text.end(), IsDigit); }

// Only Backspace, Enter and the digits reach a password field.
void KeepDigitKeys(QChar& key) {
  if (key != Backspace && key != Enter && !IsDigit(key)) key = QChar();
}

void SetEnabled(QWidget* widget, bool enabled) {
  if (widget) widget->setEnabled(enabled);
}

struct PasswordFields {
  Edit* old;
  Edit* fresh;
  Edit* again;
};

PasswordFields FieldsOf(const TForm1& form, const PasswordChangeFields& change) {
  return {form.Control<Edit>(change.fields[0]), form.Control<Edit>(change.fields[1]), form.Control<Edit>(change.fields[2])};
}

// Back to the start of a change: the new fields disabled and all three empty.
void ResetPasswordChange(const PasswordFields& f) {
  for (Edit* field : {f.fresh, f.again}) field->setEnabled(false);
  for (Edit* field : {f.fresh, f.again, f.old}) field->clear();
}

// The device takes the new password as a digit string; only a password that went out replaces the
// one the panel compares with.
void CommitPassword(const PasswordChangeFields& change, const QString& password) {
  if (!AllDigits(password)) {
    ShowMessage(PromptCaption, "Password not changed: a password holds only the digits 0 to 9.");
    return;
  }
  const std::string digits = password.toStdString();
  if (WriteText(change.address, digits) != SendResult::Sent) {
    ShowMessage(PromptCaption, "Password not changed: it could not be sent to the device.");
    return;
  }
  paramImage.*change.stored = digits;
}

// One key press in any of a password change's three fields. The key has not reached its field yet,
// so every step sees the texts as they were before it: after the last digit of an entry one more key
// (Enter, say) opens the next field or completes the change.
void ChangePassword(const TForm1& form, const PasswordChangeFields& change, QChar& key) {
  KeepDigitKeys(key);
  const PasswordFields f = FieldsOf(form, change);
  if (!f.old || !f.fresh || !f.again) return;
  const QString stored = QString::fromStdString(paramImage.*change.stored);
  if (f.old->Text() != stored || stored.size() != change.length || !Connected()) return;
  f.fresh->setEnabled(true);
  if (f.fresh->Text().size() == change.length) f.again->setEnabled(true);
  if (f.fresh->Text().size() != change.length || f.again->Text().size() != change.length) return;
  if (f.fresh->Text() != stored && f.fresh->Text() == f.again->Text())
    CommitPassword(change, f.fresh->Text());
  else if (f.fresh->Text() != f.again->Text())
    ShowMessage(PromptCaption, "Password different!");
  ResetPasswordChange(f);
  key = QChar();  // the key that ended the change goes into none of the emptied fields
}

// The preset name as the device keeps it: one byte a character, printable ASCII (others become "?",
// as a received name shows them).
std::string PresetNameBytes(const QString& text) {
  std::string bytes;
  for (const QChar ch : text) bytes += ch.unicode() >= 0x20 && ch.unicode() < 0x7F ? static_cast<char>(ch.unicode()) : '?';
  return bytes;
}

}  // namespace

void TForm1::WireSystemHandlers() {
  for (const char* name : {ControlName::SysPassEdit, ControlName::PanelPassWordEdit})
    if (auto* edit = Control<Edit>(name)) edit->OnKeyPress = [this](Edit& s, QChar& key) { SysPassEditKeyPress(s, key); };
  for (const char* name : SystemPasswordChange.fields)
    if (auto* edit = Control<Edit>(name)) edit->OnKeyPress = [this](Edit& s, QChar& key) { SysPanelLabel1KeyPress(s, key); };
  for (const char* name : KeyLockPasswordChange.fields)
    if (auto* edit = Control<Edit>(name)) edit->OnKeyPress = [this](Edit& s, QChar& key) { PassPanelLabel1KeyPress(s, key); };
  const auto wireClick = [this](const char* name, void (TForm1::*handler)(BmpButton&)) {
    if (auto* button = Control<BmpButton>(name)) button->OnClick = [this, handler](BmpButton& s) { (this->*handler)(s); };
  };
  wireClick(ControlName::RzBmpButton118, &TForm1::RzBmpButton118Click);
  wireClick(ControlName::RzBmpButton4, &TForm1::RzBmpButton4Click);
  wireClick(ControlName::RzBmpButton121, &TForm1::RzBmpButton121Click);
  wireClick(ControlName::RzBmpButton138, &TForm1::RzBmpButton121Click);
  wireClick(ControlName::RzBmpButton120, &TForm1::RzBmpButton120Click);
  wireClick(ControlName::RzBmpButton119, &TForm1::RzBmpButton119Click);
  if (auto* list = Control<ValueList>(ControlName::ValueListEditor1)) {
    list->OnClick = [this](ValueList& s) { ValueListEditor1Click(s); };
    list->OnKeyPress = [this](ValueList& s, QChar& key) { ValueListEditor1KeyPress(s, key); };
  }
}

void TForm1::SysPassEditKeyPress(Edit&, QChar& key) { KeepDigitKeys(key); }

void TForm1::RzBmpButton118Click(BmpButton&) {
  auto* field = Control<Edit>(ControlName::SysPassEdit);
  if (!field) return;
  const QString typed = field->Text();
  field->clear();
  const QString stored = QString::fromStdString(paramImage.SystemPassword);
  if (typed != stored || typed.size() != SystemPasswordChange.length) {
    ShowMessage(PromptCaption, "Password error");
    return;
  }
  if (!Connected()) return;
  // The user level may now be chosen once; the device is told the password was given.
  SetEnabled(panelControls.SysUserMangerGrop, true);
  WriteText(SystemPasswordAddress, typed.toStdString());
}

void TForm1::SysPanelLabel1KeyPress(Edit&, QChar& key) { ChangePassword(*this, SystemPasswordChange, key); }

void TForm1::PassPanelLabel1KeyPress(Edit&, QChar& key) { ChangePassword(*this, KeyLockPasswordChange, key); }

void TForm1::RzBmpButton4Click(BmpButton&) {
  auto* field = panelControls.PanelPassWordEdit;
  if (!field) return;
  const QString typed = field->Text();
  field->clear();
  const QString stored = QString::fromStdString(paramImage.PanelPassword);
  if (typed != stored || stored.size() != KeyLockPasswordChange.length) return;
  if (panelControls.FirstCheckGrop) panelControls.FirstCheckGrop->hide();
  SetEnabled(panelControls.TopTileGrop, true);
  SetEnabled(panelControls.FormPageItem, true);
  ShowMessage(ApplicationTitle, "Unlock Success");
}

void TForm1::RzBmpButton121Click(BmpButton& sender) {
  ComboBox* presets = panelControls.SysModeBox;
  const int slot = presets ? presets->ItemIndex() : -1;
  // A preset number the device reported outside 1..15 leaves the list without a choice: there is
  // nothing to recall or save then.
  const bool chosen = slot >= 0 && slot < PresetSlotCount;
  if (&sender == Control<BmpButton>(ControlName::RzBmpButton121)) {
    if (!chosen) return;
    const std::string question = "Load to " + presets->itemText(slot).toStdString() + "?";
    if (dialogs && dialogs->Show(PromptCaption, question, DialogButtons::YesNo) == DialogAnswer::Yes)
      WriteParam(PresetRecallAddress, slot);
    return;
  }
  if (UserLevel() != 1) {
    ShowMessage(PromptCaption, "User mode can not save operation!");
    return;
  }
  if (!chosen) return;
  if (!Connected()) {
    ShowMessage(PromptCaption, "The device is not connected or busy: nothing was saved.");
    return;
  }
  const QString name = panelControls.PresetModeEdit ? panelControls.PresetModeEdit->Text() : QString();
  const std::string question = "Save Mode to  " + std::to_string(slot + 1) + "-" + name.toStdString() + "?";
  if (!dialogs || dialogs->Show(PromptCaption, question, DialogButtons::YesNo) != DialogAnswer::Yes) return;
  StartPresetSave(slot, PresetNameBytes(name));
}
