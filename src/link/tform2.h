#pragma once
// The status dialog of the link: the status text and the progress of a transfer. Not modal, stays
// on top, has no close button (the link hides it when it is done), centred on the screen.

#include <QDialog>

class QLabel;
class QProgressBar;

class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);

  // Takes the link's status text and the progress (0..100), then shows or hides the dialog.
  void UpdateStatus(int percent, bool visible);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* LinkLabel;
  QProgressBar* RzProgressStatus1;
};
