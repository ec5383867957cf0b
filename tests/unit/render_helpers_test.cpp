// The parts of the renderer that are plain arithmetic: number helpers, extension matching,
// glyph layout and text alignment, the frame-rate average.
#include <gtest/gtest.h>

#include "render/bitmap_font.h"
#include "render/gl_extensions.h"
#include "render/number_helpers.h"
#include "support/fake_platform.h"
#include "support/recording_scene.h"

namespace frost {
namespace {

TEST(IsPowerOfTwo, AcceptsNearPowersRejectsTheRest) {
  for (int x : {1, 2, 4, 128, 1024, 65536, 255, 257}) EXPECT_TRUE(IsPowerOfTwo(x)) << x;
  for (int x : {0, -1, -128, 3, 100, 129, 384, 253, 259}) EXPECT_FALSE(IsPowerOfTwo(x)) << x;
}

TEST(IntToText, WritesDecimalDigits) {
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(7), "7");
  EXPECT_EQ(IntToText(10), "10");
  EXPECT_EQ(IntToText(999), "999");
  EXPECT_EQ(IntToText(1000), "1000");
  EXPECT_EQ(IntToText(2147483647), "2147483647");
  EXPECT_EQ(IntToText(-42), "-42");
}

TEST(HasExtensionWord, MatchesWholeWordsOnly) {
  const char* list = "GL_ARB_multitexture GL_SGIS_generate_mipmap";
  EXPECT_TRUE(HasExtensionWord(list, "GL_ARB_multitexture"));
  EXPECT_TRUE(HasExtensionWord(list, "GL_SGIS_generate_mipmap"));
  EXPECT_FALSE(HasExtensionWord(list, "GL_ARB_texture_cube_map"));
  EXPECT_FALSE(HasExtensionWord(list, "GL_ARB_multi"));  // a prefix is not a name
  EXPECT_FALSE(HasExtensionWord(list, "GL_ARB_multitexture_x"));
  EXPECT_TRUE(HasExtensionWord("GL_A GL_ARB_vertex_program", "GL_ARB_vertex_program"));
  EXPECT_TRUE(HasExtensionWord("GL_A GL_B ", "GL_B"));
  EXPECT_FALSE(HasExtensionWord("", "GL_A"));
  EXPECT_FALSE(HasExtensionWord(nullptr, "GL_A"));
  EXPECT_FALSE(HasExtensionWord("gl_a", "GL_A"));  // case matters
}

TEST(GLExtensions, WithoutMultitextureOnlyUnitZeroWorks) {
  GLExtensions gl;  // nothing detected
  EXPECT_EQ(gl.textureUnits, 1);
  EXPECT_FALSE(gl.ActiveTexture(0));
  EXPECT_FALSE(gl.ActiveTexture(1));
  EXPECT_FALSE(gl.TexCoord(1, 0.5f, 0.5f));
  EXPECT_FALSE(gl.EnableCubeMapReflection());
  EXPECT_FALSE(gl.DisableVertexProgram());
  EXPECT_FALSE(gl.CopyToTextureMipmapped(0, 0, 8, 8));
  EXPECT_FALSE(gl.BlurTexture(100, 128, 5, 5, false));
  EXPECT_FALSE(gl.BeginRenderToTexture(0, 128));
}

TEST(BitmapFont, GlyphCellsFillTheTopSixRows) {
  const BitmapFont::GlyphCoords space = BitmapFont::GlyphCell(0);
  EXPECT_FLOAT_EQ(space.s0, 0.0f);
  EXPECT_FLOAT_EQ(space.s1, 1.0f / 16);
  EXPECT_FLOAT_EQ(space.t0, 1.875f);
  EXPECT_FLOAT_EQ(space.t1, 2.0f);
  const BitmapFont::GlyphCoords last = BitmapFont::GlyphCell(95);  // code 127
  EXPECT_FLOAT_EQ(last.s0, 15.0f / 16);
  EXPECT_FLOAT_EQ(last.t0, 1.25f);
  EXPECT_FLOAT_EQ(last.t1, 1.375f);
}

TEST(BitmapFont, TextsAreRightAlignedInAFourGlyphField) {
  EXPECT_EQ(BitmapFont::TextShift(4, 1.0f), 0);
  EXPECT_EQ(BitmapFont::TextShift(3, 0.75f), 10);  // "fps": 10.5 truncated
  EXPECT_EQ(BitmapFont::TextShift(2, 0.75f), 21);  // a two-digit rate
  EXPECT_EQ(BitmapFont::TextShift(5, 1.0f), -14);
  EXPECT_EQ(BitmapFont::TextShift(6, 0.75f), -21);
}

TEST(UpdateFps, AveragesTwentyFiveFrames) {
  testing::ScopedFakePlatform os;
  os->frequency = 1000000000;  // nanoseconds, as on Linux
  testing::RecordingScene scene;
  scene.fpsCountdown = 25;
  for (int frame = 1; frame <= 24; ++frame) {
    os->counter += 20000000;
    scene.UpdateFps();
    EXPECT_EQ(scene.fps, 0) << frame;
  }
  os->counter += 20000000;
  scene.UpdateFps();
  EXPECT_EQ(scene.fps, 50);
  for (int frame = 0; frame < 30; ++frame) {
    os->counter += 20000000;
    scene.UpdateFps();
    EXPECT_EQ(scene.fps, 50);
  }
}

TEST(UpdateFps, EqualClockReadingsAreSkippedNotDividedBy) {
  testing::ScopedFakePlatform os;
  os->hasPerformanceCounter = false;
  testing::RecordingScene scene;
  scene.fpsCountdown = 25;
  for (int frame = 0; frame < 25; ++frame) {
    os->milliseconds += 10;
    scene.UpdateFps();
    scene.UpdateFps();  // same reading again: no sample, no division by zero
  }
  EXPECT_EQ(scene.fps, 100);
}

}  // namespace
}  // namespace frost
