#pragma once
// The message boxes and short pauses of the real window, behind the Dialogs seam.

#include "dialogs.h"

class QWidget;

class MessageDialogs : public Dialogs {
 public:
  // Boxes are owned by the given window (centred on it, modal to it); null makes them free-standing.
  explicit MessageDialogs(QWidget* owner = nullptr) : owner_(owner) {}

  DialogAnswer Show(const std::string& caption, const std::string& text, DialogButtons buttons) override;
  // Sleeps on the user-interface thread, painting what is waiting to be painted but running no
  // timer and taking no input, so a pause can never re-enter a handler.
  void Pause(int milliseconds) override;

 private:
  QWidget* owner_;
};
