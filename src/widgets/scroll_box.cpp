#include "scroll_box.h"

#include <QScrollBar>
#include <QWheelEvent>

ScrollBox::ScrollBox(QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFocusPolicy(Qt::NoFocus);
  viewport()->setAutoFillBackground(false);
}

void ScrollBox::SetContent(QWidget* content) {
  setWidget(content);
  // The box shows what lies behind it; only the controls on the content draw.
  content->setAutoFillBackground(false);
}

int ScrollBox::HorzScrollPosition() const { return horizontalScrollBar()->value(); }

void ScrollBox::SetHorzScrollPosition(int position) { horizontalScrollBar()->setValue(position); }

void ScrollBox::SetScrollBarShown(bool shown) {
  setHorizontalScrollBarPolicy(shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

// The wheel belongs to the main window, which steps the current band edit with it.
void ScrollBox::wheelEvent(QWheelEvent* event) { event->ignore(); }
