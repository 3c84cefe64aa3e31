#include "message_dialogs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QThread>

namespace {

QMessageBox::StandardButtons ButtonsOf(DialogButtons buttons) {
  switch (buttons) {
    case DialogButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case DialogButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case DialogButtons::Ok: break;
  }
  return QMessageBox::Ok;
}

// A box closed without a button press answers the negative choice of its buttons.
DialogAnswer AnswerOf(int button, DialogButtons buttons) {
  switch (button) {
    case QMessageBox::Ok: return DialogAnswer::Ok;
    case QMessageBox::Cancel: return DialogAnswer::Cancel;
    case QMessageBox::Yes: return DialogAnswer::Yes;
    case QMessageBox::No: return DialogAnswer::No;
  }
  switch (buttons) {
    case DialogButtons::OkCancel: return DialogAnswer::Cancel;
    case DialogButtons::YesNo: return DialogAnswer::No;
    case DialogButtons::Ok: break;
  }
  return DialogAnswer::Ok;
}

}  // namespace

DialogAnswer MessageDialogs::Show(const std::string& caption, const std::string& text,
                                  DialogButtons buttons) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                  QString::fromStdString(text), ButtonsOf(buttons), owner_);
  return AnswerOf(box.exec(), buttons);
}

void MessageDialogs::Pause(int milliseconds) {
  constexpr auto flags = QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers |
                         QEventLoop::X11ExcludeTimers;
  QElapsedTimer clock;
  clock.start();
  do {
    QCoreApplication::processEvents(flags);
    const qint64 left = milliseconds - clock.elapsed();
    if (left > 0) QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 2)));
  } while (clock.elapsed() < milliseconds);
}
