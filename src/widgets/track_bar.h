#pragma once
// A slider from 0 to Max, standing on QAbstractSlider so that its `value`, `minimum` and `maximum`
// properties, its keys and its accessibility are Qt's own; it paints its own groove and thumb.
//
// OnChange runs at once, on the caller's thread, for every change of the position, whatever made it:
// SetPosition, setValue or the `value` property, a smaller Max, the user's drag, click or key. A
// position that does not change runs nothing, which is what stops a handler that sets its own slider
// from running forever. The minimum stays 0.
//
// Mouse: a press on the thumb grabs it where it was hit, a press beside it jumps there, and a drag
// reports each new position. A vertical slider has Max at the top, like a fader.
// Keys: the arrows step by 1, Page Up and Page Down by a page of Max/10 (at least 1), Home goes to 0
// and End to Max. The wheel is left to the main window.
//
// For screen readers its value reads as its read-out shows it: the text of the control named by
// SetValueReadout (a pane or an edit) with the unit after it; without one, the position.

#include <QAbstractSlider>
#include <QPixmap>
#include <QPointer>

#include "control_data.h"

class TrackBar : public QAbstractSlider, public ControlData {
  Q_OBJECT

 public:
  explicit TrackBar(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

  int Position() const { return value(); }
  void SetPosition(int position) { setValue(position); }
  int Max() const { return maximum(); }
  void SetMax(int max) { setMaximum(max); }
  Qt::Orientation Orientation() const { return orientation(); }

  // The thumb's pictures, enabled and disabled; another slider may take them over.
  const QPixmap& SliderPicture() const { return thumb_; }
  void SetSliderPicture(const QPixmap& picture);
  const QPixmap& SliderPictureDisabled() const { return thumbDisabled_; }
  void SetSliderPictureDisabled(const QPixmap& picture);
  // The colour of the groove between 0 and the thumb.
  void SetAccent(const QColor& accent);

  // Where the thumb's centre lies at a position, along the slider in its own pixels (x for a
  // horizontal slider, y for a vertical one); a scale beside the slider is placed by it.
  int CentreAt(int position) const;

  void SetValueReadout(QWidget* readout, const QString& unit = {});
  QWidget* ValueReadout() const { return readout_; }
  const QString& ValueUnit() const { return unit_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  Event<TrackBar&> OnChange;

 protected:
  void sliderChange(SliderChange change) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QSize ThumbExtent() const;
  // Pixel span the thumb's centre travels along, and the conversions both ways.
  int TravelStart() const;
  int TravelLength() const;
  int PositionAt(QPoint point) const;
  QRect ThumbRect() const;

  QPoint grabOffset_;
  QPixmap thumb_;
  QPixmap thumbDisabled_;
  QColor accent_;
  QPointer<QWidget> readout_;
  QString unit_;
};
