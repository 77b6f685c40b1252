// Vexor Engine: the render state as the game set it. Every change goes
// through a setter here, and each lets the device bring GL along.
#include "VXGfxState.h"

#include <cstring>

#include "VXGfxDevice.h"
#include "VXGfxInternal.h"

namespace {

VXGfxRenderState sState;

struct Uniform {
  const char* name;
  int size;  // floats
};
const Uniform kUniforms[VX_U_COUNT] = {
    {"uPMatrix", 16},  {"uVMatrix", 16},   {"uWorldMatrix", 16},  {"uTransparencyValue", 1},
    {"uTintColor", 4}, {"uBlendColor", 4}, {"uTextureOffset", 2}, {"uTexture", 1},
};

}  // namespace

const VXGfxRenderState& VXGfxState(void) {
  return sState;
}

void VXGfxStateReset(void) {
  sState = VXGfxRenderState{};
  gVXCurrentProgram = 0;
}

void VXGfxStateSetMode(int mode) {
  gVXCurrentProgram = mode;
  VXGfxDeviceFollow();
}

void VXGfxStateSetUniform(int id, const float* values) {
  const int mode = gVXCurrentProgram;
  if (mode == 0 || id < 0 || id >= VX_U_COUNT) return;
  memcpy(sState.uniforms[mode][id], values, sizeof(float) * static_cast<size_t>(kUniforms[id].size));
  VXGfxDeviceFollow();
}

void VXGfxStateSetMatrix(int id, const float* rowMajor) {
  float columns[16];
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) columns[4 * c + r] = rowMajor[4 * r + c];
  VXGfxStateSetUniform(id, columns);
}

void VXGfxStateSetBlend(int mode) {
  sState.blend = mode;
  VXGfxDeviceFollow();
}

void VXGfxStateSetTexture(VXGfxTexture* pTex) {
  sState.texture = pTex;
  VXGfxDeviceFollow();
}

void VXGfxStateSetViewport(int x, int y, int w, int h) {
  const int viewport[4] = {x, y, w, h};
  memcpy(sState.viewport, viewport, sizeof(viewport));
  VXGfxDeviceFollow();
}

void VXGfxStateSetClear(float r, float g, float b, float a) {
  const float clear[4] = {r, g, b, a};
  memcpy(sState.clear, clear, sizeof(clear));
}

void VXGfxStateLoad(const VXGfxRenderState& state, int mode) {
  sState = state;
  gVXCurrentProgram = mode;
}

const char* VXGfxUniformName(int id) {
  return kUniforms[id].name;
}

int VXGfxUniformSize(int id) {
  return kUniforms[id].size;
}

int VXGfxUniformFind(const char* name) {
  for (int id = 0; id < VX_U_COUNT; ++id) {
    if (strcmp(kUniforms[id].name, name) == 0) return id;
  }
  return -1;
}
