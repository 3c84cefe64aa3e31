#include "edit.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TEST(EditTest, DrawsItsFrameInItsFrameColour) {
  Edit edit;
  edit.resize(60, 20);
  for (const QColor colour : {QColor(0x44, 0x86, 0xFF), QColor(0x80, 0x80, 0x80)}) {
    edit.SetFrameColor(colour);
    EXPECT_EQ(edit.grab().toImage().pixelColor(0, 10), colour);
  }
}

TEST(EditTest, KeyHandlersRunBeforeTheEditAndMayDiscardOrReplaceTheCharacter) {
  Edit edit;
  std::string seen;
  QStringList textsAtPress;
  edit.OnKeyDown = [&](Edit&, int key) { seen += key == Qt::Key_Return ? "<down:enter>" : "<down>"; };
  edit.OnKeyPress = [&](Edit& sender, QChar& key) {
    seen += "<press>";
    textsAtPress << sender.Text();
    if (key == QLatin1Char('x')) key = QLatin1Char('9');
    if (key.isLetter()) key = QChar();
  };
  QTest::keyClicks(&edit, QStringLiteral("1ax"));
  EXPECT_EQ(edit.Text(), QStringLiteral("19"));  // "a" discarded, "x" replaced
  EXPECT_EQ(textsAtPress, (QStringList{"", "1", "1"}));
  QTest::keyClick(&edit, Qt::Key_Return);
  EXPECT_EQ(seen, "<down><press><down><press><down><press><down:enter><press>");
}

TEST(EditTest, EnterAndBackspaceReachTheHandlerAsThirteenAndEight) {
  Edit edit;
  std::vector<int> codes;
  edit.OnKeyPress = [&](Edit&, QChar& key) { codes.push_back(key.unicode()); };
  QTest::keyClick(&edit, Qt::Key_Return);
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(codes, (std::vector<int>{13, 8}));
}

TEST(EditTest, LeavingForAnotherControlRunsExitButClicksStayInside) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* first = new Edit;
  auto* second = new Edit;
  layout->addWidget(first);
  layout->addWidget(second);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  int exits = 0, clicks = 0;
  first->OnExit = [&](Edit&) { ++exits; };
  first->OnClick = [&](Edit&) { ++clicks; };
  QTest::mouseClick(first, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(exits, 0);
  second->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(exits, 1);
}

}  // namespace
