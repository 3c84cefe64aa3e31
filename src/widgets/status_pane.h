#pragma once
// A sunken read-out that shows a slot's value as text. It stands on QLabel, so its `text` property
// and its accessibility are Qt's own; it paints its own rounded look. A pane named for accessibility
// (by its row) keeps that name and reports a new caption as a change of its value; an unnamed one is
// named by its text, as any label.

#include <QLabel>

#include "control_data.h"

class StatusPane : public QLabel, public ControlData {
  Q_OBJECT

 public:
  explicit StatusPane(QWidget* parent = nullptr);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
