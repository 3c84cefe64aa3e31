#include "decimal_format.h"

#include <charconv>
#include <cmath>

double RoundHalfEven(double value) { return std::nearbyint(value); }

std::string FormatDecimals(double value, int decimals) {
  if (!std::isfinite(value)) value = 0;
  if (decimals < 0) decimals = 0;
  // Shortest fixed text of |value|: at most 309 integer digits, or "0." and 324 fraction digits.
  char text[400];
  const auto end = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::fixed).ptr;
  const std::string shortest(text, end);
  const auto point = shortest.find('.');
  const std::string whole = shortest.substr(0, point);
  std::string fraction = point == std::string::npos ? std::string() : shortest.substr(point + 1);
  const bool roundUp = fraction.size() > static_cast<std::size_t>(decimals) && fraction[decimals] >= '5';
  fraction.resize(decimals, '0');

  std::string digits = whole + fraction;
  if (roundUp) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0)
      digits.insert(digits.begin(), '1');
    else
      ++digits[i - 1];
  }
  std::string result = digits.substr(0, digits.size() - decimals);
  if (decimals > 0) result += '.' + digits.substr(digits.size() - decimals);
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  if (value < 0 && !zero) result.insert(result.begin(), '-');
  return result;
}
