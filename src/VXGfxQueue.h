// Vexor Engine: texture draws held back until something needs the frame, so
// that what later opaque draws cover is never shaded and like draws go to GL
// together. The queue takes a draw with everything it needs from the render
// state; the device sends what it hands over. Internal to graphics.
#pragma once

struct VXGfxVertexList;
struct VXGfxTexture;

// Whole window pixels in GL's coordinates (origin bottom left).
struct VXGfxPixelRect {
  int x, y, w, h;
};

// What the fast path notes on a mesh when it is built.
enum { VX_SHAPE_UNKNOWN = 0, VX_SHAPE_BOUNDED = 1, VX_SHAPE_PICTURE_QUAD = 2 };
struct VXGfxMeshShape {
  int kind;              // VX_SHAPE_*
  float bounds[6];       // min x, y, z, then max x, y, z
  int batchVertices;     // whole triangles of a small mesh, kept below to draw with others; 0 when not
  float vertices[6][5];  // x, y, z, u, v
};

// A projection and view that held-back draws were asked with.
struct VXGfxCamera {
  float projection[16], view[16];
  int viewport[4];
  double product[16];  // projection x view
};

// A draw as it was asked for: its program, uniforms, picture and blending,
// and where it lands on the window.
struct VXGfxHeld {
  const VXGfxVertexList* mesh;
  int drawMode;      // VX_DRAW_*
  int program;       // VX_PROGRAM_TEXTURE or VX_PROGRAM_BATCH
  unsigned texture;  // GL name
  int blend;         // what GL blends with for it
  const VXGfxCamera* camera;
  // The first error check after it, which reports what it raises (no function while there is none).
  int checkLine;
  const char* checkFunc;
  float world[16], tint[4], transparency[1], blendColor[4], offset[2];
  bool placed;           // box and area below hold
  bool inside;           // wholly inside the viewport: the renderer clips none of it
  double area;           // window pixels under the mesh's bounds
  bool covers;           // writes every pixel of inner, whatever was there
  VXGfxPixelRect box;    // every pixel it may touch
  VXGfxPixelRect inner;  // pixels it surely writes (when covers)
  int parts;             // scissor rectangles to draw through; 0: none
  VXGfxPixelRect part[8];
};

// Takes a texture draw with the render state as it stands (or drops it when
// it cannot change a pixel). False when the queue is full: the device sends
// it and asks again.
bool VXGfxQueueHold(const VXGfxVertexList* mesh, int drawMode);
bool VXGfxQueueBusy(void);
// For VXGfxQueueHold: a free entry at the end of the queue with its camera,
// or null when full; VXGfxQueueAdd makes it part of the queue.
VXGfxHeld* VXGfxQueueSlot(const float* projection, const float* view, const int* viewport);
void VXGfxQueueAdd(void);
// An error check while draws wait: it is the one that reports their errors.
void VXGfxQueueNoteCheck(int line, const char* func);

// How the device sends what the queue hands it. The reporter is the draw
// whose error check reports what the send raises.
struct VXGfxSender {
  // One draw as it is, through a scissor rectangle when one is given.
  void (*one)(const VXGfxHeld& draw, const VXGfxPixelRect* scissor);
  // Small draws of one picture and state from one vertex buffer: each vertex
  // x, y, z, u, v, then its draw's world matrix (16), tint (4) and
  // transparency. One draw call for them all, or one per draw of `each`
  // vertices when they reach past the viewport (first.inside false).
  void (*batch)(const VXGfxHeld& first, const float* vertices, int count, int each, const VXGfxPixelRect* scissor,
                const VXGfxHeld& reporter);
};
enum { VX_BATCH_FLOATS = 26 };
// Sends every draw held back, in order, leaving out what is covered; the queue is empty after.
void VXGfxQueueSend(const VXGfxSender& sender);
void VXGfxQueueDrop(void);  // the context went away
// Makes room for the window's pixels when the viewport changes size.
void VXGfxQueueFit(int width, int height);
