// The control table's layout against a literal description of every slot outside the band blocks,
// written out independently of the page tables, and the band blocks against their naming rule.

#include "control_cells.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "panel_tables.h"

namespace {

using CellKey = std::tuple<ParamAddress, Layer, int>;

std::map<CellKey, std::string> Cells() {
  std::map<CellKey, std::string> cells;
  for (const ControlCell& cell : ControlCells()) {
    const auto [at, fresh] = cells.emplace(CellKey{cell.address, cell.layer, cell.index}, cell.name);
    EXPECT_TRUE(fresh) << "cell filled twice: " << std::hex << cell.address << " " << cell.name << " and " << at->second;
  }
  return cells;
}

std::string At(const std::map<CellKey, std::string>& cells, ParamAddress a, Layer layer, int index = 0) {
  const auto it = cells.find({a, layer, index});
  return it == cells.end() ? "" : it->second;
}

// One slot: "~" is the placeholder, "" an empty cell; a stem "X" written as "X*" stands for the
// slider XBar with its pane XPane.
struct Slot {
  int slot;
  std::string primary, readout, step = "";
};

std::vector<Slot> Expand(std::vector<Slot> slots) {
  for (Slot& s : slots)
    if (!s.primary.empty() && s.primary.back() == '*') {
      const std::string stem = s.primary.substr(0, s.primary.size() - 1);
      s.primary = stem + "Bar";
      s.readout = stem + "Pane";
    }
  return slots;
}

std::map<int, std::vector<Slot>> Expected() {
  std::map<int, std::vector<Slot>> t;
  t[0] = {{0, "AutoModeBtn", "ManulModeBtn"}, {1, "DiscoModeBtn", "SingModeBtn"}, {2, "~", "~"}, {3, "MusEQAllpassBtn", "~"}};
  t[1] = {{0, "MicHPFreBar", "MicHPFrePane", "MicHPFreUpDownBtn"}, {1, "MicFBERadioBtn1", "~"}, {2, "~", "~"}, {3, "~", "~"}};
  t[3] = Expand({{0, "EchoEffPhaseBtn", "~"}, {1, "EchoEffLevel*", ""}, {2, "EchoDirectPhaseBtn", "~"},
                 {3, "EchoDirectLevel*", ""}, {4, "EchoHPFreBar", "EchoHPFrePane", "EchoHPFreUpDownBtn"},
                 {5, "EchoLPFreBar", "EchoLPFrePane", "EchoLPFreUpDownBtn"}, {6, "EchoPreDelay*", ""},
                 {7, "EchoTime*", ""}, {8, "EchoRepeat*", ""}, {9, "EchoRTime*", ""}, {10, "EchoRPreDelay*", ""},
                 {11, "~", ""}, {12, "~", ""}});
  t[4] = Expand({{0, "RvbEffPhaseBtn", "~"}, {1, "RvbEffLevel*", ""}, {2, "RvbDirectPhaseBtn", "RvbDirectPhaseBtn"},
                 {3, "RvbDirectLevel*", ""}, {4, "RvbTime*", ""}, {5, "RvbPreDelay*", ""},
                 {6, "RvbHPFreBar", "RvbHPFrePane", "RvbHPFreUpDownBtn"}, {7, "RvbLPFreBar", "RvbLPFrePane", "RvbLPFreUpDownBtn"}});
  t[5] = Expand({{0, "MainMusLevel*", ""}, {2, "MainMusPhaseBtn", "~"}, {4, "MainMicLevel*", ""}, {6, "MainMicPhaseBtn", "~"},
                 {8, "MainEchoLevel*", ""}, {10, "MainEchoPhaseBtn", "~"}, {12, "MainRvbLevel*", ""},
                 {14, "MainRvbPhaseBtn", "~"}, {16, "MainMusHPFreBar", "MainMusHPFrePane", "MainHPFreUpDownBtn"},
                 {18, "MainMusHPslope", "MainMusHPslope2"}, {19, "~", "~"}, {20, "MainRmsAttack*", ""},
                 {21, "MainRmsRelease*", ""}, {22, "MainRmsLevel*", ""}, {23, "MainRmsRatio*", ""},
                 {24, "MainLdelay*", ""}, {25, "MainRdelay*", ""}, {26, "MainLmuteBtn", "~"}, {27, "MainRmuteBtn", "~"},
                 {28, "~", "~"}, {29, "~", "~"}});
  t[6] = Expand({{0, "SubMusLevel*", ""}, {2, "SubMusPhaseBtn", "~"}, {4, "SubMicLevel*", ""}, {6, "SubMicPhaseBtn", "~"},
                 {8, "SubMusHPType", "~"}, {10, "SubMusHPFreBar", "SubMusHPFrePane", "SubHPFreUpDownBtn"},
                 {12, "SubMusHPuserQBar", "SubMusHPuserQPane", "SubMusHPuserQUpDownBtn"}, {14, "SubMusLPType", "~"},
                 {16, "SubMusLPFreBar", "SubMusLPFrePane", "SubLPFreUpDownBtn"},
                 {18, "SubMusLPuserQBar", "SubMusLPuserQPane", "SubMusLPuserQUpDownBtn"}, {19, "~", "~"},
                 {20, "SubRmsAttack*", ""}, {21, "SubRmsRelease*", ""}, {22, "SubRmsLevel*", ""}, {23, "SubRmsRatio*", ""},
                 {24, "Subdelay*", ""}, {25, "SubmuteBtn", "~"}, {26, "~", "~"}, {27, "~", "~"}});
  t[7] = Expand({{0, "CenterMusLevel*", ""}, {2, "CenterMusPhaseBtn", "~"}, {4, "CenterMicLevel*", ""},
                 {6, "CenterMicPhaseBtn", "~"}, {8, "CenterEchoLevel*", ""}, {10, "CenterEchoPhaseBtn", "~"},
                 {12, "CenterRvbLevel*", ""}, {14, "CenterRvbPhaseBtn", "~"},
                 {16, "CenterMusHPFreBar", "CenterMusHPFrePane", "CenterHPFreUpDownBtn"},
                 {18, "CenterMusHPslope", "CenterMusHPslope2"}, {19, "~", "~"}, {20, "CenterRmsAttack*", ""},
                 {21, "CenterRmsRelease*", ""}, {22, "CenterRmsLevel*", ""}, {23, "CenterRmsRatio*", ""},
                 {24, "Centerdelay*", ""}, {25, "CentermuteBtn", "~"}, {26, "~", ""}, {27, "~", ""}});
  t[8] = Expand({{0, "SurMusLevel*", ""}, {2, "SurMusPhaseBtn", "~"}, {4, "SurMicLevel*", ""}, {6, "SurMicPhaseBtn", "~"},
                 {8, "SurEchoLevel*", ""}, {10, "SurEchoPhaseBtn", "~"}, {12, "SurRvbLevel*", ""},
                 {14, "SurRvbPhaseBtn", "~"}, {16, "SurMusHPFreBar", "SurMusHPFrePane", "SurHPFreUpDownBtn"},
                 {18, "SurRmsAttack*", ""}, {19, "SurRmsRelease*", ""}, {20, "SurRmsLevel*", ""},
                 {21, "SurRmsRatio*", ""}, {22, "SurLdelay*", ""}, {23, "SurRdelay*", ""}, {24, "SurLmuteBtn", "~"},
                 {25, "SurRmuteBtn", "~"}, {26, "~", "~"}, {27, "~", ""}});
  t[9] = Expand({{0, "~", "~"}, {1, "~", "~"}, {2, "SysModeBox", "~"}, {3, "SysMusInputLevelBox", "~"}, {4, "~", "~"},
                 {5, "~", "~"}, {6, "SysMusStartVol*", ""}, {7, "SysMusMaxVol*", ""}, {8, "SysMicStartVol*", ""},
                 {9, "SysMicMaxVol*", ""}, {10, "SysEffStartVol*", ""}, {11, "SysEffMaxVol*", ""},
                 {12, "SysUserBtn", "~"}, {13, "SysPanelBtn1", "~"}, {14, "SysInput", "SysInput"}, {15, "~", "~"},
                 {16, "~", "~"}, {32, "SysMusNormalVol*", ""}, {33, "SysMicNormalVol*", ""}, {34, "SysEffNormalVol*", ""}});
  for (int c = 5; c <= 8; ++c)
    for (int slot = 1; slot <= 17; slot += 2) t[c].push_back({slot, "~", "~"});
  return t;
}

std::string Named(const std::string& expected) { return expected == "~" ? "Example" : expected; }

TEST(ControlCellsTest, EverySlotOutsideTheBandBlocksHoldsItsControls) {
  const auto cells = Cells();
  for (const auto& [channel, slots] : Expected()) {
    // Every slot below the band block (all slots of Reverb and System) is listed, empty ones too.
    const int end = channel == 4 || channel == 9 ? ChannelParamCount[channel] : EqFirstSlot[channel];
    std::map<int, Slot> bySlot;
    for (const Slot& s : slots) bySlot[s.slot] = s;
    for (int slot = 0; slot < end; ++slot) {
      const ParamAddress a = MakeAddress(channel, slot);
      SCOPED_TRACE(testing::Message() << "channel " << channel << " slot " << slot);
      const Slot s = bySlot.count(slot) ? bySlot[slot] : Slot{slot, "", ""};
      EXPECT_EQ(At(cells, a, Layer::Primary), Named(s.primary));
      EXPECT_EQ(At(cells, a, Layer::Readout), Named(s.readout));
      EXPECT_EQ(At(cells, a, Layer::Step), s.step);
      EXPECT_EQ(At(cells, a, Layer::Triple), "");
    }
  }
}

TEST(ControlCellsTest, BandBlocksFollowTheirNamingRule) {
  const auto cells = Cells();
  const struct {
    int channel;
    std::string prefix, spin;
  } groups[] = {{0, "Mus", "Mus"}, {1, "Mic", "MIc"},       {3, "Echo", "Echo"}, {5, "Main", "Main"},
                {6, "Sub", "Sub"}, {7, "Center", "Center"}, {8, "Sur", "Sur"}};
  for (const auto& g : groups)
    for (int band = 1; band <= EqBandCount[g.channel]; ++band) {
      SCOPED_TRACE(g.prefix + std::to_string(band));
      const std::string n = std::to_string(band);
      const ParamAddress mode = MakeAddress(g.channel, EqFirstSlot[g.channel] + 5 * (band - 1));
      EXPECT_EQ(At(cells, mode, Layer::Primary), g.prefix + "ModeBox" + n);
      EXPECT_EQ(At(cells, mode, Layer::Step), g.channel == 0 && band == 1 ? "MusEQBmpBtn1" : "Example");
      EXPECT_EQ(At(cells, mode, Layer::Readout), band == 1 && (g.channel == 5 || g.channel == 6) ? "Example" : "");
      EXPECT_EQ(At(cells, mode, Layer::Triple, 0), g.prefix + "PEQBtn" + n);
      EXPECT_EQ(At(cells, mode, Layer::Triple, 1), g.prefix + "LSQBtn" + n);
      EXPECT_EQ(At(cells, mode, Layer::Triple, 2), g.prefix + "HSQBtn" + n);
      EXPECT_EQ(At(cells, mode + 1, Layer::Primary), g.prefix + "FreEdit" + n);
      EXPECT_EQ(At(cells, mode + 1, Layer::Step), g.spin + "FreUpDownBtn" + n);
      EXPECT_EQ(At(cells, mode + 2, Layer::Primary), g.prefix + "GainEdit" + n);
      EXPECT_EQ(At(cells, mode + 2, Layer::Step), g.spin + "GainUpDownBtn" + n);
      EXPECT_EQ(At(cells, mode + 2, Layer::Triple, 0), g.prefix + "EQGainBar" + n);
      EXPECT_EQ(At(cells, mode + 2, Layer::Triple, 1), "");
      for (int q : {3, 4}) {
        EXPECT_EQ(At(cells, mode + q, Layer::Primary), g.prefix + "QEdit" + n);
        EXPECT_EQ(At(cells, mode + q, Layer::Step), g.spin + "QUpDownBtn" + n);
        EXPECT_EQ(At(cells, mode + q, Layer::Readout), "");
      }
    }
}

TEST(ControlCellsTest, NoCellLiesOutsideAChannelsSlotsOrInTheRowsOfMicBAndChannel10) {
  for (const ControlCell& cell : ControlCells()) {
    SCOPED_TRACE(cell.name);
    const int channel = ChannelOf(cell.address);
    EXPECT_NE(channel, 2);
    EXPECT_LT(channel, 10);
    EXPECT_LT(SlotOf(cell.address), ChannelParamCount[channel]);
    EXPECT_FALSE(cell.name.empty());
  }
}

}  // namespace
