// The control table of the real window: every cell finds its control, and the build stamps each
// bound control with its address.

#include "bmp_button.h"
#include "control_cells.h"
#include "control_lookup.h"
#include "edit.h"
#include "image.h"
#include "panel_fixture.h"
#include "panel_tables.h"
#include "track_bar.h"

namespace {

using ControlTableTest = PanelTest;

TEST_F(ControlTableTest, EveryCellFindsItsControl) {
  for (const ControlCell& cell : ControlCells()) {
    SCOPED_TRACE(cell.name);
    QWidget* found = cell.layer == Layer::Primary   ? CellOf(controlTable.PrimaryControls, cell.address)
                     : cell.layer == Layer::Readout ? CellOf(controlTable.ReadoutControls, cell.address)
                     : cell.layer == Layer::Step    ? CellOf(controlTable.StepControls, cell.address)
                                                    : TripleOf(cell.address, cell.index);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->objectName().toStdString(), cell.name);
  }
  for (int g = 0; g < EqGroupCount; ++g)
    for (int band = 0; band < BandCountOf(EqGroups[g]); ++band) {
      EXPECT_NE(controlTable.BandPointLabels[g][band], nullptr);
      EXPECT_EQ(controlTable.BandFreqSliders[g][band], C<TrackBar>("MusEQTrackBar1"));
    }
}

TEST_F(ControlTableTest, BoundControlsCarryTheAddressOfTheLastCellTheySitIn) {
  const struct {
    const char* name;
    int tag;
  } cases[] = {{"MusQEdit1", 0x0008},         {"MusFreEdit1", 0x0005},      {"MusGainEdit1", 0x0006},
               {"MusModeBox1", 0x0004},       {"MusEQGainBar1", 0x0006},    {"MainMusHPslope2", 0x0512},
               {"CenterMusHPslope2", 0x0712}, {"MicFBERadioBtn1", 0x0101},  {"SysInput", 0x090E},
               {"SysMusNormalVolBar", 0x0920}, {"MusEQTrackBar1", 0x0831}, {"SurQUpDownBtn5", 0x0834},
               {"SubMusLPuserQPane", 0x0612}, {"MIcFreUpDownBtn15", 0x014B}, {"ManulModeBtn", 0x0000}};
  for (const auto& c : cases) EXPECT_EQ(ControlDataOf(C<QWidget>(c.name))->Tag, c.tag) << c.name;
  for (int mode = 0; mode < 3; ++mode) {
    auto* image = C<Image>(std::string(mode == 0 ? "MusPEQBtn1" : mode == 1 ? "MusLSQBtn1" : "MusHSQBtn1"));
    EXPECT_EQ(image->Tag, 0x0004);
    EXPECT_EQ(image->Hint, QString::number(mode));
  }
}

TEST_F(ControlTableTest, ChannelSlidersWearTheMicHighPassTrackAndSystemSlidersTheirOwn) {
  const qint64 mic = C<TrackBar>("MicHPFreBar")->SliderPicture().cacheKey();
  EXPECT_EQ(C<TrackBar>("MainMusLevelBar")->SliderPicture().cacheKey(), mic);
  EXPECT_EQ(C<TrackBar>("EchoTimeBar")->SliderPictureDisabled().cacheKey(), C<TrackBar>("MicHPFreBar")->SliderPictureDisabled().cacheKey());
  EXPECT_NE(C<TrackBar>("SysMusMaxVolBar")->SliderPicture().cacheKey(), mic);
}

TEST_F(ControlTableTest, TheDeviceStartsInManualAndStrayAddressesFindNothing) {
  EXPECT_EQ(paramImage.DeviceTable[0][0], 1);
  EXPECT_TRUE(C<BmpButton>("ManulModeBtn")->isChecked());
  for (ParamAddress stray : {0x0200, 0x0A00, 0x0B00, 0x0051, 0x10000, -1, 0x0935})
    EXPECT_EQ(CellOf(controlTable.PrimaryControls, stray), nullptr) << stray;
}

}  // namespace
