#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "art_set.h"
#include "decoded_image.h"
#include "generated_art.h"

namespace frost::artgen::testing {
namespace {

// Every picture the scene loads, by the names its texture slots use.
const std::vector<std::string> kSceneJpegs = {
    "myfront.jpg",  "myback.jpg",    "mytop2.jpg",   "mybottom.jpg", "myleft.jpg",
    "myrite.jpg",   "myfronta2.jpg", "mybacka2.jpg", "mytop2a2.jpg", "mybottoma2.jpg",
    "mylefta2.jpg", "myritea2.jpg",  "grave_up.jpg", "grave_dn.jpg", "grave_lf.jpg",
    "grave_rt.jpg", "grave_ft.jpg",  "grave_bk.jpg", "ground.jpg",   "detail2.jpg",
    "io.jpg",       "bass.jpg",      "basics.jpg"};

TEST(ArtFiles, EveryScenePictureDecodesAsPowerOfTwoRgb) {
  for (const std::string& name : kSceneJpegs) {
    SCOPED_TRACE(name);
    const auto image = DecodeJpeg(GeneratedArt() / "scene/data" / name);
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
  for (const char* group : {"my", "grave_"}) {
    int size = 0;
    for (const std::string& name : kSceneJpegs) {
      if (name.rfind(group, 0) != 0) continue;
      const auto image = DecodeJpeg(GeneratedArt() / "scene/data" / name);
      ASSERT_TRUE(image.has_value()) << name;
      if (size == 0) size = image->width;
      EXPECT_EQ(image->width, size) << name;
    }
  }
}

TEST(ArtFiles, ListedOutputsAreExactlyTheSceneFiles) {
  std::vector<std::string> expected;
  for (const std::string& name : kSceneJpegs) expected.push_back("scene/data/" + name);
  expected.push_back("font.tga");
  std::vector<std::string> listed = ArtFiles();
  std::sort(expected.begin(), expected.end());
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, expected);
  for (const std::string& name : listed) {
    EXPECT_TRUE(std::filesystem::is_regular_file(GeneratedArt() / name)) << name;
  }
}

// Painting again gives the bytes the build painted: the output depends on nothing but the
// generator (no clock, no unseeded randomness), and the build's folder is current.
TEST(ArtFiles, PaintingAgainGivesTheSameBytes) {
  const std::filesystem::path again = ScratchFolder("again");
  ASSERT_TRUE(WriteArtSet(again, FontFile()));
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
