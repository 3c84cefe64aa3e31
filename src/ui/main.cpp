// dsp-panel: the control panel of the audio effect processor.

#include <QApplication>

#include "main_form.h"
#include "message_dialogs.h"

namespace {

// Creates the hidden link form TForm3 and then the status dialog TForm2, right after the main window.
// They come with the link session, which fills this in.
void CreateLinkForms(TForm1&) {}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
  QApplication::setStyle(QStringLiteral("Fusion"));

  TForm1 form1;
  MessageDialogs messageDialogs(&form1);
  dialogs = &messageDialogs;
  CreateLinkForms(form1);

  form1.show();
  const int result = QApplication::exec();
  dialogs = nullptr;
  return result;
}
