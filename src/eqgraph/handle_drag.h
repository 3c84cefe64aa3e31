#pragma once
// Where a dragged graph handle goes: the pointer's move applied under the page's rules (filters move
// only sideways, some stop at a fixed frequency, locked pages keep them still) and the plot's limits
// (the gain axis, 19.5 Hz on the left, 20 600 Hz on the right), and the frequency and gain at the
// handle's centre. Positions are in the plot's pixels; the plot's top-left corner is (0, 0).

#include <optional>

struct HandleBox {
  int left = 0;
  int top = 0;
  int size = 0;  // the handle's height, used for both axes
};

struct HandleDrag {
  int page = 0;         // the page on show
  int handle = 0;       // 0..14 a band, 15 the high-pass, 16 the low-pass filter
  bool autoMode = false;  // the Auto setting locks the Music equaliser and the output filters
  int plotWidth = 0;
  int plotHeight = 0;
};

struct DraggedHandle {
  HandleBox box;
  float frequency = 0;  // Hz, whole
  float gain = 0;       // dB
};

inline constexpr float DragLowestFrequency = 19.5f;
inline constexpr float DragHighestFrequency = 20600.0f;

// The handle moved by (dx, dy) from `box`; nothing when the page holds it still.
std::optional<DraggedHandle> DragHandleBy(const HandleDrag& drag, HandleBox box, int dx, int dy);
