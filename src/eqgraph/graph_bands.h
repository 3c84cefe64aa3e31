#pragma once
// Loads the graph's band slots for a channel from the view of the image: each band's type,
// frequency, gain and Q with the controls that edit them, and the channel's high- and low-pass
// filters with the read-out panes that show their frequency.

#include "graph_state.h"

// How a filter slot reads its settings. x is the value of the frequency slot.
struct FilterRule {
  bool lowPass = false;
  int frequencySlot = 0;
  int offValue = -1;       // the x that switches the filter off; -1: it cannot be switched off
  int scaleOffset = 0;     // the frequency shown is FrequencyScale[x + scaleOffset]
  int paneOrigin = 0;      // the frequency step the pane's 0 stands for
  int typeSlot = -1;       // a type box: code base + 4 + type (SUB)
  int slopeSlot = -1;      // a slope switch: on gives the steeper shape (Main, Center)
  int qSlot = -1;
};

// Channels 0, 1, 3, 5, 6, 7 and 8 have a graph.
bool HasGraph(int channel);

// The channel's filter on a filter handle (HighPassHandle or LowPassHandle), or null.
const FilterRule* FilterOfHandle(int channel, int handle);

// The slot a filter handle draws in, or -1 when the channel has no such filter.
int FilterSlotOfHandle(int channel, int handle);

// The frequency step a filter's frequency control stores for a dragged step, and back: most panes
// count the scale's steps; the echo low-pass pane counts from 500 Hz and stores its off value for
// the scale's top step.
int FilterValueOfStep(const FilterRule& rule, int step);
int FilterStepOfValue(const FilterRule& rule, int value);

// Fills the channel's band slots: band AllGraphBands loads every band, 0..19 only that band; the
// filter slots are loaded every time. Returns (bands - 1) + 100 x filters, or -1 (nothing loaded)
// for a channel without a graph.
int LoadGraphBands(int band, int channel);
