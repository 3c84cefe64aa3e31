#pragma once
// The fixed scales behind every parameter step the user reads: frequency, Q, gain, the limiter's
// ratio, release and attack. A step is what the image holds and the wire carries; the scale gives
// the text a control shows and the number the equaliser graph computes with. Also the range and
// text form of every ValueKind (the number a control carries in its Hint) and TextToIndex, which
// turns a typed or dragged number back into a step.

#include <array>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int FrequencySteps = 362;  // 1/36 octave a step, step 204 = 1 kHz
inline constexpr int QSteps = 101;          // twelve steps per doubling, step 16 = 1.00
inline constexpr int GainSteps = 181;       // 0.2 dB a step, step 120 = 0 dB
inline constexpr int RatioSteps = 41;
inline constexpr int ReleaseSteps = 8;
inline constexpr int AttackSteps = 16;

extern const std::array<std::string_view, FrequencySteps> FrequencyScale;  // Hz, one decimal
extern const std::array<std::string_view, QSteps> QScale;                  // two decimals
extern const std::array<std::string_view, RatioSteps> RatioScale;          // limiter ratio
extern const std::array<std::string_view, ReleaseSteps> ReleaseScale;      // multiples of the attack
extern const std::array<std::string_view, AttackSteps> AttackScale;        // ms

// A scale's number is its text read as a decimal number (step 81 is 94 Hz). Steps outside a table
// read the nearest end of it.
double FrequencyNumber(int step);
double QNumber(int step);
double GainNumber(double step);     // step / 5 - 24 dB
std::string GainText(double step);  // GainNumber with the pattern "#0.0": "-24.0", "0.0", "12.0"

struct KindRange {
  int low = 0;
  int high = 0;
};

// The range a value of the kind is clamped to. bandType (the band's role-0 value) matters only to
// kind 4: 0 to 100 for a peaking band, 0 to 28 for the shelving types. Kind 1 (a combo box's own
// items) and the kinds without a text form have none.
std::optional<KindRange> ValueKindRange(int kind, int bandType = 0);

// The text a control of the kind shows for the value x (a step; tables use its integer part, and a
// step past a table's end reads that end). Kinds 0, 1, 5 and above 19 have no text form here.
std::optional<std::string> ValueKindText(int kind, double x);

// A typed or dragged number as a step of the kind, before the caller's clamp: kind 2 the nearest
// frequency step (a tie goes down, anything above 20200 Hz gives 361), kind 3 the gain step rounded
// half to even, kind 4 the first Q step at or above the value (101 above 128); other kinds the
// value unchanged.
double TextToIndex(int kind, double value);
