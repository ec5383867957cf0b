#include "audio/mp3_decoder.h"

#include <mpg123.h>
#include <sys/types.h>

#include <cstring>
#include <mutex>

#include "audio/fmod_errors.h"
#include "platform/platform.h"

namespace frost {

namespace {

ssize_t ReadFile(void* file, void* buffer, size_t bytes) {
  auto* f = static_cast<std::FILE*>(file);
  const size_t got = std::fread(buffer, 1, bytes, f);
  if (got == 0 && std::ferror(f)) return -1;
  return static_cast<ssize_t>(got);
}

off_t SeekFile(void* file, off_t offset, int whence) {
  auto* f = static_cast<std::FILE*>(file);
  if (fseeko(f, offset, whence) != 0) return -1;
  return ftello(f);
}

void CloseFile(void* file) {
  std::fclose(static_cast<std::FILE*>(file));
}

bool LibraryReady() {
  static std::once_flag once;
  static bool ready = false;
  std::call_once(once, [] { ready = mpg123_init() == MPG123_OK; });
  return ready;
}

// Until the first frame is found, only this much junk may precede it: a file that is not MPEG
// audio at all is turned away quickly instead of being searched to its end for something that
// looks like a frame header. ID3v2 tags are skipped before this counts.
constexpr long kOpeningResyncLimit = 4096;

}  // namespace

std::unique_ptr<Mp3Decoder> Mp3Decoder::Open(const std::string& path, int rate, bool loop,
                                             int& error) {
  std::FILE* file = path.empty() ? nullptr : Os().OpenFile(path, "rb");
  if (file == nullptr) {
    error = FMOD_ERR_FILE_NOTFOUND;
    return nullptr;
  }
  // An empty file (or a folder, which opens but cannot be read) has nothing to load.
  unsigned char first = 0;
  if (std::fread(&first, 1, 1, file) != 1 || std::fseek(file, 0, SEEK_SET) != 0) {
    std::fclose(file);
    error = FMOD_ERR_FILE_BAD;
    return nullptr;
  }
  if (!LibraryReady()) {
    std::fclose(file);
    error = FMOD_ERR_MEMORY;
    return nullptr;
  }
  int status = MPG123_OK;
  mpg123_handle* handle = mpg123_new(nullptr, &status);
  if (handle == nullptr) {
    std::fclose(file);
    error = FMOD_ERR_MEMORY;
    return nullptr;
  }
  // Tags are stepped over unread: nothing here shows them, and a corrupt tag's size field
  // (up to 256 MB) would otherwise be allocated on every pass through a looped file.
  mpg123_param(
      handle, MPG123_FLAGS,
      MPG123_FORCE_STEREO | MPG123_FORCE_FLOAT | MPG123_QUIET | MPG123_GAPLESS | MPG123_SKIP_ID3V2,
      0.0);
  mpg123_param(handle, MPG123_RESYNC_LIMIT, kOpeningResyncLimit, 0.0);
  mpg123_format_none(handle);
  mpg123_format(handle, rate, MPG123_STEREO, MPG123_ENC_FLOAT_32);
  if (mpg123_replace_reader_handle(handle, &ReadFile, &SeekFile, &CloseFile) != MPG123_OK) {
    std::fclose(file);
    mpg123_delete(handle);
    error = FMOD_ERR_MEMORY;
    return nullptr;
  }
  // From here on mpg123 owns the file and closes it.
  if (mpg123_open_handle(handle, file) != MPG123_OK) {
    CloseFile(file);
    mpg123_delete(handle);
    error = FMOD_ERR_FILE_BAD;
    return nullptr;
  }
  long gotRate = 0;
  int channels = 0;
  int encoding = 0;
  if (mpg123_getformat(handle, &gotRate, &channels, &encoding) != MPG123_OK || gotRate != rate ||
      channels != 2 || encoding != MPG123_ENC_FLOAT_32) {
    mpg123_close(handle);
    mpg123_delete(handle);
    error = FMOD_ERR_FILE_FORMAT;
    return nullptr;
  }
  // A stream that turns bad in the middle is searched for the next good frame, however far.
  mpg123_param(handle, MPG123_RESYNC_LIMIT, -1, 0.0);
  error = FMOD_ERR_NONE;
  return std::unique_ptr<Mp3Decoder>(new Mp3Decoder(handle, loop));
}

Mp3Decoder::~Mp3Decoder() {
  mpg123_close(handle_);
  mpg123_delete(handle_);
}

std::size_t Mp3Decoder::Decode(float* stereo, std::size_t frames) {
  constexpr std::size_t kFrameBytes = 2 * sizeof(float);
  // Bounded, so that a file that keeps failing cannot keep this thread here.
  for (int attempt = 0; attempt < 16 && !finished_; ++attempt) {
    size_t bytes = 0;
    const int status = mpg123_read(handle_, stereo, frames * kFrameBytes, &bytes);
    const std::size_t got = bytes / kFrameBytes;
    framesThisPass_ += got;
    if (got > 0) return got;
    if (status == MPG123_OK || status == MPG123_NEW_FORMAT) continue;
    // The end, or an error that no resync could get past: start again from the top.
    if (!loop_ || framesThisPass_ == 0) break;
    if (mpg123_seek(handle_, 0, SEEK_SET) < 0) break;
    framesThisPass_ = 0;
  }
  finished_ = true;
  return 0;
}

}  // namespace frost
