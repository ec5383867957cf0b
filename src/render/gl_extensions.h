// Which OpenGL extensions the context offers, and the drawing helpers that depend on them.
#pragma once

#include <cstdint>
#include <string_view>

namespace frost {

// True when `name` is one whole word of a space-separated extension list.
bool HasExtensionWord(const char* list, std::string_view name);
// The same against the current context's GL_EXTENSIONS; false without a context.
bool HasGLExtension(std::string_view name);

// What the current context offers of the extensions the renderer relies on, and the state and
// drawing helpers that take it into account. Missing extensions are no error: the helpers that
// need one return false and change nothing.
struct GLExtensions {
  using ActiveTextureProc = void (*)(unsigned int);
  using MultiTexCoordProc = void (*)(unsigned int, float, float);

  bool multitexture = false;
  std::int32_t textureUnits = 1;
  bool cubeMap = false;
  bool vertexProgram = false;
  bool generateMipmap = false;
  ActiveTextureProc glActiveTextureARB = nullptr;
  MultiTexCoordProc glMultiTexCoord2fARB = nullptr;
  std::uint32_t units[8] = {};

  // Fills the record from the current context.
  void Detect();

  // Texture units.
  bool ActiveTexture(int unit) const;
  bool TexCoord(int unit, float s, float t) const;
  bool ResetTextureUnits() const;

  // Texture-coordinate generation and matrices.
  bool EnableCubeMapReflection() const;
  bool DisableCubeMapReflection() const;
  bool EnableEyeLinearTexGen() const;
  bool SetEyePlanes(const float s[4], const float t[4], const float r[4], const float q[4]) const;
  bool DisableTexGen() const;
  bool ResetTextureMatrix() const;
  bool DisableVertexProgram() const;
  bool SelectTextureMatrix() const;
  bool SelectModelviewMatrix() const;
  bool LoadIdentity() const;
  bool PushMatrix() const;
  bool PopMatrix() const;

  // Drawing, copying and render-to-texture.
  bool DrawQuad(float width, float height) const;
  bool DrawSoftDisc(float scaleX, float scaleY, int segments, float inner, float brightness) const;
  bool CopyToTexture(int x, int y, int width, int height, bool setParams) const;
  bool CopyToTextureMipmapped(int x, int y, int width, int height) const;
  // Without `mipmaps` the result is only ever drawn magnified: one level, linear filtering.
  bool BlurTexture(int width, int height, int passes, int spread, bool setViewport,
                   bool mipmaps = true) const;
  bool BeginRenderToTexture(int width, int height) const;
  bool EndRenderToTexture() const;
  bool DrawFullScreenFade(float alpha, const float colour[3], bool invert) const;

 private:
  bool UnitAvailable(int unit) const {
    return multitexture && unit >= 0 && unit < textureUnits && unit < 8;
  }
};

}  // namespace frost
