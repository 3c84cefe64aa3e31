#pragma once
// A one-line edit with a coloured frame. Its key events run before the edit acts on the key:
// OnKeyDown sees every key, OnKeyPress every character (Backspace as 8, Enter as 13) and may discard
// it by setting it to 0 or replace it. OnExit runs when the keyboard focus moves to another control.

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

 private:
  QColor frameColor_;
};
