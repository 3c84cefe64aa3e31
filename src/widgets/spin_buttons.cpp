#include "spin_buttons.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "accessible_controls.h"
#include "theme.h"

namespace {
constexpr int FirstRepeatMs = 400;
constexpr int RepeatMs = 80;
}  // namespace

SpinButtons::SpinButtons(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  connect(&repeat_, &QTimer::timeout, this, &SpinButtons::Repeat);
  InstallControlAccessibility();
}

void SpinButtons::Step(bool up) {
  if (up && OnUpRightClick) OnUpRightClick(*this);
  if (!up && OnDownLeftClick) OnDownLeftClick(*this);
}

void SpinButtons::Fire() {
  if (held_ != Half::None) Step(held_ == Half::UpRight);
}

// A dialog or a menu of another window has taken the mouse.
bool SpinButtons::Overlaid() const {
  const QWidget* modal = QApplication::activeModalWidget();
  const QWidget* popup = QApplication::activePopupWidget();
  return (modal && modal != window()) || (popup && popup != window());
}

void SpinButtons::Repeat() {
  if (Overlaid()) return Release();
  repeat_.setInterval(RepeatMs);
  Fire();
}

void SpinButtons::Release() {
  repeat_.stop();
  if (held_ == Half::None) return;
  held_ = Half::None;
  update();
}

void SpinButtons::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  held_ = event->position().y() < height() / 2.0 ? Half::UpRight : Half::DownLeft;
  update();
  // Armed before the first event runs, so that a hold its handler ends stays ended: a dialog the
  // handler opens deactivates the window and takes the release with it.
  repeat_.start(FirstRepeatMs);
  Fire();
}

void SpinButtons::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  Release();
}

bool SpinButtons::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate) Release();
  return QWidget::event(event);
}

void SpinButtons::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) Release();
  QWidget::changeEvent(event);
}

void SpinButtons::hideEvent(QHideEvent* event) {
  Release();
  QWidget::hideEvent(event);
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
