#include "graph_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "binding_state.h"
#include "decimal_format.h"
#include "graph_bands.h"
#include "graph_geometry.h"
#include "image.h"
#include "label.h"

GraphView graphView;

namespace {

const QColor GridBright(0, 200, 0);
const QColor GridMedium(0, 103, 51);
const QColor GridDim(0, 18, 9);

constexpr int GainStepsPerLabel = 6;
constexpr double MediumFrequencyLines[] = {20,   30,   40,   50,   60,   70,   80,   90,   200,  300,  400,  500, 600,
                                           700,  800,  900,  2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 20000};
constexpr double BrightFrequencyLines[] = {100, 1000, 10000};

struct FrequencyLabel {
  double frequency;
  const char* caption;
};
constexpr FrequencyLabel FrequencyLabels[FrequencyLabelCount] = {
    {20, "20Hz"},   {50, "50Hz"},   {100, "100Hz"},  {200, "200Hz"},   {500, "500Hz"},
    {1000, "1KHz"}, {2000, "2KHz"}, {5000, "5KHz"}, {10000, "10KHz"}, {20000, "20KHz"}};
constexpr int FirstFrequencyLabelNumber = 11;  // the frequency labels are EQLabelX11 .. EQLabelX20

int PlotWidth() { return graphView.Image1 ? graphView.Image1->width() : 0; }
int PlotHeight() { return graphView.Image1 ? graphView.Image1->height() : 0; }
int RoundToInt(double value) { return static_cast<int>(RoundHalfEven(value)); }

void HorizontalLine(QPainter& painter, const QColor& colour, double gain, int w, int h) {
  painter.setPen(QPen(colour, 1));
  const int y = RoundToInt(GainToY(gain, h));
  painter.drawLine(0, y, w, y);
}

void VerticalLine(QPainter& painter, const QColor& colour, int x, int h) {
  painter.setPen(QPen(colour, 1));
  painter.drawLine(x, 0, x, h);
}

// The grid on a new black picture of the plot's size: a line for every whole dB (every third
// brighter, the ends and 0 dB brightest) and the decade and in-between frequencies.
QImage GridPicture() {
  const int w = PlotWidth(), h = PlotHeight();
  const qreal ratio = graphView.Image1->devicePixelRatioF();
  QImage picture(QSize(std::max(w, 1), std::max(h, 1)) * ratio, QImage::Format_RGB32);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::black);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (int d = static_cast<int>(GraphBottomGain); d <= static_cast<int>(GraphTopGain); ++d) {
    const bool bright = d == GraphBottomGain || d == 0 || d == GraphTopGain;
    HorizontalLine(painter, d % 3 != 0 ? GridDim : bright ? GridBright : GridMedium, d, w, h);
  }
  VerticalLine(painter, GridBright, 0, h);
  for (double f : BrightFrequencyLines) VerticalLine(painter, GridBright, RoundToInt(FreqToX(f, w)), h);
  VerticalLine(painter, GridBright, w - 1, h);
  for (double f : MediumFrequencyLines) VerticalLine(painter, GridMedium, RoundToInt(FreqToX(f, w)), h);
  HorizontalLine(painter, GridBright, GraphTopGain, w, h);
  HorizontalLine(painter, GridBright, GraphBottomGain, w, h);
  return picture;
}

Label* NewAxisLabel(const QString& name, const QString& caption) {
  auto* label = new Label(caption, graphView.AdvPanel1);
  label->setObjectName(name);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  label->SetFontColor(Qt::white);
  label->SetTransparent(true);
  label->adjustSize();
  label->show();
  return label;
}

Image* HandleOfSlot(int slot) {
  const BandCode code = graphState.GraphBands[static_cast<std::size_t>(slot)].code;
  const int handle = code < 100 ? slot : code < 200 ? HighPassHandle : code < 300 ? LowPassHandle : -1;
  return handle < 0 ? nullptr : graphView.GraphHandles[static_cast<std::size_t>(handle)];
}

void ShowHandles(int bands, int filters) {
  for (int i = 0; i < GraphSlotCount; ++i) {
    Image* handle = graphView.GraphHandles[static_cast<std::size_t>(i)];
    if (!handle) continue;
    const bool shown = i < HighPassHandle ? i < bands : i == HighPassHandle ? filters >= 1 : filters >= 2;
    handle->setVisible(shown);
  }
}

void PlaceHandle(Image& handle, const GraphBand& slot, int w, int h) {
  const int half = handle.height() / 2;
  handle.move(RoundToInt(FreqToX(slot.frequency, w) - half), RoundToInt(GainToY(slot.gain, h) - half));
}

QString ReadoutText(const GraphBand& slot) {
  if (slot.code >= 100) {
    if (slot.code == 100 || slot.code == 200) return QStringLiteral("OFF");
    return QString::fromStdString(FormatDecimals(slot.frequency, 2)) + QStringLiteral("Hz");
  }
  return QString::fromStdString(FormatDecimals(slot.gain, 1)) + QStringLiteral("dB\nQ:") +
         QString::fromStdString(FormatDecimals(slot.q, 2)) + QStringLiteral("\n") +
         QString::fromStdString(FormatDecimals(slot.frequency, 2)) + QStringLiteral("Hz");
}

// The read-out sits under a raised band's handle and over a lowered one's, under a filter's handle;
// it is kept inside the plot so it is never cut off at an edge.
void ShowReadout(int slot) {
  Label* readout = graphView.EQlabel;
  Image* handle = HandleOfSlot(slot);
  if (!readout || !handle) return;
  const GraphBand& band = graphState.GraphBands[static_cast<std::size_t>(slot)];
  const QString text = ReadoutText(band);
  if (readout->Caption() != text) {
    readout->SetCaption(text);
    readout->adjustSize();
  }
  int left = handle->x() + handle->width() / 2 - readout->width() / 2;
  int top = band.code >= 100        ? handle->y() + handle->height() - 5
            : band.gain >= 0        ? handle->y() + handle->height()
                                    : handle->y() - readout->height() - 1;
  if (const QWidget* area = readout->parentWidget()) {
    left = std::clamp(left, 0, std::max(0, area->width() - readout->width()));
    top = std::clamp(top, 0, std::max(0, area->height() - readout->height()));
  }
  if (readout->pos() != QPoint(left, top)) readout->move(left, top);
  readout->show();
  graphView.readoutSlot = slot;
}

void SumSlots(int last) {
  ResponseRow& sum = graphView.sum;
  sum.fill(0.0f);
  for (int i = 0; i <= last; ++i) {
    const ResponseRow& row = graphState.GraphBands[static_cast<std::size_t>(i)].row;
    for (std::size_t j = 0; j < sum.size(); ++j) sum[j] += row[j];
  }
}

void DrawCurve() {
  Image* plot = graphView.Image1;
  QPixmap& canvas = plot->Canvas();
  if (canvas.isNull()) return;
  CurvePoints(graphView.sum, PlotWidth(), PlotHeight(), canvas.devicePixelRatio(), graphView.points);
  QPainterPath path;
  AppendCurve(path, graphView.points, graphView.segments);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(QColor::fromRgba(graphState.CurveColour), CurvePenWidth);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
}

}  // namespace

void DetachGraph() { graphView = {}; }

void DrawGrid(int mode) {
  Image* plot = graphView.Image1;
  if (!plot) return;
  if (mode == GridRestore) {
    QPixmap& canvas = plot->Canvas();
    if (canvas.size() == graphView.GridBackground.size() && canvas.devicePixelRatio() == graphView.GridBackground.devicePixelRatio()) {
      QPainter painter(&canvas);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.drawImage(0, 0, graphView.GridBackground);
    } else {
      canvas = QPixmap::fromImage(graphView.GridBackground);
    }
    plot->update();
    return;
  }
  graphView.GridBackground = GridPicture();
  PlaceAxisLabels(mode);
  plot->SetPicture(QPixmap::fromImage(graphView.GridBackground));
}

void PlaceAxisLabels(int mode) {
  const QWidget* area = graphView.AdvPanel2;
  if (!area || !graphView.AdvPanel1) return;
  const int w = PlotWidth(), h = PlotHeight();
  for (int i = 0; i < GainLabelCount; ++i) {
    Label*& label = graphView.GainLabels[static_cast<std::size_t>(i)];
    const int gain = static_cast<int>(GraphBottomGain) + GainStepsPerLabel * i;
    if (!label) {
      if (mode != GridCreate) continue;
      label = NewAxisLabel(QStringLiteral("EQLabelY%1").arg(i), QStringLiteral("%1dB").arg(gain));
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    label->move(area->x() - label->width() - 2, RoundToInt(GainToY(gain, h)) + area->y() - label->height() / 2);
  }
  for (int i = 0; i < FrequencyLabelCount; ++i) {
    Label*& label = graphView.FrequencyLabels[static_cast<std::size_t>(i)];
    const FrequencyLabel& entry = FrequencyLabels[i];
    if (!label) {
      if (mode != GridCreate) continue;
      label = NewAxisLabel(QStringLiteral("EQLabelX%1").arg(FirstFrequencyLabelNumber + i), QString::fromUtf8(entry.caption));
    }
    label->move(RoundToInt(FreqToX(entry.frequency, w)) + area->x() - label->width() / 2, area->y() + h);
  }
}

void DrawGraph(int band, int channel) {
  if (band < 0 || band > AllGraphBands || bindingState.BindingBusy || channel < 0 || channel >= EqChannelCount) return;
  if (!graphView.Image1 || !HasGraph(channel)) return;
  const int r = LoadGraphBands(band, channel);
  const int bands = r % 100 + 1, filters = r / 100;
  if (band == AllGraphBands) ShowHandles(bands, filters);
  graphState.LastGraphSlot = bands - 1 + filters;
  DrawGrid(GridRestore);
  const int w = PlotWidth(), h = PlotHeight();
  for (int i = 0; i <= graphState.LastGraphSlot; ++i) {
    if (band != AllGraphBands && i != band) continue;
    GraphBand& slot = graphState.GraphBands[static_cast<std::size_t>(i)];
    BandResponse(slot.row, slot.code, static_cast<int>(RoundHalfEven(slot.frequency)), slot.gain, slot.q);
    if (Image* handle = HandleOfSlot(i); handle && !graphState.HandleDragging) PlaceHandle(*handle, slot, w, h);
  }
  // A full draw (after a download, say) also brings the read-out's values up to date.
  const int readout = band == AllGraphBands ? graphView.readoutSlot : band;
  if (readout >= 0 && readout <= graphState.LastGraphSlot) ShowReadout(readout);
  SumSlots(graphState.LastGraphSlot);
  DrawCurve();
  graphView.Image1->update();
}

void AppendCurve(QPainterPath& path, std::span<const SplinePoint> points, std::vector<BezierSegment>& segments) {
  if (points.empty()) return;
  CardinalSplineSegments(points, CurveTension, segments);
  path.moveTo(points.front().x, points.front().y);
  for (const BezierSegment& s : segments)
    path.cubicTo(s.control1.x, s.control1.y, s.control2.x, s.control2.y, s.end.x, s.end.y);
}
