#pragma once
// Draws the equaliser graph of the page on show on the main window's plot: the grid (kept as a
// background picture, redrawn only when the plot's size changes), the axis labels beside the plot,
// one handle per band and filter centred on its point, the summed response curve as a smooth spline
// in the page's colour, and the three-line read-out beside the selected handle. The plot is drawn
// at the screen's device pixel ratio.

#include <QImage>
#include <array>
#include <span>
#include <vector>

#include "cardinal_spline.h"
#include "graph_state.h"

class Image;
class Label;
class QPainterPath;
class QWidget;

inline constexpr int GainLabelCount = 7;       // -24 dB .. +12 dB in steps of 6
inline constexpr int FrequencyLabelCount = 10;  // 20 Hz .. 20 kHz
inline constexpr double CurveTension = 0.4;
inline constexpr double CurvePenWidth = 1.8;

// The graph's controls on the window (the window fills them in when it is created) and what the
// drawing keeps between draws.
struct GraphView {
  QWidget* AdvPanel1 = nullptr;  // the graph panel; the axis labels lie on it
  QWidget* AdvPanel2 = nullptr;  // the plot area: the plot, the read-out and the handles
  Image* Image1 = nullptr;       // the plot
  Label* EQlabel = nullptr;      // the read-out
  std::array<Image*, GraphSlotCount> GraphHandles{};  // EP1 .. EP15, HPF, LPF; each Tag is its index
  std::array<Label*, GainLabelCount> GainLabels{};
  std::array<Label*, FrequencyLabelCount> FrequencyLabels{};
  QImage GridBackground;  // the plot with its grid and no curve
  int readoutSlot = -1;   // the slot the read-out shows; a full draw brings it up to date too
  // Working storage of the curve, kept so a draw allocates nothing.
  ResponseRow sum{};
  std::vector<SplinePoint> points;
  std::vector<BezierSegment> segments;
};

extern GraphView graphView;

enum GridMode { GridCreate = 0, GridResize = 1, GridRestore = 2 };

// Forgets the window's controls (the window is going).
void DetachGraph();

// GridCreate and GridResize draw a new grid of the plot's size (GridCreate also makes the axis
// labels); GridRestore puts the background back on the plot.
void DrawGrid(int mode);
void PlaceAxisLabels(int mode);

// band AllGraphBands: loads and draws every band of the channel; 0..16: recomputes that slot only
// and shows its read-out. Does nothing while the binding refreshes the panel, for a band past 20 or
// for a channel without a graph.
void DrawGraph(int band, int channel);

// The path of a cardinal spline through the points.
void AppendCurve(QPainterPath& path, std::span<const SplinePoint> points, std::vector<BezierSegment>& segments);
