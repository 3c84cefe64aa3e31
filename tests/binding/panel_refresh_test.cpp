// Showing the image on the controls: the refresh sets every control from its slot through the same
// handlers a user's action runs and sends nothing; the equaliser reset; the common band editor; the
// panel lock at connection; and values the controls cannot show.

#include "binding_state.h"
#include "bmp_button.h"
#include "combo_box.h"
#include "control_names.h"
#include "edit.h"
#include "image.h"
#include "label.h"
#include "link_session.h"
#include "page_control.h"
#include "panel_fixture.h"
#include "panel_refresh.h"
#include "spin_buttons.h"
#include "status_pane.h"
#include "track_bar.h"

namespace {

using PanelRefreshTest = PanelTest;

bool Lit(const BmpButton* button) { return button->Up().cacheKey() == button->Down().cacheKey(); }

TEST_F(PanelRefreshTest, EveryKindOfControlShowsItsSlotAndNothingIsSent) {
  auto& device = paramImage.DeviceTable;
  device[5][2] = 0;    // Main music phase: "-"
  device[5][6] = 1;    // Main MIC phase: "+"
  device[5][26] = 1;   // Main left mute on
  device[1][1] = 2;    // MIC feedback eliminator "2"
  device[0][4] = 1;    // Music band 1: low shelf
  device[0][8] = 20;   // its shelving Q, 1.26
  device[6][8] = 3;    // SUB high-pass "USER 12dB"
  device[3][7] = 100;  // echo delay 200 ms
  Sends();
  RefreshPanel(20);
  EXPECT_TRUE(Sends().empty());

  EXPECT_EQ(C<BmpButton>("MainMusPhaseBtn")->Caption(), QStringLiteral("-"));
  EXPECT_EQ(C<BmpButton>("MainMicPhaseBtn")->Caption(), QStringLiteral("+"));
  EXPECT_EQ(C<BmpButton>("MainMusPhaseBtn")->Hint, QStringLiteral("0"));
  EXPECT_TRUE(Lit(C<BmpButton>("MainLmuteBtn")));
  EXPECT_EQ(C<BmpButton>("MainLmuteBtn")->Hint, QStringLiteral("1"));
  EXPECT_FALSE(Lit(C<BmpButton>("MainRmuteBtn")));
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(C<BmpButton>("MicFBERadioBtn" + std::to_string(i))->isChecked(), i == 3) << i;
  EXPECT_EQ(C<BmpButton>("MicFBERadioBtn1")->Hint, QStringLiteral("0"));
  EXPECT_EQ(C<ComboBox>("MusModeBox1")->currentText(), QStringLiteral("LSEQ"));
  EXPECT_EQ(C<Image>("MusLSQBtn1")->Picture().cacheKey(), C<Image>(ControlName::ModeOnImages[1])->Picture().cacheKey());
  EXPECT_EQ(C<Edit>("MusQEdit1")->Text(), QStringLiteral("1.26"));
  EXPECT_TRUE(C<TrackBar>("SubMusHPuserQBar")->isEnabled());
  EXPECT_EQ(C<TrackBar>("EchoTimeBar")->Position(), 100);
  EXPECT_EQ(C<StatusPane>("EchoTimePane")->Caption(), QStringLiteral("200"));
}

TEST_F(PanelRefreshTest, ASliderThatStaysWhereItIsStillShowsItsSlot) {
  C<StatusPane>("EchoTimePane")->SetCaption(QStringLiteral("stale"));
  RefreshPanel(3);
  EXPECT_EQ(C<StatusPane>("EchoTimePane")->Caption(), QStringLiteral("0"));
}

TEST_F(PanelRefreshTest, ARefreshOfMicBIsARefreshOfTheMicPage) {
  paramImage.MicGroupB = 1;
  paramImage.DeviceTable[2][0] = 50;
  RefreshPanel(2);
  EXPECT_EQ(C<TrackBar>("MicHPFreBar")->Position(), 50);
}

TEST_F(PanelRefreshTest, ValuesTheControlsCannotShowAreShownAtTheirNearestEntryOrNotAtAll) {
  auto& device = paramImage.DeviceTable;
  device[0][5] = 400;  // a frequency past the scale
  device[1][1] = 7;    // a feedback eliminator setting past the group
  device[0][9] = 5;    // a band mode without an item
  device[6][8] = 9;    // a SUB filter type without an item
  device[9][14] = 1;   // the music port: its own group is untouched by the MIC group's value
  RefreshPanel(20);
  EXPECT_EQ(C<Edit>("MusFreEdit1")->Text(), QStringLiteral("20600.0"));
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(C<BmpButton>("MicFBERadioBtn" + std::to_string(i))->isChecked()) << i;
  EXPECT_TRUE(C<BmpButton>("SysInput2")->isChecked());
  EXPECT_EQ(C<ComboBox>("MusModeBox2")->ItemIndex(), -1);
  EXPECT_EQ(View(0x0009), 5) << "nothing was stored for a box without a choice";
  EXPECT_EQ(C<ComboBox>("SubMusHPType")->ItemIndex(), -1);
  EXPECT_EQ(View(0x0608), 9);
  EXPECT_TRUE(Sends().empty());
}

TEST_F(PanelRefreshTest, VolumesAreShownAsTheyAreEvenAboveTheirLimit) {
  paramImage.DeviceTable[9][10] = 60;  // Effect start
  paramImage.DeviceTable[9][34] = 70;  // Effect master
  paramImage.DeviceTable[9][11] = 50;  // Effect limit
  RefreshPanel(9);
  EXPECT_EQ(C<TrackBar>("SysEffStartVolBar")->Position(), 60);
  EXPECT_EQ(C<TrackBar>("SysEffNormalVolBar")->Position(), 70);
  EXPECT_EQ(C<StatusPane>("SysEffNormalVolPane")->Caption(), QStringLiteral("70"));
  EXPECT_TRUE(Sends().empty());
  // The next change of the limit brings both down.
  C<TrackBar>("SysEffMaxVolBar")->setValue(49);
  EXPECT_EQ(C<TrackBar>("SysEffStartVolBar")->Position(), 49);
  EXPECT_EQ(C<TrackBar>("SysEffNormalVolBar")->Position(), 49);
}

TEST_F(PanelRefreshTest, TheKeysKeepActingOnTheEditTheUserLeft) {
  QTest::mouseClick(C<Edit>("MusGainEdit4"), Qt::LeftButton);
  RefreshPanel(20);
  EXPECT_EQ(bindingState.CurrentEdit, C<Edit>("MusGainEdit4"));
}

TEST_F(PanelRefreshTest, TheResetOfAllChannelsFillsBothMusicBanksAndSendsNothing) {
  Sends();
  ResetEqualisers(20);
  EXPECT_TRUE(Sends().empty());
  for (int b = 0; b < 10; ++b) {
    EXPECT_EQ(paramImage.DeviceTable[0][5 + 5 * b], 5 + 36 * b) << b;
    EXPECT_EQ(paramImage.DeviceTable[0][BankSlot(0, 5 + 5 * b, 1)], 11 + 24 * b) << b;
  }
  for (int b = 0; b < 15; ++b) EXPECT_EQ(paramImage.DeviceTable[1][5 + 5 * b], 5 + 24 * b) << b;
  EXPECT_EQ(paramImage.DeviceTable[5][32], 120);  // Main band 1's gain: 0 dB
}

TEST_F(PanelRefreshTest, TheResetOfOneChannelSendsEachOfItsBands) {
  paramImage.DeviceTable[5][31] = 300;
  RefreshPanel(5);
  Sends();
  ResetEqualisers(5);
  const std::vector<Sent> sent = Sends();
  ASSERT_EQ(sent.size(), 5u);
  for (int band = 0; band < 5; ++band)
    EXPECT_NE(std::find(sent.begin(), sent.end(), Sent{0x051C, {band, 0, 5 + 72 * band, 120, 16, 10}}), sent.end()) << band;
  EXPECT_EQ(C<Edit>("MainFreEdit1")->Text(), QStringLiteral("21.7"));
}

TEST_F(PanelRefreshTest, TheCommonBandEditorBindsToTheBandFieldChangedLast) {
  const struct {
    ParamAddress changed;
    int fre, gain, q;
    const char* title;
  } cases[] = {{0x000B, 0x000A, 0x000B, 0x000C, "2"}, {0x000D, 0x000A, 0x000B, 0x000D, "2"}, {0x0009, 0x000A, 0x000B, 0x000D, "2"},
               {0x0530, 0x052E, 0x052F, 0x0530, "4"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.changed);
    bindingState.LastChangedAddress = c.changed;  // a mode field keeps the binding it had
    RefreshPanel(20);
    EXPECT_EQ(C<TrackBar>("ComEQFreBar")->Tag, c.fre);
    EXPECT_EQ(C<SpinButtons>("ComEQGainUpDownBtn")->Tag, c.gain);
    EXPECT_EQ(C<TrackBar>("ComEQQvalueBar")->Tag, c.q);
    EXPECT_TRUE(C<Label>("COMEQlabel")->Caption().endsWith(QString::fromLatin1(c.title)));
  }
  EXPECT_EQ(View(0x052E), 221);  // Main band 4's factory frequency
  EXPECT_EQ(C<Edit>("ComEQFreEdit")->Text(), QStringLiteral("1390.0"));
  EXPECT_EQ(C<Edit>("ComEQGainEdit")->Text(), QStringLiteral("0.0dB"));
  EXPECT_EQ(C<Edit>("ComEQQvalueEdit")->Text(), QStringLiteral("1.00"));
}

TEST_F(PanelRefreshTest, TheKeyLockEngagesAtTheFirstRefreshAfterConnect) {
  paramImage.DeviceTable[9][13] = 1;
  paramImage.DeviceTable[9][2] = 4;
  paramImage.PresetNames[4] = "Party";
  sessionState.FirstRefreshStage = 1;
  RefreshPanel(20);
  EXPECT_EQ(sessionState.FirstRefreshStage, 2);
  EXPECT_TRUE(C<QWidget>("FirstCheckGrop")->isVisible());
  EXPECT_EQ(C<PageControl>("FormPageItem")->ActivePageIndex(), 7);
  EXPECT_FALSE(C<QWidget>("TopTileGrop")->isEnabled());
  EXPECT_FALSE(C<QWidget>("FormPageItem")->isEnabled());
  EXPECT_EQ(C<ComboBox>("SysModeBox")->Items().size(), 15);
  EXPECT_EQ(C<ComboBox>("SysModeBox")->currentText(), QStringLiteral("5-Party"));
  EXPECT_EQ(C<Edit>("PresetModeEdit")->Text(), QStringLiteral("Party"));
  EXPECT_EQ(C<Label>("CurrentModeLabel")->Caption(), QString::fromUtf8("（Current Mode：5 ）"));
}

}  // namespace
