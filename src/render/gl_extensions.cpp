#include "render/gl_extensions.h"

#include <cstring>

#include "platform/platform.h"
#include "render/gl.h"

namespace frost {

bool HasExtensionWord(const char* list, std::string_view name) {
  if (list == nullptr) return false;
  const char* word = list;
  while (*word != '\0') {
    const char* space = std::strchr(word, ' ');
    const std::size_t length =
        space != nullptr ? static_cast<std::size_t>(space - word) : std::strlen(word);
    // Equal lengths: a name that only begins a listed extension is no match.
    if (length == name.size() && std::string_view(word, length) == name) return true;
    if (space == nullptr) break;
    word = space + 1;
  }
  return false;
}

bool HasGLExtension(std::string_view name) {
  return HasExtensionWord(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), name);
}

void GLExtensions::Detect() {
  multitexture = HasGLExtension("GL_ARB_multitexture");
  cubeMap = HasGLExtension("GL_ARB_texture_cube_map");
  vertexProgram = HasGLExtension("GL_ARB_vertex_program");
  generateMipmap = HasGLExtension("GL_SGIS_generate_mipmap");
  if (multitexture) {
    GLint count = 1;
    glGetIntegerv(GL_MAX_TEXTURE_UNITS_ARB, &count);
    textureUnits = count;
    glActiveTextureARB =
        reinterpret_cast<ActiveTextureProc>(Os().GetGLProcAddress("glActiveTextureARB"));
    glMultiTexCoord2fARB =
        reinterpret_cast<MultiTexCoordProc>(Os().GetGLProcAddress("glMultiTexCoord2fARB"));
    for (std::uint32_t k = 0; k < 8; ++k) units[k] = GL_TEXTURE0_ARB + k;
    // Without both entry points the extension cannot be used at all.
    if (glActiveTextureARB == nullptr || glMultiTexCoord2fARB == nullptr) {
      multitexture = false;
    }
  }
  if (!multitexture) {
    textureUnits = 1;
    glActiveTextureARB = nullptr;
    glMultiTexCoord2fARB = nullptr;
  }
}

bool GLExtensions::ActiveTexture(int unit) const {
  if (!UnitAvailable(unit)) return false;
  glActiveTextureARB(units[unit]);
  return true;
}

bool GLExtensions::TexCoord(int unit, float s, float t) const {
  if (UnitAvailable(unit)) {
    glMultiTexCoord2fARB(units[unit], s, t);
    return true;
  }
  if (unit != 0) return false;
  glTexCoord2f(s, t);
  return true;
}

bool GLExtensions::ResetTextureUnits() const {
  for (int unit = 1; unit < textureUnits; ++unit) {
    if (ActiveTexture(unit)) glDisable(GL_TEXTURE_2D);
  }
  if (multitexture) ActiveTexture(0);
  return true;
}

bool GLExtensions::EnableCubeMapReflection() const {
  if (!cubeMap) return false;
  glEnable(GL_TEXTURE_CUBE_MAP_ARB);
  glEnable(GL_TEXTURE_GEN_S);
  glEnable(GL_TEXTURE_GEN_T);
  glEnable(GL_TEXTURE_GEN_R);
  glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_REFLECTION_MAP_ARB);
  glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_REFLECTION_MAP_ARB);
  glTexGeni(GL_R, GL_TEXTURE_GEN_MODE, GL_REFLECTION_MAP_ARB);
  return true;
}

bool GLExtensions::DisableCubeMapReflection() const {
  if (!cubeMap) return false;
  glDisable(GL_TEXTURE_GEN_S);
  glDisable(GL_TEXTURE_GEN_T);
  glDisable(GL_TEXTURE_GEN_R);
  glDisable(GL_TEXTURE_CUBE_MAP_ARB);
  return true;
}

bool GLExtensions::EnableEyeLinearTexGen() const {
  for (GLenum gen : {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q}) {
    glEnable(gen);
  }
  for (GLenum coord : {GL_S, GL_T, GL_R, GL_Q}) {
    glTexGeni(coord, GL_TEXTURE_GEN_MODE, GL_EYE_LINEAR);
  }
  return true;
}

bool GLExtensions::SetEyePlanes(const float s[4], const float t[4], const float r[4],
                                const float q[4]) const {
  glTexGenfv(GL_S, GL_EYE_PLANE, s);
  glTexGenfv(GL_T, GL_EYE_PLANE, t);
  glTexGenfv(GL_R, GL_EYE_PLANE, r);
  glTexGenfv(GL_Q, GL_EYE_PLANE, q);
  return true;
}

bool GLExtensions::DisableTexGen() const {
  for (GLenum gen : {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q}) {
    glDisable(gen);
  }
  return true;
}

bool GLExtensions::ResetTextureMatrix() const {
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  return true;
}

bool GLExtensions::DisableVertexProgram() const {
  if (!vertexProgram) return false;
  glDisable(GL_VERTEX_PROGRAM_ARB);
  return true;
}

bool GLExtensions::SelectTextureMatrix() const {
  glMatrixMode(GL_TEXTURE);
  return true;
}

bool GLExtensions::SelectModelviewMatrix() const {
  glMatrixMode(GL_MODELVIEW);
  return true;
}

bool GLExtensions::LoadIdentity() const {
  glLoadIdentity();
  return true;
}

bool GLExtensions::PushMatrix() const {
  glPushMatrix();
  return true;
}

bool GLExtensions::PopMatrix() const {
  glPopMatrix();
  return true;
}

}  // namespace frost
