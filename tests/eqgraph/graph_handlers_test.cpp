// The graph's handles dragged with the mouse, as the window system delivers the events (the pressed
// handle holds on to the pointer): what is stored, shown and sent, the pins and limits, the Q drag,
// the locked Music page, and the timer's follow-up draw.

#include <QImage>

#include "bmp_button.h"
#include "control_lookup.h"
#include "edit.h"
#include "graph_drawing.h"
#include "graph_geometry.h"
#include "image.h"
#include "label.h"
#include "panel_fixture.h"
#include "panel_tables.h"
#include "status_pane.h"
#include "value_scales.h"

namespace {

constexpr ParamAddress MicBand4 = 0x0100 + 4 + 5 * 3;  // its type; +1 frequency, +2 gain, +3 Q
constexpr ParamAddress MicBlock = 0x0102;

class GraphHandlersTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    window = form->windowHandle();
  }
  void ShowPage(int page) { C<BmpButton>(Pages[page].button)->Click(); }
  static Image* Handle(int i) { return graphView.GraphHandles[i]; }
  QPoint At(QWidget* w, QPoint local) { return w->mapTo(form.get(), local); }
  // A press in the middle of a handle; the pointer's moves are then relative to that point.
  void Press(Image* handle, Qt::MouseButton button = Qt::LeftButton) {
    pointer = At(handle, QPoint(handle->width() / 2, handle->height() / 2));
    QTest::mousePress(window, button, {}, pointer);
  }
  // Pointer positions stay inside the window, as a real pointer's do.
  void MoveToX(int x) { MoveBy(x - pointer.x(), 0); }
  void MoveBy(int dx, int dy) {
    pointer += QPoint(dx, dy);
    QTest::mouseMove(window, pointer);
  }
  void Release(Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(window, button, {}, pointer); }
  // The band writes of MIC band 4 among the frames sent; a repeat of the last write counts once
  // (the queue sends its last write a second time).
  std::vector<Sent> Band4Writes() {
    std::vector<Sent> band;
    for (const Sent& s : Sends())
      if (s.address == MicBlock && !s.values.empty() && s.values[0] == 3 && (band.empty() || band.back() != s)) band.push_back(s);
    return band;
  }
  // Moves the pointer right a pixel at a time until the band's frequency has moved a step.
  void DragOneFrequencyStep() {
    const int from = View(MicBand4 + 1);
    for (int i = 0; i < 10 && View(MicBand4 + 1) == from; ++i) MoveBy(1, 0);
    ASSERT_EQ(View(MicBand4 + 1), from + 1);
  }
  int X(double frequency) { return static_cast<int>(std::nearbyint(FreqToX(frequency, graphView.Image1->width()))); }
  int CentreX(Image* handle) { return handle->x() + handle->width() / 2; }

  QWindow* window = nullptr;
  QPoint pointer;
};

TEST_F(GraphHandlersTest, OneFrequencyStepSendsTheBandOnce) {
  ShowPage(1);
  Sends();
  const int gain = View(MicBand4 + 2);
  Press(Handle(3));
  EXPECT_EQ(bindingState.CurrentEdit, PrimaryAs<Edit>(MicBand4 + 2));  // the wheel now steps the gain
  EXPECT_EQ(Handle(3)->cursor().shape(), Qt::CrossCursor);
  DragOneFrequencyStep();
  const std::vector<Sent> sent = Band4Writes();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].values[2], View(MicBand4 + 1));
  EXPECT_EQ(View(MicBand4 + 2), gain);
  EXPECT_EQ(PrimaryAs<Edit>(MicBand4 + 1)->Text().toStdString(), FrequencyScale[View(MicBand4 + 1)]);
  Release();
  EXPECT_FALSE(Handle(3)->testAttribute(Qt::WA_SetCursor));
}

TEST_F(GraphHandlersTest, ADiagonalMoveSendsTheBandOnceWithBothFields) {
  ShowPage(1);
  Sends();
  const int frequency = View(MicBand4 + 1), gain = View(MicBand4 + 2);
  Press(Handle(3));
  MoveBy(12, 20);
  const std::vector<Sent> sent = Band4Writes();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_GT(View(MicBand4 + 1), frequency);
  EXPECT_LT(View(MicBand4 + 2), gain);
  EXPECT_EQ(sent[0].values[2], View(MicBand4 + 1));
  EXPECT_EQ(sent[0].values[3], View(MicBand4 + 2));
  Release();
}

TEST_F(GraphHandlersTest, ABandStopsAtThePlotsLimits) {
  ShowPage(1);
  Press(Handle(3));
  MoveBy(0, -pointer.y() + 2);
  MoveToX(form->width() - 2);
  EXPECT_EQ(View(MicBand4 + 1), 361);
  EXPECT_EQ(PrimaryAs<Edit>(MicBand4 + 2)->Text(), QStringLiteral("12.0"));
  EXPECT_EQ(CentreX(Handle(3)), X(20600));
  EXPECT_EQ(Handle(3)->y() + Handle(3)->height() / 2, 0);
  MoveToX(2);
  EXPECT_EQ(CentreX(Handle(3)), X(19.5));
  EXPECT_EQ(View(MicBand4 + 1), 0);  // 20 Hz: the scale's first step
  Release();
}

TEST_F(GraphHandlersTest, FilterHandlesStopAtTheirPinsAndWriteTheirPanesCounting) {
  ShowPage(1);
  const int top = Handle(HighPassHandle)->y();
  Press(Handle(HighPassHandle));
  MoveBy(600, 40);
  EXPECT_EQ(Handle(HighPassHandle)->y(), top);  // sideways only
  EXPECT_EQ(CentreX(Handle(HighPassHandle)), X(309));
  EXPECT_EQ(View(0x0100), 143);
  EXPECT_EQ(ReadoutAs<StatusPane>(0x0100)->Caption(), QStringLiteral("303.0Hz"));
  Release();

  ShowPage(2);
  Press(Handle(LowPassHandle));
  MoveToX(form->width() - 2);
  EXPECT_EQ(View(0x0305), 194);  // off
  MoveToX(2);
  EXPECT_EQ(View(0x0305), 0);
  EXPECT_EQ(CentreX(Handle(LowPassHandle)), X(500));
  Release();
}

TEST_F(GraphHandlersTest, TheRightButtonStepsTheQSidewaysOnTheHandleAndOverThePlot) {
  ShowPage(1);
  const int q = View(MicBand4 + 3);
  Press(Handle(3), Qt::RightButton);
  EXPECT_EQ(bindingState.CurrentEdit, PrimaryAs<Edit>(MicBand4 + 3));
  MoveBy(1, 0);
  EXPECT_EQ(View(MicBand4 + 3), q + 1);
  MoveBy(1, 0);
  EXPECT_EQ(View(MicBand4 + 3), q + 2);
  MoveBy(-1, 0);
  EXPECT_EQ(View(MicBand4 + 3), q + 1);
  MoveBy(0, 40);  // off the handle, over the plot: its first step compares the plot's coordinates
  const int over = View(MicBand4 + 3);
  MoveBy(2, 0);
  EXPECT_EQ(View(MicBand4 + 3), over);
  MoveBy(1, 0);
  EXPECT_EQ(View(MicBand4 + 3), over + 1);
  EXPECT_FALSE(graphState.HandleDragging);  // so the timer draws the new Q while the button is held
  Release(Qt::RightButton);
  EXPECT_FALSE(graphState.QDragMode);
  EXPECT_EQ(bindingState.CurrentEdit, PrimaryAs<Edit>(MicBand4 + 2));
}

TEST_F(GraphHandlersTest, TheMusicPageInAutoIgnoresTheHandles) {
  paramImage.ViewTable[0][0] = 0;
  ShowPage(0);
  bindingState.CurrentEdit = panelControls.Example;
  Sends();
  const QPoint at = Handle(2)->pos();
  Press(Handle(2));
  MoveBy(40, 30);
  Release();
  EXPECT_EQ(bindingState.CurrentEdit, panelControls.Example);
  EXPECT_EQ(Handle(2)->pos(), at);
  EXPECT_TRUE(Sends().empty());
}

TEST_F(GraphHandlersTest, ADragStartsFromThePressedBandsOwnValues) {
  ShowPage(1);
  const int from = View(MicBand4 + 1);
  Press(Handle(3));
  DragOneFrequencyStep();
  Release();
  // The band goes back by its edit; the same drag again must reach the device again.
  auto* edit = PrimaryAs<Edit>(MicBand4 + 1);
  QTest::mouseClick(edit, Qt::LeftButton);
  QTest::keyClick(edit, Qt::Key_Down);
  ASSERT_EQ(View(MicBand4 + 1), from);
  form->Timer1Timer();
  Sends();
  Press(Handle(3));
  DragOneFrequencyStep();
  EXPECT_EQ(Band4Writes().size(), 1u);
  Release();
}

TEST_F(GraphHandlersTest, TheTimerDrawsTheLastChangeOfThePageOnShowAfterRelease) {
  ShowPage(1);
  const auto changeBand5 = [] {
    paramImage.ViewTable[1][4 + 5 * 4 + 2] = 150;  // MIC band 5 at +6 dB
    bindingState.LastChangedAddress = MicBand4 + 5 + 2;
    bindingState.LastChangedValue = 150;
  };
  Press(Handle(0));
  changeBand5();
  form->Timer1Timer();
  EXPECT_NE(graphState.DrawnAddress, MicBand4 + 5 + 2);  // nothing while a handle is held
  Release();
  changeBand5();  // the release made band 1's gain edit current, a change of its own
  form->Timer1Timer();
  EXPECT_FLOAT_EQ(graphState.GraphBands[4].gain, 6.0f);
  EXPECT_TRUE(graphView.EQlabel->Caption().startsWith(QStringLiteral("6.0dB")));

  // A change on another channel (the common band editor follows the last change anywhere) leaves
  // the graph of the page on show alone.
  ShowPage(0);
  bindingState.LastChangedAddress = MicBand4 + 2;
  bindingState.LastChangedValue = 170;
  form->Timer1Timer();
  EXPECT_EQ(graphState.LastGraphSlot, 9);
  EXPECT_EQ(graphState.GraphBands[3].gainControl, C<Edit>("MusGainEdit4"));
}

}  // namespace
