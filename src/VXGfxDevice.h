// Vexor Engine: the one owner of GL's state. Every change to GL's state and
// every draw goes through here, so an engine call cannot get the order of
// the frame wrong: on the fast path every draw is noted in the frame's
// record first and waits there while the frame repeats the last presented
// one (VXGfxFrame.h); a texture draw is then held back with all it needs
// (VXGfxQueue.h), and every other call here first sends what waits.
// While nothing waits, GL holds what the render state says (VXGfxState.h).
// Internal to graphics.
#pragma once
#include <cstddef>

struct VXGfxVertexList;

// ---- Context ----
void VXGfxDeviceStart(void);        // a context was made current: nothing of GL is known yet
void VXGfxDeviceLose(void);         // the context went away with every object in it
int VXGfxDeviceTextureLimit(void);  // the widest and tallest texture GL takes

// ---- The render state ----
// GL takes up the render state, unless draws wait (each carries its own,
// and the frame's record what it needs to send them). The state's setters
// call it after every change.
void VXGfxDeviceFollow(void);
// Sends the draws held back.
void VXGfxDeviceSync(void);

// ---- Drawing ----
void VXGfxDeviceDraw(const VXGfxVertexList* mesh, int mode);        // VX_DRAW_*
void VXGfxDeviceLine(const float* positions, const float* colors);  // two x, y, z; two r, g, b, a
// Glyph quads in window pixels (x, y, u, v a vertex) from a font's atlas, in
// one colour, blended over the frame.
void VXGfxDeviceText(unsigned atlas, const float* vertices, int count, const float* rgba);
void VXGfxDeviceClear(void);  // the colour buffer
// The frame's draws are all in: true when they repeat the last presented
// frame's, with the same render state, and nothing named has changed since
// (VXGfxFrame.h); then nothing was sent, and nothing is to be presented.
// Otherwise every draw has been sent.
bool VXGfxDeviceFrameEnd(void);
void VXGfxDevicePresent(void);  // waits for GL, then swaps
// The window may have lost what it showed: the next frame is drawn and presented.
void VXGfxDeviceRedraw(void);
// RGBA, bottom row first; the frame so far is drawn first, and presented at its end.
int VXGfxDeviceRead(unsigned char* pOut, int width, int height);

// ---- Objects ----
// A texture of the given pixels (GL's format, row alignment and row length),
// nearest filtering; edges clamped or repeated.
unsigned VXGfxDeviceTextureMake(int width, int height, unsigned format, int alignment, int rowLength,
                                const void* pixels, bool clampEdges);
void VXGfxDeviceTextureFree(unsigned name);
void VXGfxDeviceTextureFilter(unsigned name, bool linear);
// A mesh's three buffers: positions, colours, texture coordinates.
void VXGfxDeviceBuffersMake(unsigned* names, const float* const* arrays, const size_t* bytes);
void VXGfxDeviceBuffersFree(unsigned* names);

// ---- Errors ----
// Drains GL's error queue: prints every error and halts when there was one.
// While draws wait, the check is also the one that reports what they raise
// once sent, as it would have been had they been sent at once.
void VXGfxDeviceCheck(int line, const char* func);
#define VX_CHECK_GL(func) VXGfxDeviceCheck(__LINE__, func)
