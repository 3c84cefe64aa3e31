// The whole panel against the virtual device, in one thread on a simulated clock: Connect shows the
// device's values on every page, and what a user does with the controls ends up in the device's
// memory, banks and MIC groups included.

#include "window_device_fixture.h"

#include "bmp_button.h"
#include "combo_box.h"
#include "edit.h"
#include "status_pane.h"
#include "track_bar.h"
#include "value_scales.h"

#include <QTest>

namespace {

TEST_F(WindowDeviceTest, ConnectShowsTheDevicesValues) {
  EXPECT_EQ(linkTexts.LinkLabel, "Device is Connected");
  EXPECT_EQ(C<TrackBar>("EchoTimeBar")->Position(), Device()[3][7]);
  EXPECT_EQ(C<TrackBar>("MainRmsLevelBar")->Position(), Device()[5][22]);
  EXPECT_EQ(C<TrackBar>("SysMusNormalVolBar")->Position(), Device()[9][32]);
  EXPECT_EQ(C<Edit>("MusFreEdit1")->Text().toStdString(), ValueKindText(2, Device()[0][5]).value());
  EXPECT_EQ(C<ComboBox>("SubMusHPType")->ItemIndex(), Device()[6][8]);
  EXPECT_TRUE(shown.shown.empty());
}

TEST_F(WindowDeviceTest, EditsMadeWithTheControlsLandInTheDevice) {
  auto* frequency = C<Edit>("MusFreEdit1");
  QTest::mouseClick(frequency, Qt::LeftButton);
  frequency->selectAll();
  QTest::keyClicks(frequency, QStringLiteral("1000"));
  QTest::keyClick(frequency, Qt::Key_Return);
  C<BmpButton>("FormTabBtn4")->Click();
  C<TrackBar>("MainMusLevelBar")->setValue(77);
  const int muted = Device()[5][26];
  C<BmpButton>("MainLmuteBtn")->Click();
  C<BmpButton>("FormTabBtn2")->Click();
  C<BmpButton>("MicBBtn")->Click();
  C<TrackBar>("MicHPFreBar")->setValue(12);
  C<TrackBar>("MicEQGainBar3")->setValue(150);
  RunUntilSettled();

  EXPECT_EQ(Device()[0][5], 204);
  EXPECT_EQ(Device()[5][0], 77);
  EXPECT_EQ(Device()[5][26], 1 - muted);
  EXPECT_EQ(Device()[2][0], 12);
  EXPECT_EQ(Device()[2][16], 150);
  EXPECT_NE(Device()[1][16], 150);

  // Disco shows and edits the other bank of the Music channel and the outputs.
  C<BmpButton>("DiscoModeBtn")->Click();
  RunUntilSettled();
  EXPECT_EQ(Device()[0][1], 1);
  C<BmpButton>("FormTabBtn4")->Click();
  EXPECT_EQ(C<TrackBar>("MainMusLevelBar")->Position(), Device()[5][1]);
  C<TrackBar>("MainMusLevelBar")->setValue(33);
  RunUntilSettled();
  EXPECT_EQ(Device()[5][1], 33);
  EXPECT_EQ(Device()[5][0], 77);
}

}  // namespace
