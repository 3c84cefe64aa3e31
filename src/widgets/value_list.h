#pragma once
// A two-column list of keys and values under two title captions. The user picks a row; typing
// changes nothing unless a key handler lets it.

#include <QTableWidget>

#include "control_data.h"

class ValueList : public QTableWidget, public ControlData {
  Q_OBJECT

 public:
  ValueList(const QString& keyTitle, const QString& valueTitle, QWidget* parent = nullptr);

  void Clear();
  void AppendRow(const QString& key, const QString& value);
  int RowCount() const { return rowCount(); }
  QString Key(int row) const;
  QString Value(int row) const;
  // The selected row counted as the list's grid does: the title row is 0, so the first entry is 1;
  // 0 means nothing is selected.
  int Row() const { return currentRow() + 1; }
  void SetRow(int row) { setCurrentCell(row - 1, 1); }

  Event<ValueList&> OnClick;
  Event<ValueList&, QChar&> OnKeyPress;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};
