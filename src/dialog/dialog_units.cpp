#include "dialog/dialog_units.h"

#include <cstdint>

namespace frost {

DialogBaseUnits BaseUnitsFromFont(int sampleWidth, int fontHeight) {
  return {(sampleWidth / 26 + 1) / 2, fontHeight};
}

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;  // what the system call answers, rather than a trap
  const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  const std::int64_t half = (denominator < 0 ? -denominator : denominator) / 2;
  const bool negative = (product < 0) != (denominator < 0);
  const std::int64_t magnitude =
      ((product < 0 ? -product : product) + half) / (denominator < 0 ? -denominator : denominator);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

PixelRect ToPixels(const DialogRect& rect, const DialogBaseUnits& units) {
  return {MulDiv(rect.x, units.x, 4), MulDiv(rect.y, units.y, 8), MulDiv(rect.width, units.x, 4),
          MulDiv(rect.height, units.y, 8)};
}

bool Reachable(const DialogRect& control, const DialogRect& dialog) {
  return control.x + control.width > 0 && control.y + control.height > 0 &&
         control.x < dialog.width && control.y < dialog.height;
}

}  // namespace frost
