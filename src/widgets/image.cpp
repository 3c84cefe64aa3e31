#include "image.h"

#include <QMouseEvent>
#include <QPainter>

#include "accessible_controls.h"

Image::Image(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  InstallControlAccessibility();
}

void Image::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void Image::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

QSize Image::sizeHint() const {
  return picture_.isNull() ? QSize(16, 16) : picture_.deviceIndependentSize().toSize();
}

void Image::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, stretch_);
  if (stretch_)
    painter.drawPixmap(rect(), picture_);
  else
    painter.drawPixmap(0, 0, picture_);
}

void Image::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(*this, event->button(), event->position().toPoint());
}

void Image::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(*this, event->buttons(), event->position().toPoint());
}

void Image::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (OnMouseUp) OnMouseUp(*this, event->button(), at);
  if (event->button() == Qt::LeftButton && rect().contains(at) && OnClick) OnClick(*this);
}
