// The band edits as a user drives them: typing, Enter, the arrows, the wheel, the spin buttons, the
// mode boxes and the band numbers; each change is shown, stored and sent as one band write.

#include <QApplication>
#include <algorithm>
#include <QClipboard>

#include "bmp_button.h"
#include "combo_box.h"
#include "control_names.h"
#include "edit.h"
#include "image.h"
#include "label.h"
#include "panel_fixture.h"
#include "panel_refresh.h"
#include "spin_buttons.h"
#include "track_bar.h"

namespace {

using BandEditTest = PanelTest;

// The band write of Music band b (0-based) with its five current values.
Sent MusicBand(int band) {
  std::vector<int> values{band};
  for (int r = 0; r < 5; ++r) values.push_back(paramImage.ViewTable[0][4 + 5 * band + r]);
  return {0x0002, values};
}

void Type(Edit* edit, const QString& text) {
  QTest::mouseClick(edit, Qt::LeftButton);
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

TEST_F(BandEditTest, ATypedEntryIsConvertedClampedShownStoredAndSent) {
  paramImage.ViewTable[0][9] = 1;  // band 2 is a low shelf: its Q stops at 2.00
  struct Case {
    const char* edit;
    const char* typed;
    const char* shown;
    ParamAddress slot;
    int index;
  } cases[] = {
      {"MusFreEdit1", "1000", "1000.0", 0x0005, 204}, {"MusGainEdit1", "0.5", "0.4", 0x0006, 122},
      {"MusGainEdit1", "25", "12.0", 0x0006, 180},    {"MusGainEdit1", "-30", "-24.0", 0x0006, 0},
      {"MusQEdit1", "128", "128.00", 0x0007, 100},    {"MusQEdit1", "200", "128.00", 0x0007, 100},
      {"MusQEdit2", "128", "2.00", 0x000D, 28},       {"MusFreEdit2", "20250", "20600.0", 0x000A, 361},
  };
  Sends();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.edit) + " " + c.typed);
    auto* edit = C<Edit>(c.edit);
    Type(edit, QString::fromLatin1(c.typed));
    EXPECT_EQ(edit->Text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(View(c.slot), c.index);
    EXPECT_EQ(paramImage.DeviceTable[0][SlotOf(c.slot)], c.index);
    const std::vector<Sent> sent = Sends();
    EXPECT_NE(std::find(sent.begin(), sent.end(), MusicBand((SlotOf(c.slot) - 4) / 5)), sent.end());
  }
}

TEST_F(BandEditTest, TheArrowsStepFromTheShownValueAndSendEachStep) {
  auto* edit = C<Edit>("MusFreEdit1");
  Type(edit, QStringLiteral("1000"));
  Sends();
  QTest::keyClick(edit, Qt::Key_Up);
  EXPECT_EQ(edit->Text(), QStringLiteral("1020.0"));
  EXPECT_EQ(View(0x0005), 205);
  EXPECT_EQ(Sends().back(), MusicBand(0));
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClick(edit, Qt::Key_Down);
  EXPECT_EQ(View(0x0005), 203);

  Type(edit, QStringLiteral("19.7"));  // the bottom of the scale: a step down stays and is sent again
  Sends();
  QTest::keyClick(edit, Qt::Key_Down);
  EXPECT_EQ(edit->Text(), QStringLiteral("19.7"));
  EXPECT_EQ(Sends().back(), MusicBand(0));
}

TEST_F(BandEditTest, TextWithoutANumberPutsTheLastGoodTextBackAndSendsNothing) {
  auto* edit = C<Edit>("MusGainEdit3");
  Type(edit, QStringLiteral("3"));
  Sends();
  for (const char* text : {"abc", "1.2.3", "-", ""}) {
    SCOPED_TRACE(text);
    edit->SetText(QString::fromLatin1(text));  // as a paste or a deletion could leave it
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->Text(), QStringLiteral("3.0"));
    EXPECT_TRUE(Sends().empty());
  }
  QTest::keyClicks(edit, QStringLiteral("x"));  // letters never reach the edit
  EXPECT_EQ(edit->Text(), QStringLiteral("3.0"));
}

TEST_F(BandEditTest, PastedTextGoesThroughTheSameFilterAsTyping) {
  auto* edit = C<Edit>("MusFreEdit4");
  QTest::mouseClick(edit, Qt::LeftButton);
  edit->selectAll();
  QApplication::clipboard()->setText(QStringLiteral("2 kHz: 2000.0!"));
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), QStringLiteral("22000.0"));
}

TEST_F(BandEditTest, TheWheelStepsTheCurrentEditOnlyAfterABandEditWasClicked) {
  auto* edit = C<Edit>("MusFreEdit1");
  const int before = View(0x0005);
  Wheel(edit, 120);
  EXPECT_EQ(View(0x0005), before);

  QTest::mouseClick(edit, Qt::LeftButton);
  Sends();
  for (int i = 0; i < 3; ++i) Wheel(edit, 120);
  EXPECT_EQ(View(0x0005), before + 3);
  EXPECT_EQ(Sends().back(), MusicBand(0));
  // A touchpad's small turns add up to whole notches.
  Wheel(edit, -60);
  EXPECT_EQ(View(0x0005), before + 3);
  Wheel(edit, -60);
  EXPECT_EQ(View(0x0005), before + 2);

  // After a level slider moved, the wheel no longer steps the band edit.
  C<BmpButton>("FormTabBtn4")->Click();
  C<TrackBar>("MainMusLevelBar")->setValue(40);
  const int frequency = View(0x0005);
  Wheel(C<Edit>("MainFreEdit1"), 120);
  EXPECT_EQ(View(0x0005), frequency);
  EXPECT_EQ(View(0x051F), paramImage.ViewTable[5][31]);
}

TEST_F(BandEditTest, SpinButtonsStepAnEditOrMoveASliderWhoseHandlerSends) {
  C<BmpButton>("FormTabBtn2")->Click();
  auto* slider = C<TrackBar>("MicHPFreBar");
  const int before = slider->Position();
  Sends();
  QTest::mouseClick(C<SpinButtons>("MicHPFreUpDownBtn"), Qt::LeftButton, {}, QPoint(6, 3));
  EXPECT_EQ(slider->Position(), before + 1);
  EXPECT_EQ(WritesTo(0x0100, Sends()), std::vector<int>{before + 1});

  auto* spin = C<SpinButtons>("MIcGainUpDownBtn2");
  QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(6, 16));
  EXPECT_EQ(View(0x010B), 119);  // one gain step below 0 dB
  EXPECT_EQ(C<Edit>("MicGainEdit2")->Text(), QStringLiteral("-0.2"));
  EXPECT_EQ(bindingState.CurrentEdit, C<Edit>("MicGainEdit2"));
}

TEST_F(BandEditTest, ChoosingAShelfSendsTheModeAndShowsTheShelfsOwnQWithoutSendingIt) {
  paramImage.ViewTable[0][8] = 20;  // band 1's shelving Q: 1.26
  Sends();
  auto* box = C<ComboBox>("MusModeBox1");
  box->setCurrentIndex(1);
  emit box->activated(1);
  const std::vector<Sent> sent = Sends();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].values[1], 1);
  EXPECT_EQ(C<Edit>("MusQEdit1")->Text(), QStringLiteral("1.26"));
  EXPECT_EQ(bindingState.LastChangedAddress, 0x0004);
  // The mode image of the shelf lights, the others dim.
  EXPECT_EQ(C<Image>("MusLSQBtn1")->Picture().cacheKey(), C<Image>(ControlName::ModeOnImages[1])->Picture().cacheKey());
  EXPECT_EQ(C<Image>("MusPEQBtn1")->Picture().cacheKey(), C<Image>(ControlName::ModeOffImages[0])->Picture().cacheKey());
  // A mode image chooses its mode the same way.
  QTest::mouseClick(C<Image>("MusHSQBtn1"), Qt::LeftButton);
  EXPECT_EQ(box->ItemIndex(), 2);
  EXPECT_EQ(View(0x0004), 2);
}

TEST_F(BandEditTest, ABandNumberSelectsItsFrequencyEdit) {
  C<BmpButton>("FormTabBtn4")->Click();
  QTest::mouseClick(C<Label>("MainEQPointLabel3"), Qt::LeftButton);
  EXPECT_EQ(bindingState.CurrentEdit, C<Edit>("MainFreEdit3"));
  EXPECT_EQ(bindingState.CurrentEdit->Tag, 0x0529);
  EXPECT_EQ(bindingState.SelectedBand[3], 2);
  EXPECT_FALSE(C<Label>("MainEQPointLabel3")->Transparent());
  EXPECT_TRUE(C<Label>("MainEQPointLabel2")->Transparent());
}

TEST_F(BandEditTest, ClickingAButtonCommitsTheEditBeingTypedInFirst) {
  C<BmpButton>("FormTabBtn4")->Click();
  auto* edit = C<Edit>("MainFreEdit2");
  QTest::mouseClick(edit, Qt::LeftButton);
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("1000"));
  QTest::mouseClick(C<BmpButton>("MainLmuteBtn"), Qt::LeftButton);
  EXPECT_EQ(edit->Text(), QStringLiteral("1000.0"));
  EXPECT_EQ(View(0x0524), 204);
  EXPECT_EQ(WritesTo(0x051A, Sends()), std::vector<int>{1});
}

TEST_F(BandEditTest, TheCommonBandEditorFollowsTheLastChangeAtARefreshAndItsEditsNeverWrite) {
  Type(C<Edit>("MusGainEdit2"), QStringLiteral("-3"));
  EXPECT_EQ(C<TrackBar>("ComEQGainBar")->Tag, 0);
  RefreshPanel(0);
  EXPECT_EQ(C<Label>("COMEQlabel")->Caption(), QString::fromUtf8("调节当前EQ段：2"));
  EXPECT_EQ(C<Edit>("ComEQGainEdit")->Text(), QStringLiteral("-3.0dB"));
  EXPECT_EQ(C<TrackBar>("ComEQGainBar")->Position(), 105);
  Sends();
  // Its slider and spin buttons act on that band.
  C<TrackBar>("ComEQGainBar")->setValue(110);
  EXPECT_EQ(View(0x000B), 110);
  EXPECT_EQ(C<Edit>("MusGainEdit2")->Text(), QStringLiteral("-2.0"));
  EXPECT_EQ(Sends().back(), MusicBand(1));
  // Its edits only show: typing, Enter and leaving them write nothing.
  auto* shown = C<Edit>("ComEQFreEdit");
  shown->setFocus();
  Sends();  // leaving the band edit committed it once more
  QTest::keyClick(shown, Qt::Key_Return);
  QTest::keyClick(shown, Qt::Key_Up);
  C<Edit>("MusFreEdit5")->setFocus();
  EXPECT_TRUE(Sends().empty());
}

TEST_F(BandEditTest, KeysAndWheelDoNothingWhileTheCurrentEditIsDisabledOrThePanelLocked) {
  auto* edit = C<Edit>("MusFreEdit1");
  QTest::mouseClick(edit, Qt::LeftButton);
  const int before = View(0x0005);
  C<BmpButton>("AutoModeBtn")->Click();  // Manual greys the Music band columns
  ASSERT_FALSE(edit->isEnabled());
  Wheel(form.get(), 120);
  EXPECT_EQ(View(0x0005), before);

  C<BmpButton>("ManulModeBtn")->Click();
  panelControls.FirstCheckGrop->show();
  Wheel(edit, 120);
  QTest::keyClick(edit, Qt::Key_Up);
  EXPECT_EQ(View(0x0005), before);
}

}  // namespace
