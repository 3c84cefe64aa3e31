#include "tform2.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "link_texts.h"

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName("TForm2");
  setWindowTitle("Device Staus");
  setModal(false);
  // The status dialog is an aside of the main window: closing the main window ends the program
  // even while a transfer keeps this dialog on screen.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(360, 130);

  LinkLabel = new QLabel("设备未连接", this);
  LinkLabel->setObjectName("LinkLabel");
  RzProgressStatus1 = new QProgressBar(this);
  RzProgressStatus1->setObjectName("RzProgressStatus1");
  RzProgressStatus1->setRange(0, 100);
  RzProgressStatus1->setValue(0);
  auto* hint = new QLabel("Please wait a moment, may take a few seconds！", this);

  QFont font = LinkLabel->font();
  font.setPointSize(11);
  LinkLabel->setFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->setSpacing(8);
  layout->addWidget(LinkLabel);
  layout->addWidget(RzProgressStatus1);
  layout->addWidget(hint);
}

void TForm2::UpdateStatus(int percent, bool visible) {
  // The caption only: the dialog keeps its own text colour, whatever colour the main window's
  // status text has taken.
  LinkLabel->setText(QString::fromStdString(linkTexts.LinkLabel));
  RzProgressStatus1->setValue(std::clamp(percent, 0, 100));
  if (!visible) {
    hide();
    return;
  }
  if (isVisible()) return;
  show();
  raise();
}

void TForm2::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}
