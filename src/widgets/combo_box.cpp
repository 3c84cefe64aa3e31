#include "combo_box.h"

#include <QWheelEvent>

#include "theme.h"

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  setFont(theme::UiFont(12));
  setFocusPolicy(Qt::StrongFocus);
  // activated() comes only from the user's choice, never from setCurrentIndex.
  connect(this, &QComboBox::activated, this, [this] {
    if (OnChange) OnChange(*this);
  });
}

void ComboBox::SetItemIndex(int index) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

QStringList ComboBox::Items() const {
  QStringList items;
  for (int i = 0; i < count(); ++i) items << itemText(i);
  return items;
}

void ComboBox::SetItems(const QStringList& items) {
  const QSignalBlocker quiet(this);
  clear();
  addItems(items);
}

// The wheel belongs to the main window, and a list must not change under a passing wheel.
void ComboBox::wheelEvent(QWheelEvent* event) { event->ignore(); }
