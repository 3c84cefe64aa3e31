#pragma once
// One line of a mode file: its plain text is scrambled with a fixed 8-byte key and written as
// upper-case hexadecimal digits, two per character. The key position starts again on every line.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::array<std::uint8_t, 8> ModeLineKey{0x5C, 0xE1, 0x37, 0x0A, 0xD4, 0x68, 0x9B, 0x2F};

std::string EncodeModeLine(std::string_view plain);

// Reads the text as pairs of hexadecimal digits (either case); a single character left over at the
// end is ignored. Nothing when a pair is not hexadecimal.
std::optional<std::string> DecodeModeLine(std::string_view text);

// The pieces of the text between blanks, in order: two blanks in a row give an empty field, a text
// without blanks one field.
std::vector<std::string_view> SplitFields(std::string_view text);

// A field read as an integer: an optional sign and decimal digits, within 32 bits. Nothing for
// anything else (an empty field, blanks, other characters, too many digits).
std::optional<std::int32_t> ParseModeInteger(std::string_view field);
