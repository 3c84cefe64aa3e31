// Where a dragged handle goes on the design-size plot (1078 x 297): the page rules, the pins and
// the plot's limits.

#include <gtest/gtest.h>

#include <cmath>

#include "graph_geometry.h"
#include "graph_state.h"
#include "handle_drag.h"
#include "value_scales.h"

namespace {

constexpr int W = 1078, H = 297;
constexpr int Band = 14, Filter = 24;  // handle sizes

// The left of a handle of this size centred on the frequency, as the drag places it.
int LeftAt(double frequency, int size) { return static_cast<int>(std::nearbyint(FreqToX(frequency, W) - size / 2)); }
int TopAt(double gain, int size) { return static_cast<int>(std::nearbyint(GainToY(gain, H) - size / 2)); }

TEST(HandleDrag, LockedPagesKeepTheirHandlesStill) {
  const HandleBox band{LeftAt(1000, Band), TopAt(0, Band), Band};
  const HandleBox filter{LeftAt(100, Filter), TopAt(0, Filter), Filter};
  EXPECT_FALSE(DragHandleBy({0, 3, true, W, H}, band, 20, 20));  // Music in Auto
  EXPECT_TRUE(DragHandleBy({0, 3, false, W, H}, band, 20, 20));
  for (int page : {3, 4, 5, 6}) {
    SCOPED_TRACE(page);
    EXPECT_FALSE(DragHandleBy({page, HighPassHandle, true, W, H}, filter, 20, 0));
    EXPECT_TRUE(DragHandleBy({page, 1, true, W, H}, band, 20, 20));  // bands stay free
  }
  EXPECT_TRUE(DragHandleBy({1, HighPassHandle, true, W, H}, filter, 20, 0));  // MIC has no Auto lock
}

TEST(HandleDrag, BandsMoveFreelyWithinTheLimits) {
  const HandleBox start{LeftAt(1000, Band), TopAt(0, Band), Band};
  struct Case {
    const char* what;
    int dx, dy;
    int left, top;
    float frequency, gain;
  } cases[] = {
      {"far right stops at 20600 Hz", 900, 0, LeftAt(20600, Band), start.top, 20600, float(YToGain(start.top + 7, H))},
      {"far left stops at 19.5 Hz", -900, 0, int(std::nearbyint(FreqToX(19.5, W))) - 7, start.top, 19, float(YToGain(start.top + 7, H))},
      {"above the plot: centre on the top row", 0, -500, start.left, -7, 0, 12.0f},
      {"below the plot: gain stops at -24", 0, 500, start.left, H - 7, 0, -24.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto moved = DragHandleBy({1, 4, false, W, H}, start, c.dx, c.dy);
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->box.left, c.left);
    EXPECT_EQ(moved->box.top, c.top);
    if (c.frequency > 0) {
      EXPECT_FLOAT_EQ(moved->frequency, c.frequency);
    }
    EXPECT_FLOAT_EQ(moved->gain, c.gain);
  }
}

TEST(HandleDrag, FiltersMoveSidewaysAndStopAtTheirPins) {
  struct Case {
    const char* what;
    int page, handle;
    double from;
    int dx;
    double pinned;  // the frequency the handle ends on, or 0 when it simply moves
  } cases[] = {
      {"MIC high-pass past 309 Hz", 1, HighPassHandle, 100, 300, 309},
      {"MIC high-pass below it", 1, HighPassHandle, 100, 40, 0},
      {"SUB low-pass past 309 Hz", 5, LowPassHandle, 100, 300, 309},
      {"Effect high-pass past 2000 Hz", 2, HighPassHandle, 1000, 200, 2000},
      {"Effect low-pass below 500 Hz", 2, LowPassHandle, 1000, -200, 500},
      {"Effect low-pass above it", 2, LowPassHandle, 1000, 100, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const HandleBox start{LeftAt(c.from, Filter), TopAt(0, Filter), Filter};
    const auto moved = DragHandleBy({c.page, c.handle, false, W, H}, start, c.dx, 30);
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->box.top, start.top);
    EXPECT_EQ(moved->box.left, c.pinned > 0 ? LeftAt(c.pinned, Filter) : start.left + c.dx);
    if (c.pinned > 0) {  // the step written is the pin's
      EXPECT_EQ(TextToIndex(2, moved->frequency), TextToIndex(2, c.pinned));
    }
  }
}

TEST(HandleDrag, TheLowPassHandleStopsAtTheRightEdge) {
  const HandleBox start{LeftAt(5000, Filter), TopAt(0, Filter), Filter};
  const auto moved = DragHandleBy({2, LowPassHandle, false, W, H}, start, 2000, 0);
  ASSERT_TRUE(moved);
  EXPECT_FLOAT_EQ(moved->frequency, 20600.0f);
  EXPECT_EQ(moved->box.left, LeftAt(20600, Filter));
}

TEST(HandleDrag, ATinyPlotGivesNumbers) {
  const auto moved = DragHandleBy({1, 2, false, 0, 1}, {0, 0, Band}, 5, 5);
  ASSERT_TRUE(moved);
  EXPECT_TRUE(std::isfinite(moved->frequency));
  EXPECT_TRUE(std::isfinite(moved->gain));
}

}  // namespace
