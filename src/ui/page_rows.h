#pragma once
// Builds a column of page rows (captions, sliders, phase buttons, read-out panes with spin buttons,
// units, lists, radio groups and buttons) from the page tables, in a rounded panel.

#include <QString>

#include "panel_tables.h"

class Panel;
class QWidget;

enum class RowForm {
  Beside,   // the caption on the left of its controls, rows aligned in columns
  Stacked,  // the caption above its controls, for a narrow column
};

Panel* BuildRowPanel(const RowColumn& rows, RowForm form, const QString& title, QWidget* parent);

// The buttons of a radio, pair or toggle row side by side, radio buttons with their captions.
QWidget* BuildButtonStrip(const PageRow& row, QWidget* parent);
