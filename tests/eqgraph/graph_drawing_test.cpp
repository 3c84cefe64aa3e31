// The graph on the real window: which handles each page shows, where the handles and the read-out
// sit, a few pixels of the plot, and nothing drawn during a refresh.

#include <QImage>

#include "bmp_button.h"
#include "graph_drawing.h"
#include "graph_geometry.h"
#include "image.h"
#include "label.h"
#include "panel_fixture.h"
#include "panel_tables.h"

namespace {

class GraphDrawingTest : public PanelTest {
 protected:
  void ShowPage(int page) { C<BmpButton>(Pages[page].button)->Click(); }
  Image* Handle(int i) { return graphView.GraphHandles[i]; }
  QPoint Centre(Image* handle) { return handle->pos() + QPoint(handle->width() / 2, handle->height() / 2); }
  QImage Plot() { return graphView.Image1->Picture().toImage(); }
  int W() { return graphView.Image1->width(); }
  int H() { return graphView.Image1->height(); }
  int X(double frequency) { return static_cast<int>(std::nearbyint(FreqToX(frequency, W()))); }
  int Y(double gain) { return static_cast<int>(std::nearbyint(GainToY(gain, H()))); }
};

TEST_F(GraphDrawingTest, EachPageShowsOneHandlePerBandAndFilter) {
  struct Case {
    int page, bands;
    bool highPass, lowPass;
    int lastSlot;
  } cases[] = {{0, 10, false, false, 9}, {1, 15, true, false, 15}, {2, 3, true, true, 4}, {3, 5, true, false, 5},
               {4, 5, true, false, 5},   {5, 3, true, true, 4},     {6, 5, true, false, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    ShowPage(c.page);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(Handle(i)->isVisible(), i < c.bands) << i;
    EXPECT_EQ(Handle(HighPassHandle)->isVisible(), c.highPass);
    EXPECT_EQ(Handle(LowPassHandle)->isVisible(), c.lowPass);
    EXPECT_EQ(graphState.LastGraphSlot, c.lastSlot);
  }
}

TEST_F(GraphDrawingTest, TheDesignSizePlotHasItsGridAndCurve) {
  ShowPage(0);  // every Music band flat: the curve lies on the 0 dB line
  ASSERT_EQ(W(), 1078);
  ASSERT_EQ(H(), 297);
  const QImage plot = Plot();
  const int x = 300;  // no vertical line here
  EXPECT_EQ(plot.pixelColor(x, Y(-3)), QColor(0, 103, 51));
  EXPECT_EQ(plot.pixelColor(x, Y(-1)), QColor(0, 18, 9));
  EXPECT_EQ(plot.pixelColor(x, Y(-24)), QColor(0, 200, 0));
  EXPECT_EQ(plot.pixelColor(X(1000), Y(-10.5)), QColor(0, 200, 0));
  EXPECT_EQ(plot.pixelColor(X(500), Y(-10.5)), QColor(0, 103, 51));
  EXPECT_EQ(plot.pixelColor(X(1000) + 3, Y(-10.5)), QColor(Qt::black));
  EXPECT_GT(plot.pixelColor(x, 98).blue(), 200);  // the curve's colour (0, 204, 255) at 0 dB, y = 98.67
  EXPECT_EQ(plot.pixelColor(x, 95), QColor(Qt::black));
  // Axis labels beside and below the plot.
  EXPECT_EQ(form->findChild<Label*>(QStringLiteral("EQLabelY4"))->Caption(), QStringLiteral("0dB"));
  EXPECT_EQ(form->findChild<Label*>(QStringLiteral("EQLabelX16"))->Caption(), QStringLiteral("1KHz"));
}

TEST_F(GraphDrawingTest, APeakOf12dBAt1kHzReachesTheTopLine) {
  for (auto [slot, value] : {std::pair{4, 0}, {5, 204}, {6, 180}, {7, 16}}) paramImage.ViewTable[0][slot] = value;
  ShowPage(0);
  const QImage plot = Plot();
  EXPECT_GT(plot.pixelColor(X(1000), 0).blue(), 150);
  EXPECT_EQ(Centre(Handle(0)), QPoint(X(1000), 0));
}

TEST_F(GraphDrawingTest, TheReadoutSitsUnderARaisedBandAndOverALoweredOne) {
  ShowPage(0);
  auto* readout = graphView.EQlabel;
  paramImage.ViewTable[0][5] = 204;  // 1000 Hz
  paramImage.ViewTable[0][6] = 120;  // 0 dB
  paramImage.ViewTable[0][7] = 16;   // Q 1.00
  form->DrawGraph(0, 0);
  EXPECT_EQ(readout->Caption(), QStringLiteral("0.0dB\nQ:1.00\n1000.00Hz"));
  EXPECT_EQ(readout->y(), Handle(0)->y() + Handle(0)->height());
  EXPECT_EQ(readout->x() + readout->width() / 2, Handle(0)->x() + Handle(0)->width() / 2);
  paramImage.ViewTable[0][6] = 103;  // -3.4 dB
  form->DrawGraph(0, 0);
  EXPECT_TRUE(readout->Caption().startsWith(QStringLiteral("-3.4dB")));
  EXPECT_EQ(readout->y(), Handle(0)->y() - readout->height() - 1);
  // A full draw, as after a download, shows the selected band's new values.
  paramImage.ViewTable[0][6] = 125;
  form->DrawGraph(AllGraphBands, 0);
  EXPECT_TRUE(readout->Caption().startsWith(QStringLiteral("1.0dB")));
  EXPECT_EQ(readout->y(), Handle(0)->y() + Handle(0)->height());
  // At the plot's right edge the read-out stays whole.
  paramImage.ViewTable[0][5] = 361;
  form->DrawGraph(0, 0);
  EXPECT_EQ(readout->x() + readout->width(), graphView.AdvPanel2->width());
}

TEST_F(GraphDrawingTest, FilterHandlesAtTheirOffPositions) {
  paramImage.ViewTable[1][0] = 0;  // the MIC high-pass off
  ShowPage(1);
  form->DrawGraph(15, 1);
  EXPECT_EQ(graphView.EQlabel->Caption(), QStringLiteral("OFF"));
  EXPECT_EQ(Centre(Handle(HighPassHandle)), QPoint(X(19.0), Y(0)));
  for (float gain : graphState.GraphBands[15].row) ASSERT_EQ(gain, 0.0f);

  paramImage.ViewTable[3][5] = 194;  // the echo low-pass off, at 20 600 Hz
  ShowPage(2);
  form->DrawGraph(4, 3);
  EXPECT_EQ(graphView.EQlabel->Caption(), QStringLiteral("OFF"));
  EXPECT_EQ(Centre(Handle(LowPassHandle)).x(), X(20600));
  paramImage.ViewTable[3][5] = 0;  // at 500 Hz
  form->DrawGraph(4, 3);
  EXPECT_EQ(Centre(Handle(LowPassHandle)).x(), X(500));
  EXPECT_EQ(graphView.EQlabel->Caption(), QStringLiteral("500.00Hz"));
}

TEST_F(GraphDrawingTest, NothingIsDrawnWhileThePanelIsRefreshed) {
  ShowPage(0);
  const QImage before = Plot();
  const QPoint handle = Handle(0)->pos();
  paramImage.ViewTable[0][6] = 180;
  bindingState.BindingBusy = true;
  form->DrawGraph(AllGraphBands, 0);
  EXPECT_EQ(Plot(), before);
  EXPECT_EQ(Handle(0)->pos(), handle);
  bindingState.BindingBusy = false;
  form->DrawGraph(AllGraphBands, 0);
  EXPECT_NE(Plot(), before);
}

TEST_F(GraphDrawingTest, ATinyWindowDrawsInsideItsPlot) {
  for (QSize size : {QSize(60, 40), QSize(1, 1)}) {
    form->resize(size);
    QCoreApplication::processEvents();
    for (int page = 0; page < 7; ++page) {
      ShowPage(page);
      form->DrawGraph(0, ChannelOf(bindingState.CurrentPageAddress));
    }
    EXPECT_FALSE(graphView.Image1->Picture().isNull());
    const QWidget* area = graphView.AdvPanel2;
    EXPECT_TRUE(area->rect().contains(graphView.EQlabel->geometry()) || graphView.EQlabel->width() > area->width());
  }
}

// Run under a scale factor of 2 (a test of its own in the test list): the plot is drawn at the
// screen's density, its grid lines on whole device pixels.
TEST_F(GraphDrawingTest, HighDensityPlotIsDrawnAtTheScreensRatio) {
  if (form->devicePixelRatioF() < 2) GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2";
  ShowPage(0);
  const QPixmap& picture = graphView.Image1->Picture();
  EXPECT_EQ(picture.devicePixelRatio(), 2.0);
  EXPECT_EQ(picture.size(), graphView.Image1->size() * 2);
  const QImage plot = picture.toImage();
  EXPECT_EQ(plot.pixelColor(600, 2 * Y(-3)), QColor(0, 103, 51));
}

}  // namespace
