#include "track_bar.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct Recorder {
  explicit Recorder(TrackBar& bar) {
    bar.OnChange = [this](TrackBar& sender) { positions.push_back(sender.Position()); };
  }
  std::vector<int> positions;
};

TEST(TrackBarTest, SettingThePositionFromCodeRunsTheHandlerAtOnceOnlyWhenItChanges) {
  TrackBar bar;
  bar.SetMax(143);
  Recorder changes(bar);
  bar.SetPosition(100);
  EXPECT_EQ(changes.positions, std::vector<int>{100});  // before SetPosition returned
  bar.SetPosition(100);
  EXPECT_EQ(changes.positions.size(), 1u);
}

TEST(TrackBarTest, PositionsOutsideZeroToMaxAreClamped) {
  TrackBar bar;
  bar.SetMax(143);
  Recorder changes(bar);
  bar.SetPosition(250);
  bar.SetPosition(-3);
  EXPECT_EQ(changes.positions, (std::vector<int>{143, 0}));
  bar.SetPosition(50);
  bar.SetMax(20);  // a smaller range pulls the slider in, and that is a change
  EXPECT_EQ(bar.Position(), 20);
  EXPECT_EQ(changes.positions.back(), 20);
}

TEST(TrackBarTest, AHandlerThatSetsItsOwnSliderStopsWhenThePositionHolds) {
  // The master volume handler lowers its own slider to one above the previous position.
  TrackBar bar;
  bar.SetMax(84);
  int calls = 0;
  bar.OnChange = [&](TrackBar& sender) {
    ++calls;
    if (sender.Position() > 21) sender.SetPosition(21);
  };
  bar.SetPosition(60);
  EXPECT_EQ(bar.Position(), 21);
  EXPECT_EQ(calls, 2);
}

TEST(TrackBarTest, DraggingMovesTheSliderAndReportsEachNewPosition) {
  TrackBar bar(Qt::Horizontal);
  bar.SetMax(100);
  bar.resize(210, 20);
  Recorder changes(bar);
  QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(5, 10));  // on the thumb at 0: grabbed, not moved
  EXPECT_TRUE(changes.positions.empty());
  QTest::mouseMove(&bar, QPoint(105, 10));
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(105, 10));
  EXPECT_EQ(bar.Position(), 50);
  EXPECT_EQ(changes.positions, std::vector<int>{50});
}

TEST(TrackBarTest, AVerticalSliderHasItsMaximumAtTheTop) {
  TrackBar bar(Qt::Vertical);
  bar.SetMax(180);
  bar.resize(22, 190);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(11, 2));
  EXPECT_EQ(bar.Position(), 180);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(11, 188));
  EXPECT_EQ(bar.Position(), 0);
}

TEST(TrackBarTest, ArrowKeysStepByOne) {
  TrackBar bar;
  bar.SetMax(10);
  bar.SetPosition(5);
  QTest::keyClick(&bar, Qt::Key_Right);
  EXPECT_EQ(bar.Position(), 6);
  QTest::keyClick(&bar, Qt::Key_Down);
  QTest::keyClick(&bar, Qt::Key_Down);
  EXPECT_EQ(bar.Position(), 4);
}

TEST(TrackBarTest, ThumbPicturesCanBeTakenFromAnotherSlider) {
  TrackBar source, target;
  source.SetAccent(Qt::red);
  target.SetSliderPicture(source.SliderPicture());
  target.SetSliderPictureDisabled(source.SliderPictureDisabled());
  EXPECT_EQ(target.SliderPicture().cacheKey(), source.SliderPicture().cacheKey());
  EXPECT_EQ(target.SliderPictureDisabled().cacheKey(), source.SliderPictureDisabled().cacheKey());
}

TEST(TrackBarTest, ItsQtPropertiesActAsItsOwnPositionAndMax) {
  // A tool that sets `value` changes the slider exactly as SetPosition would.
  TrackBar bar;
  bar.SetMax(143);
  Recorder changes(bar);
  EXPECT_TRUE(bar.setProperty("value", 42));
  EXPECT_EQ(bar.Position(), 42);
  EXPECT_EQ(changes.positions, std::vector<int>{42});
  EXPECT_TRUE(bar.setProperty("value", 42));
  EXPECT_EQ(changes.positions.size(), 1u);
  EXPECT_EQ(bar.property("maximum").toInt(), 143);
  bar.setProperty("maximum", 20);
  EXPECT_EQ(bar.Max(), 20);
  EXPECT_EQ(changes.positions.back(), 20);
  bar.setProperty("minimum", 5);  // the handlers count from 0
  EXPECT_EQ(bar.property("minimum").toInt(), 0);
  EXPECT_EQ(bar.Max(), 20);
}

TEST(TrackBarTest, KeysStepPageAndJumpToTheEnds) {
  struct Case {
    int max, from;
    Qt::Key key;
    int to;
  };
  const Case cases[] = {
      {143, 50, Qt::Key_Up, 51},       {143, 50, Qt::Key_Left, 49},     {143, 50, Qt::Key_PageUp, 64},
      {143, 50, Qt::Key_PageDown, 36}, {143, 50, Qt::Key_Home, 0},      {143, 50, Qt::Key_End, 143},
      {143, 140, Qt::Key_PageUp, 143}, {5, 2, Qt::Key_PageUp, 3},  // a page is a tenth of Max, at least 1
  };
  for (const Case& c : cases) {
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
      SCOPED_TRACE(testing::Message() << QKeySequence(c.key).toString().toStdString() << " from " << c.from << " of "
                                      << c.max << (orientation == Qt::Horizontal ? " horizontal" : " vertical"));
      TrackBar bar(orientation);
      bar.SetMax(c.max);
      bar.SetPosition(c.from);
      Recorder changes(bar);
      QTest::keyClick(&bar, c.key);
      EXPECT_EQ(changes.positions, std::vector<int>{c.to});
    }
  }
}

TEST(TrackBarTest, TheWheelIsLeftToTheWindow) {
  TrackBar bar;
  bar.SetMax(100);
  bar.SetPosition(50);
  QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&bar, &wheel);
  EXPECT_FALSE(wheel.isAccepted());
  EXPECT_EQ(bar.Position(), 50);
}

}  // namespace
