#pragma once
// A text label. A transparent label shows only its text; an opaque one fills its box with Color.

#include <QLabel>

#include "control_data.h"

class Label : public QLabel, public ControlData {
  Q_OBJECT

 public:
  explicit Label(const QString& caption = {}, QWidget* parent = nullptr);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  bool Transparent() const { return !autoFillBackground(); }
  void SetTransparent(bool transparent);
  QColor Color() const { return palette().color(QPalette::Window); }
  void SetColor(const QColor& color);
  QColor FontColor() const { return palette().color(QPalette::WindowText); }
  void SetFontColor(const QColor& color);

  Event<Label&> OnClick;
  Event<Label&, Qt::MouseButton, QPoint> OnMouseUp;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};
