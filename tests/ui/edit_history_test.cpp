// Undo and redo on the real window: a gesture is one step, undoing it sends the old value back
// through the senders and shows it, the keys win over a line edit's own undo, and changes from
// elsewhere end the history. The sync indicator reads the queues and the handshake.

#include <QAccessible>
#include <QUndoStack>

#include "bmp_button.h"
#include "control_lookup.h"
#include "control_names.h"
#include "edit.h"
#include "graph_drawing.h"
#include "image.h"
#include "label.h"
#include "link_session.h"
#include "panel_fixture.h"
#include "panel_tables.h"
#include "send_queues.h"
#include "senders.h"
#include "value_scales.h"

namespace {

constexpr ParamAddress MicBand4Frequency = 0x0100 + 4 + 5 * 3 + 1;

class EditHistoryTest : public PanelTest {
 protected:
  void ShowPage(int page) { C<BmpButton>(Pages[page].button)->Click(); }
  void Key(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(to, key, modifiers);
    QCoreApplication::processEvents();  // the gesture ends once its release has been handled
  }
  void Undo(QWidget* focus) { Key(focus, Qt::Key_Z, Qt::ControlModifier); }
  void Redo(QWidget* focus) { Key(focus, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
  // The band frames of MIC band 4 among those sent; a repeat of the last one counts once.
  std::vector<Sent> Band4Writes() {
    std::vector<Sent> band;
    for (const Sent& s : Sends())
      if (s.address == 0x0102 && s.values.at(0) == 3 && (band.empty() || band.back() != s)) band.push_back(s);
    return band;
  }
  QString SyncShown() {
    form->ShowSyncState();
    return C<Label>(ControlName::SyncStateLabel)->Caption();
  }
};

TEST_F(EditHistoryTest, OneDragOfAHandleIsUndoneWithOneWriteAndRedoneWithAnother) {
  ShowPage(1);
  const int from = View(MicBand4Frequency);
  QWindow* window = form->windowHandle();
  Image* handle = graphView.GraphHandles[3];
  QPoint at = handle->mapTo(form.get(), QPoint(7, 7));
  QTest::mousePress(window, Qt::LeftButton, {}, at);
  for (int i = 0; i < 12; ++i) QTest::mouseMove(window, at += QPoint(2, 0));
  QTest::mouseRelease(window, Qt::LeftButton, {}, at);
  QCoreApplication::processEvents();
  const int to = View(MicBand4Frequency);
  ASSERT_GT(to, from + 2);
  EXPECT_EQ(form->UndoStack().count(), 1);
  EXPECT_TRUE(C<BmpButton>(ControlName::UndoBtn)->isEnabled());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(C<BmpButton>(ControlName::UndoBtn))->text(QAccessible::Name), QStringLiteral("Undo"));
  Sends();

  Undo(form.get());
  EXPECT_EQ(View(MicBand4Frequency), from);
  EXPECT_EQ(PrimaryAs<Edit>(MicBand4Frequency)->Text().toStdString(), FrequencyScale[from]);
  std::vector<Sent> sent = Band4Writes();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].values[2], from);
  EXPECT_TRUE(C<BmpButton>(ControlName::RedoBtn)->isEnabled());

  C<BmpButton>(ControlName::RedoBtn)->Click();
  EXPECT_EQ(View(MicBand4Frequency), to);
  sent = Band4Writes();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].values[2], to);
  EXPECT_EQ(form->UndoStack().count(), 1);  // the redo is not a new step
}

TEST_F(EditHistoryTest, EachEntryAndClickIsOneStepAndTheWindowsKeysWinInAnEdit) {
  ShowPage(0);
  auto* edit = C<Edit>("MusGainEdit2");
  auto* mute = C<BmpButton>("MusEQAllpassBtn");
  const int gain = View(0x000B), pass = View(mute->Tag);
  QTest::mouseClick(edit, Qt::LeftButton);
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("6"));
  Key(edit, Qt::Key_Return);
  QTest::mouseClick(mute, Qt::LeftButton);
  QCoreApplication::processEvents();
  ASSERT_EQ(View(0x000B), 150);
  ASSERT_NE(View(mute->Tag), pass);
  EXPECT_EQ(form->UndoStack().count(), 2);

  edit->setFocus();
  Undo(edit);  // the click on the button goes first
  EXPECT_EQ(View(mute->Tag), pass);
  EXPECT_EQ(View(0x000B), 150);
  Undo(edit);
  EXPECT_EQ(View(0x000B), gain);
  EXPECT_EQ(edit->Text(), QStringLiteral("0.0"));
  Redo(edit);
  EXPECT_EQ(View(0x000B), 150);
}

TEST_F(EditHistoryTest, ChangesFromElsewhereEndTheHistory) {
  ShowPage(0);
  const auto edited = [&] {
    auto* edit = C<Edit>("MusGainEdit1");
    QTest::mouseClick(edit, Qt::LeftButton);
    Key(edit, Qt::Key_Up);
    ASSERT_EQ(form->UndoStack().count(), 1);
  };
  edited();
  form->ImageReloaded();  // a download or a preset recall
  EXPECT_EQ(form->UndoStack().count(), 0);
  edited();
  QTest::mouseClick(C<BmpButton>("DiscoModeBtn"), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(form->UndoStack().count(), 0);
  ShowPage(1);
  QCoreApplication::processEvents();
  QTest::mouseClick(C<BmpButton>("MicBBtn"), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(form->UndoStack().count(), 0);
}

TEST_F(EditHistoryTest, TheSyncIndicatorFollowsTheQueuesAndTheLink) {
  sessionState.HoldTimerOn = true;
  Sends();
  EXPECT_EQ(SyncShown(), QStringLiteral("All changes on the device"));
  sendState.ClearToSend = false;  // a write in flight: the next writes wait
  sendState.Unacknowledged = BuildFrame(CmdWrite, 0x0502, std::vector<std::uint8_t>{1, 0});
  WriteParam(0x0500, 3);
  WriteParam(0x0501, 4);
  EXPECT_EQ(SyncShown(), QStringLiteral("Sending 3 changes\u2026"));
  sessionState.HoldTimerOn = false;  // the link is lost
  EXPECT_EQ(SyncShown(), QStringLiteral("2 changes not on the device"));
  EXPECT_EQ(C<Label>(ControlName::SyncStateLabel)->FontColor(), QColor(255, 80, 80));
  sessionState.HoldTimerOn = true;
  Sends();
  EXPECT_EQ(SyncShown(), QStringLiteral("All changes on the device"));
}

}  // namespace
