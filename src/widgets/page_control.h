#pragma once
// Pages on top of each other, one on show. There is no tab strip: the window chooses the page.

#include <QMouseEvent>
#include <QStackedWidget>

#include "control_data.h"

class TabSheet : public QWidget, public ControlData {
  Q_OBJECT

 public:
  explicit TabSheet(const QString& caption = {}, QWidget* parent = nullptr) : QWidget(parent), caption_(caption) {}
  const QString& Caption() const { return caption_; }

 protected:
  // A page is a control of its own: a press on it never reaches the window beneath.
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }

 private:
  QString caption_;
};

class PageControl : public QStackedWidget, public ControlData {
  Q_OBJECT

 public:
  explicit PageControl(QWidget* parent = nullptr) : QStackedWidget(parent) {}

  int PageCount() const { return count(); }
  TabSheet* Pages(int index) const { return qobject_cast<TabSheet*>(widget(index)); }
  int ActivePageIndex() const { return currentIndex(); }
  void SetActivePageIndex(int index) { setCurrentIndex(index); }
  void AddPage(TabSheet* sheet) { addWidget(sheet); }
};
