#include "status_pane.h"

#include <QAccessible>
#include <QPainter>

#include "accessible_controls.h"
#include "theme.h"

StatusPane::StatusPane(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setFont(theme::UiFont(12));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  InstallControlAccessibility();
}

void StatusPane::SetCaption(const QString& caption) {
  if (caption == text()) return;
  setText(caption);  // QLabel itself reports the change of an unnamed label's name
  if (accessibleName().isEmpty()) return;
  QAccessibleValueChangeEvent event(this, caption);
  QAccessible::updateAccessibility(&event);
}

QSize StatusPane::sizeHint() const { return {fontMetrics().horizontalAdvance(text()) + 10, 20}; }

QSize StatusPane::minimumSizeHint() const { return sizeHint(); }

// The whole look is ours; QLabel's own painting would draw the text a second time.
void StatusPane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(theme::ReadoutBorder, 1));
  painter.setBrush(theme::ReadoutFill);
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  painter.setPen(isEnabled() ? theme::ReadoutText : theme::DimText);
  painter.drawText(rect().adjusted(3, 0, -3, 0), Qt::AlignCenter, text());
}
