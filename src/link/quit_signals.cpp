#include "quit_signals.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The signal handler may only write to a descriptor; the notifier reads it on the UI thread.
int quitPipe[2] = {-1, -1};

void OnQuitSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(quitPipe[0], &byte, 1);
  errno = saved;
}

}  // namespace

void InstallQuitSignals(QWidget* mainWindow) {
  if (quitPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0,
                                      quitPipe) != 0)
    return;
  // Owned by the application, so that a signal after the window is gone still quits.
  static QPointer<QSocketNotifier> notifier;
  delete notifier;
  notifier = new QSocketNotifier(quitPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
  QPointer<QWidget> window(mainWindow);
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [window] {
    char bytes[16];
    while (::read(quitPipe[1], bytes, sizeof bytes) > 0) {
    }
    if (window)
      window->close();
    else
      QCoreApplication::quit();
  });

  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}
