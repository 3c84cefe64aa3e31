#include "track_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "pictures.h"
#include "theme.h"

TrackBar::TrackBar(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation), accent_(theme::ChannelAccent) {
  thumb_ = ThumbPicture(orientation_, accent_, true);
  thumbDisabled_ = ThumbPicture(orientation_, accent_, false);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(orientation_ == Qt::Horizontal ? QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed)
                                               : QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding));
}

void TrackBar::SetPosition(int position) {
  position = qBound(0, position, max_);
  if (position == position_) return;
  position_ = position;
  update();
  if (OnChange) OnChange(*this);
}

void TrackBar::SetMax(int max) {
  max_ = qMax(0, max);
  if (position_ > max_) SetPosition(max_);
  update();
}

void TrackBar::SetSliderPicture(const QPixmap& picture) {
  thumb_ = picture;
  update();
}

void TrackBar::SetSliderPictureDisabled(const QPixmap& picture) {
  thumbDisabled_ = picture;
  update();
}

void TrackBar::SetAccent(const QColor& accent) {
  accent_ = accent;
  thumb_ = ThumbPicture(orientation_, accent_, true);
  thumbDisabled_ = ThumbPicture(orientation_, accent_, false);
  update();
}

QSize TrackBar::ThumbExtent() const {
  return thumb_.isNull() ? ThumbSize(orientation_) : thumb_.deviceIndependentSize().toSize();
}

QSize TrackBar::sizeHint() const {
  return orientation_ == Qt::Horizontal ? QSize(120, ThumbExtent().height() + 2) : QSize(ThumbExtent().width() + 2, 100);
}

QSize TrackBar::minimumSizeHint() const {
  return orientation_ == Qt::Horizontal ? QSize(40, ThumbExtent().height() + 2) : QSize(ThumbExtent().width() + 2, 40);
}

int TrackBar::TravelStart() const {
  const QSize t = ThumbExtent();
  return orientation_ == Qt::Horizontal ? t.width() / 2 : t.height() / 2;
}

int TrackBar::TravelLength() const {
  const QSize t = ThumbExtent();
  const int length = orientation_ == Qt::Horizontal ? width() - t.width() : height() - t.height();
  return qMax(1, length);
}

int TrackBar::PositionAt(QPoint point) const {
  const int along = orientation_ == Qt::Horizontal ? point.x() - TravelStart()
                                                   : TravelStart() + TravelLength() - point.y();
  const double fraction = qBound(0.0, double(along) / TravelLength(), 1.0);
  return qRound(fraction * max_);
}

QRect TrackBar::ThumbRect() const {
  const QSize t = ThumbExtent();
  const int offset = max_ == 0 ? 0 : int(qRound(double(position_) / max_ * TravelLength()));
  if (orientation_ == Qt::Horizontal) return QRect(offset, (height() - t.height()) / 2, t.width(), t.height());
  return QRect((width() - t.width()) / 2, TravelLength() - offset, t.width(), t.height());
}

void TrackBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRect thumb = ThumbRect();
  const bool enabled = isEnabled();
  QRectF groove, filled;
  if (orientation_ == Qt::Horizontal) {
    const qreal y = height() / 2.0 - 2.5;
    groove = QRectF(TravelStart() - 3, y, TravelLength() + 6, 5);
    filled = QRectF(groove.left(), y, thumb.center().x() - groove.left(), 5);
  } else {
    const qreal x = width() / 2.0 - 2.5;
    groove = QRectF(x, TravelStart() - 3, 5, TravelLength() + 6);
    filled = QRectF(x, thumb.center().y(), 5, groove.bottom() - thumb.center().y());
  }
  painter.setPen(QPen(theme::TrackBorder, 1));
  painter.setBrush(theme::TrackGroove);
  painter.drawRoundedRect(groove, 2.5, 2.5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(enabled ? accent_ : QColor(110, 116, 130));
  painter.drawRoundedRect(filled.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  const QPixmap& picture = enabled || thumbDisabled_.isNull() ? thumb_ : thumbDisabled_;
  painter.drawPixmap(thumb, picture);
  if (hasFocus()) {
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(thumb).adjusted(-1.5, -1.5, 1.5, 1.5), 3, 3);
  }
}

void TrackBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragging_ = true;
  // A press on the thumb grabs it where it was hit; a press beside it jumps there first.
  const QPoint point = event->position().toPoint();
  const QRect thumb = ThumbRect();
  const QPoint centre = thumb.topLeft() + QPoint(thumb.width() / 2, thumb.height() / 2);
  if (thumb.contains(point)) {
    grabOffset_ = point - centre;
  } else {
    grabOffset_ = QPoint();
    SetPosition(PositionAt(point));
  }
}

void TrackBar::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) SetPosition(PositionAt(event->position().toPoint() - grabOffset_));
}

void TrackBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
}

void TrackBar::keyPressEvent(QKeyEvent* event) {
  const int page = qMax(1, max_ / 10);
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up: SetPosition(position_ + 1); break;
    case Qt::Key_Left:
    case Qt::Key_Down: SetPosition(position_ - 1); break;
    case Qt::Key_PageUp: SetPosition(position_ + page); break;
    case Qt::Key_PageDown: SetPosition(position_ - page); break;
    case Qt::Key_Home: SetPosition(0); break;
    case Qt::Key_End: SetPosition(max_); break;
    default: QWidget::keyPressEvent(event); return;
  }
}

// The wheel belongs to the main window, which steps the current band edit with it.
void TrackBar::wheelEvent(QWheelEvent* event) { event->ignore(); }
