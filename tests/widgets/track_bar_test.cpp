#include "track_bar.h"

#include <QTest>
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

}  // namespace
