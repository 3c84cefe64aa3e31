#pragma once
// The real main window, shown, on a connected link over an in-memory port that records every frame
// and acknowledges on request; message boxes are answered by a script. Tests drive the controls and
// read the image, the frames sent and the controls.

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "binding_state.h"
#include "control_table.h"
#include "frame.h"
#include "link_session.h"
#include "main_form.h"
#include "memory_port.h"
#include "param_image.h"
#include "process_state.h"
#include "receiver.h"
#include "scripted_dialogs.h"
#include "send_queues.h"
#include "send_state.h"

// One frame the panel sent: its address and data as 16-bit values, low byte first.
struct Sent {
  ParamAddress address;
  std::vector<int> values;
  bool operator==(const Sent&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Sent& sent) {
  out << std::hex << "0x" << sent.address << std::dec << " [";
  for (int v : sent.values) out << ' ' << v;
  return out << " ]";
}

class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProcessState();
    dialogs = &shown;
    form = std::make_unique<TForm1>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    port.Open("COM1");
    comPort = &port;
    AttachReceiver(port);
    sendState.LinkState = LinkConnected;
    sendState.ClearToSend = true;
  }
  void TearDown() override {
    form.reset();
    ResetProcessState();
  }

  template <class T>
  T* C(const std::string& name) {
    T* control = form->Control<T>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  // Acknowledges and drains the queues until everything waiting has left, as the device and the
  // supervision tick would; returns every frame sent since the last call.
  std::vector<Sent> Sends() {
    for (int i = 0; i < 400; ++i) {
      if (!sendState.ClearToSend) port.Feed({AckStart, AckOk});
      if (sendState.PlainQueue.count == 0 && sendState.BandQueue.count == 0 && !sendState.RepeatLast) break;
      HoldTimerTimer();
    }
    std::vector<Sent> sent;
    for (const auto& bytes : port.writes) {
      Sent s{bytes[4] << 8 | bytes[5], {}};
      for (std::size_t i = 6; i + 1 < bytes.size() - 1; i += 2) s.values.push_back(bytes[i] | bytes[i + 1] << 8);
      sent.push_back(s);
    }
    port.writes.clear();
    return sent;
  }
  // The values written to a plain parameter, in order; repeats of one value count once (the queue
  // sends its last write a second time).
  static std::vector<int> WritesTo(ParamAddress address, const std::vector<Sent>& sent) {
    std::vector<int> values;
    for (const Sent& s : sent)
      if (s.address == address && s.values.size() == 1 && (values.empty() || values.back() != s.values[0]))
        values.push_back(s.values[0]);
    return values;
  }
  // A turn of the mouse wheel over a control, as the window system delivers it: a control that does
  // not use it passes it on to its parents.
  static void Wheel(QWidget* over, int delta) {
    const QPointF at(over->width() / 2.0, over->height() / 2.0);
    QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::sendEvent(over, &event);
  }
  static int View(ParamAddress a) { return paramImage.ViewTable[ChannelOf(a)][SlotOf(a)]; }

  ScriptedDialogs shown;
  MemoryPort port;
  std::unique_ptr<TForm1> form;
};
