// The renderer against a real GL context: textures and image readers, blur, soft disc, point
// probe, cube maps and the camera. Pixels are checked where they can be reasoned about.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "geometry/camera.h"
#include "geometry/mesh.h"
#include "gl_context.h"
#include "render/gl.h"
#include "render/texture.h"
#include "support/jpeg_writer.h"

namespace frost {
namespace {

using testing::SharedContext;

std::string TempFile(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / "frostmote-gl-test";
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> TgaFile(int width, int height, int bits,
                                  const std::vector<std::uint8_t>& pixels) {
  std::vector<std::uint8_t> bytes(18 + pixels.size(), 0);
  bytes[2] = bits == 8 ? 3 : 2;
  bytes[12] = static_cast<std::uint8_t>(width & 0xFF);
  bytes[13] = static_cast<std::uint8_t>(width >> 8);
  bytes[14] = static_cast<std::uint8_t>(height & 0xFF);
  bytes[15] = static_cast<std::uint8_t>(height >> 8);
  bytes[16] = static_cast<std::uint8_t>(bits);
  for (std::size_t i = 0; i < pixels.size(); ++i) bytes[18 + i] = pixels[i];
  return bytes;
}

std::array<std::uint8_t, 3> ReadPixel(int x, int y) {
  std::array<std::uint8_t, 3> rgb{};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return rgb;
}

GLint LevelParameter(GLenum name) {
  GLint value = -1;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, name, &value);
  return value;
}

class RenderGl : public ::testing::Test {
 protected:
  void SetUp() override {
    scene_ = &SharedContext();
    glViewport(0, 0, 256, 256);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor4f(1, 1, 1, 1);
  }
  void TearDown() override { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }

  // Draws the bound 2D texture over the whole viewport, sampled without filtering.
  void DrawTextureNearest() {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    scene_->gl.DrawQuad(2.0f, 2.0f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
  }

  testing::GlScene* scene_ = nullptr;
};

TEST_F(RenderGl, ExtensionsOfTheTestContextAreDetected) {
  const GLExtensions& gl = scene_->gl;
  EXPECT_TRUE(gl.multitexture);
  EXPECT_GE(gl.textureUnits, 2);
  EXPECT_TRUE(gl.cubeMap);
  EXPECT_TRUE(gl.generateMipmap);
  EXPECT_NE(gl.glActiveTextureARB, nullptr);
  EXPECT_EQ(gl.units[1], static_cast<std::uint32_t>(GL_TEXTURE0_ARB + 1));
  EXPECT_TRUE(gl.ActiveTexture(1));
  EXPECT_FALSE(gl.ActiveTexture(gl.textureUnits));
  EXPECT_TRUE(gl.ActiveTexture(0));
}

TEST_F(RenderGl, MissingJpegGivesTheCheckerboardPlaceholder) {
  Texture texture;
  EXPECT_FALSE(texture.LoadJpeg(TempFile("no-such-picture.jpg").c_str()));
  EXPECT_EQ(texture.Width(), 2);
  EXPECT_FALSE(texture.Empty());
  texture.Bind();
  DrawTextureNearest();
  // t = 0 is the bottom of the quad: row 0 is black, white; row 1 white, black.
  EXPECT_EQ(ReadPixel(64, 64)[0], 0);
  EXPECT_EQ(ReadPixel(192, 64)[0], 255);
  EXPECT_EQ(ReadPixel(64, 192)[0], 255);
  EXPECT_EQ(ReadPixel(192, 192)[0], 0);

  Texture none;
  EXPECT_FALSE(none.LoadJpeg(nullptr));
  EXPECT_TRUE(none.Empty());
}

TEST_F(RenderGl, BrokenJpegsFallBackToThePlaceholder) {
  const std::string good = TempFile("good.jpg");
  ASSERT_TRUE(testing::WriteJpeg(good, 64, 32, 3, testing::SolidPicture(64, 32, 200, 30, 40)));
  std::ifstream in(good, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 200u);

  const std::string empty = TempFile("empty.jpg");
  WriteBytes(empty, {});
  const std::string truncated = TempFile("truncated.jpg");
  WriteBytes(truncated, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 200));
  const std::string garbage = TempFile("garbage.jpg");
  std::vector<std::uint8_t> noise(bytes.size());
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<std::uint8_t>(i * 73);
  WriteBytes(garbage, noise);
  for (const std::string& path : {empty, truncated, garbage}) {
    Texture texture;
    EXPECT_FALSE(texture.LoadJpeg(path.c_str())) << path;
    EXPECT_EQ(texture.Width(), 2) << path;
  }

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
  WriteBytes(rgb, TgaFile(2, 1, 24, {0x10, 0x20, 0x30, 1, 2, 3}));
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
  WriteBytes(alpha, TgaFile(2, 2, 8, {0, 64, 128, 255}));
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
  WriteBytes(path, TgaFile(2, 2, 32, std::vector<std::uint8_t>(16, 0x80)));
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

TEST_F(RenderGl, CorruptTgaGivesATextureWithoutAnImage) {
  const std::vector<std::string> files = {TempFile("huge.tga"), TempFile("zero.tga"),
                                          TempFile("short.tga"), TempFile("depth.tga"),
                                          TempFile("header.tga")};
  WriteBytes(files[0], TgaFile(65535, 65535, 32, std::vector<std::uint8_t>(64, 1)));
  WriteBytes(files[1], TgaFile(0, 4, 24, std::vector<std::uint8_t>(12, 1)));
  WriteBytes(files[2], TgaFile(4, 4, 24, std::vector<std::uint8_t>(47, 1)));  // one short
  WriteBytes(files[3], TgaFile(2, 2, 16, std::vector<std::uint8_t>(8, 1)));
  WriteBytes(files[4], {0, 0, 2, 0, 0});
  for (const std::string& path : files) {
    Texture texture;
    EXPECT_FALSE(texture.LoadTga(path.c_str())) << path;
    texture.Bind();
    EXPECT_EQ(LevelParameter(GL_TEXTURE_WIDTH), 0) << path;
  }
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

TEST_F(RenderGl, BlurRefusesOtherSizesAndLeavesTheFrameAlone) {
  glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  EXPECT_FALSE(scene_->gl.BlurTexture(100, 128, 5, 5, false));
  const auto pixel = ReadPixel(10, 10);
  EXPECT_NEAR(pixel[0], 51, 1);
  EXPECT_NEAR(pixel[1], 102, 1);
  EXPECT_NEAR(pixel[2], 153, 1);
}

TEST_F(RenderGl, BlurSpreadsABrightColumnOverSevenPixelsAtSixFifthsBrightness) {
  // A 128 x 128 target holding one white column at x = 64.
  Texture target;
  ASSERT_TRUE(target.CreateBlank(128, 128));
  std::vector<std::uint8_t> picture(128 * 128 * 3, 0);
  for (int y = 0; y < 128; ++y) {
    for (int c = 0; c < 3; ++c) picture[(y * 128 + 64) * 3 + c] = 255;
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 128, 128, GL_RGB, GL_UNSIGNED_BYTE, picture.data());
  glEnable(GL_TEXTURE_2D);
  ASSERT_TRUE(scene_->gl.BlurTexture(128, 128, 5, 5, true));
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);

  std::vector<std::uint8_t> result(128 * 128 * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, result.data());
  // Copies at -1.5 ... 3.5 pixels, alpha 0.2 each: half-pixel offsets share a texel between
  // two pixels. The horizontal pass gives 0.1, 0.2 x 5, 0.1 over x = 62 to 68; the vertical
  // pass of a column that is the same in every row scales it by 6/5 again.
  const int row = 64;
  const double expected[7] = {0.12, 0.24, 0.24, 0.24, 0.24, 0.24, 0.12};
  double sum = 0.0;
  for (int x = 0; x < 128; ++x) {
    const double value = result[(row * 128 + x) * 3] / 255.0;
    sum += value;
    if (x >= 62 && x <= 68) {
      EXPECT_NEAR(value, expected[x - 62], 0.02) << "x = " << x;
    } else {
      EXPECT_LT(value, 0.01) << "x = " << x;
    }
  }
  EXPECT_NEAR(sum, 1.2 * 1.2, 0.05);

  // The chain is built by the last copy alone: left switched on, every plain copy of the next
  // frame would rebuild it again. Without mip levels the result is filtered linearly.
  GLint generate = -1;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_GENERATE_MIPMAP_SGIS, &generate);
  EXPECT_EQ(generate, GL_FALSE);
  GLint minFilter = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
  EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
  glEnable(GL_TEXTURE_2D);
  ASSERT_TRUE(scene_->gl.BlurTexture(128, 128, 5, 5, true, false));
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
  EXPECT_EQ(minFilter, GL_LINEAR);
  glViewport(0, 0, 256, 256);
}

TEST_F(RenderGl, SoftDiscRimRunsClockwiseFromTheTop) {
  std::vector<GLfloat> feedback(4096);
  glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_2D, feedback.data());
  glRenderMode(GL_FEEDBACK);
  // Unit scale in a viewport of 256: the rim at radius 0.5 lands 64 pixels from the centre.
  scene_->gl.DrawSoftDisc(1.0f, 1.0f, 4, 0.2f, 1.0f);
  const GLint count = glRenderMode(GL_RENDER);
  ASSERT_GT(count, 0);
  // The fan comes first: triangles (centre, p(k), p(k+1)); p(k) is the second vertex of the
  // k-th triangle, read in window coordinates around the centre (128, 128).
  std::vector<std::pair<float, float>> rim;
  for (GLint i = 0; i < count && rim.size() < 4;) {
    ASSERT_EQ(feedback[i], static_cast<GLfloat>(GL_POLYGON_TOKEN));
    const int vertices = static_cast<int>(feedback[i + 1]);
    rim.emplace_back(feedback[i + 4] - 128.0f, feedback[i + 5] - 128.0f);
    i += 2 + 2 * vertices;
  }
  ASSERT_EQ(rim.size(), 4u);
  const float r = 0.5f * 0.2f * 128.0f;  // inner ring of the fan
  const std::pair<float, float> expected[4] = {{0, r}, {r, 0}, {0, -r}, {-r, 0}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(rim[k].first, expected[k].first, 0.01f) << k;
    EXPECT_NEAR(rim[k].second, expected[k].second, 0.01f) << k;
  }
}

TEST_F(RenderGl, ProbePointReadsThePixelUnderAVisiblePoint) {
  Camera camera(Vec4d(0, 0, 0, 1), Vec4d(1, 0, 0, 1), Vec4d(0, 0, 1, 1), 60, 1.0, 0.1, 100);
  camera.SetUpReference(Vec4d(0, 0, 1, 1));
  camera.Apply();
  // A white square straight ahead, 10 units away.
  glBegin(GL_QUADS);
  glVertex3f(10, -1, -1);
  glVertex3f(10, 1, -1);
  glVertex3f(10, 1, 1);
  glVertex3f(10, -1, 1);
  glEnd();
  int xy[2] = {-7, -7};
  float visible = -1.0f;
  EXPECT_TRUE(camera.ProbePoint(700, Vec4d(10, 0, 0, 1), xy, visible));
  EXPECT_EQ(xy[0], 128);
  EXPECT_EQ(xy[1], 128);
  EXPECT_EQ(visible, 1.0f);
  // On screen but dark.
  EXPECT_TRUE(camera.ProbePoint(700, Vec4d(10, 3, 3, 1), xy, visible));
  EXPECT_EQ(visible, 0.0f);
  // Threshold 0: every point on screen counts.
  EXPECT_TRUE(camera.ProbePoint(0, Vec4d(10, 3, 3, 1), xy, visible));
  EXPECT_EQ(visible, 1.0f);
  // Off to the side: not on screen, coordinates still written.
  EXPECT_FALSE(camera.ProbePoint(0, Vec4d(10, 50, 0, 1), xy, visible));
  EXPECT_EQ(visible, 0.0f);
  EXPECT_LT(xy[0], 0);
  // Behind the far plane.
  EXPECT_FALSE(camera.ProbePoint(0, Vec4d(200, 0, 0, 1), xy, visible));
  EXPECT_EQ(xy[0], 128);
  // Exactly on the viewport's left edge (x = 0) and its top edge (y = height): a projection
  // of one pixel per unit puts those points there without rounding.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-128, 128, -128, 128, 0.5, 50);
  glMatrixMode(GL_MODELVIEW);
  EXPECT_FALSE(camera.ProbePoint(0, Vec4d(10, 128, 0, 1), xy, visible));  // +Y is the left
  EXPECT_EQ(xy[0], 0);
  EXPECT_FALSE(camera.ProbePoint(0, Vec4d(10, 0, 128, 1), xy, visible));
  EXPECT_EQ(xy[1], 256);
  EXPECT_TRUE(camera.ProbePoint(0, Vec4d(10, 127, 127, 1), xy, visible));
}

TEST_F(RenderGl, CameraViewIsTheUtilityLookAt) {
  Camera camera(Vec4d(0, 0, 0, 1), Vec4d(1, 0, 0, 1), Vec4d(0, 0, 1, 1), 60, 4.0 / 3, 0.001, 150);
  camera.SetPosition(Vec4d(3, -2, 1.5, 1));
  camera.SetUpReference(Vec4d(0.05, -0.1, 1, 1));
  camera.LookAt(Vec4d(0, 0, 0.2, 1));
  camera.Apply();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(3, -2, 1.5, 3 + camera.dir.x, -2 + camera.dir.y, 1.5 + camera.dir.z, 0.05, -0.1, 1);
  GLdouble reference[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, reference);
  for (int k = 0; k < 16; ++k) EXPECT_NEAR(camera.view.m[k], reference[k], 1e-6) << k;
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
  ASSERT_TRUE(cube.LoadCubeMap(files[0].c_str(), files[1].c_str(), files[2].c_str(),
                               files[3].c_str(), files[4].c_str(), files[5].c_str()));
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
  EXPECT_FALSE(broken.LoadCubeMap(files[0].c_str(), "missing.jpg", files[2].c_str(),
                                  files[3].c_str(), files[4].c_str(), files[5].c_str()));
  EXPECT_EQ(LevelParameter(GL_TEXTURE_WIDTH), 16);
}

TEST_F(RenderGl, FadeOverlayCoversTheFrameWithFallingAlpha) {
  // The scene clock is at some time t; a fade window around it gives a known alpha.
  const float t = static_cast<float>(scene_->ElapsedMs() * 0.001);
  const float black[3] = {0, 0, 0};
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  // Window [t - 2, t + 3]: 2/5 of the way in, so black with alpha 0.6 over white.
  ASSERT_TRUE(scene_->FadeOverlay(t - 2.0f, t + 3.0f, black, true, 1.0f));
  EXPECT_NEAR(ReadPixel(100, 100)[0], 102, 3);
  glClear(GL_COLOR_BUFFER_BIT);
  EXPECT_FALSE(scene_->FadeOverlay(t + 10.0f, t + 20.0f, black, true, 1.0f));
  EXPECT_FALSE(scene_->FadeOverlay(5.0f, 5.0f, black, true, 1.0f));
  EXPECT_EQ(ReadPixel(100, 100)[0], 255);
}

class CountedMesh : public Mesh {
 public:
  ~CountedMesh() = default;
  bool Create() override { return Allocate(0) && Compile(); }
  bool TryAllocate(std::int32_t count) { return Allocate(count); }
};

TEST_F(RenderGl, MeshesCompileTheirListsAndRefuseIndicesOutsideThem) {
  SphereMesh sphere;
  ASSERT_TRUE(sphere.Create());
  EXPECT_EQ(sphere.listCount, 1);
  EXPECT_TRUE(glIsList(sphere.listBase));
  EXPECT_TRUE(sphere.Draw(0));
  EXPECT_FALSE(sphere.Draw(1));
  EXPECT_FALSE(sphere.Draw(-1));

  CentrepieceMesh centrepiece;
  ASSERT_TRUE(centrepiece.Create());
  EXPECT_EQ(centrepiece.listCount, 3);
  EXPECT_TRUE(centrepiece.Draw(2));
  EXPECT_FALSE(centrepiece.Draw(3));
  EXPECT_FALSE(centrepiece.Draw(-1));
  const GLuint base = centrepiece.listBase;
  centrepiece.Destroy();
  EXPECT_FALSE(glIsList(base));
  EXPECT_FALSE(glIsList(base + 2));
  EXPECT_EQ(centrepiece.listCount, 0);
  EXPECT_FALSE(centrepiece.Draw(0));

  CountedMesh empty;
  EXPECT_FALSE(empty.Create());
  EXPECT_FALSE(empty.TryAllocate(-2));
  EXPECT_EQ(empty.listBase, 0u);
  EXPECT_FALSE(empty.Draw(0));
}

TEST_F(RenderGl, SphereListDrawsAnInsideOutSphereOfRadiusHalf) {
  // Seen from outside with back faces culled, an inside-out sphere shows its far half only:
  // looking down -Z at it, the fragments drawn come from z < 0.
  SphereMesh sphere;
  ASSERT_TRUE(sphere.Create());
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, -2, 2);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glClearDepth(1.0);
  glClear(GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT);
  glColor3f(1, 1, 1);
  sphere.Draw(0);
  float depth = 0.0f;
  glReadPixels(128, 128, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
  // Window depth of z = -0.5 under this projection: (0.5 / 2 + 1) / 2 = 0.625.
  EXPECT_NEAR(depth, 0.625f, 0.01f);
  EXPECT_EQ(ReadPixel(128, 128)[0], 255);
  EXPECT_EQ(ReadPixel(128 + 70, 128)[0], 0);  // outside radius 0.5 (64 pixels)
  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
}

}  // namespace
}  // namespace frost
