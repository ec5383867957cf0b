// One frame: animation steps, then the glow pass, the main pass, the glow on top and the flare.
// The passes rely on the GL state each step leaves behind; the order below is part of the
// picture.
#include "audio/music_stream.h"
#include "render/gl.h"
#include "scene/globe_offset.h"
#include "scene/globe_scene.h"
#include "settings/saver_settings.h"

namespace frost {

namespace {
constexpr float kSnowLight = 0.15f;
}  // namespace

void GlobeScene::ComposeFrame(float t) {
  if (!sceneTextures) return;  // nothing to draw with before Init
  SceneRandom& random = TheSceneRandom();
  cameraPath.Step(t * 1000.0f, random);
  if (firstFrame_) {
    firstFrame_ = false;
    camera = CameraPath::BuildCamera();
    Os().GetCursorPos(savedCursor[0], savedCursor[1]);
  }
  const float dt = static_cast<float>(clock.SinceMark());
  clock.Mark();

  beats.Detect(MusicSpectrum());
  beats.Pulse();
  int cursor[2] = {savedCursor[0], savedCursor[1]};
  Os().GetCursorPos(cursor[0], cursor[1]);
  globeOffset =
      GlobeOffset(t, g_settings.danceWithMusic != 0, savedCursor[0] - cursor[0],
                  savedCursor[1] - cursor[1], beats.lowPulse, beats.midPulse, beats.highPulse);
  snow.Step(dt, SnowSystem::ForceFromOffset(globeOffset, dt), globeOffset, random);
  cameraPath.Place(camera);
  camera.aspect = ViewAspect();  // the glow's square and the main pass see the same view

  const int glowSize = sceneTextures[Slot::kGlow].Width();
  GlowPass(glowSize);
  MainPass();
  GlowOverlay();

  camera.Apply();
  glEnable(GL_DEPTH_TEST);
  gl.ActiveTexture(0);
  glEnable(GL_TEXTURE_2D);
  const Float4 sun{static_cast<float>(camera.eye.x), static_cast<float>(camera.eye.y - 43.0),
                   static_cast<float>(camera.eye.z + 50.0), 1.0f};
  DrawLensFlare(sun);
}

void GlobeScene::GlowPass(int glowSize) {
  // Everything this pass leaves outside its square is cleared by the main pass, so its clears
  // are kept to the square: a software renderer otherwise clears the whole window five times.
  glScissor(0, 0, glowSize, glowSize);
  glEnable(GL_SCISSOR_TEST);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glDisable(GL_BLEND);
  glFrontFace(GL_CCW);
  gl.BeginRenderToTexture(glowSize, glowSize);
  camera.Apply();

  // The scene dimmed to 0.3, so that only what is really bright survives the bright pass.
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  DrawSkyAroundEye(0.3f, 1.0f);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  // In the glow the ground keeps its depth, which hides from the glow whatever sinks below it.
  glEnable(GL_DEPTH_TEST);
  DrawGround(0.3f);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  DrawGlobe(GlobePass::Glow);

  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  gl.ResetTextureUnits();
  glEnable(GL_TEXTURE_2D);
  glClear(GL_DEPTH_BUFFER_BIT);
  Texture& glow = sceneTextures[Slot::kGlow];
  glow.Bind();
  gl.CopyToTexture(0, 0, glowSize, glowSize, false);

  // Bright pass: each channel becomes (texel - 0.2) x 4, clamped.
  glFrontFace(GL_CCW);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const float threshold[4] = {0.2f, 0.2f, 0.2f, 0.2f};
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB);
  glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, GL_SUBTRACT_ARB);
  glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB_ARB, GL_TEXTURE);
  glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB_ARB, GL_SRC_COLOR);
  glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB_ARB, GL_CONSTANT_ARB);
  glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB_ARB, GL_SRC_COLOR);
  glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, threshold);
  glTexEnvf(GL_TEXTURE_ENV, GL_RGB_SCALE_ARB, 4.0f);
  gl.DrawQuad(2.0f, 2.0f);
  gl.CopyToTexture(0, 0, glowSize, glowSize, false);

  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  // Mip levels only matter where the overlay shrinks the glow: windows smaller than its square.
  gl.BlurTexture(glowSize, glowSize, 5, 5, false,
                 window.width < glowSize || window.height < glowSize);
  gl.EndRenderToTexture();
  glDisable(GL_SCISSOR_TEST);
}

void GlobeScene::MainPass() {
  // The frame's alpha, 0.15 everywhere, sets how strongly each flake adds its light. The sky
  // writes it with its colour, and nothing drawn before the snow changes it.
  glClearColor(0.0f, 0.0f, 0.0f, kSnowLight);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  camera.Apply();

  // Over black, adding the sky and replacing with it give the same pixels; replacing lets the
  // renderer skip reading the frame.
  glDisable(GL_BLEND);
  DrawSkyAroundEye(1.0f, kSnowLight);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  DrawGround(1.0f);

  // The globe's shadow darkens the ground under it and follows it sideways.
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  sceneTextures[Slot::kSoftSprite].Bind();
  glFrontFace(GL_CCW);
  gl.ResetTextureMatrix();
  glPushMatrix();
  glTranslatef(globeOffset.x, globeOffset.y, -2.9f);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_COLOR);
  glColor4f(0.75f, 0.75f, 0.75f, 1.0f);
  gl.DrawQuad(7.0f, 7.0f);
  glPopMatrix();

  DrawGlobe(GlobePass::Main);
}

void GlobeScene::DrawSkyAroundEye(float grey, float alpha) {
  glPushMatrix();
  glDisable(GL_CULL_FACE);
  glTranslatef(static_cast<float>(camera.eye.x), static_cast<float>(camera.eye.y),
               static_cast<float>(camera.eye.z));
  glScalef(100.0f, 100.0f, 100.0f);
  glColor4f(grey, grey, grey, alpha);
  DrawSkybox();
  glPopMatrix();
}

void GlobeScene::GlowOverlay() {
  gl.ResetTextureUnits();
  glEnable(GL_TEXTURE_2D);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glDisable(GL_BLEND);
  sceneTextures[Slot::kGlow].Bind();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glFrontFace(GL_CCW);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glColor4f(1.0f, 1.0f, 1.0f, 1.5f);
  // Everything in the scene lies behind the quad's depth, so testing it would pass everywhere.
  glDisable(GL_DEPTH_TEST);
  gl.DrawQuad(2.0f, 2.0f);
}

void GlobeScene::DrawGround(float brightness) {
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glPushMatrix();
  glTranslatef(0.0f, 0.0f, -3.0f);
  glScalef(60.0f, 60.0f, 1.0f);

  sceneTextures[Slot::kGround].Bind();
  gl.SelectTextureMatrix();
  glLoadIdentity();
  glScalef(10.0f, 10.0f, 1.0f);
  gl.SelectModelviewMatrix();

  gl.ActiveTexture(1);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  sceneTextures[Slot::kGroundDetail].Bind();
  glEnable(GL_TEXTURE_2D);
  gl.SelectTextureMatrix();
  glLoadIdentity();
  glRotatef(24.0f, 0.0f, 0.0f, 1.0f);
  glScalef(10.0f, 10.0f, 1.0f);
  gl.SelectModelviewMatrix();

  // Radius 30 at z = -3, opaque out to 6, fading to nothing at the rim.
  gl.DrawSoftDisc(1.0f, 1.0f, 10, 0.2f, brightness);

  glDisable(GL_TEXTURE_2D);
  gl.ActiveTexture(0);
  glPopMatrix();
}

void GlobeScene::DrawSkybox() {
  // The sky lies behind everything and is drawn first, over a cleared depth buffer: testing or
  // writing depth for a whole window of it would change no pixel. The test stays off after
  // it: the main pass lays the ground and the shadow under the globe without depth, so that a
  // globe pushed down into them still shows whole.
  glDisable(GL_DEPTH_TEST);
  glDepthMask(GL_FALSE);
  Texture* slots = sceneTextures.get();
  glPushMatrix();
  slots[Slot::kSkyUp].Bind();
  glTranslatef(0.0f, 0.0f, 0.5f);
  gl.DrawQuad(-1.0f, -1.0f);
  slots[Slot::kSkyUp + 1].Bind();
  glTranslatef(0.0f, 0.0f, -1.0f);
  gl.DrawQuad(-1.0f, -1.0f);
  glPopMatrix();

  glPushMatrix();
  glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
  slots[Slot::kSkyUp + 2].Bind();
  glTranslatef(0.0f, 0.0f, 0.5f);
  gl.DrawQuad(1.0f, 1.0f);
  slots[Slot::kSkyUp + 3].Bind();
  glTranslatef(0.0f, 0.0f, -1.0f);
  gl.DrawQuad(1.0f, 1.0f);
  glPopMatrix();

  glPushMatrix();
  glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
  slots[Slot::kSkyUp + 4].Bind();
  glTranslatef(0.0f, 0.0f, 0.5f);
  glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
  gl.DrawQuad(1.0f, -1.0f);
  slots[Slot::kSkyUp + 5].Bind();
  glTranslatef(0.0f, 0.0f, -1.0f);
  gl.DrawQuad(-1.0f, -1.0f);
  glPopMatrix();
  glDepthMask(GL_TRUE);
}

}  // namespace frost
