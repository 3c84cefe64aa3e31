#include "status_pane.h"

#include <QPainter>

#include "theme.h"

StatusPane::StatusPane(QWidget* parent) : QWidget(parent) {
  setFont(theme::UiFont(12));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void StatusPane::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

QSize StatusPane::sizeHint() const { return {fontMetrics().horizontalAdvance(caption_) + 10, 20}; }

QSize StatusPane::minimumSizeHint() const { return sizeHint(); }

void StatusPane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(theme::ReadoutBorder, 1));
  painter.setBrush(theme::ReadoutFill);
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  painter.setPen(isEnabled() ? theme::ReadoutText : theme::DimText);
  painter.drawText(rect().adjusted(3, 0, -3, 0), Qt::AlignCenter, caption_);
}
