#pragma once
// A drop-down list. Setting ItemIndex from code runs nothing; OnChange runs only for a choice the
// user makes. An index outside the items shows no selection (-1).

#include <QComboBox>

#include "control_data.h"

class ComboBox : public QComboBox, public ControlData {
  Q_OBJECT

 public:
  explicit ComboBox(QWidget* parent = nullptr);

  int ItemIndex() const { return currentIndex(); }
  void SetItemIndex(int index);
  QStringList Items() const;
  void SetItems(const QStringList& items);

  Event<ComboBox&> OnChange;

 protected:
  void wheelEvent(QWheelEvent* event) override;
};
