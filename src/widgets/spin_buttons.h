#pragma once
// A pair of small arrow buttons, one above the other. A press on the upper one runs
// OnUpRightClick, on the lower one OnDownLeftClick; holding a button down repeats its event.
// The repeat ends with the release, and also when the control is disabled or hidden, when its window
// loses the activation, or when a dialog or a menu opens over it: those take the mouse, and the
// release would never come back. A disabled control takes no press.

#include <QTimer>
#include <QWidget>

#include "control_data.h"

class SpinButtons : public QWidget, public ControlData {
  Q_OBJECT

 public:
  explicit SpinButtons(QWidget* parent = nullptr);

  QSize sizeHint() const override { return {13, 20}; }

  // One click of the upper (up) or the lower half, as a press and release there would run it.
  void Step(bool up);

  Event<SpinButtons&> OnUpRightClick;
  Event<SpinButtons&> OnDownLeftClick;

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Half { None, UpRight, DownLeft };
  void Fire();
  void Repeat();
  void Release();
  bool Overlaid() const;

  Half held_ = Half::None;
  QTimer repeat_;
};
