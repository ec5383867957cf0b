// Dialog units to pixels, the way Windows scales a dialog to its font: four horizontal units
// are the font's average character width, eight vertical units its height.
#pragma once

#include "dialog/dialog_template.h"

namespace frost {

struct DialogBaseUnits {
  int x = 0;  // average character width in pixels
  int y = 0;  // character height in pixels
};

// The 52 letters whose total width gives the average character width.
inline constexpr const char* kBaseUnitSample =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// From the width of kBaseUnitSample and the font's height, both in pixels; the average is
// rounded to the nearest pixel.
DialogBaseUnits BaseUnitsFromFont(int sampleWidth, int fontHeight);

// number * numerator / denominator, rounded to the nearest integer, halves away from zero.
int MulDiv(int number, int numerator, int denominator);

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Each of position and size is scaled on its own, as the dialog manager places controls.
PixelRect ToPixels(const DialogRect& rect, const DialogBaseUnits& units);

// Whether any part of the control lies within the dialog's client area; controls wholly
// outside (the hidden buttons that give Enter and Escape their ids) can be neither seen nor
// clicked.
bool Reachable(const DialogRect& control, const DialogRect& dialog);

}  // namespace frost
