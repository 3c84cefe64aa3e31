#pragma once
// Dialogs on QMessageBox, owned by the given window.

#include "dialogs.h"

class QWidget;

class MessageDialogs : public Dialogs {
 public:
  explicit MessageDialogs(QWidget* owner = nullptr) : owner_(owner) {}

  DialogAnswer Show(const std::string& caption, const std::string& text, DialogButtons buttons) override;
  // Sleeps while still painting the windows. Timers, port arrivals and user input wait until the
  // pause is over, so a panel refresh that pauses between sliders is never re-entered by a link
  // tick or a click.
  void Pause(int milliseconds) override;

 private:
  QWidget* owner_;
};
