#include "message_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Answers the message box that is about to open by pressing one of its buttons (or none: Escape).
void AnswerNextBox(QMessageBox::StandardButton press, QString* caption = nullptr, QString* text = nullptr,
                   QMessageBox::Icon* icon = nullptr) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (caption) *caption = box->windowTitle();
    if (text) *text = box->text();
    if (icon) *icon = box->icon();
    if (press == QMessageBox::NoButton)
      box->reject();
    else
      box->button(press)->click();
  });
}

TEST(MessageDialogsTest, ShowsTheMessageAndReturnsTheButtonPressed) {
  struct Case {
    DialogButtons buttons;
    QMessageBox::StandardButton press;
    DialogAnswer answer;
  };
  // A message is a plain box; only a question carries an icon.
  const Case cases[] = {
      {DialogButtons::Ok, QMessageBox::Ok, DialogAnswer::Ok},
      {DialogButtons::OkCancel, QMessageBox::Ok, DialogAnswer::Ok},
      {DialogButtons::OkCancel, QMessageBox::Cancel, DialogAnswer::Cancel},
      {DialogButtons::YesNo, QMessageBox::Yes, DialogAnswer::Yes},
      {DialogButtons::YesNo, QMessageBox::No, DialogAnswer::No},
      // Closed without a button: the answer that changes nothing.
      {DialogButtons::YesNo, QMessageBox::NoButton, DialogAnswer::No},
      {DialogButtons::OkCancel, QMessageBox::NoButton, DialogAnswer::Cancel},
  };
  MessageDialogs dialogs;
  for (const Case& c : cases) {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    AnswerNextBox(c.press, &caption, &text, &icon);
    EXPECT_EQ(dialogs.Show("prompt", "文件不存在", c.buttons), c.answer);
    EXPECT_EQ(caption, QStringLiteral("prompt"));
    EXPECT_EQ(text, QString::fromUtf8("文件不存在"));
    EXPECT_EQ(icon, c.buttons == DialogButtons::Ok ? QMessageBox::NoIcon : QMessageBox::Question);
  }
}

TEST(MessageDialogsTest, APauseWaitsWithoutRunningTimers) {
  MessageDialogs dialogs;
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(0);
  QElapsedTimer clock;
  clock.start();
  dialogs.Pause(20);
  EXPECT_GE(clock.elapsed(), 20);
  EXPECT_EQ(ticks, 0);
}

}  // namespace
