// dsp-panel: the control panel of the audio effect processor.

#include <QApplication>

#include "link_hooks.h"
#include "main_form.h"
#include "message_dialogs.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
  QApplication::setStyle(QStringLiteral("Fusion"));

  TForm1 form1;
  MessageDialogs messageDialogs(&form1);
  dialogs = &messageDialogs;
  // The hidden link form TForm3 and the status dialog TForm2 follow the main window.
  if (linkHooks.CreateLinkForms) linkHooks.CreateLinkForms(form1);

  form1.show();
  const int result = QApplication::exec();
  dialogs = nullptr;
  return result;
}
