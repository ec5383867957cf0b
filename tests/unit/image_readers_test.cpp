// The JPEG and TGA readers on their own, without a GL context, so that bad files run under
// AddressSanitizer too.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "render/image.h"
#include "render/tga_reader.h"
#include "support/fake_platform.h"
#include "support/picture_files.h"

namespace frost {
namespace {

using testing::ScopedFakePlatform;
using testing::TempDir;
using testing::TgaFile;

TgaResult Read(const std::string& path, TgaPixels& out) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return TgaResult::CannotOpen;
  const TgaResult result = ReadTga(file, out);
  std::fclose(file);
  return result;
}

TEST(TgaReader, SwapsBlueAndRedAndKeepsRowsInFileOrder) {
  TempDir dir;
  testing::WriteFileBytes(dir.File("a.tga"),
                          TgaFile(2, 1, 32, std::string("\x10\x20\x30\x40\x01\x02\x03\x04", 8)));
  TgaPixels tga;
  ASSERT_EQ(Read(dir.File("a.tga"), tga), TgaResult::Loaded);
  EXPECT_EQ(tga.width, 2);
  EXPECT_EQ(tga.height, 1);
  const unsigned char expected[8] = {0x30, 0x20, 0x10, 0x40, 0x03, 0x02, 0x01, 0x04};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(tga.pixels[i], expected[i]) << i;

  testing::WriteFileBytes(dir.File("g.tga"), TgaFile(2, 2, 8, std::string("\x01\x02\x03\x04")));
  ASSERT_EQ(Read(dir.File("g.tga"), tga), TgaResult::Loaded);
  EXPECT_EQ(tga.pixels[3], 4);
}

TEST(TgaReader, RefusesHeadersThatCannotBeRealWithoutReadingPastTheFile) {
  TempDir dir;
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"huge", TgaFile(65535, 65535, 32, std::string(64, 'x'))},
      {"zero width", TgaFile(0, 4, 24, std::string(12, 'x'))},
      {"zero height", TgaFile(4, 0, 24, std::string(12, 'x'))},
      {"one byte short", TgaFile(4, 4, 24, std::string(47, 'x'))},
      {"sixteen bits", TgaFile(2, 2, 16, std::string(8, 'x'))},
      {"no depth", TgaFile(2, 2, 0, std::string(8, 'x'))},
      {"short header", std::string("\0\0\2\0\0", 5)},
      {"empty", std::string()},
  };
  for (const auto& c : cases) {
    testing::WriteFileBytes(dir.File("bad.tga"), c.bytes);
    TgaPixels tga;
    EXPECT_EQ(Read(dir.File("bad.tga"), tga), TgaResult::Unreadable) << c.name;
    EXPECT_EQ(tga.pixels, nullptr) << c.name;
  }
}

TEST(TgaReader, MissingFileCannotBeOpened) {
  ScopedFakePlatform os;
  EXPECT_EQ(LoadTgaIntoTexture("/nonexistent/font.tga", 0), TgaResult::CannotOpen);
}

class JpegReader : public ::testing::Test {
 protected:
  ScopedFakePlatform os;
  TempDir dir;
};

TEST_F(JpegReader, DecodesTopRowFirstInRgbOrGrey) {
  // Top half red, bottom half blue (whole blocks, so chroma subsampling keeps them apart).
  std::vector<std::uint8_t> pixels(16 * 16 * 3, 0);
  for (std::size_t i = 0; i < pixels.size(); i += 3) pixels[i + (i < 8 * 16 * 3 ? 0 : 2)] = 255;
  ASSERT_TRUE(testing::WriteJpeg(dir.File("rgb.jpg"), 16, 16, 3, pixels, 100));
  JpegImage image;
  ASSERT_TRUE(image.Load(dir.File("rgb.jpg")));
  EXPECT_EQ(image.width, 16);
  EXPECT_EQ(image.height, 16);
  EXPECT_EQ(image.rowLength, 16);
  EXPECT_EQ(image.bitsPerPixel, 24);
  EXPECT_GT(image.pixels[0], 200);  // top row: red
  EXPECT_LT(image.pixels[2], 60);
  EXPECT_GT(image.pixels[15 * 16 * 3 + 2], 200);  // bottom row: blue
  EXPECT_LT(image.pixels[15 * 16 * 3], 60);

  ASSERT_TRUE(testing::WriteJpeg(dir.File("grey.jpg"), 4, 2, 1, std::vector<std::uint8_t>(8, 90)));
  JpegImage grey;
  ASSERT_TRUE(grey.Load(dir.File("grey.jpg")));
  EXPECT_EQ(grey.bitsPerPixel, 8);
  EXPECT_NEAR(grey.pixels[7], 90, 2);
}

TEST_F(JpegReader, BadFilesFailWithoutAnImage) {
  ASSERT_TRUE(testing::WriteJpeg(dir.File("good.jpg"), 64, 64, 3,
                                 testing::SolidPicture(64, 64, 10, 200, 30)));
  const std::string good = testing::ReadFileBytes(dir.File("good.jpg"));
  std::string corrupt = good;
  for (std::size_t i = good.size() / 2; i < good.size() - 2; ++i) corrupt[i] = '\x55';
  std::string hugeHeader = good;
  // The frame header's height and width (after FF C0, length, precision) set to 65500.
  const std::size_t sof = good.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  hugeHeader[sof + 5] = hugeHeader[sof + 7] = '\xFF';
  hugeHeader[sof + 6] = hugeHeader[sof + 8] = '\xDC';
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"truncated", good.substr(0, good.size() / 3)},
      {"corrupt", corrupt},
      {"huge", hugeHeader},
      {"not a jpeg", "GIF89a............................"},
      {"marker only", std::string("\xFF\xD8\xFF", 3)},
  };
  for (const auto& c : cases) {
    testing::WriteFileBytes(dir.File("bad.jpg"), c.bytes);
    JpegImage image;
    EXPECT_FALSE(image.Load(dir.File("bad.jpg"))) << c.name;
    EXPECT_EQ(image.pixels, nullptr) << c.name;
  }
  JpegImage missing;
  EXPECT_FALSE(missing.Load(dir.File("missing.jpg")));
}

// libjpeg's own error handler ends the process; the encoder's must hand the failure back.
TEST(JpegEncoder, RefusesAnEmptyPictureAndWritesNothing) {
  TempDir dir;
  EXPECT_FALSE(testing::WriteJpeg(dir.File("empty.jpg"), 0, 0, 3, {}));
  EXPECT_FALSE(std::filesystem::exists(dir.File("empty.jpg")));
}

}  // namespace
}  // namespace frost
