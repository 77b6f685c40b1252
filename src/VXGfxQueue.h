// Vexor Engine: texture draws held back until something needs the frame, so
// that what later opaque draws cover is never shaded. Internal to graphics.
#pragma once
#include <GL/glew.h>

struct VXGfxVertexList;

// Whole window pixels in GL's coordinates (origin bottom left).
struct VXGfxPixelRect {
  int x, y, w, h;
};

// A draw as it was asked for: its program, uniforms, picture and blending,
// and where it lands on the window.
struct VXGfxPending {
  const VXGfxVertexList* mesh;
  GLenum primitive;
  int program;
  GLuint texture;
  int blend;  // what GL blends with for it
  float world[16], tint[4], transparency[1], blendColor[4], offset[2];
  bool placed;           // box and area below hold
  double area;           // window pixels under the mesh's bounds
  bool covers;           // writes every pixel of inner, whatever was there
  VXGfxPixelRect box;    // every pixel it may touch
  VXGfxPixelRect inner;  // pixels it surely writes (when covers)
  int parts;             // scissor rectangles to draw through; 0: none
  VXGfxPixelRect part[8];
};

// A free entry at the end of the queue (sending the queue first when full);
// VXGfxQueueAdd makes it part of the queue.
VXGfxPending* VXGfxQueueSlot(void);
void VXGfxQueueAdd(void);
// Makes room for the window's pixels when the viewport changes size.
void VXGfxQueueFit(int width, int height);
// True while draws wait.
bool VXGfxQueueBusy(void);
// Sends one draw as it is, through its scissor rectangles if any.
void VXGfxSubmit(const VXGfxVertexList* mesh, GLenum primitive);
