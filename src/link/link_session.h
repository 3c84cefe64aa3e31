#pragma once
// The link session: finds the port where the device answers, runs the transfers (connect download,
// reload after a preset recall, upload of a mode file), keeps the connected link alive, drains the
// write queues and reports a lost or failed link. The three timer ticks are plain functions; the Qt
// link form only calls them from its timers and carries out what LinkHost asks for.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "link_window.h"

enum class LinkTimer { Scan, Stepper, Hold };

inline constexpr int ScanIntervalMs = 1000;
inline constexpr int StepperIntervalMs = 100;
inline constexpr int HoldIntervalMs = 20;

// What the session needs from the link form around it: its timers, the port list, the status dialog,
// and the main window it was handed (null while none is attached).
class LinkHost {
 public:
  virtual ~LinkHost() = default;
  virtual void SetTimer(LinkTimer timer, bool on) = 0;
  // The system's serial ports, read again at every Connect.
  virtual std::vector<std::string> ListPorts() = 0;
  // Why a port could not be opened, in one line for the user.
  virtual std::string RefusalReason(const std::string& port) = 0;
  // The status dialog takes the status text and the progress (0..100); visible or hidden.
  virtual void UpdateStatusDialog(int percent, bool visible) = 0;
  virtual LinkWindow* Window() = 0;
};

inline constexpr int TransferStepsDownload = 27;  // last step of the connect download
inline constexpr int TransferStepsChannels = 8;   // last step of a reload or an upload

// An upload step that was sent twice waits, once acknowledged, for the copy's acknowledgement too,
// so that it cannot pass for the next step's. A device slow enough to need the repeat answers the
// copy about one step time-out (1.1 s) after the first; the wait leaves room beyond that.
inline constexpr int CopyAckWaitTicks = 20;

struct SessionState {
  LinkHost* host = nullptr;
  std::vector<std::string> Ports;  // the items of ComComboBox1
  int PortIndex = -1;              // its item index; -1 selects nothing
  int ScanIndex = 0;
  int ScanLastIndex = 0;
  std::uint8_t TransferStep = 0;
  std::uint8_t TransferLast = 0;
  int TransferDirection = 0;        // 0 read from the device, 1 upload to it
  std::uint8_t TransferTicks = 0;   // 100 ms ticks since the last step, up to 100
  int AcksOwed = 0;                 // acknowledgements the running upload step has still coming
  int FirstRefreshStage = 0;
  std::vector<std::string> RefusedPorts;  // "port: reason" lines of the running scan
  bool Timer1On = false;
  bool Timer2On = false;
  bool HoldTimerOn = false;
};

extern SessionState sessionState;

inline constexpr std::uint32_t StatusRed = 0xFF0000;
inline constexpr std::uint32_t StatusBlue = 0x003399;

void LinkConnect();     // LinkBtnClick for LinkBtn
void LinkDisconnect();  // LinkBtnClick for UnLinkBtn
void Timer1Timer();     // port scan, every 1000 ms
void Timer2Timer();     // transfer stepper, every 100 ms
void HoldTimerTimer();  // supervision, every 20 ms
void RunLinkAction(int action);
// Saves the device's set as preset `slot` (0..14) under `name` (cut to 20 characters): the name goes
// into PresetNames, the status reads "Saving..." and the save frame leaves on the supervision tick
// once the device has acknowledged the frame before it, so "Save OK!" answers the save itself.
// Only while connected and idle; otherwise nothing changes and the result is false.
bool StartPresetSave(int slot, std::string_view name);
// The main window attached to the session's host, or null.
LinkWindow* AttachedLinkWindow();
// Closing the main window: the goodbye frame when connected.
void LinkFormCloseQuery();
// The status dialog's progress: TransferStep / TransferLast in percent, halves to even.
int TransferPercent();
