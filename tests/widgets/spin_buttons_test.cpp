#include "spin_buttons.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Past the first repeat's delay (400 ms) and the repeat that follows it.
constexpr int RepeatWindowMs = 500;

TEST(SpinButtonsTest, TheUpperButtonRunsUpRightAndTheLowerOneDownLeft) {
  SpinButtons spin;
  spin.resize(13, 20);
  std::string events;
  spin.OnUpRightClick = [&](SpinButtons&) { events += 'U'; };
  spin.OnDownLeftClick = [&](SpinButtons&) { events += 'D'; };
  QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 3));
  QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 17));
  QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 16));
  EXPECT_EQ(events, "UDD");
}

TEST(SpinButtonsTest, HoldingAButtonRepeatsItsEvent) {
  SpinButtons spin;
  spin.resize(13, 20);
  int ups = 0;
  spin.OnUpRightClick = [&](SpinButtons&) { ++ups; };
  QTest::mousePress(&spin, Qt::LeftButton, {}, QPoint(6, 3));
  EXPECT_EQ(ups, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ups >= 3; }, 3000));
  QTest::mouseRelease(&spin, Qt::LeftButton, {}, QPoint(6, 3));
  const int held = ups;
  QTest::qWait(150);
  EXPECT_EQ(ups, held);
}

// Runs a spin button pair in a window of its own; the upper button counts its events.
struct SpinWindow {
  SpinWindow() : spin(new SpinButtons(&window)) {
    spin->resize(13, 20);
    spin->OnUpRightClick = [this](SpinButtons&) { ++ups; };
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  void Press() { QTest::mousePress(spin, Qt::LeftButton, {}, QPoint(6, 3)); }
  QWidget window;
  SpinButtons* spin;
  int ups = 0;
};

TEST(SpinButtonsTest, ADisabledControlTakesNoPress) {
  SpinWindow idle;
  idle.spin->setEnabled(false);
  idle.Press();
  QTest::qWait(RepeatWindowMs);
  EXPECT_EQ(idle.ups, 0);
}

// A held button whose release can no longer come back (the control went away, or a dialog or a menu
// took the mouse) stops repeating, and stays stopped after the dialog or menu is gone.
TEST(SpinButtonsTest, TheRepeatEndsWhenTheHoldIsInterrupted) {
  const std::pair<const char*, std::function<void(SpinButtons&)>> cases[] = {
      {"disabled", [](SpinButtons& spin) { spin.setEnabled(false); }},
      {"hidden", [](SpinButtons& spin) { spin.hide(); }},
      {"a menu opens",
       [](SpinButtons& spin) {
         auto* menu = new QMenu(&spin);
         menu->addAction(QStringLiteral("Save"));
         menu->popup(spin.mapToGlobal(QPoint(0, 0)));
         QTimer::singleShot(RepeatWindowMs, menu, &QMenu::close);
       }},
      {"a dialog opens",
       [](SpinButtons& spin) {
         QTimer::singleShot(0, &spin, [&spin] {
           QDialog dialog(spin.window());
           QTimer::singleShot(RepeatWindowMs, &dialog, &QDialog::accept);
           dialog.exec();
         });
       }},
  };
  for (const auto& [what, interrupt] : cases) {
    SCOPED_TRACE(what);
    SpinWindow held;
    // Another window has the activation, so that only the repeat's own look sees a dialog or menu.
    QWidget elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    held.Press();
    interrupt(*held.spin);
    QTest::qWait(RepeatWindowMs + 200);
    EXPECT_EQ(held.ups, 1);
  }
}

// A dialog that the first event opens and that closes again before the first repeat is never seen by
// a repeat; it took the window's activation, and with it the release.
TEST(SpinButtonsTest, ADialogFromTheFirstEventEndsTheHold) {
  SpinWindow held;
  QApplication::setActiveWindow(&held.window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&held.window));
  held.spin->OnUpRightClick = [&](SpinButtons& sender) {
    ++held.ups;
    QDialog dialog(sender.window());
    QTimer::singleShot(50, &dialog, &QDialog::accept);
    dialog.exec();
  };
  held.Press();
  QTest::qWait(RepeatWindowMs);
  EXPECT_EQ(held.ups, 1);
}

}  // namespace
