#pragma once
// A slider from 0 to Max. Setting Position from code runs OnChange at once, on the caller's thread,
// whenever the position actually changes; so does the user's drag, click or arrow key. A position
// that does not change runs nothing, which is what stops a handler that sets its own slider from
// running forever. A vertical slider has Max at the top, like a fader.

#include <QPixmap>
#include <QWidget>

#include "control_data.h"

class TrackBar : public QWidget, public ControlData {
  Q_OBJECT

 public:
  explicit TrackBar(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

  int Position() const { return position_; }
  void SetPosition(int position);
  int Max() const { return max_; }
  void SetMax(int max);
  Qt::Orientation Orientation() const { return orientation_; }

  // The thumb's pictures, enabled and disabled; another slider may take them over.
  const QPixmap& SliderPicture() const { return thumb_; }
  void SetSliderPicture(const QPixmap& picture);
  const QPixmap& SliderPictureDisabled() const { return thumbDisabled_; }
  void SetSliderPictureDisabled(const QPixmap& picture);
  // The colour of the groove between 0 and the thumb.
  void SetAccent(const QColor& accent);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  Event<TrackBar&> OnChange;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QSize ThumbExtent() const;
  // Pixel span the thumb's centre travels along, and the conversions both ways.
  int TravelStart() const;
  int TravelLength() const;
  int PositionAt(QPoint point) const;
  QRect ThumbRect() const;

  Qt::Orientation orientation_;
  int position_ = 0;
  int max_ = 10;
  bool dragging_ = false;
  QPoint grabOffset_;
  QPixmap thumb_;
  QPixmap thumbDisabled_;
  QColor accent_;
};
