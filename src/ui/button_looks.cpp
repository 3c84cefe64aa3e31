#include "button_looks.h"

#include <optional>

#include "bmp_button.h"
#include "panel_tables.h"
#include "theme.h"

namespace {

const QColor CaptionDark{16, 32, 58};

void Size(BmpButton& button, QSize size) {
  button.setFixedSize(size);
  button.resize(size);
}

// Which look each picture of a rounded button gets; a picture without a look stays empty.
struct Looks {
  std::optional<Look> up{}, down{}, disabled{}, stayDown{}, hot{};
};

void Dress(BmpButton& button, QSize size, const Looks& looks, const QColor& caption = CaptionDark) {
  Size(button, size);
  const auto picture = [&](const std::optional<Look>& look) { return look ? ButtonPicture(size, *look) : QPixmap(); };
  button.SetUp(picture(looks.up));
  button.SetDown(picture(looks.down));
  button.SetDisabled(picture(looks.disabled));
  button.SetStayDown(picture(looks.stayDown));
  button.SetHot(picture(looks.hot));
  button.SetCaptionColor(caption);
}

}  // namespace

void LookCommand(BmpButton& button, int width) {
  Dress(button, {width, ButtonHeight}, {.up = Look::Off, .down = Look::Pressed, .disabled = Look::Greyed, .hot = Look::Hover});
}

void LookOnOff(BmpButton& button, int width) {
  Dress(button, {width, ButtonHeight}, {.up = Look::Off, .down = Look::Lit, .disabled = Look::Off});
  button.setCheckable(true);
}

void LookSingDisco(BmpButton& button, int width) {
  Dress(button, {width, ButtonHeight},
        {.up = Look::Off, .down = Look::Lit, .disabled = Look::Greyed, .stayDown = Look::Off});
  button.setCheckable(true);
}

void LookPage(BmpButton& button) {
  Dress(button, PageButtonSize, {.up = Look::Off, .down = Look::Selected, .hot = Look::Hover}, Qt::black);
  button.setCheckable(true);
  button.SetKind(ButtonKind::PageTab);
}

void LookRadio(BmpButton& button, bool pressed) {
  Size(button, {RadioButtonWidth, RadioButtonWidth});
  button.SetUp(RadioPicture(pressed, true));
  button.SetDown(RadioPicture(true, true));
  button.SetDisabled(RadioPicture(pressed, false));
  button.setCheckable(true);
  button.SetKind(ButtonKind::Radio);
  button.setChecked(pressed);
}

void LookPhase(BmpButton& button) {
  Dress(button, {PhaseButtonWidth, PhaseButtonWidth}, {.up = Look::Off, .down = Look::Pressed, .disabled = Look::Greyed});
  button.SetCaption(QString::fromUtf8(PhaseCaptions[1]));
  button.setFont(theme::UiFont(12, true));
  button.Hint = QStringLiteral("1");
  button.setCheckable(true);
  button.setChecked(true);
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
