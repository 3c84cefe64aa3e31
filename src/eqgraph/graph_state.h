#pragma once
// The equaliser graph's state: the band slots of the channel on show with their computed responses,
// the colour of the curve, and where a handle drag stands. One process-wide instance.
//
// Slot i below the channel's band count is band i; a high-pass filter takes the slot after the last
// band and a low-pass filter the one after that. Handles 0 to 14 move bands, handle 15 the high-pass
// and handle 16 the low-pass filter; a filter's frequency control is also kept under its handle's
// index, so a drag finds it from the handle.

#include <array>
#include <cstdint>

#include "band_response.h"
#include "param_image.h"

class QWidget;
struct FilterRule;

inline constexpr std::uint32_t CurveInputColour = 0xFF00CCFF;   // ARGB
inline constexpr std::uint32_t CurveOutputColour = 0xFF99FFFF;
inline constexpr std::uint32_t CurveMicBColour = 0xFFFF6600;

inline constexpr int GraphSlotCount = 17;
inline constexpr int HighPassHandle = 15;
inline constexpr int LowPassHandle = 16;
inline constexpr int AllGraphBands = 20;  // DrawGraph and LoadGraphBands: every band of the channel

struct GraphBand {
  BandCode code = 0;
  float gain = 0;       // dB
  float frequency = 0;  // Hz
  float q = 0;
  ResponseRow row{};
  QWidget* frequencyControl = nullptr;  // a band's frequency edit or a filter's read-out pane
  QWidget* gainControl = nullptr;
  QWidget* qControl = nullptr;
  const FilterRule* filter = nullptr;  // how a filter slot reads and stores its frequency; null for a band
};

struct DragPoint {
  int x = 0;
  int y = 0;
};

struct GraphState {
  std::uint32_t CurveColour = CurveInputColour;
  std::array<GraphBand, GraphSlotCount> GraphBands{};
  int LastGraphSlot = 0;
  // The handle drag.
  bool HandleDragging = false;
  bool QDragMode = false;   // right button on a band handle: sideways moves step its Q
  int PressedHandle = 0;    // -1 when the pressed control is not a handle
  DragPoint PressPoint;     // in the pressed control's coordinates; during a Q drag, the last step's
  int DragHandle = 0;       // the handle whose values are applied next
  float DragFrequency = 0;  // Hz, whole
  float DragGain = 0;       // dB
  float DragFrequencyStep = 0;
  float DragGainStep = 0;
  float SentFrequencyStep = 0;  // the steps last applied
  float SentGainStep = 0;
  ParamAddress DrawnAddress = 0;  // the last change the graph has drawn
  std::int32_t DrawnValue = 0;
};

extern GraphState graphState;
