// Textures against a real GL context: the JPEG and TGA readers, their fallbacks for missing
// and broken files, blank render targets and cube maps.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "render/texture.h"
#include "render_gl_fixture.h"
#include "support/picture_files.h"

namespace frost {
namespace {

using testing::ReadPixel;
using testing::RenderGl;
using testing::TgaFile;

std::string TempFile(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / "frostmote-gl-test";
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

GLint LevelParameter(GLenum name) {
  GLint value = -1;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, name, &value);
  return value;
}

// Which files the reader refuses is its own unit test's matter; here, that a missing or refused
// file gets the placeholder, and a good one its own size.
TEST_F(RenderGl, MissingOrBrokenJpegsGiveTheCheckerboardPlaceholder) {
  const std::string good = TempFile("good.jpg");
  ASSERT_TRUE(testing::WriteJpeg(good, 64, 32, 3, testing::SolidPicture(64, 32, 200, 30, 40)));
  std::stringstream bytes;
  bytes << std::ifstream(good, std::ios::binary).rdbuf();
  ASSERT_GT(bytes.str().size(), 200u);
  const std::string truncated = TempFile("truncated.jpg");
  WriteBytes(truncated, bytes.str().substr(0, 200));
  for (const std::string& path : {TempFile("no-such-picture.jpg"), truncated}) {
    Texture texture;
    EXPECT_FALSE(texture.LoadJpeg(path.c_str()));
    EXPECT_EQ(texture.Width(), 2);
    EXPECT_FALSE(texture.Empty());
    texture.Bind();
    DrawTextureNearest();
    // t = 0 is the bottom of the quad: row 0 is black, white; row 1 white, black.
    EXPECT_EQ(ReadPixel(64, 64)[0], 0) << path;
    EXPECT_EQ(ReadPixel(192, 64)[0], 255) << path;
    EXPECT_EQ(ReadPixel(64, 192)[0], 255) << path;
    EXPECT_EQ(ReadPixel(192, 192)[0], 0) << path;
  }
  Texture none;
  EXPECT_FALSE(none.LoadJpeg(nullptr));
  EXPECT_TRUE(none.Empty());
  Texture loaded;
  ASSERT_TRUE(loaded.LoadJpeg(good.c_str()));
  EXPECT_EQ(loaded.Width(), 64);
  EXPECT_EQ(loaded.Height(), 32);
}

TEST_F(RenderGl, GreyJpegBecomesALuminanceTexture) {
  const std::string path = TempFile("grey.jpg");
  ASSERT_TRUE(testing::WriteJpeg(path, 16, 16, 1, std::vector<std::uint8_t>(256, 180)));
  Texture texture;
  ASSERT_TRUE(texture.LoadJpeg(path.c_str()));
  texture.Bind();
  DrawTextureNearest();
  const auto pixel = ReadPixel(128, 128);
  EXPECT_NEAR(pixel[0], 180, 2);
  EXPECT_NEAR(pixel[1], 180, 2);
  EXPECT_NEAR(pixel[2], 180, 2);
}

TEST_F(RenderGl, TgaDepthsUploadAsTheirFormats) {
  const std::string rgb = TempFile("rgb.tga");
  WriteBytes(rgb, TgaFile(2, 1, 24, "\x10\x20\x30\x01\x02\x03"));
  Texture colour;
  ASSERT_TRUE(colour.LoadTga(rgb.c_str()));
  colour.Bind();
  std::uint8_t texels[6] = {};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
  EXPECT_EQ(texels[0], 0x30);
  EXPECT_EQ(texels[1], 0x20);
  EXPECT_EQ(texels[2], 0x10);
  EXPECT_EQ(LevelParameter(GL_TEXTURE_WIDTH), 2);

  const std::string alpha = TempFile("alpha.tga");
  WriteBytes(alpha, TgaFile(2, 2, 8, std::string("\x00\x40\x80\xFF", 4)));
  Texture coverage;
  ASSERT_TRUE(coverage.LoadTga(alpha.c_str()));
  coverage.Bind();
  EXPECT_GT(LevelParameter(GL_TEXTURE_ALPHA_SIZE), 0);
  EXPECT_EQ(LevelParameter(GL_TEXTURE_RED_SIZE), 0);
  EXPECT_EQ(LevelParameter(GL_TEXTURE_LUMINANCE_SIZE), 0);
}

TEST_F(RenderGl, ReadOnlyFontStillLoads) {
  const std::string path = TempFile("readonly.tga");
  std::filesystem::remove(path);
  WriteBytes(path, TgaFile(2, 2, 32, std::string(16, '\x80')));
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  testing::Sdl().openModes.clear();
  Texture font;
  EXPECT_TRUE(font.LoadTga(path.c_str()));
  // Opening for update would fail on every installed copy (and is refused for non-root).
  ASSERT_EQ(testing::Sdl().openModes.size(), 1u);
  EXPECT_EQ(testing::Sdl().openModes[0], std::string("rb"));
  font.Bind();
  EXPECT_EQ(LevelParameter(GL_TEXTURE_WIDTH), 2);
}

// Which headers the reader refuses is its own unit test's matter; here, that a refused or
// missing file leaves a texture without an image.
TEST_F(RenderGl, CorruptTgaGivesATextureWithoutAnImage) {
  const std::string huge = TempFile("huge.tga");
  WriteBytes(huge, TgaFile(65535, 65535, 32, std::string(64, 1)));
  Texture texture;
  EXPECT_FALSE(texture.LoadTga(huge.c_str()));
  texture.Bind();
  EXPECT_EQ(LevelParameter(GL_TEXTURE_WIDTH), 0);
  Texture missing;
  EXPECT_FALSE(missing.LoadTga(TempFile("missing.tga").c_str()));
}

TEST_F(RenderGl, BlankTargetsNeedPowersOfTwoAndReleaseDeletesOnce) {
  Texture odd;
  EXPECT_FALSE(odd.CreateBlank(100, 100));
  EXPECT_TRUE(odd.Empty());
  Texture target;
  ASSERT_TRUE(target.CreateBlank(128, 128));
  EXPECT_EQ(target.Width(), 128);
  const GLuint name = target.GlName();
  EXPECT_TRUE(glIsTexture(name));
  target.Release();
  EXPECT_FALSE(glIsTexture(name));
  target.Release();  // nothing left to delete
  EXPECT_TRUE(target.Empty());
}

TEST_F(RenderGl, CubeMapSamplesEachFaceAlongItsAxis) {
  const std::array<std::array<std::uint8_t, 3>, 6> colours{
      {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {0, 255, 255}, {255, 0, 255}}};
  std::array<std::string, 6> files;
  for (int face = 0; face < 6; ++face) {
    files[face] = TempFile("cube" + std::to_string(face) + ".jpg");
    const auto& c = colours[face];
    ASSERT_TRUE(testing::WriteJpeg(files[face], 16, 16, 3,
                                   testing::SolidPicture(16, 16, c[0], c[1], c[2])));
  }
  Texture cube;
  ASSERT_TRUE(cube.LoadCubeMap({files[0].c_str(), files[1].c_str(), files[2].c_str(),
                                files[3].c_str(), files[4].c_str(), files[5].c_str()}));
  cube.BindCubeMap();
  glEnable(GL_TEXTURE_CUBE_MAP_ARB);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  const float axes[6][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
  for (int face = 0; face < 6; ++face) {
    glClear(GL_COLOR_BUFFER_BIT);
    glBegin(GL_QUADS);
    glTexCoord3fv(axes[face]);
    glVertex2f(-1, -1);
    glVertex2f(1, -1);
    glVertex2f(1, 1);
    glVertex2f(-1, 1);
    glEnd();
    const auto pixel = ReadPixel(128, 128);
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(pixel[c], colours[face][c], 6) << face << "/" << c;
  }
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glDisable(GL_TEXTURE_CUBE_MAP_ARB);

  // A missing face stops the load, and the 2D texture bound beside it (at start-up, the font)
  // keeps its picture.
  Texture bystander;
  ASSERT_TRUE(bystander.LoadJpeg(files[0].c_str()));
  Texture broken;
  EXPECT_FALSE(broken.LoadCubeMap({files[0].c_str(), "missing.jpg", files[2].c_str(),
                                   files[3].c_str(), files[4].c_str(), files[5].c_str()}));
  EXPECT_EQ(LevelParameter(GL_TEXTURE_WIDTH), 16);
}

}  // namespace
}  // namespace frost
