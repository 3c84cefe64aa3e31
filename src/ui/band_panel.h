#pragma once
// Builds a page's equaliser band panel: its title, the header labels, and one column per band
// (number, mode images, mode box, gain slider, gain, frequency and Q edits with spin buttons) side by
// side in a sideways-scrolling box.

#include "panel_tables.h"

class Panel;
class QWidget;

inline constexpr int MicColumnPitch = 72;  // the MIC box scrolls by one column per step
inline constexpr int MicShownColumns = 10;

// pitch: the width of a band column; shown: how many columns the box shows at a time.
Panel* BuildBandPanel(const EqGroup& group, int pitch, int shown, int height, QWidget* parent);
