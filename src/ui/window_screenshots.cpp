// Renders every page of the main window to PNG files, for looking at the window without a display:
// the window connects to the built-in virtual device first, so every control shows the device's
// values as a user sees them after Connect.
// Usage: dsp-panel-screenshots <folder>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include "bmp_button.h"
#include "demo_device.h"
#include "edit.h"
#include "main_form.h"
#include "panel_tables.h"
#include "send_state.h"
#include "tform2.h"
#include "tform3.h"
#include "value_ops.h"
#include "value_scales.h"

namespace {

bool Save(TForm1& form, const QDir& folder, const QString& name) {
  QApplication::processEvents();
  const QString file = folder.filePath(name + QStringLiteral(".png"));
  if (!form.grab().save(file)) return false;
  qInfo("%s", qPrintable(file));
  return true;
}

// Runs the event loop until the download from the device has finished, or gives up after a while.
bool WaitForDownload() {
  QElapsedTimer clock;
  clock.start();
  while (sendState.LinkState != LinkConnected && clock.elapsed() < 20000)
    QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 100);
  return sendState.LinkState == LinkConnected;
}

// A few bands raised, lowered and narrowed as a user types them, each sent to the device.
void ShapeBands(TForm1& form, int page) {
  struct Entry {
    BandPart field;
    int band;
    int kind;
    double value;
  } entries[] = {{BandPart::FreEdit, 2, 2, 100},  {BandPart::GainEdit, 2, 3, 6},  {BandPart::QEdit, 2, 4, 0.7},
                 {BandPart::FreEdit, 5, 2, 1000}, {BandPart::GainEdit, 5, 3, -9}, {BandPart::QEdit, 5, 4, 8},
                 {BandPart::FreEdit, 8, 2, 6000}, {BandPart::GainEdit, 8, 3, 12}, {BandPart::QEdit, 8, 4, 1.4}};
  for (const Entry& e : entries)
    if (auto* edit = form.Control<Edit>(BandControlName(EqGroups[page], e.field, e.band)))
      ApplyValue(edit, ValueStep::None, ApplyMode::Commit, TextToIndex(e.kind, e.value));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  if (argc != 2) {
    qCritical("usage: dsp-panel-screenshots <folder>");
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    qCritical("cannot make %s", argv[1]);
    return 1;
  }

  DemoDevice device;
  const QString port = device.Start();
  TForm1 form;
  TForm3 link;
  TForm2 status;
  link.SetStatusDialog(&status);
  link.SetLinkWindow(&form);
  link.SetFixedPorts({port.toStdString()});
  form.show();
  if (port.isEmpty() || !WaitForDownload()) qWarning("No download from the virtual device: the pages show the start-up values.");

  bool saved = true;
  for (int page = 0; page < PageCount; ++page) {
    form.Control<BmpButton>(Pages[page].button)->Click();
    const QString caption = QString::fromUtf8(Pages[page].buttonCaption).simplified().replace(' ', '-').toLower();
    saved &= Save(form, folder, QStringLiteral("page-%1-%2").arg(page + 1).arg(caption));
  }
  // The graph with a few bands shaped, on the Music and the MIC page.
  for (int page : {0, 1}) {
    form.Control<BmpButton>(Pages[page].button)->Click();
    ShapeBands(form, page);
    form.Control<BmpButton>(Pages[page].button)->Click();
    saved &= Save(form, folder, QStringLiteral("graph-%1-shaped").arg(page == 0 ? QStringLiteral("music") : QStringLiteral("mic")));
  }
  // The System page as the key lock leaves it: the lock panel on show, the page bar and the pages
  // greyed until the right password is typed.
  form.Control<QWidget>("FirstCheckGrop")->show();
  form.Control<QWidget>("TopTileGrop")->setEnabled(false);
  form.Control<QWidget>("FormPageItem")->setEnabled(false);
  saved &= Save(form, folder, QStringLiteral("page-8-system-locked"));
  return saved ? 0 : 1;
}
