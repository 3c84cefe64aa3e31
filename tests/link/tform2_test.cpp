#include "tform2.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>

#include "link_texts.h"
#include "process_state.h"

namespace {

TEST(TForm2, ShowsTheStatusTextAndProgressAndHidesOnRequest) {
  ResetProcessState();
  TForm2 form;
  auto* label = form.findChild<QLabel*>("LinkLabel");
  auto* progress = form.findChild<QProgressBar*>("RzProgressStatus1");
  ASSERT_NE(label, nullptr);
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(form.windowTitle(), QString("Device Staus"));
  EXPECT_EQ(label->text(), QString("设备未连接"));
  EXPECT_EQ(progress->minimum(), 0);
  EXPECT_EQ(progress->maximum(), 100);
  EXPECT_FALSE(form.isModal());
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinMaxButtonsHint));
  bool hintShown = false;
  for (const QLabel* l : form.findChildren<QLabel*>())
    hintShown |= l->text() == QString("Please wait a moment, may take a few seconds！");
  EXPECT_TRUE(hintShown);

  SetLinkLabel("Linking...");
  form.UpdateStatus(37, true);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(label->text(), QString("Linking..."));
  EXPECT_EQ(progress->value(), 37);

  SetLinkLabel("Device Disconnect", 0xFF0000);
  form.UpdateStatus(150, false);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(label->text(), QString("Device Disconnect"));
  EXPECT_EQ(progress->value(), 100);
}

// The main window's status text turns red after a failure; the dialog keeps its own text colour.
TEST(TForm2, KeepsItsOwnTextColour) {
  ResetProcessState();
  TForm2 form;
  auto* label = form.findChild<QLabel*>("LinkLabel");
  ASSERT_NE(label, nullptr);
  label->ensurePolished();
  const QColor own = label->palette().color(label->foregroundRole());
  for (const std::uint32_t colour : {0xFF0000u, 0x003399u}) {
    SetLinkLabel("Unlink", colour);
    form.UpdateStatus(0, true);
    label->ensurePolished();
    EXPECT_EQ(label->palette().color(label->foregroundRole()), own) << std::hex << colour;
  }
}

// A Connect in progress keeps the dialog up; closing the main window must still end the program.
TEST(TForm2, DoesNotKeepTheProgramAliveAfterTheMainWindowCloses) {
  QWidget mainWindow;
  mainWindow.show();
  TForm2 form;
  form.UpdateStatus(10, true);
  ASSERT_TRUE(form.isVisible());
  bool timedOut = false;
  QTimer::singleShot(0, &mainWindow, [&] { mainWindow.close(); });
  // The guard dies with the test, so it cannot fire into a later one.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    timedOut = true;
    QApplication::quit();
  });
  guard.start(3000);
  QApplication::exec();
  EXPECT_FALSE(timedOut);
}

}  // namespace
