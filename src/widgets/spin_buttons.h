#pragma once
// A pair of small arrow buttons, one above the other. A press on the upper one runs
// OnUpRightClick, on the lower one OnDownLeftClick; holding a button down repeats its event.

#include <QTimer>
#include <QWidget>

#include "control_data.h"

class SpinButtons : public QWidget, public ControlData {
  Q_OBJECT

 public:
  explicit SpinButtons(QWidget* parent = nullptr);

  QSize sizeHint() const override { return {13, 20}; }

  Event<SpinButtons&> OnUpRightClick;
  Event<SpinButtons&> OnDownLeftClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Half { None, UpRight, DownLeft };
  void Fire();

  Half held_ = Half::None;
  QTimer repeat_;
};
