#include "edit.h"

#include <QKeyEvent>
#include <QPainter>

#include "theme.h"

Edit::Edit(QWidget* parent) : QLineEdit(parent), frameColor_(theme::EditFrame) {
  setFrame(false);
  setTextMargins(3, 0, 2, 0);
  setFont(theme::UiFont(12));
  QPalette p = palette();
  p.setColor(QPalette::Base, theme::EditFill);
  p.setColor(QPalette::Text, theme::EditText);
  p.setColor(QPalette::Disabled, QPalette::Base, QColor(196, 202, 214));
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(100, 106, 120));
  setPalette(p);
  setAutoFillBackground(true);
}

void Edit::SetFrameColor(const QColor& color) {
  frameColor_ = color;
  update();
}

void Edit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QPen(isEnabled() ? frameColor_ : frameColor_.lighter(130), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

namespace {

QChar CharacterOf(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QChar(13);
    case Qt::Key_Backspace: return QChar(8);
    default: return event->text().isEmpty() ? QChar() : event->text().front();
  }
}

}  // namespace

void Edit::keyPressEvent(QKeyEvent* event) {
  if (OnKeyDown) OnKeyDown(*this, event->key());
  const QChar original = CharacterOf(event);
  if (!original.isNull() && OnKeyPress) {
    QChar key = original;
    OnKeyPress(*this, key);
    if (key.isNull()) {
      event->accept();
      return;
    }
    if (key != original) {
      if (key.isPrint()) insert(QString(key));
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void Edit::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick(*this);
}

void Edit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Leaving the window or opening a menu is not leaving the edit.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  if (OnExit) OnExit(*this);
}
