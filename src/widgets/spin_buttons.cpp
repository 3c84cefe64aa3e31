#include "spin_buttons.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "theme.h"

namespace {
constexpr int FirstRepeatMs = 400;
constexpr int RepeatMs = 80;
}  // namespace

SpinButtons::SpinButtons(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  connect(&repeat_, &QTimer::timeout, this, [this] {
    repeat_.setInterval(RepeatMs);
    Fire();
  });
}

void SpinButtons::Fire() {
  if (held_ == Half::UpRight && OnUpRightClick) OnUpRightClick(*this);
  if (held_ == Half::DownLeft && OnDownLeftClick) OnDownLeftClick(*this);
}

void SpinButtons::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  held_ = event->position().y() < height() / 2.0 ? Half::UpRight : Half::DownLeft;
  update();
  Fire();
  repeat_.start(FirstRepeatMs);
}

void SpinButtons::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  repeat_.stop();
  held_ = Half::None;
  update();
}

void SpinButtons::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal half = height() / 2.0;
  const QRectF halves[2] = {QRectF(0.5, 0.5, width() - 1.0, half - 1.0),
                            QRectF(0.5, half + 0.5, width() - 1.0, half - 1.0)};
  const QColor arrow = isEnabled() ? QColor(20, 34, 64) : QColor(130, 136, 150);
  for (int i = 0; i < 2; ++i) {
    const bool down = held_ == (i == 0 ? Half::UpRight : Half::DownLeft);
    QLinearGradient fill(halves[i].topLeft(), halves[i].bottomLeft());
    fill.setColorAt(0, down ? QColor(170, 186, 210) : QColor(238, 242, 250));
    fill.setColorAt(1, down ? QColor(214, 224, 238) : QColor(190, 202, 220));
    painter.setPen(QPen(QColor(72, 90, 122), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(halves[i], 2, 2);
    const QPointF c = halves[i].center();
    const qreal w = qMin<qreal>(3.5, width() / 3.0), h = qMin<qreal>(2.5, halves[i].height() / 3.0);
    QPainterPath triangle;
    if (i == 0) {
      triangle.moveTo(c.x() - w, c.y() + h / 2 + 0.5);
      triangle.lineTo(c.x() + w, c.y() + h / 2 + 0.5);
      triangle.lineTo(c.x(), c.y() - h / 2 - 0.5);
    } else {
      triangle.moveTo(c.x() - w, c.y() - h / 2 - 0.5);
      triangle.lineTo(c.x() + w, c.y() - h / 2 - 0.5);
      triangle.lineTo(c.x(), c.y() + h / 2 + 0.5);
    }
    triangle.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(arrow);
    painter.drawPath(triangle);
  }
}
