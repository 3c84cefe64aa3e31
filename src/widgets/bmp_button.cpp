#include "bmp_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "accessible_controls.h"
#include "theme.h"

BmpButton::BmpButton(const QString& caption, QWidget* parent) : QAbstractButton(parent), captionColor_(Qt::black) {
  setText(caption);
  setFont(theme::UiFont(12));
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (OnClick) OnClick(*this);
  });
  InstallControlAccessibility();
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

void BmpButton::SetCaptionColor(const QColor& color) {
  captionColor_ = color;
  update();
}

void BmpButton::SetWidth(int width) {
  setFixedWidth(width);
  resize(width, height());
}

QSize BmpButton::sizeHint() const {
  if (!up_.isNull()) return up_.deviceIndependentSize().toSize();
  return {fontMetrics().horizontalAdvance(text()) + 16, 22};
}

const QPixmap& BmpButton::Shown() const {
  if (!isEnabled()) return disabled_.isNull() ? up_ : disabled_;
  if (isDown() && !down_.isNull()) return down_;
  if (hovered_ && !isDown() && !hot_.isNull()) return hot_;
  return up_;
}

void BmpButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QPixmap& picture = Shown();
  const bool faded = !isEnabled() && disabled_.isNull();
  if (faded) painter.setOpacity(0.45);
  if (!picture.isNull()) painter.drawPixmap(rect(), picture);
  if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
    painter.setOpacity(0.7);
    painter.setPen(QPen(captionColor_, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
  }
  if (text().isEmpty()) return;
  painter.setOpacity(isEnabled() ? 1.0 : 0.55);
  painter.setPen(captionColor_);
  const QRect textRect = isDown() ? rect().translated(0, 1) : rect();
  painter.drawText(textRect, Qt::AlignCenter, text());
}

// While the mouse holds the button, Qt holds back the leave event until the release; the moves tell
// when the pointer has left, so that the button shows Up rather than Hot.
void BmpButton::mouseMoveEvent(QMouseEvent* event) {
  const bool inside = rect().contains(event->position().toPoint());
  if (inside != hovered_) {
    hovered_ = inside;
    update();
  }
  QAbstractButton::mouseMoveEvent(event);
}

BmpButton* BmpButton::RadioNeighbour(bool forward) const {
  if (!parentWidget()) return nullptr;
  QList<BmpButton*> group;
  for (BmpButton* b : parentWidget()->findChildren<BmpButton*>(Qt::FindDirectChildrenOnly))
    if (b == this || (b->kind_ == ButtonKind::Radio && b->isEnabled() && !b->isHidden())) group << b;
  const qsizetype at = group.indexOf(const_cast<BmpButton*>(this)) + (forward ? 1 : -1);
  return at >= 0 && at < group.size() ? group[at] : nullptr;
}

void BmpButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    click();
    return;
  }
  const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
  if (kind_ != ButtonKind::Radio || !(forward || key == Qt::Key_Left || key == Qt::Key_Up))
    return QAbstractButton::keyPressEvent(event);
  if (BmpButton* next = RadioNeighbour(forward)) {
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    next->click();
  }
}

void BmpButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void BmpButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}
