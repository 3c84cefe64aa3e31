#pragma once
// Showing the image on the controls: after a download, a bank or MIC group switch and an equaliser
// reset, every control is set from the slot it is bound to, mostly through the same handlers a
// user's action runs, with sending suppressed so that nothing goes back to the device.

#include "param_image.h"

// which: a channel 0..9 (2 counts as 1, whose controls the MIC page shares) or 20 for all. The
// Auto/Manual pair, the EQ-pass button, the System page, the preset list, the common band editor,
// the graph and the panel lock are redone whatever which is.
void RefreshPanel(int which);
// Points "EQ pass" at the EQ-pass slot of the page on show and shows its state. The System page has
// no equaliser: the button keeps its binding there.
void RebindEqPassButton();
// The preset list shows "n-name" for the device's presets, with the preset of this index chosen
// (-1 none); nothing else runs.
void ShowPresetNames(int index);
// Binds the common band editor to the band of the address (a frequency, gain or Q field); any other
// address leaves it as it is.
void FollowLastChange(ParamAddress address);
// Factory values into every band of a channel 0..8 or of all (20), then a refresh of it. A single
// channel's bands are also sent; all channels (at start-up) only fill the image, both Music banks.
void ResetEqualisers(int which);

// The factory value of a band field: role 0..4 of band b of n, on the Music channel's Disco copy
// when discoCopy.
std::int32_t DefaultBandValue(int role, int band, int bands, bool discoCopy);
