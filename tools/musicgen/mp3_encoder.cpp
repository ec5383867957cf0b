#include "mp3_encoder.h"

#include <lame/lame.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "loop_timing.h"

// Why this is more than a call to the encoder. A lossy coder adds its own small error to every
// sample. Encode the loop once and the file's last samples and its first carry unrelated
// errors, so the waveform steps where the player wraps round: a faint click every minute.
// Instead the encoder hears the loop going round (its end before it, its start after it), and
// the file keeps the frames of one turn. Because the loop is a whole number of frames and of
// the bit-rate's padding cycle, and the bit reservoir is off (no frame borrows space from an
// earlier one), those frames are the same bytes on every turn once the encoder has settled;
// decoding the file is then decoding one turn of an endlessly repeating stream, and its end
// runs into its start exactly as one frame runs into the next. Two frames before the turn let
// the decoder's filter banks settle, and the Info frame's delay and padding trim them away.

namespace frost::musicgen {
namespace {

constexpr int kBitRate = 192;
constexpr std::int64_t kSamplesPerFrame = 1152;  // MPEG-1 Layer III
constexpr int kDecoderDelay = 529;               // the synthesis filter bank's, in samples
constexpr std::int64_t kLoopMp3Frames = kLoopFrames / kSamplesPerFrame;
static_assert(kLoopFrames % kSamplesPerFrame == 0, "the loop must be whole MP3 frames");
// 144 x 192000 / 44100 bytes a frame = 626 + 46/49: frames are padded by one byte in a
// pattern that repeats every 49 frames.
static_assert(kLoopMp3Frames % 49 == 0, "the loop must be whole padding cycles");

// The encoder settles within a few frames of starting; sixteen are plenty. The tail covers the
// frames the file needs after the turn, and the encoder's own flush after those.
constexpr std::int64_t kLeadInFrames = 16;
constexpr std::int64_t kTailFrames = 8;
constexpr std::int64_t kWarmUpFrames = 2;

constexpr int kChunkFrames = 8192;
// LAME's own bound for one call's output: 1.25 times the samples plus 7200 bytes.
constexpr int kChunkBytes = kChunkFrames + kChunkFrames / 4 + 7200;

struct LameCloser {
  void operator()(lame_global_flags* flags) const { lame_close(flags); }
};
using Lame = std::unique_ptr<lame_global_flags, LameCloser>;

bool Configure(lame_global_flags* flags) {
  lame_set_in_samplerate(flags, kSampleRate);
  lame_set_out_samplerate(flags, kSampleRate);
  lame_set_num_channels(flags, kChannels);
  lame_set_mode(flags, JOINT_STEREO);
  lame_set_VBR(flags, vbr_off);
  lame_set_brate(flags, kBitRate);
  lame_set_quality(flags, 2);
  lame_set_disable_reservoir(flags, 1);
  // LAME's Info frame is the template for ours; an ID3 tag would only be in the way.
  lame_set_bWriteVbrTag(flags, 1);
  lame_set_write_id3tag_automatic(flags, 0);
  return lame_init_params(flags) >= 0;
}

std::size_t FrameBytes(const std::uint8_t* header) {
  static constexpr int kKbps[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                    112, 128, 160, 192, 224, 256, 320, 0};
  const int kbps = kKbps[header[2] >> 4];
  const int padding = (header[2] >> 1) & 1;
  return static_cast<std::size_t>(144 * kbps * 1000 / kSampleRate + padding);
}

// Where each MPEG-1 Layer III frame at our rate starts; empty if the stream is not that.
std::vector<std::size_t> SplitFrames(const std::vector<std::uint8_t>& stream) {
  std::vector<std::size_t> starts;
  std::size_t at = 0;
  while (at + 4 <= stream.size()) {
    const std::uint8_t* header = stream.data() + at;
    if (header[0] != 0xFF || (header[1] & 0xFE) != 0xFA || ((header[2] >> 2) & 3) != 0 ||
        FrameBytes(header) == 0) {
      return {};
    }
    starts.push_back(at);
    at += FrameBytes(header);
  }
  if (at != stream.size()) return {};
  return starts;
}

// CRC-16 with the reversed polynomial 0xA001, as the LAME extension's checksums use.
std::uint16_t Crc16(const std::uint8_t* bytes, std::size_t count) {
  std::uint16_t crc = 0;
  for (std::size_t i = 0; i < count; ++i) {
    crc = static_cast<std::uint16_t>(crc ^ bytes[i]);
    for (int bit = 0; bit < 8; ++bit) {
      crc = static_cast<std::uint16_t>((crc & 1U) != 0 ? (crc >> 1) ^ 0xA001U : crc >> 1);
    }
  }
  return crc;
}

void PutBigEndian32(std::uint8_t* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

// Rewrites LAME's Info frame (`file` starts with it, the audio frames follow) for the frames
// the file actually holds. The layout: "Info", flags, frame count, byte count, a 100-entry
// table of contents and a quality word (120 bytes), then the LAME extension, where bytes 21-23
// hold delay and padding as two 12-bit numbers, 28-31 the file's length, 32-33 the CRC of the
// audio frames and 34-35 the CRC of everything in this frame before them.
bool WriteInfoFrame(std::vector<std::uint8_t>& file, std::size_t infoBytes,
                    const std::vector<std::size_t>& frameStarts, int delay, int padding) {
  std::uint8_t* frame = file.data();
  std::size_t info = 0;
  while (info + 4 <= infoBytes && std::memcmp(frame + info, "Info", 4) != 0) ++info;
  const std::size_t lame = info + 120;
  const std::size_t crcAt = lame + 34;
  if (crcAt + 2 > infoBytes || std::memcmp(frame + lame, "LAME", 4) != 0) return false;
  // Only a tag we understand is rewritten: all four fields present, and its checksum right.
  if (std::memcmp(frame + info + 4, "\0\0\0\x0f", 4) != 0) return false;
  const auto stored = static_cast<std::uint16_t>(frame[crcAt] << 8 | frame[crcAt + 1]);
  if (Crc16(frame, crcAt) != stored) return false;
  if (delay > 0xFFF || padding > 0xFFF) return false;

  const auto total = static_cast<std::uint32_t>(file.size());
  PutBigEndian32(frame + info + 8, static_cast<std::uint32_t>(frameStarts.size()));
  PutBigEndian32(frame + info + 12, total);
  for (std::size_t percent = 0; percent < 100; ++percent) {
    const std::size_t at = frameStarts[percent * frameStarts.size() / 100];
    frame[info + 16 + percent] = static_cast<std::uint8_t>(256 * at / total);
  }
  std::uint8_t* trim = frame + lame + 21;
  trim[0] = static_cast<std::uint8_t>(delay >> 4);
  trim[1] = static_cast<std::uint8_t>((delay & 0x0F) << 4 | padding >> 8);
  trim[2] = static_cast<std::uint8_t>(padding & 0xFF);
  PutBigEndian32(frame + lame + 28, total);
  const std::uint16_t musicCrc = Crc16(file.data() + infoBytes, file.size() - infoBytes);
  frame[lame + 32] = static_cast<std::uint8_t>(musicCrc >> 8);
  frame[lame + 33] = static_cast<std::uint8_t>(musicCrc & 0xFF);
  const std::uint16_t crc = Crc16(frame, crcAt);
  frame[crcAt] = static_cast<std::uint8_t>(crc >> 8);
  frame[crcAt + 1] = static_cast<std::uint8_t>(crc & 0xFF);
  return true;
}

// What the encoder made of the loop's end, the loop and its start again: the stream of frames
// and the Info frame LAME wrote for it, with where each frame of the stream starts.
struct EncodedStream {
  std::vector<std::uint8_t> stream;
  std::vector<std::size_t> starts;
  std::vector<std::uint8_t> infoFrame;
};

std::optional<EncodedStream> EncodeAround(lame_global_flags* lame, const StereoLoop& loop,
                                          std::int64_t leadIn) {
  const std::int64_t heard = leadIn + kLoopFrames + kTailFrames * kSamplesPerFrame;
  std::vector<float> left(static_cast<std::size_t>(heard));
  std::vector<float> right(left.size());
  for (std::int64_t i = 0; i < heard; ++i) {
    left[static_cast<std::size_t>(i)] = loop.Left(i - leadIn);
    right[static_cast<std::size_t>(i)] = loop.Right(i - leadIn);
  }
  EncodedStream encoded;
  std::vector<unsigned char> chunk(kChunkBytes);
  for (std::int64_t at = 0; at < heard; at += kChunkFrames) {
    const int frames = static_cast<int>(std::min<std::int64_t>(kChunkFrames, heard - at));
    const int written = lame_encode_buffer_ieee_float(lame, left.data() + at, right.data() + at,
                                                      frames, chunk.data(), kChunkBytes);
    if (written < 0) {
      std::fprintf(stderr, "frost_musicgen: MP3 encoding failed (%d)\n", written);
      return std::nullopt;
    }
    encoded.stream.insert(encoded.stream.end(), chunk.begin(), chunk.begin() + written);
  }
  const int flushed = lame_encode_flush(lame, chunk.data(), kChunkBytes);
  if (flushed < 0) {
    std::fprintf(stderr, "frost_musicgen: MP3 flush failed (%d)\n", flushed);
    return std::nullopt;
  }
  encoded.stream.insert(encoded.stream.end(), chunk.begin(), chunk.begin() + flushed);
  const std::size_t infoBytes = lame_get_lametag_frame(lame, chunk.data(), chunk.size());
  encoded.starts = SplitFrames(encoded.stream);
  if (infoBytes == 0 || infoBytes > chunk.size() || encoded.starts.size() < 2 ||
      encoded.starts[1] != infoBytes) {
    std::fprintf(stderr, "frost_musicgen: unexpected MP3 stream from the encoder\n");
    return std::nullopt;
  }
  encoded.infoFrame.assign(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(infoBytes));
  return encoded;
}

// The settled frames that hold the loop, and the samples a player trims from their ends.
struct FrameChoice {
  std::int64_t first = 0;  // audio frame, the Info frame not counted
  std::int64_t count = 0;
  int delay = 0;
  int padding = 0;
};

std::optional<FrameChoice> PickLoopFrames(std::int64_t leadIn, int encoderDelay,
                                          std::int64_t audioFrames) {
  // Audio frame k holds the encoder's input from sample k x 1152 - delay on, and the loop's
  // first sample was input sample `leadIn`.
  const std::int64_t firstSample = leadIn + encoderDelay;
  FrameChoice choice;
  choice.first = firstSample / kSamplesPerFrame - kWarmUpFrames;
  choice.delay = static_cast<int>(firstSample - choice.first * kSamplesPerFrame);
  choice.count =
      (choice.delay + kLoopFrames + kDecoderDelay + kSamplesPerFrame - 1) / kSamplesPerFrame;
  choice.padding = static_cast<int>(choice.count * kSamplesPerFrame - choice.delay - kLoopFrames);
  // The last few frames are coded as the input runs out: they are not the settled ones.
  if (choice.first < 0 || choice.first + choice.count > audioFrames - 4) {
    std::fprintf(stderr, "frost_musicgen: the encoder's frames do not cover the loop\n");
    return std::nullopt;
  }
  return choice;
}

// The Info frame, then the chosen frames, with the Info frame rewritten for them.
std::vector<std::uint8_t> Splice(const EncodedStream& encoded, const FrameChoice& choice) {
  const std::size_t infoBytes = encoded.infoFrame.size();
  std::vector<std::uint8_t> file = encoded.infoFrame;
  std::vector<std::size_t> kept;
  const auto begin = encoded.starts[static_cast<std::size_t>(choice.first + 1)];
  const auto end = encoded.starts[static_cast<std::size_t>(choice.first + choice.count + 1)];
  for (std::int64_t k = 0; k < choice.count; ++k) {
    kept.push_back(encoded.starts[static_cast<std::size_t>(choice.first + k + 1)] - begin +
                   infoBytes);
  }
  file.insert(file.end(), encoded.stream.begin() + static_cast<std::ptrdiff_t>(begin),
              encoded.stream.begin() + static_cast<std::ptrdiff_t>(end));
  // Neither number includes the decoder's own delay: the decoder adds that itself.
  if (!WriteInfoFrame(file, infoBytes, kept, choice.delay, choice.padding)) {
    std::fprintf(stderr, "frost_musicgen: unexpected LAME tag layout\n");
    return {};
  }
  return file;
}

}  // namespace

std::vector<std::uint8_t> EncodeMp3(const StereoLoop& loop) {
  if (loop.Frames() != kLoopFrames) {
    std::fprintf(stderr, "frost_musicgen: the loop has the wrong length\n");
    return {};
  }
  Lame lame(lame_init());
  if (!lame || !Configure(lame.get())) {
    std::fprintf(stderr, "frost_musicgen: cannot set up the MP3 encoder\n");
    return {};
  }
  const std::int64_t leadIn = kLeadInFrames * kSamplesPerFrame;
  const std::optional<EncodedStream> encoded = EncodeAround(lame.get(), loop, leadIn);
  if (!encoded) return {};
  const std::optional<FrameChoice> choice =
      PickLoopFrames(leadIn, lame_get_encoder_delay(lame.get()),
                     static_cast<std::int64_t>(encoded->starts.size()) - 1);
  if (!choice) return {};
  return Splice(*encoded, *choice);
}

}  // namespace frost::musicgen
