#include "button_looks.h"

#include "bmp_button.h"
#include "theme.h"

namespace {

const QColor CaptionDark{16, 32, 58};

void Size(BmpButton& button, QSize size) {
  button.setFixedSize(size);
  button.resize(size);
}

}  // namespace

void LookCommand(BmpButton& button, int width) {
  const QSize size(width, ButtonHeight);
  Size(button, size);
  button.SetUp(ButtonPicture(size, Look::Off));
  button.SetDown(ButtonPicture(size, Look::Pressed));
  button.SetHot(ButtonPicture(size, Look::Hover));
  button.SetDisabled(ButtonPicture(size, Look::Greyed));
  button.SetCaptionColor(CaptionDark);
}

void LookOnOff(BmpButton& button, int width) {
  const QSize size(width, ButtonHeight);
  Size(button, size);
  button.SetUp(ButtonPicture(size, Look::Off));
  button.SetDown(ButtonPicture(size, Look::Lit));
  button.SetDisabled(ButtonPicture(size, Look::Off));
  button.SetCaptionColor(CaptionDark);
}

void LookSingDisco(BmpButton& button, int width) {
  const QSize size(width, ButtonHeight);
  Size(button, size);
  button.SetUp(ButtonPicture(size, Look::Off));
  button.SetDown(ButtonPicture(size, Look::Lit));
  button.SetStayDown(ButtonPicture(size, Look::Off));
  button.SetDisabled(ButtonPicture(size, Look::Greyed));
  button.SetCaptionColor(CaptionDark);
}

void LookPage(BmpButton& button) {
  Size(button, PageButtonSize);
  button.SetUp(ButtonPicture(PageButtonSize, Look::Off));
  button.SetDown(ButtonPicture(PageButtonSize, Look::Selected));
  button.SetHot(ButtonPicture(PageButtonSize, Look::Hover));
  button.SetCaptionColor(Qt::black);
}

void LookRadio(BmpButton& button, bool pressed) {
  Size(button, RadioSize);
  button.SetUp(RadioPicture(pressed, true));
  button.SetDown(RadioPicture(true, true));
  button.SetDisabled(RadioPicture(pressed, false));
}

void LookPhase(BmpButton& button) {
  const QSize size(PhaseButtonWidth, PhaseButtonWidth);
  Size(button, size);
  button.SetUp(ButtonPicture(size, Look::Off));
  button.SetDown(ButtonPicture(size, Look::Pressed));
  button.SetDisabled(ButtonPicture(size, Look::Greyed));
  button.SetCaption(QStringLiteral("+"));
  button.SetCaptionColor(CaptionDark);
  button.setFont(theme::UiFont(12, true));
  button.Hint = QStringLiteral("1");
}

void LookWindow(BmpButton& button, WindowGlyph glyph) {
  Size(button, WindowButtonSize);
  button.SetUp(WindowButtonPicture(glyph, Look::Off));
  button.SetHot(WindowButtonPicture(glyph, Look::Hover));
  button.SetDown(WindowButtonPicture(glyph, Look::Pressed));
}

void LookTemplate(BmpButton& example, BmpButton& pressedRadio) {
  // Page buttons take Up and Down; radio groups take the other three (released, released and
  // greyed, pressed and greyed) and the pressed mark from the first music port button.
  example.SetUp(ButtonPicture(PageButtonSize, Look::Off));
  example.SetDown(ButtonPicture(PageButtonSize, Look::Selected));
  example.SetDisabled(RadioPicture(false, true));
  example.SetHot(RadioPicture(false, false));
  example.SetStayDown(RadioPicture(true, false));
  pressedRadio.SetDown(RadioPicture(true, true));
}
