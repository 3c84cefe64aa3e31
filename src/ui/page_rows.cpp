#include "page_rows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <algorithm>

#include "bmp_button.h"
#include "button_looks.h"
#include "combo_box.h"
#include "control_factory.h"
#include "label.h"
#include "panel.h"
#include "spin_buttons.h"
#include "status_pane.h"
#include "theme.h"
#include "track_bar.h"
#include "value_scales.h"

namespace {

constexpr int RowHeight = 22;
constexpr int SpinWidth = 13;
constexpr int ToggleWidth = 88;
constexpr int PairWidth = 100;
constexpr int ListWidth = 100;
// What a read-out pane shows until the panel is first refreshed from the device's values.
const QString DesignReadout = QStringLiteral("--");

Label* Caption(const std::string& text, QWidget* parent) {
  auto* label = new Label(FromUtf8(text), parent);
  label->setFixedHeight(RowHeight);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QFont ReadoutFont() { return theme::UiFont(11); }

// The widest text the row's read-out can show: every position its slider reaches, in the pane's
// text form (the volume panes show the position itself).
QString WidestReadout(const PageRow& row, const QFontMetrics& metrics) {
  QString widest;
  for (int x = 0; x <= row.max; ++x) {
    const QString text = QString::fromStdString(ValueKindText(row.kind, x).value_or(std::to_string(x)));
    if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest)) widest = text;
  }
  return widest;
}

int TextWidth(const std::string& text) { return QFontMetrics(theme::UiFont(12)).horizontalAdvance(FromUtf8(text)); }

// The read-out pane with its spin buttons attached at its right end.
QWidget* PaneBox(const PageRow& row, int boxWidth, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* pane = NewRowPane(row, box);
  pane->setFixedSize(boxWidth - (row.spin.empty() ? 0 : SpinWidth), RowHeight - 2);
  layout->addWidget(pane);
  if (!row.spin.empty()) {
    auto* spin = NewControl<SpinButtons>(box, row.spin);
    spin->setFixedSize(SpinWidth, RowHeight - 2);
    spin->setEnabled(!row.disabled);
    layout->addWidget(spin);
  }
  box->setFixedSize(boxWidth, RowHeight - 2);
  return box;
}

// A button of a row. The buttons of a radio group share the group's parameter in their Tag (the
// control table stamps only the first), so that any of them finds its group.
BmpButton* NewButton(const PageRow& row, int index, QWidget* parent) {
  const RowButton& entry = row.buttons[static_cast<std::size_t>(index)];
  const RowType type = row.type;
  auto* button = NewControl<BmpButton>(parent, entry.name);
  if (type == RowType::Radio || type == RowType::Choice) button->Tag = row.address;
  switch (type) {
    case RowType::Radio:
    case RowType::Choice:  // the hidden radio buttons beside a list
      LookRadio(*button, index == 0);
      button->Hint = QString::number(index);
      break;
    case RowType::Pair:
      LookOnOff(*button, PairWidth);
      button->SetCaption(FromUtf8(entry.caption));
      button->Hint = QString::number(index);
      break;
    default:
      LookOnOff(*button, ToggleWidth);
      button->SetCaption(FromUtf8(entry.caption));
      button->Hint = QStringLiteral("0");
      break;
  }
  return button;
}

}  // namespace

TrackBar* NewRowSlider(const PageRow& row, QWidget* parent) {
  auto* slider = NewControl<TrackBar>(parent, row.slider, Qt::Horizontal);
  if (ChannelOf(row.address) == 9) slider->SetAccent(theme::SystemAccent);
  slider->SetMax(row.max);
  slider->SetPosition(row.design);
  slider->Hint = FromUtf8(row.sliderHint);
  slider->setEnabled(!row.disabled);
  return slider;
}

StatusPane* NewRowPane(const PageRow& row, QWidget* parent) {
  auto* pane = NewControl<StatusPane>(parent, row.pane);
  pane->Hint = QString::number(row.kind);
  pane->SetCaption(DesignReadout);
  pane->setFont(ReadoutFont());
  return pane;
}

QWidget* BuildButtonStrip(const PageRow& row, QWidget* parent) {
  auto* strip = new QWidget(parent);
  auto* layout = new QHBoxLayout(strip);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(row.type == RowType::Radio ? 3 : 6);
  for (int i = 0; i < static_cast<int>(row.buttons.size()); ++i) {
    BmpButton* button = NewButton(row, i, strip);
    layout->addWidget(button);
    if (row.type == RowType::Radio) {
      // The radio's caption beside it; clicking the caption clicks the radio.
      auto* caption = new Label(FromUtf8(row.buttons[i].caption), strip);
      caption->OnClick = [button](Label&) { button->Click(); };
      layout->addWidget(caption);
      layout->addSpacing(2);
    }
  }
  layout->addStretch(1);
  strip->setFixedHeight(RowHeight);
  return strip;
}

namespace {

// A list; when the row names a group, the list sits in that group together with the hidden radio
// buttons that edit the same parameter.
QWidget* ListBox(const PageRow& row, QWidget* parent) {
  QWidget* holder = parent;
  if (!row.group.empty()) {
    auto* group = NewControl<Panel>(parent, row.group);
    group->SetColor(QColor());
    group->SetBorderColor(QColor());
    holder = group;
  }
  auto* list = NewControl<ComboBox>(holder, row.list);
  QStringList items;
  for (const std::string& item : row.items) items << FromUtf8(item);
  list->SetItems(items);
  list->SetItemIndex(0);
  list->setFixedHeight(RowHeight);
  list->setMinimumWidth(ListWidth);
  list->setMaximumWidth(ListWidth + 70);
  if (holder == parent) return list;
  auto* layout = new QHBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list);
  for (int i = 0; i < static_cast<int>(row.buttons.size()); ++i)
    NewButton(row, i, holder)->hide();
  layout->addStretch(1);
  holder->setFixedHeight(RowHeight);
  return holder;
}

void AddBeside(QGridLayout& grid, int r, const PageRow& row, int paneWidth, QWidget* parent) {
  // The columns: caption, slider, phase button, read-out with its spin buttons, unit.
  if (!row.caption.empty()) grid.addWidget(Caption(row.caption, parent), r, 0);
  switch (row.type) {
    case RowType::Slider:
      grid.addWidget(NewRowSlider(row, parent), r, 1);
      if (!row.phase.empty()) {
        auto* phase = NewControl<BmpButton>(parent, row.phase);
        LookPhase(*phase);
        grid.addWidget(phase, r, 2);
      }
      grid.addWidget(PaneBox(row, paneWidth, parent), r, 3);
      if (!row.unit.empty()) grid.addWidget(Caption(row.unit, parent), r, 4);
      break;
    case RowType::Choice: grid.addWidget(ListBox(row, parent), r, 1, 1, 4); break;
    case RowType::Toggle: grid.addWidget(BuildButtonStrip(row, parent), r, 0, 1, 5); break;
    default: grid.addWidget(BuildButtonStrip(row, parent), r, 1, 1, 4); break;
  }
}

// A narrow column: the caption on its own line, a slider on the next, its read-out below it, and
// the buttons of a pair one above the other.
void AddStacked(QGridLayout& grid, int& r, const PageRow& row, int paneWidth, QWidget* parent) {
  if (!row.caption.empty()) grid.addWidget(Caption(row.caption, parent), r++, 0, 1, 2);
  switch (row.type) {
    case RowType::Slider:
      grid.addWidget(NewRowSlider(row, parent), r++, 0, 1, 2);
      grid.addWidget(PaneBox(row, paneWidth, parent), r, 0);
      if (!row.unit.empty()) grid.addWidget(Caption(row.unit, parent), r, 1);
      ++r;
      break;
    case RowType::Pair:
      for (int i = 0; i < static_cast<int>(row.buttons.size()); ++i) {
        BmpButton* button = NewButton(row, i, parent);
        button->setFixedWidth(PairWidth + 20);
        grid.addWidget(button, r++, 0, 1, 2, Qt::AlignLeft);
      }
      break;
    case RowType::Choice: grid.addWidget(ListBox(row, parent), r++, 0, 1, 2); break;
    default: grid.addWidget(BuildButtonStrip(row, parent), r++, 0, 1, 2); break;
  }
}

}  // namespace

RowMetrics MetricsOf(const std::vector<RowColumn>& columns) {
  const QFontMetrics readout(ReadoutFont());
  RowMetrics metrics;
  metrics.pane = 32;
  for (const RowColumn& column : columns)
    for (const PageRow& row : column) {
      if (row.type != RowType::Slider) continue;
      metrics.caption = std::max(metrics.caption, TextWidth(row.caption));
      metrics.unit = std::max(metrics.unit, TextWidth(row.unit));
      if (!row.phase.empty()) metrics.phase = PhaseButtonWidth;
      const int spin = row.spin.empty() ? 0 : SpinWidth;
      metrics.pane = std::max(metrics.pane, readout.horizontalAdvance(WidestReadout(row, readout)) + 10 + spin);
    }
  return metrics;
}

Panel* BuildRowPanel(const RowColumn& rows, RowForm form, const RowMetrics& metrics, const QString& title, QWidget* parent) {
  auto* panel = new Panel(title, parent);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(8, 6 + panel->CaptionHeight(), 8, 6);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(form == RowForm::Stacked ? 2 : 3);
  if (form == RowForm::Beside) {
    grid->setColumnMinimumWidth(0, metrics.caption);
    grid->setColumnMinimumWidth(2, metrics.phase);
    grid->setColumnMinimumWidth(3, metrics.pane);
    grid->setColumnMinimumWidth(4, metrics.unit);
  }
  int r = 0;
  for (const PageRow& row : rows) {
    if (form == RowForm::Beside)
      AddBeside(*grid, r++, row, metrics.pane, panel);
    else
      AddStacked(*grid, r, row, metrics.pane, panel);
  }
  grid->setColumnStretch(form == RowForm::Beside ? 1 : 0, 1);
  grid->setRowStretch(r, 1);
  return panel;
}
