// dsp-panel: the control panel of the audio effect processor.

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QStringList>

#include "command_line.h"
#include "demo_device.h"
#include "headless_run.h"
#include "link_session.h"
#include "main_form.h"
#include "message_dialogs.h"
#include "quit_signals.h"
#include "tform2.h"
#include "tform3.h"

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
  QCoreApplication::setApplicationVersion(QStringLiteral(DSP_PANEL_VERSION));
  // Help, version, backup and restore run on a plain application object, without any display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (NeedsNoWindow(arguments)) {
    QCoreApplication application(argc, argv);
    return static_cast<int>(RunHeadless(ParseCommandLine(QCoreApplication::arguments())));
  }

  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  // Installed, the window takes the icon of its launcher entry, and task bars match the two.
  QGuiApplication::setDesktopFileName(QStringLiteral(DSP_APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(DSP_APP_ID)));
  const CommandLine options = ParseCommandLine(QApplication::arguments());

  DemoDevice demo;
  std::vector<std::string> ports;
  for (const QString& port : options.ports) ports.push_back(port.toStdString());
  if (options.demo) {
    const QString port = demo.Start();
    if (port.isEmpty()) qWarning("The built-in virtual device did not start.");
    ports = {port.toStdString()};
  }

  TForm1 form1;
  MessageDialogs messageDialogs(&form1);
  dialogs = &messageDialogs;
  TForm3 form3;
  TForm2 form2;
  form3.SetStatusDialog(&form2);
  form3.SetLinkWindow(&form1);
  if (!ports.empty()) form3.SetFixedPorts(ports);
  InstallQuitSignals(&form1);

  form1.show();
  const int result = QApplication::exec();
  dialogs = nullptr;
  return result;
}
