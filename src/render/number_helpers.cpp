#include "render/number_helpers.h"

#include <cmath>
#include <cstdint>

namespace frost {

bool IsPowerOfTwo(int x) {
  if (x <= 0) return false;
  if (x == 1) return true;
  const double exponent = std::log(static_cast<double>(x)) / std::log(2.0);
  // Nearest integer, with an exact half rounding down.
  const double whole = std::floor(exponent);
  const double nearest = exponent - whole > 0.5 ? whole + 1.0 : whole;
  return std::fabs(exponent - nearest) <= 0.01;
}

std::string IntToText(int value) {
  if (value == 0) return "0";
  std::int64_t magnitude = value;
  std::string text;
  if (magnitude < 0) {
    text = "-";
    magnitude = -magnitude;
  }
  const int digits = static_cast<int>(std::log10(static_cast<double>(magnitude)) + 1.0);
  std::int64_t power = 1;
  for (int k = 1; k < digits; ++k) power *= 10;
  for (int k = digits; k >= 1; --k, power /= 10) {
    text.push_back(static_cast<char>('0' + (magnitude % (power * 10)) / power));
  }
  return text;
}

}  // namespace frost
