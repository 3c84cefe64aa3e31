#include "pictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "theme.h"

namespace {

struct LookColours {
  QColor top, bottom, border;
};

LookColours ColoursOf(Look look) {
  switch (look) {
    case Look::Off: return {{233, 238, 246}, {184, 196, 214}, {72, 90, 122}};
    case Look::Hover: return {{248, 251, 255}, {207, 218, 234}, {110, 140, 190}};
    case Look::Pressed: return {{166, 182, 206}, {214, 224, 236}, {56, 72, 100}};
    case Look::Lit: return {{255, 218, 112}, {240, 158, 28}, {150, 96, 0}};
    case Look::Selected: return {{64, 166, 255}, {10, 84, 196}, {200, 228, 255}};
    case Look::Greyed: return {{146, 152, 164}, {112, 118, 132}, {86, 92, 106}};
  }
  return {};
}

// A picture being drawn: the pixmap, an anti-aliased painter on it, and its outline set in by half a
// pixel so that one-pixel lines fall on whole pixels.
class Drawing {
 public:
  Drawing(QSize size, qreal ratio)
      : picture_(NewPicture(size, ratio)),
        painter(&picture_),
        frame(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5)) {
    painter.setRenderHint(QPainter::Antialiasing);
  }
  QPixmap Done() {
    painter.end();
    return picture_;
  }

 private:
  QPixmap picture_;

 public:
  QPainter painter;
  const QRectF frame;
};

}  // namespace

QPixmap NewPicture(QSize size, qreal ratio) {
  if (ratio <= 0) ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  QPixmap picture(QSize(qCeil(size.width() * ratio), qCeil(size.height() * ratio)));
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  return picture;
}

QPixmap ButtonPicture(QSize size, Look look, qreal ratio) {
  Drawing drawing(size, ratio);
  QPainter& painter = drawing.painter;
  const LookColours c = ColoursOf(look);
  const QRectF& r = drawing.frame;
  const qreal radius = qMin<qreal>(6.0, r.height() / 2.0);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, c.top);
  fill.setColorAt(1, c.bottom);
  painter.setPen(QPen(c.border, 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(r, radius, radius);
  if (look != Look::Pressed && size.height() > 8) {
    // A soft sheen on the upper half gives the raised looks some depth.
    QColor sheen(255, 255, 255, look == Look::Selected ? 60 : 90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    const QRectF upper = r.adjusted(1.5, 1.5, -1.5, -r.height() / 2.0);
    painter.drawRoundedRect(upper, radius - 1, radius - 1);
  }
  return drawing.Done();
}

QPixmap RadioPicture(bool on, bool enabled, qreal ratio) {
  Drawing drawing(RadioSize, ratio);
  QPainter& painter = drawing.painter;
  const QRectF& r = drawing.frame;
  painter.setPen(QPen(enabled ? QColor(210, 226, 255) : QColor(128, 138, 160), 1.2));
  painter.setBrush(enabled ? QColor(8, 24, 64) : QColor(48, 56, 76));
  painter.drawEllipse(r);
  if (on) {
    QRadialGradient dot(r.center(), 3.6, r.center() - QPointF(1, 1));
    dot.setColorAt(0, enabled ? QColor(255, 240, 180) : QColor(200, 200, 200));
    dot.setColorAt(1, enabled ? QColor(255, 170, 30) : QColor(140, 140, 140));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dot);
    painter.drawEllipse(r.center(), 3.6, 3.6);
  }
  return drawing.Done();
}

QPixmap ModePicture(int mode, bool on, qreal ratio) {
  Drawing drawing(ModeImageSize, ratio);
  QPainter& painter = drawing.painter;
  const QRectF& r = drawing.frame;
  painter.setPen(QPen(on ? QColor(120, 210, 255) : QColor(70, 90, 130), 1));
  painter.setBrush(on ? QColor(10, 70, 150) : QColor(8, 22, 58));
  painter.drawRoundedRect(r, 3, 3);

  const qreal left = 3, right = ModeImageSize.width() - 3.0;
  const qreal low = ModeImageSize.height() - 4.0, high = 3.5, mid = ModeImageSize.height() / 2.0 + 0.5;
  QPainterPath curve;
  switch (mode) {
    case 0:  // a bell around the middle
      curve.moveTo(left, low);
      curve.cubicTo(QPointF(7, low), QPointF(7.5, high), QPointF(9, high));
      curve.cubicTo(QPointF(10.5, high), QPointF(11, low), QPointF(right, low));
      break;
    case 1:  // raised below, flat above
      curve.moveTo(left, high);
      curve.lineTo(6, high);
      curve.cubicTo(QPointF(9, high), QPointF(9, low), QPointF(12, low));
      curve.lineTo(right, low);
      break;
    default:  // flat below, raised above
      curve.moveTo(left, low);
      curve.lineTo(6, low);
      curve.cubicTo(QPointF(9, low), QPointF(9, high), QPointF(12, high));
      curve.lineTo(right, high);
      break;
  }
  painter.setPen(QPen(QColor(255, 255, 255, 40), 0.8, Qt::DotLine));
  painter.drawLine(QPointF(left, mid), QPointF(right, mid));
  painter.setPen(QPen(on ? QColor(255, 214, 90) : QColor(130, 146, 176), 1.4, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(curve);
  return drawing.Done();
}

QPixmap BandHandlePicture(qreal ratio) {
  Drawing drawing(BandHandleSize, ratio);
  QPainter& painter = drawing.painter;
  const QRectF r(1, 1, BandHandleSize.width() - 2.0, BandHandleSize.height() - 2.0);
  QRadialGradient fill(r.center(), r.width() / 2.0, r.center() - QPointF(2, 2));
  fill.setColorAt(0, QColor(255, 255, 255));
  fill.setColorAt(0.5, QColor(120, 220, 255));
  fill.setColorAt(1, QColor(0, 120, 200));
  painter.setPen(QPen(QColor(255, 255, 255), 1.2));
  painter.setBrush(fill);
  painter.drawEllipse(r);
  return drawing.Done();
}

QPixmap FilterHandlePicture(bool lowPass, qreal ratio) {
  Drawing drawing(FilterHandleSize, ratio);
  QPainter& painter = drawing.painter;
  const QRectF r(1.5, 1.5, FilterHandleSize.width() - 3.0, FilterHandleSize.height() - 3.0);
  painter.setPen(QPen(QColor(255, 255, 255), 1.4));
  painter.setBrush(QColor(255, 150, 30, 200));
  painter.drawEllipse(r);
  painter.setPen(Qt::white);
  painter.setFont(theme::UiFont(10, true));
  painter.drawText(r, Qt::AlignCenter, lowPass ? QStringLiteral("LP") : QStringLiteral("HP"));
  return drawing.Done();
}

QPixmap TitlePicture(QSize size, qreal ratio) {
  Drawing drawing(size, ratio);
  QPainter& painter = drawing.painter;
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QRectF r(QPointF(0, 0), QSizeF(size));
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, QColor(34, 86, 196));
  fill.setColorAt(0.55, QColor(10, 44, 130));
  fill.setColorAt(1, QColor(4, 26, 86));
  painter.fillRect(r, fill);
  QLinearGradient glow(r.topLeft(), r.topRight());
  glow.setColorAt(0, QColor(120, 200, 255, 90));
  glow.setColorAt(0.5, QColor(120, 200, 255, 0));
  painter.fillRect(r, glow);
  return drawing.Done();
}

QPixmap WindowButtonPicture(WindowGlyph glyph, Look look, qreal ratio) {
  Drawing drawing(WindowButtonSize, ratio);
  QPainter& painter = drawing.painter;
  const QRectF& r = drawing.frame;
  QColor back(255, 255, 255, 0);
  if (look == Look::Hover) back = glyph == WindowGlyph::Close ? QColor(220, 50, 50) : QColor(255, 255, 255, 50);
  if (look == Look::Pressed) back = glyph == WindowGlyph::Close ? QColor(170, 30, 30) : QColor(0, 0, 0, 70);
  painter.setPen(Qt::NoPen);
  painter.setBrush(back);
  painter.drawRoundedRect(r, 4, 4);

  painter.setPen(QPen(look == Look::Greyed ? QColor(150, 160, 180) : QColor(255, 255, 255), 1.4, Qt::SolidLine,
                      Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  const QPointF c = r.center();
  switch (glyph) {
    case WindowGlyph::Minimise:
      painter.drawLine(QPointF(c.x() - 5, c.y() + 4), QPointF(c.x() + 5, c.y() + 4));
      break;
    case WindowGlyph::Maximise:
      painter.drawRect(QRectF(c.x() - 5, c.y() - 5, 10, 10));
      painter.drawLine(QPointF(c.x() - 5, c.y() - 3.5), QPointF(c.x() + 5, c.y() - 3.5));
      break;
    case WindowGlyph::Close:
      painter.drawLine(QPointF(c.x() - 4.5, c.y() - 4.5), QPointF(c.x() + 4.5, c.y() + 4.5));
      painter.drawLine(QPointF(c.x() - 4.5, c.y() + 4.5), QPointF(c.x() + 4.5, c.y() - 4.5));
      break;
  }
  return drawing.Done();
}

QSize ThumbSize(Qt::Orientation orientation) {
  return orientation == Qt::Horizontal ? QSize(10, 18) : QSize(20, 10);
}

QPixmap ThumbPicture(Qt::Orientation orientation, const QColor& accent, bool enabled, qreal ratio) {
  const QSize size = ThumbSize(orientation);
  Drawing drawing(size, ratio);
  QPainter& painter = drawing.painter;
  const QRectF& r = drawing.frame;
  const QColor base = enabled ? accent : QColor(130, 136, 150);
  QLinearGradient fill(r.topLeft(), orientation == Qt::Horizontal ? r.topRight() : r.bottomLeft());
  fill.setColorAt(0, base.lighter(160));
  fill.setColorAt(1, base.darker(130));
  painter.setPen(QPen(enabled ? QColor(255, 255, 255) : QColor(180, 184, 194), 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(r, 3, 3);
  // A grip line across the thumb.
  painter.setPen(QPen(QColor(0, 0, 0, 110), 1));
  const QPointF c = r.center();
  if (orientation == Qt::Horizontal)
    painter.drawLine(QPointF(c.x(), r.top() + 4), QPointF(c.x(), r.bottom() - 4));
  else
    painter.drawLine(QPointF(r.left() + 4, c.y()), QPointF(r.right() - 4, c.y()));
  return drawing.Done();
}
