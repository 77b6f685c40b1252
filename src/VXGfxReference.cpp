// Vexor Engine: the reference path, the yardstick of the fast path's
// pixels: it shares no record of GL's state with it, only the render state
// the game set.
#include "VXGfxReference.h"

#include <GL/glew.h>

#include "VXGfxInternal.h"
#include "VXGfxShader.h"
#include "VXGfxState.h"

namespace {

void Uniform(GLuint program, int id, const float* v) {
  VXGfxUniformSend(glGetUniformLocation(program, VXGfxUniformName(id)), id, v);
}

void Blend(int mode) {
  if (mode == VX_BLEND_NONE) {
    glDisable(GL_BLEND);
    return;
  }
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, mode == VX_BLEND_ALPHA ? GL_ONE_MINUS_SRC_ALPHA : GL_ONE);
}

// An attribute fed from one of the mesh's buffers.
void Feed(GLuint program, const char* name, GLuint buffer, GLint size) {
  const GLint loc = glGetAttribLocation(program, name);
  if (loc < 0) return;
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  glEnableVertexAttribArray(static_cast<GLuint>(loc));
  glVertexAttribPointer(static_cast<GLuint>(loc), size, GL_FLOAT, GL_FALSE, 0, nullptr);
}

void Unfeed(GLuint program, const char* name) {
  const GLint loc = glGetAttribLocation(program, name);
  if (loc >= 0) glDisableVertexAttribArray(static_cast<GLuint>(loc));
}

}  // namespace

void VXGfxReferenceDraw(const VXGfxVertexList* mesh, int mode) {
  static const GLenum kPrimitive[4] = {GL_POINTS, GL_LINES, GL_LINE_STRIP, GL_TRIANGLES};
  const VXGfxRenderState& state = VXGfxState();
  const int renderMode = gVXCurrentProgram;
  const GLuint program = gVXShaderProgram[renderMode];
  glUseProgram(program);
  for (int id = 0; id < VX_U_COUNT; ++id) Uniform(program, id, state.uniforms[renderMode][id]);
  Blend(state.blend);
  glDisable(GL_SCISSOR_TEST);
  glViewport(state.viewport[0], state.viewport[1], state.viewport[2], state.viewport[3]);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, state.texture && state.texture->pName ? *state.texture->pName : 0);
  const bool color = renderMode == VX_RENDER_COLOR;
  const char* other = color ? "aColor" : "aTextureCoordinate";
  Feed(program, "aPosition", mesh->pBuffers[0], 3);
  Feed(program, other, mesh->pBuffers[color ? 1 : 2], color ? 4 : 2);
  glDrawArrays(kPrimitive[mode], 0, static_cast<GLsizei>(mesh->vertexCount));
  Unfeed(program, other);
  Unfeed(program, "aPosition");
  glBindBuffer(GL_ARRAY_BUFFER, 0);
}
