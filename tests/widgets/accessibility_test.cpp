// Our controls draw themselves, so they must still tell Qt's accessibility layer what they are.

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <gtest/gtest.h>

#include "bmp_button.h"
#include "status_pane.h"
#include "track_bar.h"

namespace {

TEST(AccessibilityTest, EachControlReportsItsRoleNameAndValue) {
  TrackBar bar;
  bar.SetMax(143);
  bar.SetPosition(42);
  BmpButton button(QStringLiteral("EQ Reset"));
  StatusPane pane;
  pane.SetCaption(QStringLiteral("-12.0dB"));

  QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(&bar);
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->role(), QAccessible::Slider);
  ASSERT_NE(slider->valueInterface(), nullptr);
  EXPECT_EQ(slider->valueInterface()->currentValue().toInt(), 42);
  EXPECT_EQ(slider->valueInterface()->maximumValue().toInt(), 143);

  QAccessibleInterface* push = QAccessible::queryAccessibleInterface(&button);
  ASSERT_NE(push, nullptr);
  EXPECT_EQ(push->role(), QAccessible::Button);
  EXPECT_EQ(push->text(QAccessible::Name), QStringLiteral("EQ Reset"));

  QAccessibleInterface* readout = QAccessible::queryAccessibleInterface(&pane);
  ASSERT_NE(readout, nullptr);
  EXPECT_EQ(readout->role(), QAccessible::StaticText);
  EXPECT_EQ(readout->text(QAccessible::Name), QStringLiteral("-12.0dB"));
}

}  // namespace
