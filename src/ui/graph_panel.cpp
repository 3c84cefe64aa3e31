#include "graph_panel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "bmp_button.h"
#include "button_looks.h"
#include "control_factory.h"
#include "image.h"
#include "label.h"
#include "panel.h"
#include "pictures.h"
#include "theme.h"

namespace {

constexpr int PlotLeft = 40;
constexpr int PlotTop = 13;
constexpr int PlotRight = 13;
constexpr int AxisLabelsHeight = 18;
constexpr int BottomBarHeight = 32;
constexpr int BarButtonWidth = 92;

void BuildPlotArea(Panel& area) {
  auto* layout = new QVBoxLayout(&area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(NewControl<Image>(&area, "Image1"));

  auto* readout = NewControl<Label>(&area, "EQlabel");
  readout->setFont(theme::UiFont(12, true));
  readout->SetFontColor(QColor(199, 255, 255));
  readout->setAlignment(Qt::AlignCenter);
  readout->resize(110, 48);  // three lines: gain, Q and frequency; the graph places it by its handle

  auto* pass = NewControl<Label>(&area, "EQPassLabel", QStringLiteral("EQ PASS"));
  pass->setFont(theme::UiFont(14, true));
  pass->SetFontColor(QColor(255, 120, 40));
  pass->move(10, 6);
  pass->adjustSize();
  pass->hide();

  for (int i = 0; i < GraphHandleCount; ++i) {
    const bool filter = i >= 15;
    const QString name = filter ? (i == 15 ? QStringLiteral("HPF") : QStringLiteral("LPF")) : QStringLiteral("EP%1").arg(i + 1);
    auto* handle = NewControl<Image>(&area, name);
    handle->SetPicture(filter ? FilterHandlePicture(i == 16) : BandHandlePicture());
    handle->resize(filter ? FilterHandleSize : BandHandleSize);
    handle->hide();
  }

  // The mode images of the bands take their on and off looks from these.
  const char* const templates[2][3] = {{"PEQ_OFFImage", "LSQ_OFFImage", "HSQ_OFFImage"},
                                       {"PEQ_ONImage", "LSQ_ONImage", "HSQ_ONImage"}};
  for (int on = 0; on < 2; ++on)
    for (int mode = 0; mode < 3; ++mode) {
      auto* image = NewControl<Image>(&area, templates[on][mode]);
      image->SetPicture(ModePicture(mode, on == 1));
      image->resize(ModeImageSize);
      image->hide();
    }
}

BmpButton* BarButton(QWidget* parent, const char* name, const char* caption, bool command) {
  auto* button = NewControl<BmpButton>(parent, name, QString::fromLatin1(caption));
  if (command)
    LookCommand(*button, BarButtonWidth);
  else
    LookOnOff(*button, BarButtonWidth);
  return button;
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
  layout->addWidget(BarButton(bar, "LinkBtn", "Connect", false));
  layout->addWidget(BarButton(bar, "UnLinkBtn", "Disconnect", false));
  layout->addStretch(1);

  auto* modes = NewControl<Panel>(bar, "SingleDiscoGrop");
  modes->SetColor(QColor());
  modes->SetBorderColor(QColor());
  auto* modeLayout = new QHBoxLayout(modes);
  modeLayout->setContentsMargins(0, 0, 0, 0);
  modeLayout->setSpacing(6);
  modeLayout->addWidget(BarButton(modes, "AutoModeBtn", "Manual", false));
  modeLayout->addWidget(BarButton(modes, "ManulModeBtn", "Auto", false));
  modeLayout->addSpacing(18);
  for (const char* name : {"SingModeBtn", "DiscoModeBtn"}) {
    auto* button = NewControl<BmpButton>(modes, name, QString::fromLatin1(name[0] == 'S' ? "Sing" : "Disco"));
    LookSingDisco(*button, BarButtonWidth);
    modeLayout->addWidget(button);
  }
  layout->addWidget(modes);
  layout->addStretch(1);

  layout->addWidget(BarButton(bar, "EQResetBtn", "EQ Reset", true));
  auto* pass = BarButton(bar, "MusEQAllpassBtn", "EQ pass", false);
  pass->Hint = QStringLiteral("0");
  layout->addWidget(pass);
  return bar;
}

}  // namespace

Panel* BuildGraphPanel(QWidget* parent) {
  auto* panel = NewControl<Panel>(parent, "AdvPanel1");
  panel->SetColor(theme::GraphPanel);
  panel->SetBorderColor(Qt::white);
  panel->SetRadius(0);

  auto* area = NewControl<Panel>(panel, "AdvPanel2");
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
