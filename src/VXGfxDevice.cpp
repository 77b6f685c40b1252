// Vexor Engine: the one owner of GL's state: what GL holds, kept here only,
// changed only here, and the draws held back sent only from here.
#include "VXGfxDevice.h"

#include <GL/glew.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "VXGfxFrame.h"
#include "VXGfxInternal.h"
#include "VXGfxQueue.h"
#include "VXGfxReference.h"
#include "VXGfxShader.h"
#include "VXGfxState.h"
#include "VXSystem.h"

namespace {

// What GL holds; each is unknown after the context starts and after a
// reference draw, which sets GL behind the device's back.
struct Sent {
  float values[VX_U_COUNT][16];
  bool known[VX_U_COUNT];
};
Sent sSent[VX_PROGRAM_COUNT];
int sProgram = -1;
GLuint sTexture = 0;
bool sTextureKnown = false;
int sBlend = -1;
int sScissor = -1;
int sViewport[4] = {};
bool sViewportKnown = false;
GLuint sBatchBuffer = 0;
GLint sTextureLimit = 0;
// The name every error report carries, as the engine always has.
const char* const kSourceFile = "..\\..\\src\\VXGraphics";

void Forget() {
  for (Sent& s : sSent) memset(s.known, 0, sizeof(s.known));
  sProgram = sBlend = sScissor = -1;
  sTextureKnown = sViewportKnown = false;
}

GLenum Primitive(int mode) {
  static const GLenum kPrimitive[4] = {GL_POINTS, GL_LINES, GL_LINE_STRIP, GL_TRIANGLES};
  return kPrimitive[mode];
}

void BindProgram(int program) {
  if (program == sProgram) return;
  sProgram = program;
  glUseProgram(VXGfxProgramName(program));
  ++gVXGfxCounters.programBinds;
}

// A uniform of the bound program, sent when GL does not hold it already.
void Send(int id, const float* v) {
  const GLint loc = VXGfxProgramLocation(sProgram, id);
  if (loc < 0) return;
  Sent& sent = sSent[sProgram];
  const size_t bytes = sizeof(float) * static_cast<size_t>(VXGfxUniformSize(id));
  if (sent.known[id] && memcmp(sent.values[id], v, bytes) == 0) return;
  VXGfxUniformSend(loc, id, v);
  memcpy(sent.values[id], v, bytes);
  sent.known[id] = true;
  ++gVXGfxCounters.uniformUploads;
}

void BindTexture(GLuint name) {
  if (sTextureKnown && name == sTexture) return;
  sTexture = name;
  sTextureKnown = true;
  glBindTexture(GL_TEXTURE_2D, name);
  ++gVXGfxCounters.textureBinds;
}

void Blend(int mode) {
  if (mode == sBlend) return;
  if (sBlend >= 0) ++gVXGfxCounters.blendChanges;
  sBlend = mode;
  if (mode == VX_BLEND_NONE) {
    glDisable(GL_BLEND);
    return;
  }
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, mode == VX_BLEND_ALPHA ? GL_ONE_MINUS_SRC_ALPHA : GL_ONE);
}

void Scissor(const VXGfxPixelRect* r) {
  const int on = r ? 1 : 0;
  if (on != sScissor) {
    sScissor = on;
    if (on) {
      glEnable(GL_SCISSOR_TEST);
    } else {
      glDisable(GL_SCISSOR_TEST);
    }
  }
  if (r) glScissor(r->x, r->y, r->w, r->h);
}

void Viewport(const int* v) {
  if (sViewportKnown && memcmp(v, sViewport, sizeof(sViewport)) == 0) return;
  memcpy(sViewport, v, sizeof(sViewport));
  sViewportKnown = true;
  glViewport(v[0], v[1], v[2], v[3]);
  VXGfxQueueFit(v[0] + v[2], v[1] + v[3]);
}

GLuint StateTexture() {
  const VXGfxTexture* tex = VXGfxState().texture;
  return tex && tex->pName ? *tex->pName : 0;
}

// GL as the render state says: the program of the render mode with the
// mode's uniforms, the texture, blending and the viewport.
void Establish() {
  const VXGfxRenderState& state = VXGfxState();
  const int mode = gVXCurrentProgram;
  BindProgram(mode == VX_RENDER_COLOR ? VX_PROGRAM_COLOR : mode == VX_RENDER_TEXTURE ? VX_PROGRAM_TEXTURE : 0);
  if (mode != 0)
    for (int id = 0; id < VX_U_COUNT; ++id) Send(id, state.uniforms[mode][id]);
  BindTexture(StateTexture());
  Blend(state.blend);
  Scissor(nullptr);
  Viewport(state.viewport);
}

// Prints and halts on whatever errors GL has gathered.
void Drain(int line, const char* func) {
  bool any = false;
  // A lost context can report errors forever; a handful is plenty to print.
  for (int i = 0; i < 32; ++i) {
    const GLenum code = glGetError();
    if (code == GL_NO_ERROR) break;
    printf("CHECK_GL_ERROR:\nLine: %d\nFunc: %s\nFile: %s\n", line, func, kSourceFile);
    printf("Code: 0x%.8x\n", static_cast<unsigned>(code));
    printf("Mesg: \n");
    any = true;
  }
  if (any) VXHalt();
}

// A held-back draw's errors, reported by the check that came after it.
void Report(const VXGfxHeld& e) {
  if (e.checkFunc) Drain(e.checkLine, e.checkFunc);
}

// The mesh's positions and the buffer the bound program reads beside them.
void Submit(const VXGfxVertexList* mesh, int mode, bool color) {
  glBindBuffer(GL_ARRAY_BUFFER, mesh->pBuffers[0]);
  glEnableVertexAttribArray(VX_ATTRIB_POSITION);
  glVertexAttribPointer(VX_ATTRIB_POSITION, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
  glBindBuffer(GL_ARRAY_BUFFER, mesh->pBuffers[color ? 1 : 2]);
  glEnableVertexAttribArray(VX_ATTRIB_OTHER);
  glVertexAttribPointer(VX_ATTRIB_OTHER, color ? 4 : 2, GL_FLOAT, GL_FALSE, 0, nullptr);
  glDrawArrays(Primitive(mode), 0, static_cast<GLsizei>(mesh->vertexCount));
  glDisableVertexAttribArray(VX_ATTRIB_OTHER);
  glDisableVertexAttribArray(VX_ATTRIB_POSITION);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  ++gVXGfxCounters.draws;
}

// The program, camera, texture and blending of a held-back draw.
void Prepare(int program, const VXGfxHeld& e) {
  BindProgram(program);
  Send(VX_U_PROJECTION, e.camera->projection);
  Send(VX_U_VIEW, e.camera->view);
  const float unit = 0.0f;
  Send(VX_U_SAMPLER, &unit);
  BindTexture(e.texture);
  Blend(e.blend);
  Viewport(e.camera->viewport);
  if (e.blend == VX_BLEND_NONE && VXGfxState().blend != VX_BLEND_NONE) ++gVXGfxCounters.drawsOpaque;
}

void SendOne(const VXGfxHeld& e, const VXGfxPixelRect* scissor) {
  Prepare(e.program, e);
  Send(VX_U_WORLD, e.world);
  Send(VX_U_TINT, e.tint);
  Send(VX_U_TRANSPARENCY, e.transparency);
  Send(VX_U_BLEND, e.blendColor);
  Send(VX_U_OFFSET, e.offset);
  Scissor(scissor);
  if (scissor) ++gVXGfxCounters.drawsClipped;
  Submit(e.mesh, e.drawMode, false);
  Report(e);
}

void SendBatch(const VXGfxHeld& first, const float* vertices, int count, int each, const VXGfxPixelRect* scissor,
               const VXGfxHeld& reporter) {
  Prepare(VX_PROGRAM_BATCH, first);
  Scissor(scissor);
  if (scissor) ++gVXGfxCounters.drawsClipped;
  if (!sBatchBuffer) glGenBuffers(1, &sBatchBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, sBatchBuffer);
  const GLsizei stride = sizeof(float) * VX_BATCH_FLOATS;
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count) * stride, vertices, GL_STREAM_DRAW);
  struct Field {
    GLuint location;
    GLint size, offset;
  };
  static const Field kFields[] = {{VX_ATTRIB_POSITION, 3, 0},   {VX_ATTRIB_OTHER, 2, 3},
                                  {VX_ATTRIB_WORLD, 4, 5},      {VX_ATTRIB_WORLD + 1, 4, 9},
                                  {VX_ATTRIB_WORLD + 2, 4, 13}, {VX_ATTRIB_WORLD + 3, 4, 17},
                                  {VX_ATTRIB_TINT, 4, 21},      {VX_ATTRIB_TRANSPARENCY, 1, 25}};
  for (const Field& f : kFields) {
    glEnableVertexAttribArray(f.location);
    glVertexAttribPointer(f.location, f.size, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(static_cast<uintptr_t>(f.offset) * sizeof(float)));
  }
  const int step = each > 0 ? each : count;
  for (int from = 0; from < count; from += step) {
    glDrawArrays(GL_TRIANGLES, from, step);
    ++gVXGfxCounters.draws;
  }
  for (const Field& f : kFields) glDisableVertexAttribArray(f.location);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  Report(reporter);
}

// ---- What the device sends: at once, or once a frame's record gives up waiting ----
void Draw(const VXGfxVertexList* mesh, int mode) {
  if (gVXCurrentProgram == VX_RENDER_TEXTURE && mode == VX_DRAW_TRIANGLES) {
    if (!VXGfxQueueHold(mesh, mode)) {
      VXGfxDeviceSync();
      VXGfxQueueHold(mesh, mode);
    }
    return;
  }
  VXGfxDeviceSync();
  Establish();
  Submit(mesh, mode, gVXCurrentProgram == VX_RENDER_COLOR);
}

void Line(const float* positions, const float* colors) {
  VXGfxDeviceSync();
  Establish();
  glBindBuffer(GL_ARRAY_BUFFER, 0);  // client memory
  glEnableVertexAttribArray(VX_ATTRIB_POSITION);
  glVertexAttribPointer(VX_ATTRIB_POSITION, 3, GL_FLOAT, GL_FALSE, 0, positions);
  glEnableVertexAttribArray(VX_ATTRIB_OTHER);
  glVertexAttribPointer(VX_ATTRIB_OTHER, 4, GL_FLOAT, GL_FALSE, 0, colors);
  glDrawArrays(GL_LINES, 0, 2);
  glDisableVertexAttribArray(VX_ATTRIB_OTHER);
  glDisableVertexAttribArray(VX_ATTRIB_POSITION);
}

void Text(unsigned atlas, const float* vertices, int count, const float* rgba) {
  VXGfxDeviceSync();
  const int* viewport = VXGfxState().viewport;
  BindProgram(VX_PROGRAM_TEXT);
  glUniform2f(VXGfxProgramLocation(VX_PROGRAM_TEXT, VX_TEXT_SCREEN), static_cast<float>(viewport[2]),
              static_cast<float>(viewport[3]));
  glUniform4f(VXGfxProgramLocation(VX_PROGRAM_TEXT, VX_TEXT_COLOR), rgba[0], rgba[1], rgba[2], rgba[3]);
  glUniform1i(VXGfxProgramLocation(VX_PROGRAM_TEXT, VX_TEXT_ATLAS), 0);
  BindTexture(atlas);
  Blend(VX_BLEND_ALPHA);
  Scissor(nullptr);
  Viewport(viewport);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glEnableVertexAttribArray(VX_ATTRIB_POSITION);
  glVertexAttribPointer(VX_ATTRIB_POSITION, 4, GL_FLOAT, GL_FALSE, 0, vertices);
  glDrawArrays(GL_TRIANGLES, 0, count);
  glDisableVertexAttribArray(VX_ATTRIB_POSITION);
  VXGfxDeviceFollow();  // the game's program, texture and blending again
}

void Clear() {
  VXGfxDeviceSync();
  Scissor(nullptr);
  const float* c = VXGfxState().clear;
  glClearColor(c[0], c[1], c[2], c[3]);
  // The window has no depth or stencil buffer to clear.
  glClear(GL_COLOR_BUFFER_BIT);
}

const VXGfxSender kSender = {SendOne, SendBatch};
const VXGfxReplay kReplay = {Clear, Draw, Line, Text};

}  // namespace

void VXGfxDeviceStart(void) {
  Forget();
  VXGfxFrameStart(kReplay);
  sBatchBuffer = 0;
  glActiveTexture(GL_TEXTURE0);  // the only unit ever used
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &sTextureLimit);
}

void VXGfxDeviceLose(void) {
  VXGfxQueueDrop();
  VXGfxFrameDrop();
  Forget();
  sBatchBuffer = 0;
}

int VXGfxDeviceTextureLimit(void) {
  return sTextureLimit;
}

void VXGfxDeviceFollow(void) {
  if (!gVXGfxLive || VXGfxQueueBusy() || VXGfxReferencePath() || VXGfxFrameHolding()) return;
  Establish();
}

void VXGfxDeviceSync(void) {
  if (!gVXGfxLive || !VXGfxQueueBusy()) return;
  VXGfxQueueSend(kSender);
  Establish();
}

void VXGfxDeviceDraw(const VXGfxVertexList* mesh, int mode) {
  if (!gVXGfxLive) return;
  if (VXGfxReferencePath()) {
    // Nothing of the fast path's, a frame's record included.
    VXGfxFrameBreak();
    VXGfxDeviceSync();
    VXGfxReferenceDraw(mesh, mode);
    Forget();
    return;
  }
  if (!VXGfxFrameDraw(mesh, mode)) Draw(mesh, mode);
}

void VXGfxDeviceLine(const float* positions, const float* colors) {
  if (gVXGfxLive && !VXGfxFrameLine(positions, colors)) Line(positions, colors);
}

void VXGfxDeviceText(unsigned atlas, const float* vertices, int count, const float* rgba) {
  if (gVXGfxLive && !VXGfxFrameText(atlas, vertices, count, rgba)) Text(atlas, vertices, count, rgba);
}

void VXGfxDeviceClear(void) {
  if (gVXGfxLive && !VXGfxFrameClear()) Clear();
}

bool VXGfxDeviceFrameEnd(void) {
  if (!gVXGfxLive) return false;
  const bool repeats = VXGfxFrameRepeats();
  VXGfxDeviceSync();
  return repeats;
}

void VXGfxDeviceRedraw(void) {
  VXGfxFrameRedraw();
}

void VXGfxDevicePresent(void) {
  if (!gVXGfxLive) return;
  VXGfxDeviceSync();
  glFinish();
  VXSysSwapBuffers();
}

int VXGfxDeviceRead(unsigned char* pOut, int width, int height) {
  if (!gVXGfxLive) return 0;
  VXGfxFrameBreak();
  VXGfxDeviceSync();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pOut);
  return 1;
}

unsigned VXGfxDeviceTextureMake(int width, int height, unsigned format, int alignment, int rowLength,
                                const void* pixels, bool clampEdges) {
  if (!gVXGfxLive) return 0;
  VXGfxFrameBreak();
  VXGfxDeviceSync();
  GLuint name = 0;
  glGenTextures(1, &name);
  BindTexture(name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  if (clampEdges) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  VXGfxDeviceFollow();
  return name;
}

void VXGfxDeviceTextureFree(unsigned name) {
  if (!gVXGfxLive || name == 0) return;
  VXGfxFrameBreak();
  VXGfxDeviceSync();
  if (sTexture == name) sTextureKnown = false;
  glDeleteTextures(1, &name);
}

void VXGfxDeviceTextureFilter(unsigned name, bool linear) {
  if (!gVXGfxLive) return;
  VXGfxFrameBreak();
  VXGfxDeviceSync();
  BindTexture(name);
  const GLint filter = linear ? GL_LINEAR : GL_NEAREST;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  VXGfxDeviceFollow();
}

void VXGfxDeviceBuffersMake(unsigned* names, const float* const* arrays, const size_t* bytes) {
  if (!gVXGfxLive) return;
  VXGfxFrameBreak();
  VXGfxDeviceSync();
  glGenBuffers(3, names);
  for (int b = 0; b < 3; ++b) {
    glBindBuffer(GL_ARRAY_BUFFER, names[b]);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes[b]), arrays[b], GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
  }
  glFinish();
}

void VXGfxDeviceBuffersFree(unsigned* names) {
  if (!gVXGfxLive) return;
  VXGfxFrameBreak();
  VXGfxDeviceSync();
  glDeleteBuffers(3, names);
}

void VXGfxDeviceCheck(int line, const char* func) {
  if (!gVXGfxLive) return;
  VXGfxQueueNoteCheck(line, func);
  Drain(line, func);
}
