#include "bmp_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

#include "edit.h"
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

TEST_F(ColouredButton, EveryWayOfClickingRunsOnClickOnceAndLeavesCheckedToTheHandlers) {
  // On/off, radio and pair buttons are checkable; only the panel's state handlers set their state.
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"mouse", [&] { QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10)); }},
      {"Click()", [&] { button.Click(); }},
      {"Space", [&] { QTest::keyClick(&button, Qt::Key_Space); }},
      {"Return", [&] { QTest::keyClick(&button, Qt::Key_Return); }},
      {"Enter", [&] { QTest::keyClick(&button, Qt::Key_Enter); }},
  };
  button.setCheckable(true);
  for (const bool checked : {false, true}) {
    button.setChecked(checked);
    for (const auto& [way, click] : ways) {
      SCOPED_TRACE(testing::Message() << way << (checked ? " checked" : " unchecked"));
      clicks = 0;
      click();
      EXPECT_EQ(clicks, 1);
      EXPECT_EQ(button.isChecked(), checked);
      EXPECT_EQ(button.property("checked").toBool(), checked);
    }
  }
}

TEST_F(ColouredButton, ADisabledButtonTakesNoClick) {
  button.setEnabled(false);
  button.Click();
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::keyClick(&button, Qt::Key_Space);
  QTest::keyClick(&button, Qt::Key_Return);
  EXPECT_EQ(clicks, 0);
}

TEST(BmpButtonTest, TheCaptionIsTheTextProperty) {
  BmpButton button(QStringLiteral("Mute"));
  EXPECT_EQ(button.property("text").toString(), QStringLiteral("Mute"));
  button.setProperty("text", QStringLiteral("EQ pass"));
  EXPECT_EQ(button.Caption(), QStringLiteral("EQ pass"));
}

// A press takes the keyboard focus before the click runs, so a band edit's exit handler has committed
// when the button acts. The focus ring shows only once the keyboard has moved the focus.
TEST(BmpButtonTest, APressTakesTheFocusBeforeTheClickAndTheKeyboardFocusShows) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* edit = new Edit;
  auto* button = new BmpButton;
  button->SetUp(Solid(Qt::red));
  button->setFixedSize(40, 20);
  layout->addWidget(edit);
  layout->addWidget(button);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const QImage unfocused = button->grab().toImage();
  edit->setFocus(Qt::OtherFocusReason);
  std::string events;
  edit->OnExit = [&](Edit&) { events += "exit "; };
  button->OnClick = [&](BmpButton&) { events += "click"; };

  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(button->hasFocus());
  EXPECT_EQ(events, "exit ");
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(events, "exit click");
  EXPECT_EQ(button->grab().toImage(), unfocused);  // a mouse user sees the button as before

  QTest::keyClick(button, Qt::Key_Tab);
  QTest::keyClick(edit, Qt::Key_Tab);
  ASSERT_TRUE(button->hasFocus());
  EXPECT_NE(button->grab().toImage(), unfocused);
}

}  // namespace
