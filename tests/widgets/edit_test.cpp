#include "edit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
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

// The band edits' filter: digits, "-" and "." (and Backspace and Enter, which do not come in text).
void KeepNumberCharacters(Edit&, QChar& key) {
  if (!key.isDigit() && key != QLatin1Char('-') && key != QLatin1Char('.')) key = QChar();
}

// Brings the text into the edit the way the user would by one of the paste or drop paths.
using Bring = std::function<void(Edit&, const QString&)>;

void PasteByKeys(Edit& edit, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
}

void PasteByContextMenu(Edit& edit, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), edit.mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(&edit, &request);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QAction* paste = nullptr;
  for (QAction* action : menu->actions())
    if (action->text().startsWith(QStringLiteral("&Paste"))) paste = action;
  ASSERT_NE(paste, nullptr);
  paste->trigger();
  menu->close();
}

void Drop(Edit& edit, const QString& text) {
  QMimeData data;
  data.setText(text);
  QDragEnterEvent enter(QPoint(50, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&edit, &enter);
  QDropEvent drop(QPointF(50, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&edit, &drop);
  EXPECT_TRUE(drop.isAccepted());
}

const std::pair<const char*, Bring> BringPaths[] = {
    {"Ctrl+V", PasteByKeys}, {"context menu", PasteByContextMenu}, {"drop", Drop}};

TEST(EditTest, PastedAndDroppedTextGoesThroughTheKeyFilterCharacterByCharacter) {
  for (const auto& [path, bring] : BringPaths) {
    SCOPED_TRACE(path);
    Edit edit;
    edit.resize(100, 20);
    edit.OnKeyPress = KeepNumberCharacters;
    bring(edit, QStringLiteral("a1.5b-"));
    EXPECT_EQ(edit.Text(), QStringLiteral("1.5-"));

    // A filter that looks at the text sees it as typing would have left it, one character at a time.
    Edit one;
    one.resize(100, 20);
    one.OnKeyPress = [](Edit& sender, QChar& key) {
      if (key == QLatin1Char('.') && sender.Text().contains(key)) key = QChar();
    };
    bring(one, QStringLiteral("1.2.3"));
    EXPECT_EQ(one.Text(), QStringLiteral("1.23"));
  }
}

TEST(EditTest, TextFromCodeAndEditsWithoutAFilterTakeEverything) {
  Edit edit;
  edit.OnKeyPress = KeepNumberCharacters;
  edit.SetText(QStringLiteral("abc"));
  EXPECT_EQ(edit.Text(), QStringLiteral("abc"));
  edit.setProperty("text", QStringLiteral("-24.0dB"));
  EXPECT_EQ(edit.Text(), QStringLiteral("-24.0dB"));

  for (const auto& [path, bring] : BringPaths) {
    SCOPED_TRACE(path);
    Edit open;
    open.resize(100, 20);
    bring(open, QStringLiteral("a1.5b-"));
    EXPECT_EQ(open.Text(), QStringLiteral("a1.5b-"));
  }
}

}  // namespace
