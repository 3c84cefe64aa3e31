#pragma once
// A sunken read-out that shows a slot's value as text.

#include <QWidget>

#include "control_data.h"

class StatusPane : public QWidget, public ControlData {
  Q_OBJECT

 public:
  explicit StatusPane(QWidget* parent = nullptr);

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};
