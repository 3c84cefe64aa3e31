#include "track_bar.h"

#include <QMouseEvent>
#include <QPainter>

#include "accessible_controls.h"
#include "pictures.h"
#include "theme.h"

namespace {
constexpr int DefaultMax = 10;
}  // namespace

TrackBar::TrackBar(Qt::Orientation orientation, QWidget* parent)
    : QAbstractSlider(parent), accent_(theme::ChannelAccent) {
  setOrientation(orientation);
  setRange(0, DefaultMax);
  thumb_ = ThumbPicture(orientation, accent_, true);
  thumbDisabled_ = ThumbPicture(orientation, accent_, false);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(orientation == Qt::Horizontal ? QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed)
                                              : QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding));
  // valueChanged is the one signal every change of the position goes through, synchronously.
  connect(this, &QAbstractSlider::valueChanged, this, [this] {
    if (OnChange) OnChange(*this);
  });
  InstallControlAccessibility();
}

void TrackBar::SetValueReadout(QWidget* readout, const QString& unit) {
  readout_ = readout;
  unit_ = unit;
}

void TrackBar::sliderChange(SliderChange change) {
  if (change == SliderRangeChange) {
    // The handlers count positions from 0; a range set from outside is brought back to start there.
    if (minimum() != 0) return setRange(0, qMax(0, maximum()));
    setPageStep(qMax(1, maximum() / 10));
  }
  QAbstractSlider::sliderChange(change);
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
  thumb_ = ThumbPicture(orientation(), accent_, true);
  thumbDisabled_ = ThumbPicture(orientation(), accent_, false);
  update();
}

QSize TrackBar::ThumbExtent() const {
  return thumb_.isNull() ? ThumbSize(orientation()) : thumb_.deviceIndependentSize().toSize();
}

QSize TrackBar::sizeHint() const {
  return orientation() == Qt::Horizontal ? QSize(120, ThumbExtent().height() + 2) : QSize(ThumbExtent().width() + 2, 100);
}

QSize TrackBar::minimumSizeHint() const {
  return orientation() == Qt::Horizontal ? QSize(40, ThumbExtent().height() + 2) : QSize(ThumbExtent().width() + 2, 40);
}

int TrackBar::TravelStart() const {
  const QSize t = ThumbExtent();
  return orientation() == Qt::Horizontal ? t.width() / 2 : t.height() / 2;
}

int TrackBar::TravelLength() const {
  const QSize t = ThumbExtent();
  const int length = orientation() == Qt::Horizontal ? width() - t.width() : height() - t.height();
  return qMax(1, length);
}

int TrackBar::PositionAt(QPoint point) const {
  const int along = orientation() == Qt::Horizontal ? point.x() - TravelStart()
                                                    : TravelStart() + TravelLength() - point.y();
  const double fraction = qBound(0.0, double(along) / TravelLength(), 1.0);
  return qRound(fraction * maximum());
}

int TrackBar::CentreAt(int position) const {
  const int max = maximum();
  const int offset = max == 0 ? 0 : int(qRound(double(qBound(0, position, max)) / max * TravelLength()));
  return orientation() == Qt::Horizontal ? TravelStart() + offset : TravelStart() + TravelLength() - offset;
}

QRect TrackBar::ThumbRect() const {
  const QSize t = ThumbExtent();
  const int centre = CentreAt(sliderPosition());
  if (orientation() == Qt::Horizontal) return QRect(centre - t.width() / 2, (height() - t.height()) / 2, t.width(), t.height());
  return QRect((width() - t.width()) / 2, centre - t.height() / 2, t.width(), t.height());
}

void TrackBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRect thumb = ThumbRect();
  const bool enabled = isEnabled();
  QRectF groove, filled;
  if (orientation() == Qt::Horizontal) {
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
  if (event->button() != Qt::LeftButton) return QAbstractSlider::mousePressEvent(event);
  // A press on the thumb grabs it where it was hit; a press beside it jumps there first.
  const QPoint point = event->position().toPoint();
  const QRect thumb = ThumbRect();
  const QPoint centre = thumb.topLeft() + QPoint(thumb.width() / 2, thumb.height() / 2);
  if (thumb.contains(point)) {
    grabOffset_ = point - centre;
  } else {
    grabOffset_ = QPoint();
    setSliderPosition(PositionAt(point));
  }
  setSliderDown(true);
}

void TrackBar::mouseMoveEvent(QMouseEvent* event) {
  if (isSliderDown() && (event->buttons() & Qt::LeftButton))
    setSliderPosition(PositionAt(event->position().toPoint() - grabOffset_));
}

void TrackBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) setSliderDown(false);
}

// The wheel belongs to the main window, which steps the current band edit with it.
void TrackBar::wheelEvent(QWheelEvent* event) { event->ignore(); }
