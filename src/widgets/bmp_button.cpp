#include "bmp_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "theme.h"

BmpButton::BmpButton(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption), captionColor_(Qt::black) {
  setFont(theme::UiFont(12));
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void BmpButton::SetUp(const QPixmap& picture) {
  up_ = picture;
  update();
}

void BmpButton::SetDown(const QPixmap& picture) {
  down_ = picture;
  update();
}

void BmpButton::SetDisabled(const QPixmap& picture) {
  disabled_ = picture;
  update();
}

void BmpButton::SetStayDown(const QPixmap& picture) {
  stayDown_ = picture;
  update();
}

void BmpButton::SetHot(const QPixmap& picture) {
  hot_ = picture;
  update();
}

void BmpButton::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void BmpButton::SetCaptionColor(const QColor& color) {
  captionColor_ = color;
  update();
}

void BmpButton::SetWidth(int width) {
  setFixedWidth(width);
  resize(width, height());
}

void BmpButton::Click() {
  if (OnClick) OnClick(*this);
}

QSize BmpButton::sizeHint() const {
  if (!up_.isNull()) return up_.deviceIndependentSize().toSize();
  return {fontMetrics().horizontalAdvance(caption_) + 16, 22};
}

const QPixmap& BmpButton::Shown() const {
  if (!isEnabled()) return disabled_.isNull() ? up_ : disabled_;
  if (pressed_ && hovered_ && !down_.isNull()) return down_;
  if (hovered_ && !pressed_ && !hot_.isNull()) return hot_;
  return up_;
}

void BmpButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QPixmap& picture = Shown();
  const bool faded = !isEnabled() && disabled_.isNull();
  if (faded) painter.setOpacity(0.45);
  if (!picture.isNull()) painter.drawPixmap(rect(), picture);
  if (caption_.isEmpty()) return;
  painter.setOpacity(isEnabled() ? 1.0 : 0.55);
  painter.setPen(captionColor_);
  const QRect textRect = pressed_ && hovered_ ? rect().translated(0, 1) : rect();
  painter.drawText(textRect, Qt::AlignCenter, caption_);
}

void BmpButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressed_ = true;
  hovered_ = true;
  update();
}

void BmpButton::mouseMoveEvent(QMouseEvent* event) {
  const bool inside = rect().contains(event->position().toPoint());
  if (inside != hovered_) {
    hovered_ = inside;
    update();
  }
}

void BmpButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return QWidget::mouseReleaseEvent(event);
  pressed_ = false;
  update();
  if (rect().contains(event->position().toPoint())) Click();
}

void BmpButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    Click();
  else
    QWidget::keyPressEvent(event);
}

void BmpButton::enterEvent(QEnterEvent*) {
  hovered_ = true;
  update();
}

void BmpButton::leaveEvent(QEvent*) {
  hovered_ = false;
  update();
}
