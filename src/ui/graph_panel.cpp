#include "graph_panel.h"

#include <QHBoxLayout>
#include <tuple>
#include <QVBoxLayout>

#include "bmp_button.h"
#include "button_looks.h"
#include "control_factory.h"
#include "control_names.h"
#include "graph_state.h"
#include "image.h"
#include "label.h"
#include "panel.h"
#include "panel_tables.h"
#include "pictures.h"
#include "theme.h"

namespace {

constexpr int PlotLeft = 40;
constexpr int PlotTop = 13;
constexpr int PlotRight = 13;
constexpr int AxisLabelsHeight = 18;
constexpr int BottomBarHeight = 32;
constexpr int BarButtonWidth = 92;
constexpr int HistoryButtonWidth = 28;
constexpr int SyncStateWidth = 190;

void BuildPlotArea(Panel& area) {
  auto* layout = new QVBoxLayout(&area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(NewControl<Image>(&area, ControlName::Image1));

  auto* readout = NewControl<Label>(&area, ControlName::EQlabel);
  readout->setFont(theme::UiFont(12, true));
  readout->SetFontColor(QColor(199, 255, 255));
  readout->setAlignment(Qt::AlignCenter);
  readout->resize(110, 48);  // three lines: gain, Q and frequency; the graph places it by its handle

  auto* pass = NewControl<Label>(&area, ControlName::EQPassLabel, QStringLiteral("EQ PASS"));
  pass->setFont(theme::UiFont(14, true));
  pass->SetFontColor(QColor(255, 120, 40));
  pass->move(10, 6);
  pass->adjustSize();
  pass->hide();

  for (int i = 0; i < GraphSlotCount; ++i) {
    const bool filter = i >= HighPassHandle;
    auto* handle = NewControl<Image>(&area, GraphHandleName(i));
    handle->SetPicture(filter ? FilterHandlePicture(i == LowPassHandle) : BandHandlePicture());
    handle->resize(filter ? FilterHandleSize : BandHandleSize);
    handle->hide();
  }

  // The mode images of the bands take their on and off looks from these.
  for (int on = 0; on < 2; ++on)
    for (int mode = 0; mode < 3; ++mode) {
      auto* image = NewControl<Image>(&area, (on ? ControlName::ModeOnImages : ControlName::ModeOffImages)[mode]);
      image->SetPicture(ModePicture(mode, on == 1));
      image->resize(ModeImageSize);
      image->hide();
    }
}

// A button of the bottom bar: a command, an on/off button or one of a pair (the Sing/Disco pair
// keeps its off look apart).
BmpButton* BarButton(QWidget* parent, const RowButton& entry, int row) {
  auto* button = NewControl<BmpButton>(parent, entry.name, FromUtf8(entry.caption));
  if (row == EqResetRow)
    LookCommand(*button, BarButtonWidth);
  else if (row == SingDiscoRow)
    LookSingDisco(*button, BarButtonWidth);
  else
    LookOnOff(*button, BarButtonWidth);
  if (row == EqPassRow) button->Hint = QStringLiteral("0");
  return button;
}

void AddRowButtons(QHBoxLayout* layout, QWidget* parent, int row) {
  for (const RowButton& entry : BottomBarRows()[static_cast<std::size_t>(row)].buttons)
    layout->addWidget(BarButton(parent, entry, row));
}

Panel* BuildBottomBar(QWidget* parent) {
  auto* bar = NewControl<Panel>(parent, "RzGroupBox3");
  bar->SetColor(QColor(34, 34, 34));
  bar->SetBorderColor(QColor(70, 70, 70));
  bar->SetRadius(4);
  bar->setFixedHeight(BottomBarHeight);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->setSpacing(6);
  AddRowButtons(layout, bar, LinkPairRow);
  layout->addSpacing(6);
  for (const auto& [name, glyph, action, keys] : {std::tuple{ControlName::UndoBtn, u"\u21B6", "Undo", "Ctrl+Z"},
                                                  std::tuple{ControlName::RedoBtn, u"\u21B7", "Redo", "Ctrl+Shift+Z"}}) {
    auto* button = NewControl<BmpButton>(bar, name, QString::fromUtf16(glyph));
    LookCommand(*button, HistoryButtonWidth);
    button->setAccessibleName(QString::fromUtf8(action));  // the glyph says nothing to a screen reader
    button->setFont(theme::UiFont(17, true));
    button->setToolTip(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(action), QString::fromUtf8(keys)));
    button->setEnabled(false);
    layout->addWidget(button);
  }
  auto* sync = NewControl<Label>(bar, ControlName::SyncStateLabel);
  sync->SetFontColor(QColor(200, 210, 225));
  sync->setMinimumWidth(SyncStateWidth);
  layout->addSpacing(6);
  layout->addWidget(sync);
  layout->addStretch(1);

  auto* modes = NewControl<Panel>(bar, ControlName::SingleDiscoGrop);
  modes->SetColor(QColor());
  modes->SetBorderColor(QColor());
  auto* modeLayout = new QHBoxLayout(modes);
  modeLayout->setContentsMargins(0, 0, 0, 0);
  modeLayout->setSpacing(6);
  AddRowButtons(modeLayout, modes, AutoManualRow);
  modeLayout->addSpacing(18);
  AddRowButtons(modeLayout, modes, SingDiscoRow);
  layout->addWidget(modes);
  layout->addStretch(1);

  AddRowButtons(layout, bar, EqResetRow);
  AddRowButtons(layout, bar, EqPassRow);
  return bar;
}

}  // namespace

Panel* BuildGraphPanel(QWidget* parent) {
  auto* panel = NewControl<Panel>(parent, ControlName::AdvPanel1);
  panel->SetColor(theme::GraphPanel);
  panel->SetBorderColor(Qt::white);
  panel->SetRadius(0);

  auto* area = NewControl<Panel>(panel, ControlName::AdvPanel2);
  area->SetColor(theme::GraphArea);
  area->SetBorderColor(QColor());
  area->SetRadius(0);
  BuildPlotArea(*area);

  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, PlotTop, 0, 4);
  layout->setSpacing(0);
  auto* plotRow = new QHBoxLayout;
  plotRow->setContentsMargins(PlotLeft, 0, PlotRight, 0);
  plotRow->addWidget(area);
  layout->addLayout(plotRow, 1);
  layout->addSpacing(AxisLabelsHeight);
  auto* barRow = new QHBoxLayout;
  barRow->setContentsMargins(4, 0, 4, 0);
  barRow->addWidget(BuildBottomBar(panel));
  layout->addLayout(barRow);
  return panel;
}
