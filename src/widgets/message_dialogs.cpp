#include "message_dialogs.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QThread>

DialogAnswer MessageDialogs::Show(const std::string& caption, const std::string& text, DialogButtons buttons) {
  QMessageBox box(owner_);
  box.setWindowTitle(QString::fromStdString(caption));
  box.setText(QString::fromStdString(text));
  // Messages are plain boxes; only a question carries an icon.
  box.setIcon(buttons == DialogButtons::Ok ? QMessageBox::NoIcon : QMessageBox::Question);
  switch (buttons) {
    case DialogButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case DialogButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      break;
    case DialogButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return DialogAnswer::Yes;
    case QMessageBox::No: return DialogAnswer::No;
    case QMessageBox::Cancel: return DialogAnswer::Cancel;
    case QMessageBox::Ok: return DialogAnswer::Ok;
    default:  // closed without a button: the cautious answer
      return buttons == DialogButtons::YesNo ? DialogAnswer::No
             : buttons == DialogButtons::OkCancel ? DialogAnswer::Cancel
                                                  : DialogAnswer::Ok;
  }
}

void MessageDialogs::Pause(int milliseconds) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}
