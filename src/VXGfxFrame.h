// Vexor Engine: the frame's record. The device notes every draw here, with
// the render state it reads, before it sends it. While the frame so far
// repeats the last presented frame draw for draw, nothing is sent; a frame
// that repeats it whole is neither drawn nor presented, and the window goes
// on showing the same pixels. At the first draw that differs, what waited is
// sent first, in order. Internal to graphics.
#pragma once

struct VXGfxVertexList;

// How the device sends a command that waited; the render state it was noted
// with is in force meanwhile.
struct VXGfxReplay {
  void (*clear)(void);
  void (*draw)(const VXGfxVertexList* mesh, int mode);
  void (*line)(const float* positions, const float* colors);
  void (*text)(unsigned atlas, const float* vertices, int count, const float* rgba);
};

// A new context: nothing is presented yet, and the first frames are drawn.
void VXGfxFrameStart(const VXGfxReplay& replay);
void VXGfxFrameDrop(void);  // the context went away: what waits goes with it

// Each notes a command of the frame. True while it may wait (the frame so
// far repeats the last presented one); false once what waited has been sent:
// the caller then sends this one.
bool VXGfxFrameClear(void);
bool VXGfxFrameDraw(const VXGfxVertexList* mesh, int mode);
bool VXGfxFrameLine(const float* positions, const float* colors);
bool VXGfxFrameText(unsigned atlas, const float* vertices, int count, const float* rgba);

// Something needs this frame's pixels (a read-back), or GL objects that its
// commands may name are about to change: what waits is sent, and this frame
// and the next are drawn and presented.
void VXGfxFrameBreak(void);
// The window may have lost what it showed (shown, exposed, resized): the
// next frame is drawn and presented.
void VXGfxFrameRedraw(void);
// Whether nothing of this frame has been sent yet, as it repeats the last
// presented one so far: GL need not follow the render state meanwhile.
bool VXGfxFrameHolding(void);
// The frame's end: true when it repeated the last presented frame whole,
// and there is nothing to send or present; otherwise what waited is sent.
bool VXGfxFrameRepeats(void);
