// Vexor Engine: what the graphics sources share with the system module, and
// the hooks tests and benchmarks use. Not for game code.
#pragma once

#include "VXGraphics.h"

// True while a GL context is current on the window. Headless runs and a
// closed window leave it false, and every GL call is skipped.
extern bool gVXGfxLive;

// The programs of the render modes (slot 0: none, 1: colour, 2: texture),
// and the render mode in use (0 = none).
extern unsigned gVXShaderProgram[3];
extern int gVXCurrentProgram;

// ---- Called by the system module ----
void VXGfxInitHeadless(int width, int height);
void VXGfxLoseContext(void);  // the window goes away
// The window was shown, exposed or resized, and may have lost what it
// showed: the next frame is drawn and presented even if it repeats the last.
void VXGfxWindowChanged(void);
// Rasterises every font again at the current screen scale (it changed).
void VXGfxTextRescale(void);
// The window's drawable size in real pixels, and its buffer swap.
void VXSysGetDrawableSize(int* pW, int* pH);
void VXSysSwapBuffers(void);

// ---- Paths (tests, benchmarks) ----
// The reference path sends every piece of state to GL at every draw and
// draws at once, through the programs of the render modes, as the renderer
// did before it had a fast path; it shares nothing with the fast path but
// the render state the game set. The fast path (the default) gives the same
// pixels for less work.
void VXGfxUseReferencePath(bool on);
bool VXGfxReferencePath(void);

// What the renderer did since the last reset (benchmarks count work with it).
struct VXGfxCounters {
  long draws;           // GL draw calls made for meshes
  long drawsSkipped;    // mesh draws that could not change a pixel
  long drawsOpaque;     // drawn with blending off
  long drawsClipped;    // drawn through a scissor around the picture's visible part
  long uniformUploads;  // glUniform calls
  long programBinds;    // glUseProgram calls
  long textureBinds;    // glBindTexture calls for draws
  long blendChanges;    // blending switched on, off or to another function
  long pixelsCovered;   // window pixels under the drawn rectangles (an estimate)
};
extern VXGfxCounters gVXGfxCounters;

// A picture drawn on a quad, as a benchmark's floor program redraws it: the
// window corners of the picture's bottom-left, bottom-right, top-right and
// top-left (GL pixels, origin bottom left), its colour and blend mode.
struct VXGfxQuadNote {
  const VXGfxTexture* texture;
  double corners[4][2];
  float color[4];  // tint with the transparency folded into alpha
  int blend;       // VX_BLEND_*
};
// Told of every picture quad the fast path draws, when set.
extern void (*gVXGfxQuadWatcher)(const VXGfxQuadNote*);
