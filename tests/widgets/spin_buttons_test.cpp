#include "spin_buttons.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(SpinButtonsTest, TheUpperButtonRunsUpRightAndTheLowerOneDownLeft) {
  SpinButtons spin;
  spin.resize(13, 20);
  std::string events;
  spin.OnUpRightClick = [&](SpinButtons&) { events += 'U'; };
  spin.OnDownLeftClick = [&](SpinButtons&) { events += 'D'; };
  QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 3));
  QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 17));
  QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 16));
  EXPECT_EQ(events, "UDD");
}

TEST(SpinButtonsTest, HoldingAButtonRepeatsItsEvent) {
  SpinButtons spin;
  spin.resize(13, 20);
  int ups = 0;
  spin.OnUpRightClick = [&](SpinButtons&) { ++ups; };
  QTest::mousePress(&spin, Qt::LeftButton, {}, QPoint(6, 3));
  EXPECT_EQ(ups, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ups >= 3; }, 3000));
  QTest::mouseRelease(&spin, Qt::LeftButton, {}, QPoint(6, 3));
  const int held = ups;
  QTest::qWait(150);
  EXPECT_EQ(ups, held);
}

}  // namespace
