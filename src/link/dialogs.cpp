#include "dialogs.h"

Dialogs* dialogs = nullptr;

void ShowMessage(const std::string& caption, const std::string& text) {
  if (dialogs) dialogs->Show(caption, text, DialogButtons::Ok);
}
