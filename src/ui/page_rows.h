#pragma once
// Builds a column of page rows (captions, sliders, phase buttons, read-out panes with spin buttons,
// units, lists, radio groups and buttons) from the page tables, in a rounded panel.

#include <QString>

#include "panel_tables.h"

class Panel;
class QWidget;
class StatusPane;
class TrackBar;

enum class RowForm {
  Beside,   // the caption on the left of its controls, rows aligned in columns
  Stacked,  // the caption above its controls, for a narrow column
};

// The widths of the columns of a panel's rows (caption, phase button, read-out, unit), so that the
// rows line up and their sliders are equally long.
struct RowMetrics {
  int caption = 0;
  int phase = 0;
  int pane = 0;
  int unit = 0;
};
RowMetrics MetricsOf(const std::vector<RowColumn>& columns);

Panel* BuildRowPanel(const RowColumn& rows, RowForm form, const RowMetrics& metrics, const QString& title, QWidget* parent);

// The buttons of a radio, pair or toggle row side by side, radio buttons with their captions.
QWidget* BuildButtonStrip(const PageRow& row, QWidget* parent);

// The slider and the read-out pane of a slider row, as every row of the window builds them: range,
// design position, place in a volume triple, enabled state, the accent of its page, the pane's value
// kind. The caller lays them out.
TrackBar* NewRowSlider(const PageRow& row, QWidget* parent);
StatusPane* NewRowPane(const PageRow& row, QWidget* parent);
