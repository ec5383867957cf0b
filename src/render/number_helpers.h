// Small number helpers of the renderer: powers of two and decimal text.
#pragma once

#include <string>

namespace frost {

// True for 1 and for numbers whose base-2 logarithm lies within 0.01 of an integer, so 255 and
// 257 pass; false for 0 and below.
bool IsPowerOfTwo(int x);

// Decimal text of a value, digit by digit; negative values get a minus sign.
std::string IntToText(int value);

}  // namespace frost
