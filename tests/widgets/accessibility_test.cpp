// Our controls draw themselves, so they must still tell Qt's accessibility layer what they are, and
// take the keyboard as the controls they stand for.

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "bmp_button.h"
#include "image.h"
#include "spin_buttons.h"
#include "status_pane.h"
#include "track_bar.h"

namespace {

QAccessibleInterface* Iface(QWidget& widget) { return QAccessible::queryAccessibleInterface(&widget); }

TEST(AccessibilityTest, EachControlReportsItsRoleNameAndValue) {
  TrackBar bar;
  bar.SetMax(143);
  bar.SetPosition(42);
  BmpButton button(QStringLiteral("EQ Reset"));
  StatusPane pane;
  pane.SetCaption(QStringLiteral("-12.0dB"));

  QAccessibleInterface* slider = Iface(bar);
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->role(), QAccessible::Slider);
  ASSERT_NE(slider->valueInterface(), nullptr);
  EXPECT_EQ(slider->valueInterface()->currentValue().toInt(), 42);
  EXPECT_EQ(slider->valueInterface()->minimumValue().toInt(), 0);
  EXPECT_EQ(slider->valueInterface()->maximumValue().toInt(), 143);
  EXPECT_EQ(slider->text(QAccessible::Value), QStringLiteral("42"));  // without a read-out: the position

  QAccessibleInterface* push = Iface(button);
  ASSERT_NE(push, nullptr);
  EXPECT_EQ(push->role(), QAccessible::Button);
  EXPECT_EQ(push->text(QAccessible::Name), QStringLiteral("EQ Reset"));

  QAccessibleInterface* readout = Iface(pane);
  ASSERT_NE(readout, nullptr);
  EXPECT_EQ(readout->role(), QAccessible::StaticText);
  EXPECT_EQ(readout->text(QAccessible::Name), QStringLiteral("-12.0dB"));

  Image image;
  SpinButtons spin;
  EXPECT_EQ(Iface(image)->role(), QAccessible::Graphic);
  EXPECT_EQ(Iface(spin)->role(), QAccessible::SpinBox);
}

struct ButtonCase {
  const char* what;
  ButtonKind kind;
  bool checkable;
  QAccessible::Role role;
};

TEST(AccessibilityTest, AButtonsRoleFollowsItsKindAndItsStateFollowsTheButton) {
  const ButtonCase cases[] = {
      {"command", ButtonKind::Command, false, QAccessible::Button},
      {"on/off", ButtonKind::Command, true, QAccessible::CheckBox},
      {"radio", ButtonKind::Radio, true, QAccessible::RadioButton},
      {"page", ButtonKind::PageTab, true, QAccessible::PageTab},
  };
  for (const ButtonCase& c : cases) {
    SCOPED_TRACE(c.what);
    BmpButton button(QStringLiteral("Mute"));
    button.SetKind(c.kind);
    button.setCheckable(c.checkable);
    int clicks = 0;
    button.OnClick = [&](BmpButton&) { ++clicks; };
    QAccessibleInterface* iface = Iface(button);
    EXPECT_EQ(iface->role(), c.role);
    EXPECT_EQ(iface->state().checkable, c.checkable);
    if (c.checkable) {
      EXPECT_FALSE(iface->state().checked);
      button.setChecked(true);
      EXPECT_TRUE(iface->state().checked);
    }
    // The press action is a click, as the user's: the handler runs, and a disabled button takes none.
    ASSERT_NE(iface->actionInterface(), nullptr);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    button.setEnabled(false);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(iface->state().disabled);
  }
}

TEST(AccessibilityTest, AnAccessibleNameWinsOverTheCaption) {
  BmpButton radio;
  radio.setAccessibleName(QStringLiteral("MIC FBE 2"));
  EXPECT_EQ(Iface(radio)->text(QAccessible::Name), QStringLiteral("MIC FBE 2"));
}

TEST(AccessibilityTest, ASliderReadsAsItsReadOutShowsItAndIsSetAsByTheUser) {
  TrackBar bar;
  bar.SetMax(100);
  StatusPane pane;
  pane.SetCaption(QStringLiteral("50"));
  QLineEdit edit(QStringLiteral("-3.0dB"));
  int changes = 0;
  bar.OnChange = [&](TrackBar&) { ++changes; };
  QAccessibleInterface* iface = Iface(bar);

  bar.SetValueReadout(&pane, QStringLiteral("%"));
  EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("50 %"));
  bar.SetValueReadout(&edit);
  EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("-3.0dB"));

  iface->valueInterface()->setCurrentValue(30);
  EXPECT_EQ(bar.Position(), 30);
  iface->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
  EXPECT_EQ(bar.Position(), 31);
  EXPECT_EQ(changes, 2);
  bar.setEnabled(false);
  iface->valueInterface()->setCurrentValue(80);
  iface->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
  EXPECT_EQ(bar.Position(), 31);
  EXPECT_EQ(changes, 2);
}

TEST(AccessibilityTest, APaneNamedByItsRowKeepsItsNameAndShowsItsTextAsItsValue) {
  StatusPane named, unnamed;
  named.setAccessibleName(QStringLiteral("Music Level"));
  named.SetCaption(QStringLiteral("70"));
  unnamed.SetCaption(QStringLiteral("80"));
  EXPECT_EQ(Iface(named)->text(QAccessible::Name), QStringLiteral("Music Level"));
  EXPECT_EQ(Iface(named)->text(QAccessible::Value), QStringLiteral("70"));
  EXPECT_EQ(Iface(unnamed)->text(QAccessible::Name), QStringLiteral("80"));
}

TEST(AccessibilityTest, SpinButtonsStepThroughTheirActions) {
  SpinButtons spin;
  int up = 0, down = 0;
  spin.OnUpRightClick = [&](SpinButtons&) { ++up; };
  spin.OnDownLeftClick = [&](SpinButtons&) { ++down; };
  QAccessibleActionInterface* actions = Iface(spin)->actionInterface();
  ASSERT_NE(actions, nullptr);
  actions->doAction(QAccessibleActionInterface::increaseAction());
  actions->doAction(QAccessibleActionInterface::decreaseAction());
  actions->doAction(QAccessibleActionInterface::decreaseAction());
  EXPECT_EQ(up, 1);
  EXPECT_EQ(down, 2);
  spin.setEnabled(false);
  actions->doAction(QAccessibleActionInterface::increaseAction());
  EXPECT_EQ(up, 1);
}

// A radio group of four buttons with a command button among them; the third radio is disabled.
struct RadioGroupKeys : ::testing::Test {
  RadioGroupKeys() {
    for (int i = 0; i < 4; ++i) {
      radios[i] = new BmpButton(QString::number(i), &group);
      radios[i]->SetKind(ButtonKind::Radio);
      radios[i]->setCheckable(true);
      radios[i]->OnClick = [this, i](BmpButton&) { clicked.push_back(i); };
      if (i == 1) new BmpButton(QStringLiteral("other"), &group);
    }
    radios[2]->setEnabled(false);
  }
  QWidget group;
  BmpButton* radios[4];
  std::vector<int> clicked;
};

TEST_F(RadioGroupKeys, TheArrowsClickTheNextEnabledRadioOfTheGroupWithoutWrapping) {
  QTest::keyClick(radios[0], Qt::Key_Left);  // the group's start: nothing
  QTest::keyClick(radios[0], Qt::Key_Right);
  QTest::keyClick(radios[1], Qt::Key_Down);  // over the command button and the disabled radio
  QTest::keyClick(radios[3], Qt::Key_Right);  // the group's end: nothing
  QTest::keyClick(radios[3], Qt::Key_Up);
  EXPECT_EQ(clicked, (std::vector<int>{1, 3, 1}));
  EXPECT_EQ(group.focusWidget(), radios[1]);
}

TEST_F(RadioGroupKeys, SpaceAndEnterClickTheRadioItself) {
  QTest::keyClick(radios[1], Qt::Key_Space);
  QTest::keyClick(radios[1], Qt::Key_Return);
  QTest::keyClick(radios[1], Qt::Key_Enter);
  EXPECT_EQ(clicked, (std::vector<int>{1, 1, 1}));
}

}  // namespace
