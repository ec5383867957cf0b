#pragma once

#include <functional>

namespace frost::artgen {

// Runs rowFunction(y) for every y in 0..rows-1, spread over the machine's cores. Each row is
// computed by exactly one call that depends on nothing but y, so the result is the same
// however the rows are shared out.
void ForEachRow(int rows, const std::function<void(int)>& rowFunction);

}  // namespace frost::artgen
