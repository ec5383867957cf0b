// The snow globe: frosted glass body, the turning centrepiece with a reflection fixed in the
// world, the reflective outer shell, and the snowflake sprites.
#include "render/gl.h"
#include "scene/globe_scene.h"

namespace frost {

void GlobeScene::DrawGlobe(GlobePass pass) {
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_CULL_FACE);
  glEnable(GL_NORMALIZE);

  glPushMatrix();  // the globe frame
  glEnable(GL_TEXTURE_2D);
  glFrontFace(GL_CCW);
  gl.ActiveTexture(0);

  // Planes given under the camera's view: the generated coordinates are world coordinates.
  const float s[4] = {1, 0, 0, 0};
  const float tPlane[4] = {0, 1, 0, 0};
  const float r[4] = {0, 0, 1, 0};
  const float q[4] = {0, 0, 0, 1};
  gl.SetEyePlanes(s, tPlane, r, q);

  glTranslatef(globeOffset.x, globeOffset.y, globeOffset.z);
  glScalef(4.15f, 4.15f, 4.15f);

  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  gl.ResetTextureUnits();
  gl.DisableVertexProgram();

  const Mat4d billboard = Billboard();
  DrawCentrepiece(billboard);
  DrawGlassBody();
  DrawShell(billboard, pass);

  gl.DisableCubeMapReflection();
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glDepthMask(GL_TRUE);
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();  // back to the camera's view
  gl.ResetTextureMatrix();

  if (pass == GlobePass::Main) DrawSnowflakes(billboard);

  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CW);
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  glDepthMask(GL_TRUE);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  sceneTextures[Slot::kSnowflake].Bind();
}

// Reflections: eye-space reflection vectors turned back into the world, then a quarter turn
// about Y, so the environment stays put while the camera moves.
void GlobeScene::ReflectEnvironment(const Mat4d& billboard) {
  gl.DisableTexGen();
  gl.EnableCubeMapReflection();
  gl.SelectTextureMatrix();
  glLoadIdentity();
  glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
  glMultMatrixd(billboard.m);
  gl.SelectModelviewMatrix();
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

// Turns at 20 degrees a second about its upright axis; the plaque and emblem also spin in
// their own plane. It writes no alpha: the frame's alpha is the snow's light.
void GlobeScene::DrawCentrepiece(const Mat4d& billboard) {
  ReflectEnvironment(billboard);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  glDisable(GL_BLEND);
  sceneTextures[Slot::kCentrepieceCube].BindCubeMap();
  // Without cube maps the centrepiece wears the frost pattern rather than whichever 2D
  // texture the ground or the shadow left bound.
  if (!gl.cubeMap) sceneTextures[Slot::kGlass].Bind();

  glPushMatrix();
  glScalef(0.5f, 0.5f, 0.5f);
  glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
  glRotatef(static_cast<float>(ElapsedMs() * 0.02 + 80.0), 0.0f, 1.0f, 0.0f);
  centrepieceMesh.Draw(2);
  glRotatef(static_cast<float>(ElapsedMs() * 0.02), 0.0f, 0.0f, 1.0f);
  centrepieceMesh.Draw(0);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  centrepieceMesh.Draw(1);
  glPopMatrix();
}

// The frost pattern projected down the Z axis, added to what lies behind. It lies behind the
// centrepiece wherever both are seen, so drawn second it skips what is hidden.
void GlobeScene::DrawGlassBody() {
  gl.DisableCubeMapReflection();
  gl.EnableEyeLinearTexGen();
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_SRC_ALPHA);
  sceneTextures[Slot::kGlass].Bind();
  gl.SelectTextureMatrix();
  glLoadIdentity();
  glScalef(0.5f, 0.5f, 1.0f);
  gl.SelectModelviewMatrix();
  glColor4f(0.33f, 0.33f, 0.33f, 0.33f);
  sphereMesh.Draw(0);
}

// Adds its reflection onto everything behind it, writing no depth. The glow pass leaves the
// shell out but makes the same state changes, which the passes after it inherit.
void GlobeScene::DrawShell(const Mat4d& billboard, GlobePass pass) {
  ReflectEnvironment(billboard);
  sceneTextures[Slot::kGlassCube].BindCubeMap();
  glDepthMask(GL_FALSE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE);
  if (pass == GlobePass::Main && shellList_ != 0) glCallList(shellList_);
}

void GlobeScene::DrawSnowflakes(const Mat4d& billboard) {
  // Each flake adds its light scaled by the frame's alpha, which the main pass left at 0.15.
  glEnable(GL_BLEND);
  glDepthMask(GL_FALSE);
  glBlendFunc(GL_DST_ALPHA, GL_ONE);
  sceneTextures[Slot::kSnowflake].Bind();
  // Camera-facing sprites: the billboard's first two columns are the screen's right and up
  // in world space, so each corner is worked out here and all flakes go in one batch, the
  // same quads as a push, translate, billboard and pop per flake at a fraction of the calls.
  const Vec4d right = billboard.Column(0);
  const Vec4d up = billboard.Column(1);
  const float rx = static_cast<float>(right.x);
  const float ry = static_cast<float>(right.y);
  const float rz = static_cast<float>(right.z);
  const float ux = static_cast<float>(up.x);
  const float uy = static_cast<float>(up.y);
  const float uz = static_cast<float>(up.z);
  glColor4f(1.0f, 1.0f, 1.0f, 0.75f);
  glBegin(GL_QUADS);
  const float* xs = snow.X();
  const float* ys = snow.Y();
  const float* zs = snow.Z();
  const float* masses = snow.Mass();
  for (std::size_t i = 0; i < SnowSystem::kFlakeCount; ++i) {
    const float half = (masses[i] * 0.0075f + 0.025f) / 2.0f;
    const float px = xs[i];
    const float py = ys[i];
    const float pz = zs[i];
    const float corners[4][2] = {{-half, -half}, {half, -half}, {half, half}, {-half, half}};
    const float tex[4][2] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};
    for (int k = 0; k < 4; ++k) {
      const float a = corners[k][0];
      const float b = corners[k][1];
      glTexCoord2f(tex[k][0], tex[k][1]);
      glVertex3f(px + a * rx + b * ux, py + a * ry + b * uy, pz + a * rz + b * uz);
    }
  }
  glEnd();
  glDepthMask(GL_TRUE);
  glDisable(GL_BLEND);
  glEnable(GL_DEPTH_TEST);
}

}  // namespace frost
