#include "art_set.h"

#include <array>
#include <cstdio>

#include "file_output.h"
#include "font_atlas.h"
#include "frost_glass.h"
#include "jpeg_encoder.h"
#include "reflection_faces.h"
#include "scene/data_files.h"
#include "skybox_faces.h"
#include "snow_ground.h"
#include "sprites.h"
#include "studio_light.h"
#include "winter_sky.h"

namespace frost::artgen {
namespace {

constexpr int kJpegQuality = 90;

// Sizes, all powers of two (the loader's mipmap builder would otherwise rescale them):
// - skybox 512: a texel spans about two screen pixels at 1024 x 768 (a 60-degree view), which
//   soft sky and snow bear well; 1024 would be sharper on the tree line but quadruple the
//   painting time and data;
// - reflection cube maps 256: reflections on a curved surface are magnified little and blurred;
// - ground 512: repeated ten times across the disc, each repeat spans several hundred pixels
//   near the camera; detail 256 repeats at the same rate, turned, for fine grain only;
// - frost 256: repeats every two world units, about two repeats across the globe;
// - glow 128: always drawn large and smooth, so it needs little resolution;
// - snowflake 64: flakes cover a few to a few dozen pixels.
constexpr int kSkyboxSize = 512;
constexpr int kReflectionSize = 256;
constexpr int kGroundSize = 512;
constexpr int kDetailSize = 256;
constexpr int kFrostSize = 256;
constexpr int kGlowSize = 128;
constexpr int kSnowflakeSize = 64;
constexpr int kFontCell = 16;  // 256 x 128: shown at 12 pixels, a mild minification

bool WriteJpeg(const std::filesystem::path& folder, const char* name, const Image& image) {
  const std::vector<std::uint8_t> rgb = image.ToRgb8();
  const std::vector<std::uint8_t> bytes =
      jpeg::Encode(rgb.data(), image.Width(), image.Height(), 3, kJpegQuality, jpeg::Chroma::Full);
  if (bytes.empty()) {
    std::fprintf(stderr, "frost_artgen: cannot encode %s\n", name);
    return false;
  }
  return WriteFileBytes(folder / name, bytes);
}

bool WriteCube(const std::filesystem::path& folder, const std::array<const char*, 6>& names,
               const std::array<FaceFrame, 6>& frames, int size, int samples,
               const DirectionShader& shader) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!WriteJpeg(folder, names[i], RenderFace(frames[i], size, samples, shader))) return false;
  }
  return true;
}

// The glass shell adds its reflection onto everything behind it (blend one, one), so the
// surroundings are painted at about a third of their brightness, as weak glass reflects them;
// the bright snow below a little less, or it would veil the globe's lower half in grey. Only
// the sun reaches full white, as a highlight.
Colour GlassReflection(const WinterSky& sky, const Vec3& d) {
  double disc = 0.0;
  const Colour glow = sky.SunGlow(d, 0.7, &disc);
  const double reflectance = Mix(0.22, 0.34, Smoothstep(-0.05, 0.05, d.z));
  return Mix(sky.Landscape(d) * reflectance + glow, Grey(1.0), disc);
}

}  // namespace

const std::vector<std::string>& ArtFiles() {
  static const std::vector<std::string> kFiles = [] {
    std::vector<std::string> files;
    for (const auto* group :
         {&data_files::kGlassCube, &data_files::kCentrepieceCube, &data_files::kSkyFaces}) {
      files.insert(files.end(), group->begin(), group->end());
    }
    files.insert(files.end(),
                 {data_files::kGround, data_files::kGroundDetail, data_files::kFrostGlass,
                  data_files::kGlowSprite, data_files::kSnowflake, data_files::kFont});
    return files;
  }();
  return kFiles;
}

bool WriteArtSet(const std::filesystem::path& dataFolder, const std::filesystem::path& fontFile) {
  // Cheapest first, and stop at the first failure: a build that cannot write its data should
  // say so at once rather than after painting everything else.
  const std::optional<CoverageImage> font = RenderFontAtlas(fontFile, kFontCell);
  if (!font || !WriteFileBytes(dataFolder / data_files::kFont, EncodeCoverageTga(*font)))
    return false;

  if (!WriteJpeg(dataFolder, data_files::kGlowSprite, GlowSprite(kGlowSize)) ||
      !WriteJpeg(dataFolder, data_files::kSnowflake, SnowflakeSprite(kSnowflakeSize)) ||
      !WriteJpeg(dataFolder, data_files::kGroundDetail, DetailGrain(kDetailSize)) ||
      !WriteJpeg(dataFolder, data_files::kFrostGlass, FrostGlass(kFrostSize)) ||
      !WriteJpeg(dataFolder, data_files::kGround, SnowGround(kGroundSize))) {
    return false;
  }
  if (!WriteCube(dataFolder, data_files::kCentrepieceCube, ReflectionFrames(), kReflectionSize, 3,
                 StudioLight)) {
    return false;
  }
  const WinterSky softSky(WinterSky::Detail::kCoarse);
  if (!WriteCube(dataFolder, data_files::kGlassCube, ReflectionFrames(), kReflectionSize, 3,
                 [&softSky](const Vec3& d) { return GlassReflection(softSky, d); })) {
    return false;
  }
  const WinterSky sky(WinterSky::Detail::kFine);
  return WriteCube(dataFolder, data_files::kSkyFaces, SkyboxFrames(), kSkyboxSize, 4,
                   [&sky](const Vec3& d) { return sky.Shade(d); });
}

}  // namespace frost::artgen
