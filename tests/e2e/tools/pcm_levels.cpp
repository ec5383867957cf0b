// Prints the loudness of raw 16-bit stereo PCM at 44100 Hz, one line per window:
//   START_SECONDS RMS PEAK
// where RMS and PEAK are fractions of full scale. Usage: e2e_pcm_levels FILE [WINDOW_SECONDS]
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: e2e_pcm_levels FILE [WINDOW_SECONDS]\n");
    return 2;
  }
  const double window = argc > 2 ? std::atof(argv[2]) : 0.5;
  std::FILE* file = std::fopen(argv[1], "rb");
  if (file == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  const auto frames = static_cast<std::size_t>(window * 44100.0);
  if (frames == 0) return 2;
  std::vector<std::int16_t> block(frames * 2);
  for (std::size_t index = 0;; ++index) {
    const std::size_t got = std::fread(block.data(), 4, frames, file);
    if (got == 0) break;
    double sum = 0.0;
    int peak = 0;
    for (std::size_t i = 0; i < got * 2; ++i) {
      sum += static_cast<double>(block[i]) * block[i];
      peak = std::max(peak, std::abs(static_cast<int>(block[i])));
    }
    std::printf("%.3f %.5f %.5f\n", static_cast<double>(index) * window,
                std::sqrt(sum / static_cast<double>(got * 2)) / 32768.0, peak / 32768.0);
    if (got < frames) break;
  }
  std::fclose(file);
  return 0;
}
