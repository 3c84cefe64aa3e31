#pragma once
// A container: a plain or rounded panel, or a group box with its caption in the top-left corner.

#include <QWidget>

#include "control_data.h"

class Panel : public QWidget, public ControlData {
  Q_OBJECT

 public:
  explicit Panel(const QString& caption = {}, QWidget* parent = nullptr);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  void SetColor(const QColor& fill);
  void SetBorderColor(const QColor& border);  // an invalid colour draws no border
  void SetRadius(qreal radius);
  // The height the caption takes at the top; children start below it.
  int CaptionHeight() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A panel is a control of its own: a press on it never reaches the window beneath.
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString caption_;
  QColor fill_;
  QColor border_;
  qreal radius_ = 8;
};
