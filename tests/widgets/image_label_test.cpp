#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "image.h"
#include "label.h"
#include "pictures.h"

namespace {

// A window that records the presses that reach it.
struct Surface : QWidget {
  void mousePressEvent(QMouseEvent*) override { ++presses; }
  int presses = 0;
};

struct WindowWith : ::testing::Test {
  WindowWith() {
    surface.resize(200, 200);
    surface.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&surface));
  }
  QWindow* Window() { return surface.windowHandle(); }
  Surface surface;
};

TEST_F(WindowWith, AnImageKeepsTheMouseFromPressToReleaseAlsoOutsideItself) {
  auto* image = new Image(&surface);
  image->setGeometry(10, 10, 20, 20);
  image->show();
  std::vector<std::string> events;
  image->OnMouseDown = [&](Image&, Qt::MouseButton b, QPoint at) {
    events.push_back("down " + std::to_string(at.x()) + (b == Qt::RightButton ? " right" : " left"));
  };
  image->OnMouseMove = [&](Image&, Qt::MouseButtons b, QPoint at) {
    events.push_back("move " + std::to_string(at.x()) + (b & Qt::RightButton ? " right" : ""));
  };
  image->OnMouseUp = [&](Image&, Qt::MouseButton, QPoint at) { events.push_back("up " + std::to_string(at.x())); };
  image->OnClick = [&](Image&) { events.push_back("click"); };

  QTest::mouseMove(Window(), QPoint(15, 15));  // moves without a button are reported too
  ASSERT_EQ(events, std::vector<std::string>{"move 5"});
  events.clear();
  QTest::mousePress(Window(), Qt::RightButton, {}, QPoint(15, 15));
  QTest::mouseMove(Window(), QPoint(150, 150));
  QTest::mouseRelease(Window(), Qt::RightButton, {}, QPoint(150, 150));
  EXPECT_EQ(events, (std::vector<std::string>{"down 5 right", "move 140 right", "up 140"}));
  EXPECT_EQ(surface.presses, 0);
}

TEST_F(WindowWith, AnImageTakesItsPictureFromAnother) {
  Image on(&surface), shown(&surface);
  on.SetPicture(ModePicture(0, true));
  shown.SetPicture(ModePicture(0, false));
  shown.SetPicture(on.Picture());
  EXPECT_EQ(shown.Picture().cacheKey(), on.Picture().cacheKey());
}

TEST_F(WindowWith, ALabelWithAClickHandlerTakesThePressAPlainOneLetsItThrough) {
  auto* number = new Label(QStringLiteral("3"), &surface);
  number->setGeometry(10, 10, 30, 20);
  auto* caption = new Label(QStringLiteral("Ratio："), &surface);
  caption->setGeometry(10, 50, 60, 20);
  number->show();
  caption->show();
  int clicks = 0;
  number->OnClick = [&](Label& sender) {
    ++clicks;
    EXPECT_EQ(sender.Caption(), QStringLiteral("3"));
  };
  QTest::mouseClick(Window(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(surface.presses, 0);
  QTest::mouseClick(Window(), Qt::LeftButton, {}, QPoint(20, 60));
  EXPECT_EQ(surface.presses, 1);
}

TEST(LabelTest, AnOpaqueLabelFillsItsBoxWithItsColour) {
  Label label(QStringLiteral(" "));
  label.resize(20, 20);
  label.SetColor(QColor(82, 171, 225));
  label.SetTransparent(false);
  EXPECT_FALSE(label.Transparent());
  EXPECT_EQ(label.grab().toImage().pixelColor(2, 2), QColor(82, 171, 225));
}

}  // namespace
