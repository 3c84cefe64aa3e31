// The graph's band slots loaded from the view: bands with their type, frequency, gain and Q, and
// each channel's filters with their shapes and the frequencies they are drawn at.

#include <gtest/gtest.h>

#include "graph_bands.h"
#include "process_state.h"
#include "value_scales.h"

namespace {

class GraphBandsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }
  static void Set(int channel, int slot, int value) { paramImage.ViewTable[channel][slot] = value; }
  static const GraphBand& Slot(int i) { return graphState.GraphBands[i]; }
};

TEST_F(GraphBandsTest, EachChannelHasItsBandsAndFilters) {
  struct Case {
    int channel, result;
  } cases[] = {{0, 9}, {1, 114}, {3, 202}, {5, 104}, {6, 202}, {7, 104}, {8, 104}, {2, -1}, {4, -1}, {9, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.channel);
    EXPECT_EQ(LoadGraphBands(AllGraphBands, c.channel), c.result);
  }
}

TEST_F(GraphBandsTest, ABandReadsItsFieldsAndTheQOfItsType) {
  // Music band 3: slots 14..18 are type, frequency, gain, peaking Q, shelving Q.
  for (auto [slot, value] : {std::pair{14, 0}, {15, 204}, {16, 103}, {17, 16}, {18, 4}}) Set(0, slot, value);
  LoadGraphBands(AllGraphBands, 0);
  EXPECT_EQ(Slot(2).code, 0);
  EXPECT_FLOAT_EQ(Slot(2).frequency, 1000.0f);
  EXPECT_FLOAT_EQ(Slot(2).gain, -3.4f);
  EXPECT_FLOAT_EQ(Slot(2).q, static_cast<float>(QNumber(16)));
  Set(0, 14, 1);  // a low shelf takes the shelving Q
  LoadGraphBands(2, 0);
  EXPECT_EQ(Slot(2).code, 1);
  EXPECT_FLOAT_EQ(Slot(2).q, static_cast<float>(QNumber(4)));
  EXPECT_EQ(Slot(2).filter, nullptr);
}

TEST_F(GraphBandsTest, OneBandLoadsAloneAndTheFiltersEveryTime) {
  LoadGraphBands(AllGraphBands, 1);
  Set(1, 4 + 5 * 3 + 2, 150);  // MIC band 4's gain
  Set(1, 4 + 5 * 5 + 2, 150);  // MIC band 6's gain
  Set(1, 0, 30);               // the high-pass
  LoadGraphBands(3, 1);
  EXPECT_FLOAT_EQ(Slot(3).gain, 6.0f);
  EXPECT_FLOAT_EQ(Slot(5).gain, -24.0f);  // not reloaded
  EXPECT_FLOAT_EQ(Slot(15).frequency, static_cast<float>(FrequencyNumber(29)));
}

TEST_F(GraphBandsTest, FiltersTakeTheirShapeAndFrequency) {
  struct Case {
    const char* what;
    int channel;
    std::vector<std::pair<int, int>> slots;
    int slot;
    int code;
    float frequency;
    float q;
  } cases[] = {
      {"MIC high-pass off", 1, {{0, 0}}, 15, 100, 19.0f, 0},
      {"MIC high-pass on", 1, {{0, 5}}, 15, 102, float(FrequencyNumber(4)), 0},
      {"Echo low-pass off", 3, {{5, 194}}, 4, 200, 20600.0f, 0},
      {"Echo low-pass at 0", 3, {{5, 0}}, 4, 202, 500.0f, 0},
      {"Main slope switch on", 5, {{16, 10}, {18, 1}}, 5, 105, float(FrequencyNumber(9)), 0},
      {"Center slope switch off", 7, {{16, 10}, {18, 0}}, 5, 102, float(FrequencyNumber(9)), 0},
      {"SUR high-pass", 8, {{16, 10}, {18, 1}}, 5, 102, float(FrequencyNumber(9)), 0},
      {"SUB high-pass type", 6, {{8, 2}, {10, 7}, {12, 16}}, 3, 106, float(FrequencyNumber(6)), float(QNumber(16))},
      {"SUB high-pass off", 6, {{8, 2}, {10, 0}}, 3, 100, 19.0f, float(QNumber(0))},
      {"SUB low-pass, never off", 6, {{14, 4}, {16, 0}, {18, 20}}, 4, 208, float(FrequencyNumber(0)), float(QNumber(20))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetProcessState();
    for (auto [slot, value] : c.slots) Set(c.channel, slot, value);
    LoadGraphBands(AllGraphBands, c.channel);
    EXPECT_EQ(Slot(c.slot).code, c.code);
    EXPECT_FLOAT_EQ(Slot(c.slot).frequency, c.frequency);
    EXPECT_FLOAT_EQ(Slot(c.slot).gain, 0.0f);
    EXPECT_FLOAT_EQ(Slot(c.slot).q, c.q);
    EXPECT_NE(Slot(c.slot).filter, nullptr);
  }
}

TEST_F(GraphBandsTest, TheEchoLowPassPaneCountsFrom500HzAndStoresOffAtTheTop) {
  const FilterRule* lowPass = FilterOfHandle(3, LowPassHandle);
  const FilterRule* highPass = FilterOfHandle(3, HighPassHandle);
  ASSERT_TRUE(lowPass && highPass);
  EXPECT_EQ(FilterValueOfStep(*lowPass, 361), 194);
  EXPECT_EQ(FilterValueOfStep(*lowPass, 168), 0);
  EXPECT_EQ(FilterValueOfStep(*lowPass, 300), 132);
  EXPECT_EQ(FilterStepOfValue(*lowPass, 194), 361);
  EXPECT_EQ(FilterStepOfValue(*lowPass, 132), 300);
  EXPECT_EQ(FilterValueOfStep(*highPass, 143), 143);
  EXPECT_EQ(FilterValueOfStep(*FilterOfHandle(6, LowPassHandle), 361), 361);
  EXPECT_EQ(FilterOfHandle(1, LowPassHandle), nullptr);
  EXPECT_EQ(FilterOfHandle(0, HighPassHandle), nullptr);
  EXPECT_EQ(FilterSlotOfHandle(1, HighPassHandle), 15);
  EXPECT_EQ(FilterSlotOfHandle(6, LowPassHandle), 4);
  EXPECT_EQ(FilterSlotOfHandle(5, LowPassHandle), -1);
}

}  // namespace
