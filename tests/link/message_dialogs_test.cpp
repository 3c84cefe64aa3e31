#include "message_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

namespace {

// Presses the given button of the message box as soon as it is up.
void PressWhenShown(QMessageBox::StandardButton button, QString* caption, QString* text) {
  QTimer::singleShot(0, [=] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box || !box->isVisible()) continue;
      *caption = box->windowTitle();
      *text = box->text();
      box->button(button)->click();
      return;
    }
  });
}

TEST(MessageDialogs, ButtonsAndAnswers) {
  const struct {
    DialogButtons buttons;
    QMessageBox::StandardButton press;
    DialogAnswer want;
  } cases[] = {
      {DialogButtons::Ok, QMessageBox::Ok, DialogAnswer::Ok},
      {DialogButtons::OkCancel, QMessageBox::Ok, DialogAnswer::Ok},
      {DialogButtons::OkCancel, QMessageBox::Cancel, DialogAnswer::Cancel},
      {DialogButtons::YesNo, QMessageBox::Yes, DialogAnswer::Yes},
      {DialogButtons::YesNo, QMessageBox::No, DialogAnswer::No},
  };
  MessageDialogs dialogs;
  for (const auto& c : cases) {
    QString caption, text;
    PressWhenShown(c.press, &caption, &text);
    EXPECT_EQ(dialogs.Show("Prompt", "保存成功", c.buttons), c.want);
    EXPECT_EQ(caption, QString("Prompt"));
    EXPECT_EQ(text, QString("保存成功"));
  }
}

TEST(MessageDialogs, PauseWaitsWithoutRunningTimers) {
  MessageDialogs dialogs;
  int ticks = 0;
  QTimer timer;
  timer.setInterval(1);
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start();
  QElapsedTimer clock;
  clock.start();
  dialogs.Pause(30);
  EXPECT_GE(clock.elapsed(), 30);
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_EQ(ticks, 0);
}

}  // namespace
