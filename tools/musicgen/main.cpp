// frost_musicgen: composes, plays and encodes the default music loop.
//   frost_musicgen <output.mp3>
// The build runs it whenever the generator changes; the file is the same on every run.

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "arrangement.h"
#include "loop_timing.h"
#include "mp3_encoder.h"
#include "score.h"

namespace {

// Written beside the target and renamed over it, so an interrupted run never leaves a
// truncated file that the build would take for finished.
bool WriteAtomically(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  if (error) {
    std::fprintf(stderr, "frost_musicgen: cannot make folder %s: %s\n", path.parent_path().c_str(),
                 error.message().c_str());
    return false;
  }
  std::filesystem::path temporary = path;
  temporary += ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) {
    std::fprintf(stderr, "frost_musicgen: cannot write %s\n", temporary.c_str());
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (std::fclose(file) != 0 || !written) {
    std::fprintf(stderr, "frost_musicgen: short write to %s\n", temporary.c_str());
    std::filesystem::remove(temporary, error);
    return false;
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::fprintf(stderr, "frost_musicgen: cannot rename %s: %s\n", temporary.c_str(),
                 error.message().c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output.mp3>\n", argv[0]);
    return 2;
  }
  using namespace frost::musicgen;
  LimiterReport limiting;
  const StereoLoop loop = RenderLoop(WinterScore(), &limiting);
  const float peak = loop.Peak();
  if (peak >= 1.0f) {
    std::fprintf(stderr, "frost_musicgen: the mix clips (peak %.3f)\n", static_cast<double>(peak));
    return 1;
  }
  const std::vector<std::uint8_t> mp3 = EncodeMp3(loop);
  if (mp3.empty() || !WriteAtomically(argv[1], mp3)) return 1;
  std::printf(
      "frost_musicgen: %lld samples (%.2f s), peak %.2f dBFS (limiter: %.1f%% of frames, "
      "at most %.2f dB), %zu bytes\n",
      static_cast<long long>(kLoopFrames), LoopSeconds(),
      20.0 * std::log10(static_cast<double>(peak)),
      100.0 * static_cast<double>(limiting.framesReduced) / static_cast<double>(kLoopFrames),
      limiting.deepestDb, mp3.size());
  return 0;
}
