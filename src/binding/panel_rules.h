#pragma once
// Two rules that tie several controls together: the Auto/Manual switch enables or disables the
// output channels' level, phase and filter controls, and each channel's three volume sliders keep
// start and master volume at or below the limit.

class StatusPane;
class TrackBar;

// flag 0 (Auto) disables, anything else (Manual) enables: the hidden band slider, the Music band
// columns, the output channels' level, phase and filter controls, and the Sing/Disco pair.
void SetManualControlsEnabled(int flag);

// which: the place in the triple of the slider that changed (0 master, 1 start, 2 limit); pane shows
// its position. While sending is suppressed (a panel refresh) nothing is moved.
void LimitVolumeTriple(TrackBar& normal, TrackBar& start, TrackBar& limit, int which, StatusPane& pane);
