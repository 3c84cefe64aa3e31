#include "combo_box.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ComboBoxTest, SettingTheItemFromCodeRunsNoHandlerButTheUsersChoiceDoes) {
  ComboBox box;
  box.SetItems({"PEQ", "LSEQ", "HSEQ"});
  int changes = 0;
  box.OnChange = [&](ComboBox& sender) {
    ++changes;
    EXPECT_EQ(sender.ItemIndex(), 1);
  };
  box.SetItemIndex(2);
  EXPECT_EQ(box.ItemIndex(), 2);
  EXPECT_EQ(changes, 0);

  box.SetItemIndex(0);
  QTest::keyClick(&box, Qt::Key_Down);  // the user picks the next item
  EXPECT_EQ(box.ItemIndex(), 1);
  EXPECT_EQ(changes, 1);
}

TEST(ComboBoxTest, AnItemNumberItDoesNotHaveShowsNoSelection) {
  ComboBox box;
  box.SetItems({"0dB", "3dB", "6dB"});
  for (int index : {3, 13, -2}) {
    box.SetItemIndex(1);
    box.SetItemIndex(index);
    EXPECT_EQ(box.ItemIndex(), -1) << index;
  }
}

TEST(ComboBoxTest, ReplacingTheItemsKeepsThemInOrder) {
  ComboBox box;
  box.SetItems({"1-", "2-"});
  box.SetItems({"1-Live", "2-Club", "3-Hall"});
  EXPECT_EQ(box.Items(), (QStringList{"1-Live", "2-Club", "3-Hall"}));
}

TEST(ComboBoxTest, TheCurrentIndexPropertyIsAChoiceFromCode) {
  ComboBox box;
  box.SetItems({"PEQ", "LSEQ", "HSEQ"});
  int changes = 0;
  box.OnChange = [&](ComboBox&) { ++changes; };
  EXPECT_TRUE(box.setProperty("currentIndex", 2));
  EXPECT_EQ(box.ItemIndex(), 2);
  EXPECT_EQ(changes, 0);
}

}  // namespace
