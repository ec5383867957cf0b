#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "art_set.h"
#include "decoded_image.h"
#include "generated_art.h"

namespace frost::artgen::testing {
namespace {

// Every picture the scene loads, from the list the scene and the build share.
std::vector<std::string> SceneJpegs() {
  std::vector<std::string> jpegs;
  for (const std::string& name : ArtFiles()) {
    if (name.ends_with(".jpg")) jpegs.push_back(name);
  }
  return jpegs;
}

TEST(ArtFiles, EveryScenePictureDecodesAsPowerOfTwoRgb) {
  const std::vector<std::string> jpegs = SceneJpegs();
  ASSERT_EQ(jpegs.size(), 23u);
  for (const std::string& name : jpegs) {
    SCOPED_TRACE(name);
    const auto image = DecodeJpeg(GeneratedArt() / name);
    ASSERT_TRUE(image.has_value());
    // One-channel JPEGs become intensity textures and break cube-map uploads.
    EXPECT_EQ(image->channels, 3);
    EXPECT_TRUE(IsPowerOfTwo(image->width)) << image->width;
    EXPECT_TRUE(IsPowerOfTwo(image->height)) << image->height;
    // Cube-map faces must be square, and every other picture is square too.
    EXPECT_EQ(image->width, image->height);
  }
}

TEST(ArtFiles, CubeFacesOfOneCubeShareTheirSize) {
  for (const char* group : {"scene/data/my", "scene/data/grave_"}) {
    int size = 0;
    for (const std::string& name : SceneJpegs()) {
      if (!name.starts_with(group)) continue;
      const auto image = DecodeJpeg(GeneratedArt() / name);
      ASSERT_TRUE(image.has_value()) << name;
      if (size == 0) size = image->width;
      EXPECT_EQ(image->width, size) << name;
    }
  }
}

// The build remakes what it lists as outputs; the painter must write no more and no less.
TEST(ArtFiles, TheBuildListsWhatIsPainted) {
  std::vector<std::string> outputs;
  std::stringstream list(FROST_TEST_BUILD_OUTPUTS);
  for (std::string name; std::getline(list, name, ',');) outputs.push_back(name);
  std::vector<std::string> painted = ArtFiles();
  std::sort(outputs.begin(), outputs.end());
  std::sort(painted.begin(), painted.end());
  EXPECT_EQ(outputs, painted);
}

// Painting again gives the bytes the build painted: the output depends on nothing but the
// generator (no clock, no unseeded randomness), and the build's folder is current. And the
// painter writes exactly the listed files, which are what the build knows to remake.
TEST(ArtFiles, PaintingAgainGivesTheSameBytes) {
  const std::filesystem::path again = ScratchFolder("again");
  ASSERT_TRUE(WriteArtSet(again, FontFile()));
  std::vector<std::string> written;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(again)) {
    if (entry.is_regular_file()) written.push_back(entry.path().lexically_relative(again));
  }
  std::vector<std::string> listed = ArtFiles();
  std::sort(written.begin(), written.end());
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(written, listed);
  for (const std::string& name : ArtFiles()) {
    SCOPED_TRACE(name);
    const std::vector<std::uint8_t> built = ReadBytes(GeneratedArt() / name);
    ASSERT_FALSE(built.empty());
    EXPECT_TRUE(built == ReadBytes(again / name));
  }
}

TEST(ArtFiles, MissingFontIsReported) {
  const std::filesystem::path folder = ScratchFolder("nofont");
  EXPECT_FALSE(WriteArtSet(folder, folder / "no-such-font.ttf"));
  EXPECT_FALSE(std::filesystem::exists(folder / "font.tga"));
}

TEST(ArtFiles, UnwritableFolderIsReported) {
  const std::filesystem::path folder = ScratchFolder("blocked");
  std::filesystem::create_directories(folder);
  // A plain file where the scene folder should go.
  { std::ofstream(folder / "scene") << "x"; }
  EXPECT_FALSE(WriteArtSet(folder, FontFile()));
}

}  // namespace
}  // namespace frost::artgen::testing
