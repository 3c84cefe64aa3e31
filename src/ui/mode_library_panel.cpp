// The mode-file library of the System page: the list of the mode files in the mode folder, the name
// field, and the buttons that save the device's whole set as a mode file and load one back and
// upload it. The file format and the folder work are the mode library's; this is what the user sees.

#include <algorithm>
#include <string>
#include <system_error>

#include "bmp_button.h"
#include "control_names.h"
#include "diagnostic_log.h"
#include "dialogs.h"
#include "edit.h"
#include "link_session.h"
#include "main_form.h"
#include "mode_folders.h"
#include "mode_library.h"
#include "mode_name.h"
#include "startup_state.h"
#include "value_list.h"

namespace {

constexpr char OverwriteCaption[] = "*prompt*";
constexpr char OverwriteQuestion[] = "File already exists, overwrite it?";
constexpr char LoadCaption[] = "Confirm";
constexpr int UploadAction = 6;  // the link uploads channels 0..8 from the device table

// The mode-file messages go in a plain box.
void ShowModeMessage(const std::string& text) { ShowMessage(ApplicationTitle, text); }

// A name that would not give a file directly inside the mode folder is refused, and the user is told.
bool Usable(const std::string& name) {
  const std::string refusal = ModeNameRefusal(name);
  if (!refusal.empty()) ShowMessage(PromptCaption, refusal);
  return refusal.empty();
}

// Whether saving under the name replaces a file: one in the list, or one that came since the list
// was read (another program may have put it there).
bool Exists(const std::string& name) {
  const auto& names = modeFolders.ModeFileNames;
  if (std::find(names.begin(), names.end(), name) != names.end()) return true;
  std::error_code error;
  return std::filesystem::exists(ModeFilePath(modeFolders.ModeFolder, name), error);
}

// Loads the file and, when it is good, uploads the whole set; the diagnostic log lists the values
// it applied. A refused file changes nothing. True when the file was loaded.
bool LoadModeSet(const std::string& name) {
  const ModeFileReport report = LoadModeFile(modeFolders.ModeFolder, name);
  if (!report.result.ok()) {
    AppendLog("mode file \"" + name + "\" not loaded: " + report.result.detail);
    ShowModeMessage(report.result.message);
    return false;
  }
  ClearLog();
  for (const ModeValue& v : report.content.values) AppendLog(std::to_string(v.address) + " " + std::to_string(v.value));
  RunLinkAction(UploadAction);
  return true;
}

}  // namespace

void TForm1::RefreshModeList() {
  auto* list = Control<ValueList>(ControlName::ValueListEditor1);
  auto* field = Control<Edit>(ControlName::FileEdit);
  if (!list || !field) return;
  std::vector<std::string>& names = modeFolders.ModeFileNames;
  const std::string typed = field->Text().toStdString();
  list->Clear();
  names.clear();
  for (const std::string& file : ListModeFiles(modeFolders.ModeFolder)) {
    names.push_back(StripModeExtension(file));
    list->AppendRow(QString::number(names.size() - 1), QString::fromStdString(names.back()));
  }
  list->setToolTip(QString::fromStdU16String(modeFolders.ModeFolder.u16string()));
  // The row of the name in the field stays chosen (a name just saved); otherwise the first row.
  const auto at = std::find(names.begin(), names.end(), typed);
  if (!names.empty()) list->SetRow(at == names.end() ? 1 : static_cast<int>(at - names.begin()) + 1);
  field->SetText(list->Value(list->Row() - 1));
}

void TForm1::ValueListEditor1Click(ValueList& sender) {
  auto* field = Control<Edit>(ControlName::FileEdit);
  if (!field) return;
  // The rows already show the names without their extension.
  field->SetText(sender.Value(sender.Row() - 1));
  if (startupState.FormShown == 1) field->setFocus();
}

void TForm1::ValueListEditor1KeyPress(ValueList&, QChar& key) { key = QChar(); }

void TForm1::RzBmpButton120Click(BmpButton&) {
  auto* field = Control<Edit>(ControlName::FileEdit);
  const std::string name = field ? field->Text().toStdString() : std::string();
  if (name.empty() || !Usable(name)) return;
  if (Exists(name) && (!dialogs || dialogs->Show(OverwriteCaption, OverwriteQuestion, DialogButtons::OkCancel) != DialogAnswer::Ok))
    return;
  const ModeFileResult saved = SaveModeFile(modeFolders.ModeFolder, name);
  if (!saved.ok()) {
    ShowModeMessage(saved.message);
    return;
  }
  RefreshModeList();
}

void TForm1::RzBmpButton119Click(BmpButton&) {
  auto* field = Control<Edit>(ControlName::FileEdit);
  const std::string name = field ? field->Text().toStdString() : std::string();
  if (name.empty() || !Usable(name)) return;
  const std::string question = "Load Mode：" + name + " ?";
  if (!dialogs || dialogs->Show(LoadCaption, question, DialogButtons::YesNo) != DialogAnswer::Yes) return;
  // The file's set replaces the user's edits: they can no longer be undone.
  if (LoadModeSet(name)) history_.Clear();
}
