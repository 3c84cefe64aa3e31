#include "link_session.h"

#include <cmath>

#include "com_port.h"
#include "dialogs.h"
#include "frame.h"
#include "link_texts.h"
#include "param_image.h"
#include "receiver.h"
#include "send_queues.h"
#include "send_state.h"
#include "senders.h"
#include "system_addresses.h"

SessionState sessionState;

namespace {

SessionState& S = sessionState;
SendState& T = sendState;

void SetTimer(LinkTimer timer, bool on) {
  switch (timer) {
    case LinkTimer::Scan: S.Timer1On = on; break;
    case LinkTimer::Stepper: S.Timer2On = on; break;
    case LinkTimer::Hold: S.HoldTimerOn = on; break;
  }
  if (S.host) S.host->SetTimer(timer, on);
}

void UpdateStatusDialog(bool visible) {
  if (S.host) S.host->UpdateStatusDialog(TransferPercent(), visible);
}

void SelectLinkButton(bool connect) {
  if (LinkWindow* window = AttachedLinkWindow()) window->SelectLinkButton(connect);
}

// Waiting writes are given up when a transfer begins or ends, and so is the repeat of the last one:
// sent after the transfer, it would put a value from before it back over the device's.
void EmptyPlainQueue() {
  T.PlainQueue.count = 0;
  T.RepeatLast = false;
}

void EmptyQueues() {
  EmptyPlainQueue();
  T.BandQueue.count = 0;
}

// The stepper stops, and with it the wait for a read reply.
void StopStepper() {
  SetTimer(LinkTimer::Stepper, false);
  T.AwaitedReply = {};
}

// Every transfer starts waiting for its first reply. Setting the wait before the request is sent
// matters: a reply that arrives at once must not be overwritten, and a stale acknowledgement from
// before the transfer must not pass for the first reply. It also gives the first request the same
// time-out as every later one: repeated once after about 1.1 s, failed about 10 s later.
void StartTransfer(int last, int direction, const char* label) {
  SetTimer(LinkTimer::Scan, false);
  SetTimer(LinkTimer::Stepper, true);
  SetTimer(LinkTimer::Hold, false);
  S.TransferStep = 0;
  S.TransferLast = static_cast<std::uint8_t>(last);
  S.TransferDirection = direction;
  S.TransferTicks = 0;
  S.AcksOwed = 1;
  T.TransferEvent = TransferWaiting;
  T.LinkState = 0;
  SetLinkLabel(label);
  RequestStep(0, direction);
}

void ConnectFailed() {
  StopStepper();
  SetTimer(LinkTimer::Scan, false);
  T.SendSuppressed = 0;
  SetLinkLabel("Device Disconnect", StatusRed);
  SelectLinkButton(false);
  UpdateStatusDialog(false);
  std::string text = "Connect Failure!";
  for (const auto& line : S.RefusedPorts) text += "\n" + line;
  S.RefusedPorts.clear();
  ShowMessage("Prompt", text);
}

void TryNextPort() {
  if (comPort && comPort->IsOpen()) comPort->Close();
  const int count = static_cast<int>(S.Ports.size());
  S.PortIndex = S.ScanIndex < count ? S.ScanIndex : -1;
  S.ScanLastIndex = S.PortIndex;
  if (S.PortIndex >= 0 && comPort) {
    const std::string& name = S.Ports[static_cast<std::size_t>(S.PortIndex)];
    if (comPort->Open(name)) {
      ResetReceiver();  // nothing half-received on another port, or before, belongs to this one
      SendLinkControl(LinkHello);
    } else if (S.host) {
      S.RefusedPorts.push_back(name + ": " + S.host->RefusalReason(name));
    }
  }
  ++S.ScanIndex;
}

// Moves to the next step of the running transfer and sends its request.
void AdvanceTransfer() {
  int presetSlot = 0;
  if (S.TransferStep == 9) {
    presetSlot = T.NameSlot;
    if (++T.NameSlot > 15) {
      T.NameSlot = 0;
      S.TransferStep = 10;
    }
  } else if (S.TransferStep == 8) {
    presetSlot = T.NameSlot;
    ++T.NameSlot;
    S.TransferStep = 9;
  } else {
    ++S.TransferStep;
  }
  // Set the wait first, as in StartTransfer: the reply may arrive while the request is written.
  T.TransferEvent = TransferWaiting;
  S.TransferTicks = 0;
  S.AcksOwed = 1;
  RequestStep(S.TransferStep, S.TransferDirection, presetSlot);
}

// The running step has its reply: the transfer ends after its last step, else moves on.
void StepAnswered() {
  if (S.TransferStep >= S.TransferLast) {
    T.TransferEvent = TransferNone;
    StopStepper();
    RunLinkAction(1);
  } else {
    AdvanceTransfer();
  }
}

}  // namespace

LinkWindow* AttachedLinkWindow() { return S.host ? S.host->Window() : nullptr; }

int TransferPercent() {
  if (S.TransferLast == 0) return 0;
  return static_cast<int>(std::nearbyint(100.0 * S.TransferStep / S.TransferLast));
}

void LinkConnect() {
  SelectLinkButton(true);
  T.DeviceAnswered = 0;
  S.ScanIndex = 0;
  T.SendSuppressed = 0;
  if (S.host) S.Ports = S.host->ListPorts();
  S.PortIndex = S.Ports.empty() ? -1 : 0;
  S.RefusedPorts.clear();
  SetTimer(LinkTimer::Scan, true);
  StopStepper();
  SetTimer(LinkTimer::Hold, false);
  SetLinkLabel("Equipment search...");
  S.TransferStep = 0;
  S.FirstRefreshStage = 0;
  S.TransferLast = TransferStepsChannels;
  UpdateStatusDialog(true);
}

void LinkDisconnect() {
  SelectLinkButton(false);
  T.LinkState = 0;
  SetTimer(LinkTimer::Scan, false);
  StopStepper();
  SetTimer(LinkTimer::Hold, false);
  SendLinkControl(LinkGoodbye);
  SetLinkLabel("设备未连接");
  S.TransferLast = TransferStepsChannels;
  UpdateStatusDialog(false);
}

void Timer1Timer() {
  UpdateStatusDialog(true);
  if (T.DeviceAnswered == 1) {
    RunLinkAction(4);
    return;
  }
  if (S.ScanIndex > S.ScanLastIndex + 1 || S.PortIndex < 0) {
    S.ScanIndex = 0;
    RunLinkAction(9);
    return;
  }
  TryNextPort();
}

void Timer2Timer() {
  ReceiverTimePassed(StepperIntervalMs);
  if (S.TransferTicks < 100) ++S.TransferTicks;
  UpdateStatusDialog(true);
  const bool replied = T.TransferEvent == TransferDataFrame ||
                       (T.TransferEvent == TransferAcknowledged && S.TransferDirection == 1);
  if (replied) {
    // A read reply is the one asked for (the receiver drops any other); an upload step sent twice
    // is acknowledged twice, and the second acknowledgement must not pass for the next step's.
    if (--S.AcksOwed > 0) {
      T.TransferEvent = TransferCopyAckWaiting;
      S.TransferTicks = 0;
    } else {
      StepAnswered();
    }
  } else if (T.TransferEvent == TransferCopyAckWaiting && S.TransferTicks >= CopyAckWaitTicks) {
    StepAnswered();  // the copy's acknowledgement is lost, or the first one answered the copy
  } else if (T.TransferEvent == TransferWaiting && S.TransferTicks > 10) {
    if (S.TransferStep == 0) {
      RequestStep(0, S.TransferDirection);
      if (S.TransferDirection == 1) ++S.AcksOwed;
    }
    T.TransferEvent = TransferRepeated;
    S.TransferTicks = 0;
  } else if (T.TransferEvent == TransferRepeated && S.TransferTicks >= 100) {
    T.TransferEvent = TransferNone;
    RunLinkAction(9);
  }
}

void HoldTimerTimer() {
  ReceiverTimePassed(HoldIntervalMs);
  T.IdleTicks = T.IdleTicks > 50 ? 50 : T.IdleTicks + 1;

  if (T.ClearToSend && T.PendingAction != 0) {
    const int action = T.PendingAction;
    T.PendingAction = 0;
    RunLinkAction(action);
    T.NoReplySeconds = 0;
    T.IdleTicks = 0;
  } else if (T.PendingAction != 0 && T.IdleTicks == 50) {
    T.IdleTicks = 0;
    if (++T.NoReplySeconds > 50) {
      T.NoReplySeconds = 0;
      SetTimer(LinkTimer::Hold, false);
      RunLinkAction(7);
    }
  }

  DrainPlainQueue();
  DrainBandQueue();

  if (T.LinkState == LinkConnected && T.IdleTicks == 50) {
    T.IdleTicks = 0;
    ++T.NoReplySeconds;
    if (T.ClearToSend) {
      T.ClearToSend = false;
      T.NoReplySeconds = 0;
      SendLinkControl(LinkKeepAlive);
    } else if (T.NoReplySeconds % 3 == 0) {
      // The frame whose acknowledgement is missing goes again, whatever it was: entry 0 of the
      // plain queue may be a write from long before (or from an earlier session) that would put an
      // old value back on the device.
      ResendUnacknowledged();
    }
    if (T.NoReplySeconds > 10) {
      T.NoReplySeconds = 0;
      SetTimer(LinkTimer::Hold, false);
      RunLinkAction(7);
    }
  }
}

void RunLinkAction(int action) {
  switch (action) {
    case 1:  // transfer done
      paramImage.ActiveBank = paramImage.DeviceTable[0][1];
      if (S.FirstRefreshStage == 0) S.FirstRefreshStage = 1;
      if (LinkWindow* window = AttachedLinkWindow()) window->ImageReloaded();
      T.LinkState = LinkConnected;
      EmptyQueues();
      SelectLinkButton(true);
      SetLinkLabel("Device is Connected", StatusBlue);
      UpdateStatusDialog(false);
      if (LinkWindow* window = AttachedLinkWindow()) window->ShowMainWindow();
      SetTimer(LinkTimer::Hold, true);
      break;
    case 2:  // reload after a preset recall
      EmptyQueues();
      StartTransfer(TransferStepsChannels, 0, "Loading...");
      break;
    case 3:  // preset save acknowledged
      if (LinkWindow* window = AttachedLinkWindow()) window->RebuildPresetList();
      T.LinkState = LinkConnected;
      SetLinkLabel("Device is Connected", StatusBlue);
      ShowMessage("Prompt", "Save OK!");
      break;
    case 4:  // connect download
      // A preset action of the connection before does not carry over to the new one.
      T.PendingAction = 0;
      EmptyQueues();
      S.RefusedPorts.clear();
      StartTransfer(TransferStepsDownload, 0, "Linking...");
      break;
    case 5:  // the waiting preset save: the device is clear, the save leaves and waits in turn
      T.ClearToSend = false;
      T.PendingAction = PendingSave;
      WriteText(PresetSaveAddress, T.PresetSaveText);
      break;
    case 6:  // upload of the whole image
      if (T.LinkState != LinkConnected) return;
      EmptyPlainQueue();
      StartTransfer(TransferStepsChannels, 1, "Download...");
      break;
    case 7:  // link lost
      StopStepper();
      SetTimer(LinkTimer::Scan, false);
      T.SendSuppressed = 0;
      T.LinkState = 0;
      SelectLinkButton(false);
      SetLinkLabel("Unlink", StatusRed);
      UpdateStatusDialog(false);
      ShowMessage("Prompt", "Device Disconnect!");
      break;
    case 9:  // connect failed
      ConnectFailed();
      break;
    default:
      break;
  }
}

bool StartPresetSave(int slot, std::string_view name) {
  if (T.LinkState != LinkConnected || slot < 0 || slot >= PresetSlotCount) return false;
  const std::string kept(name.substr(0, PresetNameChars));
  paramImage.PresetNames[static_cast<std::size_t>(slot)] = kept;
  T.PresetSaveText = std::string{static_cast<char>(slot), '\0'} + kept;
  T.PendingAction = PendingSaveWaiting;
  T.LinkState = 0;
  T.NoReplySeconds = 0;
  SetLinkLabel("Saving...");
  return true;
}

void LinkFormCloseQuery() {
  if (T.LinkState == LinkConnected) SendLinkControl(LinkGoodbye);
}
