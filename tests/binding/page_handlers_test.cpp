// The page bar's and the channel pages' handlers on the real window: pages, MIC groups, the volume
// triples, radio groups, filter types, EQ pass and reset, Auto/Manual and Sing/Disco.

#include "binding_state.h"
#include "bmp_button.h"
#include "combo_box.h"
#include "edit.h"
#include "graph_state.h"
#include "label.h"
#include "page_control.h"
#include "panel_fixture.h"
#include "panel_refresh.h"
#include "spin_buttons.h"
#include "status_pane.h"
#include "track_bar.h"

namespace {

using PageHandlersTest = PanelTest;

void Choose(ComboBox* box, int item) {
  box->setCurrentIndex(item);
  emit box->activated(item);
}

TEST_F(PageHandlersTest, PageButtonsBindThePageAndShowItsRegions) {
  struct Case {
    const char* button;
    ParamAddress page;
    ParamAddress eqPass;
    bool modes;
    bool graph;
    std::uint32_t curve;
  } cases[] = {
      {"FormTabBtn6", 0x0605, 0x061B, true, true, CurveOutputColour},
      {"FormTabBtn3", 0x0302, 0x030C, false, true, CurveInputColour},
      {"FormTabBtn8", 0x0907, 0x030C, false, false, CurveOutputColour},  // no equaliser: the binding stays
      {"FormTabBtn1", 0x0000, 0x0003, true, true, CurveInputColour},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    C<BmpButton>(c.button)->Click();
    EXPECT_EQ(bindingState.CurrentPageAddress, c.page);
    EXPECT_EQ(C<BmpButton>("MusEQAllpassBtn")->Tag, c.eqPass);
    EXPECT_EQ(C<QWidget>("SingleDiscoGrop")->isVisible(), c.modes);
    EXPECT_EQ(C<QWidget>("AdvPanel1")->isVisible(), c.graph);
    EXPECT_EQ(C<QWidget>("EQCotrolGrop")->isVisible(), c.graph);
    EXPECT_EQ(graphState.CurveColour, c.curve);
    EXPECT_TRUE(C<BmpButton>(c.button)->isChecked());
    EXPECT_EQ(C<BmpButton>(c.button)->CaptionColor(), QColor(Qt::white));
    if (c.page == 0x0907) {
      EXPECT_EQ(bindingState.CurrentEdit, panelControls.Example) << "the System page leaves no band edit current";
    }
  }
  EXPECT_FALSE(C<BmpButton>("FormTabBtn8")->isChecked());
  EXPECT_TRUE(Sends().empty());
  // A resize on the System page redraws nothing there.
  C<BmpButton>("FormTabBtn8")->Click();
  form->resize(form->width() + 40, form->height() + 20);
  EXPECT_EQ(bindingState.CurrentPageAddress, 0x0907);
}

TEST_F(PageHandlersTest, TheMicBGroupShowsAndEditsMicBAndDrawsOrange) {
  paramImage.DeviceTable[2][0] = 77;  // MIC B's high-pass
  C<BmpButton>("FormTabBtn2")->Click();
  EXPECT_TRUE(C<BmpButton>("MicABtn")->isChecked()) << "the page opens on MIC A, shown pressed";
  Sends();
  C<BmpButton>("MicBBtn")->Click();
  EXPECT_TRUE(C<BmpButton>("MicBBtn")->isChecked());
  EXPECT_FALSE(C<BmpButton>("MicABtn")->isChecked());
  EXPECT_TRUE(Sends().empty()) << "choosing a group writes nothing";
  EXPECT_EQ(C<TrackBar>("MicHPFreBar")->Position(), 77);
  EXPECT_EQ(graphState.CurveColour, CurveMicBColour);
  EXPECT_EQ(C<Label>("EQlabel")->FontColor(), QColor(255, 102, 0));

  C<TrackBar>("MicHPFreBar")->setValue(80);
  EXPECT_EQ(WritesTo(0x0200, Sends()), std::vector<int>{80});
  EXPECT_EQ(paramImage.DeviceTable[2][0], 80);
  EXPECT_EQ(paramImage.DeviceTable[1][0], 0);

  C<BmpButton>("EQResetBtn")->Click();  // resets MIC B's bands, not MIC A's
  const std::vector<Sent> sent = Sends();
  ASSERT_EQ(sent.size(), 15u);
  for (const Sent& s : sent) EXPECT_EQ(s.address, 0x0202);

  C<BmpButton>("FormTabBtn1")->Click();
  EXPECT_EQ(graphState.CurveColour, CurveInputColour);
  EXPECT_EQ(C<Label>("EQlabel")->FontColor(), QColor(199, 255, 255));
}

TEST_F(PageHandlersTest, AMasterVolumeRisesOneStepAChangeAndFallsAtOnce) {
  paramImage.DeviceTable[9][32] = 20;
  paramImage.DeviceTable[9][7] = 84;
  RefreshPanel(9);
  auto* master = C<TrackBar>("SysMusNormalVolBar");
  ASSERT_EQ(master->Position(), 20);
  master->setValue(60);
  EXPECT_EQ(master->Position(), 21);
  EXPECT_EQ(WritesTo(0x0920, Sends()), std::vector<int>{21});
  EXPECT_EQ(C<StatusPane>("SysMusNormalVolPane")->Caption(), QStringLiteral("21"));
  master->setValue(5);
  EXPECT_EQ(WritesTo(0x0920, Sends()), std::vector<int>{5});
}

TEST_F(PageHandlersTest, LoweringALimitPullsStartAndMasterDownEachSent) {
  paramImage.DeviceTable[9][7] = 84;
  paramImage.DeviceTable[9][6] = 50;
  paramImage.DeviceTable[9][32] = 40;
  RefreshPanel(9);
  Sends();
  C<TrackBar>("SysMusMaxVolBar")->setValue(30);
  const std::vector<Sent> sent = Sends();
  EXPECT_EQ(WritesTo(0x0907, sent), std::vector<int>{30});
  EXPECT_EQ(WritesTo(0x0906, sent), std::vector<int>{30});
  EXPECT_EQ(WritesTo(0x0920, sent), std::vector<int>{30});
  EXPECT_EQ(C<StatusPane>("SysMusMaxVolPane")->Caption(), QStringLiteral("30"));
  // A start above its limit comes back down too.
  C<TrackBar>("SysMusStartVolBar")->setValue(60);
  EXPECT_EQ(C<TrackBar>("SysMusStartVolBar")->Position(), 30);
}

TEST_F(PageHandlersTest, RadioGroupsPressOneButtonAndWriteItsIndex) {
  C<BmpButton>("FormTabBtn2")->Click();
  QTest::mouseClick(C<BmpButton>("MicFBERadioBtn2"), Qt::LeftButton);
  EXPECT_EQ(WritesTo(0x0101, Sends()), std::vector<int>{1});
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(C<BmpButton>("MicFBERadioBtn" + std::to_string(i))->isChecked(), i == 2) << i;

  C<QWidget>("SysUserMangerGrop")->setEnabled(true);  // as the right system password does
  C<BmpButton>("SysManagerBtn")->Click();
  EXPECT_EQ(WritesTo(0x090C, Sends()), std::vector<int>{1});
  EXPECT_FALSE(C<QWidget>("SysUserMangerGrop")->isEnabled());
  EXPECT_TRUE(C<QWidget>("SignRzGroup")->isEnabled());
  EXPECT_TRUE(C<QWidget>("RzBmpButton138")->isEnabled());
  C<BmpButton>("SysUserBtn")->Click();  // greyed until the password is entered again
  EXPECT_TRUE(C<QWidget>("SignRzGroup")->isEnabled());
  C<QWidget>("SysUserMangerGrop")->setEnabled(true);
  C<BmpButton>("SysUserBtn")->Click();
  EXPECT_FALSE(C<QWidget>("SignRzGroup")->isEnabled());
}

TEST_F(PageHandlersTest, TheSubFilterTypesEnableTheirUserQ) {
  C<BmpButton>("FormTabBtn6")->Click();
  struct Case {
    const char* box;
    int item;
    ParamAddress type;
    const char* q;
    const char* spin;
    bool enabled;
  } cases[] = {
      {"SubMusHPType", 4, 0x0608, "SubMusHPuserQBar", "SubMusHPuserQUpDownBtn", true},
      {"SubMusHPType", 0, 0x0608, "SubMusHPuserQBar", "SubMusHPuserQUpDownBtn", false},
      {"SubMusLPType", 3, 0x060E, "SubMusLPuserQBar", "SubMusLPuserQUpDownBtn", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + std::to_string(c.item));
    Choose(C<ComboBox>(c.box), c.item);
    EXPECT_EQ(WritesTo(c.type, Sends()), std::vector<int>{c.item});
    EXPECT_EQ(C<TrackBar>(c.q)->isEnabled(), c.enabled);
    EXPECT_EQ(C<SpinButtons>(c.spin)->isEnabled(), c.enabled);
  }
}

TEST_F(PageHandlersTest, InManualTheMusicPagesEqPassAndResetDoNothing) {
  C<BmpButton>("AutoModeBtn")->Click();  // caption "Manual": value 0
  EXPECT_EQ(WritesTo(0x0000, Sends()), std::vector<int>{0});
  const int pass = View(0x0003);
  C<BmpButton>("MusEQAllpassBtn")->Click();
  C<BmpButton>("EQResetBtn")->Click();
  EXPECT_TRUE(Sends().empty());
  EXPECT_EQ(View(0x0003), pass);

  C<BmpButton>("FormTabBtn4")->Click();  // the other pages keep theirs
  C<BmpButton>("MusEQAllpassBtn")->Click();
  EXPECT_EQ(WritesTo(0x051D, Sends()), std::vector<int>{1});
  EXPECT_TRUE(C<Label>("EQPassLabel")->isVisible());
  EXPECT_TRUE(C<BmpButton>("MusEQAllpassBtn")->isChecked());
}

TEST_F(PageHandlersTest, AutoManualEnablesTheOutputLevelAndFilterControlsOnly) {
  C<BmpButton>("AutoModeBtn")->Click();
  for (const char* name : {"MainMusLevelBar", "MainMusPhaseBtn", "MainMusHPFreBar", "MainHPFreUpDownBtn", "MainMusHPslope",
                           "MainMusHPslope2", "SubMusHPType", "SurMusHPFreBar", "SingModeBtn", "DiscoModeBtn", "MusScrollBox"})
    EXPECT_FALSE(C<QWidget>(name)->isEnabled()) << name;
  for (const char* name : {"MainRmsLevelBar", "MainLdelayBar", "MainLmuteBtn", "SurRmsAttackBar", "MicHPFreBar"})
    EXPECT_TRUE(C<QWidget>(name)->isEnabled()) << name;
  C<BmpButton>("ManulModeBtn")->Click();
  EXPECT_EQ(WritesTo(0x0000, Sends()), (std::vector<int>{0, 1}));
  EXPECT_TRUE(C<QWidget>("MainMusLevelBar")->isEnabled());
  EXPECT_FALSE(C<QWidget>("SubMusHPuserQBar")->isEnabled()) << "the user Q follows its filter type";
}

TEST_F(PageHandlersTest, SingAndDiscoShowTheirOwnBank) {
  C<BmpButton>("DiscoModeBtn")->Click();
  EXPECT_EQ(WritesTo(0x0001, Sends()), std::vector<int>{1});
  EXPECT_EQ(paramImage.ActiveBank, 1);
  EXPECT_EQ(View(0x000A), 35);  // the Disco copy's factory frequency of band 2
  EXPECT_TRUE(C<BmpButton>("DiscoModeBtn")->isChecked());
  C<BmpButton>("SingModeBtn")->Click();
  EXPECT_EQ(View(0x000A), 41);
}

TEST_F(PageHandlersTest, SelectingAMicBandKeepsItInView) {
  C<BmpButton>("FormTabBtn2")->Click();
  auto* scroller = C<TrackBar>("MicPanScrollBar");
  const struct {
    int band;  // 1-based, as its number reads
    int position;
  } steps[] = {{11, 1}, {13, 3}, {3, 2}, {12, 2}, {1, 0}};
  for (const auto& step : steps) {
    QTest::mouseClick(C<Edit>("MicFreEdit" + std::to_string(step.band)), Qt::LeftButton);
    EXPECT_EQ(scroller->Position(), step.position) << step.band;
  }
}

}  // namespace
