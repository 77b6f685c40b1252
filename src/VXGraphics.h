// Vexor Engine: OpenGL 2.0 renderer: render state, meshes, textures and text.
// World units are logical pixels; the camera is the centre of the view, y up.
#pragma once
#include <cstdint>

#include "VXMath.h"

extern int gVXWindowWidth, gVXWindowHeight;  // logical view size
extern float gVXCamPosX, gVXCamPosY;
extern float gVXWinMinX, gVXWinMaxX, gVXWinMinY, gVXWinMaxY;  // visible world rectangle

// Render modes: which shader program draws.
#define VX_RENDER_NONE 0
#define VX_RENDER_COLOR 1
#define VX_RENDER_TEXTURE 2
// Blend modes.
#define VX_BLEND_NONE 0
#define VX_BLEND_ALPHA 1
#define VX_BLEND_ADDITIVE 2
// Mesh draw modes.
#define VX_DRAW_POINTS 0
#define VX_DRAW_LINES 1
#define VX_DRAW_LINE_STRIP 2
#define VX_DRAW_TRIANGLES 3
// Texture filtering.
#define VX_TEXTURE_NEAREST 0
#define VX_TEXTURE_LINEAR 1

// A mesh: three GL buffers (positions, colours, texture coordinates).
struct VXGfxVertexList {
  uint32_t* pBuffers;  // three buffer names
  uint32_t vertexCount;
  struct VXGfxMeshShape* pShape;  // the renderer's own notes; null on a list it did not build
};

// A texture: its GL name and the file it came from.
struct VXGfxTexture {
  uint32_t* pName;                   // cell holding the GL texture name
  char name[256];                    // file name as given; empty when made from memory
  int width, height;                 // of the picture; 0 when it could not be loaded
  struct VXGfxPictureNotes* pNotes;  // the renderer's own notes; null on a handle it did not make
};

// ---- Start-up, frame, shut-down ----
int VXGfxInit(int width, int height);
void VXGfxReset(void);
void VXGfxExit(void);
// Clears the colour buffer and sets the unscaled viewport. The window has no
// depth or stencil buffer: depth testing is never on, and a software renderer
// shades slower with them attached.
void VXGfxStart(void);
// Sends every draw still held back, checks for GL errors, leaves no program
// in use, waits for GL and swaps. A frame whose clears, draws, lines and
// prints repeat the last presented frame's one for one, with the same render
// state, while no mesh, texture or font was made, freed or refiltered, is
// neither drawn nor swapped: the window goes on showing the same pixels
// (an idle menu costs next to nothing). The first frames of a window, the
// frame after it was shown, exposed or resized, and a frame read back
// (VXGfxReadPixels) and the next are always drawn and swapped.
void VXGfxEnd(void);
int VXGetWindowWidth(void);
int VXGetWindowHeight(void);

// ---- Render state ----
void VXGfxSetBackgroundColor(float r, float g, float b);
void VXGfxSetRenderMode(int mode);
void VXGfxSetBlendMode(int mode);
void VXGfxSetTransparency(float alpha);
void VXGfxSetBlendColor(float r, float g, float b, float a);
void VXGfxSetTintColor(float r, float g, float b, float a);
void VXGfxSetPosition(float x, float y);      // world matrix = translation
void VXGfxSetTransform(const VXMtx33* pMtx);  // world matrix from a 2D affine matrix
void VXGfxSetTransform3D(const float* pMtx);  // 16 floats row by row
float VXGfxGetWinMinX(void);
float VXGfxGetWinMaxX(void);
float VXGfxGetWinMinY(void);
float VXGfxGetWinMaxY(void);
void VXGfxSetCamPosition(float x, float y);  // takes effect at the next program switch
void VXGfxGetCamPosition(float* pX, float* pY);

// ---- Meshes and primitives ----
void VXGfxMeshStart(void);
void VXGfxTriAdd(float x0, float y0, uint32_t c0, float u0, float v0, float x1, float y1, uint32_t c1, float u1,
                 float v1, float x2, float y2, uint32_t c2, float u2, float v2);
void VXGfxVertexAdd(float x, float y, uint32_t c, float u, float v);
VXGfxVertexList* VXGfxMeshEnd(void);
// Draws with the render state as it stands. A draw may be held back while
// the frame repeats the last presented one (VXGfxEnd), and a textured draw
// until something needs the frame (a print, a capture, the frame's end), and
// then be left out where later opaque draws cover it or drawn with others;
// the frame shows the same pixels. A GL error it raises is reported by the
// first error check that followed the draw, as if it had been drawn at once
// (a draw held back as a repeat is one that was drawn without an error).
void VXGfxMeshDraw(VXGfxVertexList* pMesh, uint32_t mode);
void VXGfxMeshFree(VXGfxVertexList* pMesh);
void VXGfxTriListInitialize(VXGfxVertexList* pMesh);
void VXGfxLine(float x0, float y0, float z0, float r0, float g0, float b0, float a0, float x1, float y1, float z1,
               float r1, float g1, float b1, float a1);
void VXGfxAxis(float size);
uint32_t VXGfxColInterp(uint32_t c0, uint32_t c1, float t);  // c0 below t = 1, c1 from it
void VXGfxCone(void);
// Staging-only primitives: they fill staging slots from 0 and draw nothing.
void VXGfxPoint(float x, float y, float z, uint32_t c);
void VXGfxTri(float x0, float y0, float z0, uint32_t c0, float x1, float y1, float z1, uint32_t c1, float x2, float y2,
              float z2, uint32_t c2);
void VXGfxQuad(float x0, float y0, float z0, uint32_t c0, float x1, float y1, float z1, uint32_t c1, float x2, float y2,
               float z2, uint32_t c2, float x3, float y3, float z3, uint32_t c3);
void VXGfxBox(float x, float y, float z, float sizeX, float sizeY, float sizeZ, uint32_t c0, uint32_t c1);
void VXGfxSphere(float x, float y, float z, float radius, uint32_t c0, uint32_t c1, int slices);

// ---- Textures ----
VXGfxTexture* VXGfxTextureLoad(const char* pFileName);  // null for names over 255 characters
// Files to decode ahead on worker threads: VXGfxTextureLoad takes each one
// from there when it is asked for next, in the order queued. The end waits
// for the workers and drops what was not taken.
void VXGfxTexturePrefetch(const char* pFileName);
void VXGfxTexturePrefetchEnd(void);
VXGfxTexture* VXGfxTextureLoadFromMemory(const unsigned char* pPixels, int width, int height);  // RGBA, top row first
void VXGfxTextureUnload(VXGfxTexture* pTex);
void VXGfxTextureSet(VXGfxTexture* pTex, float offsetU, float offsetV);
// Filtering of the texture VXGfxTextureSet bound last (none since a load: nothing changes).
void VXGfxSetTextureMode(int mode);
void VXGfxSaveTextureToFile(VXGfxTexture* pTex, const char* pFileName);
void VXGfxTextureInitialize(VXGfxTexture* pTex);
// 1 when the file existed, decoded and fits the largest texture GL takes (the
// loader still returns a handle when not, holding one clear texel).
int VXGfxTextureIsValid(const VXGfxTexture* pTex);

// ---- Text ----
// A system typeface by name at a pixel height; returns a font identifier.
int VXGfxCreateFont(const char* pFaceName, int size, bool bold, bool italic);
void VXGfxDestroyFont(int font);
// Left end of the baseline at world (x, y); colour components are 0..1 (larger values saturate).
void VXGfxPrint(int font, const char* pText, int x, int y, float r, float g, float b);

// ---- Frame capture (tests, screenshots) ----
// Reads the back buffer of the current frame as RGBA, top row first; width x
// height x 4 bytes. The frame so far is drawn first, and swapped at its end.
int VXGfxReadPixels(unsigned char* pOut, int width, int height);
int VXGfxSaveFramePNG(const char* pFileName);
