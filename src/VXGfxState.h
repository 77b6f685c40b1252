// Vexor Engine: the render state as the game set it, one copy of each piece.
// The engine's calls write it through the setters below and nothing else;
// draws read it; the device (VXGfxDevice.h) brings GL along. Internal to
// graphics.
#pragma once

struct VXGfxTexture;

// The shaders' uniforms.
enum VXGfxUniformId {
  VX_U_PROJECTION,
  VX_U_VIEW,
  VX_U_WORLD,
  VX_U_TRANSPARENCY,
  VX_U_TINT,
  VX_U_BLEND,
  VX_U_OFFSET,
  VX_U_SAMPLER,
  VX_U_COUNT
};

struct VXGfxRenderState {
  // The render mode in use is gVXCurrentProgram (VXGfxInternal.h).
  int blend;  // VX_BLEND_*, the last mode given to VXGfxSetBlendMode
  // Each render mode's uniforms, as the program serving it holds them: they
  // stay with the mode across switches, and zero until set. Matrices in GL's
  // column order.
  float uniforms[3][VX_U_COUNT][16];
  VXGfxTexture* texture;  // bound by VXGfxTextureSet; null for none
  int viewport[4];        // x, y, width, height in window pixels
  float clear[4];         // the background colour
};

const VXGfxRenderState& VXGfxState(void);

// ---- Setters ----
void VXGfxStateReset(void);  // a new context: everything at GL's defaults
void VXGfxStateSetMode(int mode);
// A uniform of the current render mode; with none current it goes nowhere.
void VXGfxStateSetUniform(int id, const float* values);
// A matrix uniform given row by row (GL takes it column by column).
void VXGfxStateSetMatrix(int id, const float* rowMajor);
void VXGfxStateSetBlend(int mode);
void VXGfxStateSetTexture(VXGfxTexture* pTex);
void VXGfxStateSetViewport(int x, int y, int w, int h);
void VXGfxStateSetClear(float r, float g, float b, float a);
// The whole state and render mode at once, GL left as it is: the device
// sends a draw that waited with the state it was noted with, then puts the
// game's back.
void VXGfxStateLoad(const VXGfxRenderState& state, int mode);

// The view matrix for the current camera, row by row, its x row times sx and
// its y row times sy (the screen's scale).
void VXGfxBuildView(float sx, float sy, float* rowMajorOut);

// ---- Uniforms by name ----
const char* VXGfxUniformName(int id);
int VXGfxUniformSize(int id);            // floats: 16 for a matrix, 1 for the sampler unit
int VXGfxUniformFind(const char* name);  // -1 when no shader has it
