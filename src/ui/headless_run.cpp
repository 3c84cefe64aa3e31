#include "headless_run.h"

#include <QCoreApplication>
#include <QObject>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "dialogs.h"
#include "line_port.h"
#include "link_session.h"
#include "link_texts.h"
#include "link_timers.h"
#include "mode_compare.h"
#include "mode_library.h"
#include "param_image.h"
#include "port_list.h"
#include "receiver.h"
#include "send_state.h"
#include "settings_sheet.h"

namespace {

// Disagreeing cells are listed one a line up to this many; the rest are counted.
constexpr std::size_t DisagreementLines = 20;

// One line on stderr; a text of several lines (a failure with its reasons) is joined with "; ".
void Say(const std::string& text) {
  std::string line;
  for (const char c : text) line += c == '\n' ? std::string("; ") : std::string(1, c);
  std::fprintf(stderr, "dsp-panel: %s\n", line.c_str());
}

// The session's host, window and dialogs in one, printing instead of showing. It counts completed
// transfers and notices the messages by which the session reports a failed or lost link.
class HeadlessLink : public QObject, public LinkHost, public LinkWindow, public Dialogs {
 public:
  explicit HeadlessLink(std::vector<std::string> ports) : ports_(std::move(ports)) {
    comPort = &port_;
    AttachReceiver(port_);
    sessionState.host = this;
    dialogs = this;
  }
  ~HeadlessLink() override {
    dialogs = nullptr;
    sessionState.host = nullptr;
    comPort = nullptr;
  }

  // Runs the link until the transfer under way ends (true) or the session gives up (false).
  bool AwaitTransfer() {
    const int before = transfersDone_;
    while (transfersDone_ == before && !failed_) {
      const SessionState& s = sessionState;
      if (!s.Timer1On && !s.Timer2On && !s.HoldTimerOn) return false;  // nothing under way
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return !failed_;
  }

  void SetTimer(LinkTimer timer, bool on) override { timers_.Set(timer, on); }
  std::vector<std::string> ListPorts() override { return ports_.empty() ? ListSerialPorts() : ports_; }
  std::string RefusalReason(const std::string& port) override { return port_.RefusalReason(port); }
  void UpdateStatusDialog(int, bool) override {}
  LinkWindow* Window() override { return this; }

  void SelectLinkButton(bool) override {}
  void ImageReloaded() override { ++transfersDone_; }
  void ShowMainWindow() override {}
  void RebuildPresetList() override {}
  void ShowLinkTexts() override {
    if (linkTexts.LinkLabel == shownLabel_) return;
    shownLabel_ = linkTexts.LinkLabel;
    Say(shownLabel_);
  }

  // The session's messages are its failures ("Connect Failure!", "Device Disconnect!"). Nothing
  // here agrees to a question.
  DialogAnswer Show(const std::string&, const std::string& text, DialogButtons buttons) override {
    Say(text);
    failed_ = true;
    switch (buttons) {
      case DialogButtons::Ok: return DialogAnswer::Ok;
      case DialogButtons::OkCancel: return DialogAnswer::Cancel;
      case DialogButtons::YesNo: return DialogAnswer::No;
    }
    return DialogAnswer::Cancel;
  }
  void Pause(int) override {}

 private:
  std::vector<std::string> ports_;
  LinePort port_;
  LinkTimers timers_{this};
  int transfersDone_ = 0;
  bool failed_ = false;
  std::string shownLabel_;
};

std::string FileFailure(const std::string& file, const ModeFileResult& result) {
  std::string text = file + ": " + result.message;
  if (!result.detail.empty() && result.message.find(result.detail) == std::string::npos)
    text += " (" + result.detail + ")";
  return text;
}

HeadlessExit Backup(HeadlessLink& link, const std::string& file) {
  // A file that cannot be written is known before the device is troubled.
  const std::filesystem::path folder = std::filesystem::path(file).parent_path();
  std::error_code error;
  if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
    Say(file + ": the folder " + folder.string() + " does not exist");
    return HeadlessExit::FileNotWritten;
  }
  LinkConnect();
  if (!link.AwaitTransfer()) return HeadlessExit::NoDevice;
  const ModeFileContent content = ModeFileContentOf(paramImage.DeviceTable);
  const ModeFileResult written = WriteModeFile(file, EncodeModeFile(content));
  LinkFormCloseQuery();
  if (!written.ok()) {
    Say(FileFailure(file, written));
    return HeadlessExit::FileNotWritten;
  }
  Say("saved " + std::to_string(content.values.size()) + " values to " + file);
  return HeadlessExit::Done;
}

void ReportDisagreement(const std::vector<ModeValue>& differing, const std::string& file) {
  Say("the device holds other values than " + file + " in " + std::to_string(differing.size()) + " cells");
  for (std::size_t i = 0; i < differing.size() && i < DisagreementLines; ++i) {
    const ModeValue& cell = differing[i];
    const std::int32_t held = paramImage.DeviceTable[static_cast<std::size_t>(cell.channel())]
                                                    [static_cast<std::size_t>(cell.column())];
    Say(CellName(cell.address) + ": file " + CellValueText(cell.address, cell.value) + ", device " +
        CellValueText(cell.address, held));
  }
  if (differing.size() > DisagreementLines)
    Say("and " + std::to_string(differing.size() - DisagreementLines) + " more cells");
}

HeadlessExit Restore(HeadlessLink& link, const std::string& file) {
  const ModeFileLines lines = ReadModeFile(file);
  ModeFileReport report;
  report.result = lines.result;
  if (lines.result.ok()) report = CheckModeLines(lines.lines);
  if (!report.result.ok()) {
    Say(FileFailure(file, report.result));
    return HeadlessExit::DamagedFile;
  }
  Say(file + ": " + std::to_string(report.content.values.size()) + " values, good");
  LinkConnect();
  if (!link.AwaitTransfer()) return HeadlessExit::NoDevice;
  ApplyModeLines(lines.lines);
  RunLinkAction(6);  // upload channels 0 to 8
  if (!link.AwaitTransfer()) return HeadlessExit::NoDevice;
  RunLinkAction(2);  // and read them back
  if (!link.AwaitTransfer()) return HeadlessExit::NoDevice;
  LinkFormCloseQuery();
  const std::vector<ModeValue> differing = CellsDiffering(report.content, paramImage.DeviceTable);
  if (!differing.empty()) {
    ReportDisagreement(differing, file);
    return HeadlessExit::DeviceDisagrees;
  }
  Say("the device holds every value of " + file);
  return HeadlessExit::Done;
}

}  // namespace

HeadlessExit RunHeadless(const CommandLine& options) {
  std::vector<std::string> ports;
  for (const QString& port : options.ports) ports.push_back(port.toStdString());
  HeadlessLink link(std::move(ports));
  if (!options.backup.isEmpty()) return Backup(link, options.backup.toStdString());
  return Restore(link, options.restore.toStdString());
}
