#pragma once
// A one-line edit with a coloured frame. Its key events run before the edit acts on the key:
// OnKeyDown sees every key, OnKeyPress every character (Backspace as 8, Enter as 13) and may discard
// it by setting it to 0 or replace it. OnExit runs when the keyboard focus moves to another control.
//
// Text the user brings in whole (a paste by the Paste keys, the context menu or the middle button, or
// a drop) comes in as if typed: each character goes through OnKeyPress, which sees the text typed so
// far, and goes in unless the handler discards it; a replaced character goes in as replaced, a
// control character never. Without an OnKeyPress handler the text comes in as it is. Text set from
// code (SetText, setText, the `text` property) is never filtered.

#include <QLineEdit>

#include "control_data.h"

class Edit : public QLineEdit, public ControlData {
  Q_OBJECT

 public:
  explicit Edit(QWidget* parent = nullptr);

  QString Text() const { return text(); }
  void SetText(const QString& text) { setText(text); }
  const QColor& FrameColor() const { return frameColor_; }
  void SetFrameColor(const QColor& color);

  Event<Edit&> OnClick;
  Event<Edit&, QChar&> OnKeyPress;
  Event<Edit&, int> OnKeyDown;  // the Qt key code
  Event<Edit&> OnExit;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void TypeIn(const QString& text);

  QColor frameColor_;
};
