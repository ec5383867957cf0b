#include "parallel_rows.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace frost::artgen {

void ForEachRow(int rows, const std::function<void(int)>& rowFunction) {
  const int workers = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 16);
  std::vector<std::thread> threads;
  threads.reserve(static_cast<std::size_t>(workers));
  for (int w = 0; w < workers; ++w) {
    threads.emplace_back([w, workers, rows, &rowFunction] {
      for (int y = w; y < rows; y += workers) rowFunction(y);
    });
  }
  for (std::thread& thread : threads) thread.join();
}

}  // namespace frost::artgen
