#pragma once
// A picture on the window. Its mouse events carry the button and the position in the image's own
// coordinates; after a press the image keeps receiving the moves and the release, also outside
// itself, until the button is let go. Moves without a button are reported too.

#include <QPixmap>
#include <QWidget>

#include "control_data.h"

class Image : public QWidget, public ControlData {
  Q_OBJECT

 public:
  explicit Image(QWidget* parent = nullptr);

  const QPixmap& Picture() const { return picture_; }
  void SetPicture(const QPixmap& picture);
  // The picture itself, to paint on in place (no copy); call update() when done.
  QPixmap& Canvas() { return picture_; }
  // A stretched picture fills the image; otherwise it is drawn at its own size in the top left.
  void SetStretch(bool stretch);

  Event<Image&> OnClick;
  Event<Image&, Qt::MouseButton, QPoint> OnMouseDown;
  Event<Image&, Qt::MouseButtons, QPoint> OnMouseMove;
  Event<Image&, Qt::MouseButton, QPoint> OnMouseUp;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  bool stretch_ = false;
};
