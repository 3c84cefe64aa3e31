#include "bmp_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "pictures.h"

namespace {

QPixmap Solid(const QColor& colour) {
  QPixmap picture = NewPicture(QSize(40, 20), 1.0);
  picture.fill(colour);
  return picture;
}

QColor Shown(BmpButton& button) { return button.grab().toImage().pixelColor(3, 3); }

// A button whose five pictures are five plain colours, so the one on show can be told by a pixel.
struct ColouredButton : ::testing::Test {
  ColouredButton() {
    button.SetUp(Solid(Qt::red));
    button.SetDown(Solid(Qt::green));
    button.SetDisabled(Solid(Qt::blue));
    button.SetStayDown(Solid(Qt::yellow));
    button.SetHot(Solid(Qt::magenta));
    button.resize(40, 20);
    button.OnClick = [this](BmpButton&) { ++clicks; };
  }
  BmpButton button;
  int clicks = 0;
};

TEST_F(ColouredButton, ShowsUpAtRestDownWhileHeldAndDisabledWhenItCannotBeUsed) {
  EXPECT_EQ(Shown(button), QColor(Qt::red));
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(Shown(button), QColor(Qt::green));
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks, 1);
  QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
  QApplication::sendEvent(&button, &enter);
  EXPECT_EQ(Shown(button), QColor(Qt::magenta));
  button.setEnabled(false);
  EXPECT_EQ(Shown(button), QColor(Qt::blue));
}

TEST_F(ColouredButton, AReleaseOutsideTheButtonIsNoClick) {
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(90, 10));
  EXPECT_EQ(clicks, 0);
  button.Click();  // as a user's click
  EXPECT_EQ(clicks, 1);
}

TEST_F(ColouredButton, PicturesAreTakenOverFromAnotherButton) {
  // The state handlers show a button's on look by giving its Up its own Down, and a page button's
  // selected look by giving it the template button's Down.
  button.SetUp(button.Down());
  EXPECT_EQ(Shown(button), QColor(Qt::green));
  BmpButton other;
  other.resize(40, 20);
  other.SetUp(button.StayDown());
  EXPECT_EQ(Shown(other), QColor(Qt::yellow));
}

TEST(BmpButtonTest, KeepsItsCaptionColourAndWidth) {
  BmpButton button(QStringLiteral("Mute"));
  button.SetCaptionColor(Qt::white);
  button.SetWidth(15);
  EXPECT_EQ(button.Caption(), QStringLiteral("Mute"));
  EXPECT_EQ(button.CaptionColor(), QColor(Qt::white));
  EXPECT_EQ(button.Width(), 15);
}

TEST(BmpButtonTest, CarriesTagAndHintAsData) {
  BmpButton button;
  button.Tag = 0x0101;
  button.Hint = QStringLiteral("2");
  ControlData* data = ControlDataOf(&button);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->Tag, 0x0101);
  EXPECT_EQ(data->Hint, QStringLiteral("2"));
  EXPECT_TRUE(button.toolTip().isEmpty());
}

}  // namespace
