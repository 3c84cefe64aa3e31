#include "panel_tables.h"

#include <gtest/gtest.h>

namespace {

TEST(PanelTablesTest, BandControlsAreNamedFromPrefixRoleAndBand) {
  struct Case {
    int group;
    BandPart part;
    int band;
    const char* name;
  };
  const Case cases[] = {
      {0, BandPart::GainBar, 1, "MusEQGainBar1"},     {0, BandPart::ModeBox, 10, "MusModeBox10"},
      {1, BandPart::FreSpin, 15, "MIcFreUpDownBtn15"}, {1, BandPart::QEdit, 15, "MicQEdit15"},
      {1, BandPart::PointLabel, 2, "MicEQPointLabel2"}, {2, BandPart::PointLabel, 3, "EffEQPointLabel3"},
      {2, BandPart::LsqImage, 3, "EchoLSQBtn3"},       {3, BandPart::GainSpin, 5, "MainGainUpDownBtn5"},
      {4, BandPart::HsqImage, 1, "CenterHSQBtn1"},     {5, BandPart::FreEdit, 2, "SubFreEdit2"},
      {6, BandPart::PeqImage, 4, "SurPEQBtn4"},        {6, BandPart::QSpin, 5, "SurQUpDownBtn5"},
  };
  for (const Case& c : cases) EXPECT_EQ(BandControlName(EqGroups[c.group], c.part, c.band), c.name);
}

TEST(PanelTablesTest, EachGroupKnowsItsChannelBandsAndFirstFrequencySlot) {
  const int channels[] = {0, 1, 3, 5, 7, 6, 8};
  const int bands[] = {10, 15, 3, 5, 5, 3, 5};
  const int firstFrequency[] = {5, 5, 14, 31, 29, 29, 29};  // the Hint of the band number labels
  for (int g = 0; g < 7; ++g) {
    EXPECT_EQ(EqGroups[g].channel, channels[g]);
    EXPECT_EQ(BandCountOf(EqGroups[g]), bands[g]);
    EXPECT_EQ(FirstFrequencySlot(EqGroups[g]), firstFrequency[g]);
  }
}

TEST(PanelTablesTest, PagesAreInButtonOrderWithTheirChannels) {
  const int channels[] = {0, 1, 3, 5, 7, 6, 8, 9};
  for (int p = 0; p < PageCount; ++p) EXPECT_EQ(Pages[p].channel, channels[p]);
  EXPECT_STREQ(Pages[6].buttonCaption, "SUR  output");
  EXPECT_TRUE(PageRows(SystemPage).empty());
  EXPECT_TRUE(PageRows(-1).empty());
}

}  // namespace
