#pragma once
// The real main window connected to the virtual device over an in-memory pair, in one thread on a
// simulated clock: the first show presses Connect and the fixture runs the link's timers until the
// download is done. Message boxes are answered by a script. A derived fixture may change the
// device's memory before it calls SetUp.

#include "../link/fake_link_host.h"
#include "link_texts.h"
#include "main_form.h"
#include "process_state.h"
#include "receiver.h"
#include "scripted_dialogs.h"
#include "send_state.h"
#include "virtual_device_port.h"

#include <gtest/gtest.h>

inline constexpr int TickMs = 20;  // the supervision tick; the other timers tick every 5th and 50th

class WindowDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    dialogs = &shown;
    host.ports = {"ttyDSP0"};
    host.window = &form;
    sessionState.host = &host;
    comPort = &port;
    AttachReceiver(port);
    form.show();  // the first show presses Connect
    RunUntilSettled();
  }
  void TearDown() override { ResetProcessState(); }

  // Runs the link's timers until it is connected and nothing waits to be sent.
  void RunUntilSettled() {
    for (int tick = 0; tick < 20000; ++tick) {
      port.Advance(TickMs);
      if (sessionState.Timer1On && tick % 50 == 0) Timer1Timer();
      if (sessionState.Timer2On && tick % 5 == 0) Timer2Timer();
      if (sessionState.HoldTimerOn) HoldTimerTimer();
      if (!sessionState.Timer1On && !sessionState.Timer2On && sendState.LinkState == LinkConnected && sendState.ClearToSend &&
          sendState.PlainQueue.count == 0 && sendState.BandQueue.count == 0 && !sendState.RepeatLast && sendState.PendingAction == 0)
        return;
    }
    FAIL() << "the link did not settle: " << linkTexts.LinkLabel;
  }
  const DeviceRows& Device() const { return device.memory().rows; }
  template <class T>
  T* C(const char* name) {
    return form.Control<T>(name);
  }

  ScriptedDialogs shown;
  FakeHost host;
  VirtualDevice device;
  VirtualDevicePort port{device};
  TForm1 form;
};
