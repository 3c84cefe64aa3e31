#pragma once
// Message boxes and short pauses, behind one small interface so that nothing in a test ever blocks
// on a modal dialog. The window installs the Qt implementation; tests install a scripted fake.

#include <string>

enum class DialogButtons { Ok, OkCancel, YesNo };
enum class DialogAnswer { Ok, Cancel, Yes, No };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual DialogAnswer Show(const std::string& caption, const std::string& text, DialogButtons buttons) = 0;
  // A short blocking pause (a few milliseconds) that keeps the window painting.
  virtual void Pause(int milliseconds) = 0;
};

// Null until the program or a test installs one; callers skip dialogs while it is null.
extern Dialogs* dialogs;

// Shows a message with an OK button; does nothing while no dialogs are installed.
void ShowMessage(const std::string& caption, const std::string& text);
