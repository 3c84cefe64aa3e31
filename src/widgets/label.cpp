#include "label.h"

#include <QMouseEvent>

#include "theme.h"

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setFont(theme::UiFont(12));
  SetFontColor(theme::Text);
  SetTransparent(true);
}

void Label::SetTransparent(bool transparent) { setAutoFillBackground(!transparent); }

void Label::SetColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
}

void Label::SetFontColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, color);
  p.setColor(QPalette::Disabled, QPalette::WindowText, color.darker(150));
  setPalette(p);
}

// A label with a handler keeps the press so that the release comes back to it; a plain caption lets
// the press through to what lies beneath.
void Label::mousePressEvent(QMouseEvent* event) {
  if (OnClick || OnMouseUp)
    event->accept();
  else
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  const QPoint at = event->position().toPoint();
  if (OnMouseUp) OnMouseUp(*this, event->button(), at);
  if (event->button() == Qt::LeftButton && rect().contains(at) && OnClick) OnClick(*this);
}
