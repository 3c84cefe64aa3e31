#include "edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
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

// One character at a time, so that a handler that looks at the text sees what typing would show it.
void Edit::TypeIn(const QString& text) {
  if (!OnKeyPress) return insert(text);
  for (QChar key : text) {
    OnKeyPress(*this, key);
    if (key.isPrint()) insert(QString(key));
  }
}

void Edit::keyPressEvent(QKeyEvent* event) {
  if (OnKeyDown) OnKeyDown(*this, event->key());
  // The Paste keys are a command, not a character: what they bring is typed in.
  if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
    TypeIn(QGuiApplication::clipboard()->text());
    event->accept();
    return;
  }
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
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
    deselect();
    TypeIn(clipboard->text(QClipboard::Selection));
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick(*this);
}

void Edit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Leaving the window or opening a menu is not leaving the edit.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  if (OnExit) OnExit(*this);
}

void Edit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  // Qt's Paste entry runs QLineEdit::paste, which would take the clipboard in untyped. Which entry it
  // is shows by its connection, made in the one form or the other depending on the Qt version.
  for (QAction* action : menu->actions()) {
    if (disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
        disconnect(action, SIGNAL(triggered()), this, SLOT(paste())))
      connect(action, &QAction::triggered, this, [this] { TypeIn(QGuiApplication::clipboard()->text()); });
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void Edit::dropEvent(QDropEvent* event) {
  // A drop from the edit itself only moves text that is already in it.
  if (event->source() == this || isReadOnly() || !event->mimeData()->hasText()) return QLineEdit::dropEvent(event);
  event->acceptProposedAction();
  setCursorPosition(cursorPositionAt(event->position().toPoint()));
  TypeIn(event->mimeData()->text());
  // Hides the drop caret that QLineEdit showed while the text was dragged over it.
  QDragLeaveEvent over;
  QLineEdit::dragLeaveEvent(&over);
}
