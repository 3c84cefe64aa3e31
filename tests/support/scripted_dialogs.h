#pragma once
// A Dialogs fake that records every message and answers from a script (OK / Yes when it runs dry).

#include <deque>
#include <string>
#include <vector>

#include "dialogs.h"

class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    std::string caption;
    std::string text;
    DialogButtons buttons;
  };

  DialogAnswer Show(const std::string& caption, const std::string& text, DialogButtons buttons) override {
    shown.push_back({caption, text, buttons});
    if (!answers.empty()) {
      const DialogAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == DialogButtons::YesNo ? DialogAnswer::Yes : DialogAnswer::Ok;
  }
  void Pause(int milliseconds) override { pausedMs += milliseconds; }

  std::vector<Shown> shown;
  std::deque<DialogAnswer> answers;
  int pausedMs = 0;
};
