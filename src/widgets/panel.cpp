#include "panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "theme.h"

Panel::Panel(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption), fill_(theme::PanelFill), border_(theme::PanelBorder) {
  setFont(theme::UiFont(12, true));
}

void Panel::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void Panel::SetColor(const QColor& fill) {
  fill_ = fill;
  update();
}

void Panel::SetBorderColor(const QColor& border) {
  border_ = border;
  update();
}

void Panel::SetRadius(qreal radius) {
  radius_ = radius;
  update();
}

int Panel::CaptionHeight() const { return caption_.isEmpty() ? 0 : fontMetrics().height() + 6; }

void Panel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(border_.isValid() ? QPen(border_, 1) : QPen(Qt::NoPen));
  painter.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius_, radius_);
  if (caption_.isEmpty()) return;
  painter.setPen(isEnabled() ? theme::PanelTitle : theme::DimText);
  painter.drawText(QRect(8, 3, width() - 16, CaptionHeight() - 3), Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

void Panel::mousePressEvent(QMouseEvent* event) { event->accept(); }
