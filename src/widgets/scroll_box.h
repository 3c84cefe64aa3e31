#pragma once
// A box that scrolls its content sideways. The content is one widget of fixed size.

#include <QScrollArea>

#include "control_data.h"

class ScrollBox : public QScrollArea, public ControlData {
  Q_OBJECT

 public:
  explicit ScrollBox(QWidget* parent = nullptr);

  // The scrolled content, drawn over the box's own background.
  void SetContent(QWidget* content);
  int HorzScrollPosition() const;
  void SetHorzScrollPosition(int position);
  // Shows or hides the box's own scroll bar; a box scrolled by another control hides it.
  void SetScrollBarShown(bool shown);

 protected:
  void wheelEvent(QWheelEvent* event) override;
};
