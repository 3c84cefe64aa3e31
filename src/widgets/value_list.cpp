#include "value_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "theme.h"

ValueList::ValueList(const QString& keyTitle, const QString& valueTitle, QWidget* parent)
    : QTableWidget(0, 2, parent) {
  setHorizontalHeaderLabels({keyTitle, valueTitle});
  setFont(theme::UiFont(12));
  horizontalHeader()->setFont(theme::UiFont(12, true));
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(20);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAlternatingRowColors(true);
}

void ValueList::Clear() { setRowCount(0); }

void ValueList::AppendRow(const QString& key, const QString& value) {
  const int row = rowCount();
  insertRow(row);
  setItem(row, 0, new QTableWidgetItem(key));
  setItem(row, 1, new QTableWidgetItem(value));
}

QString ValueList::Key(int row) const {
  const QTableWidgetItem* cell = item(row, 0);
  return cell ? cell->text() : QString();
}

QString ValueList::Value(int row) const {
  const QTableWidgetItem* cell = item(row, 1);
  return cell ? cell->text() : QString();
}

void ValueList::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (!text.isEmpty() && text.front().isPrint() && OnKeyPress) {
    QChar key = text.front();
    OnKeyPress(*this, key);
    if (key.isNull()) return event->accept();
  }
  QTableWidget::keyPressEvent(event);
}

void ValueList::mouseReleaseEvent(QMouseEvent* event) {
  QTableWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && OnClick) OnClick(*this);
}
