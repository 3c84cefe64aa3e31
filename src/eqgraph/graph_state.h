#pragma once
// The equaliser graph's drawing state: the colour of the response curve, which follows the page on
// show (cyan for the input channels, pale cyan for the outputs, orange while the MIC page shows
// MIC B). One process-wide instance.

#include <cstdint>

inline constexpr std::uint32_t CurveInputColour = 0xFF00CCFF;   // ARGB
inline constexpr std::uint32_t CurveOutputColour = 0xFF99FFFF;
inline constexpr std::uint32_t CurveMicBColour = 0xFFFF6600;

struct GraphState {
  std::uint32_t CurveColour = CurveInputColour;
};

extern GraphState graphState;
