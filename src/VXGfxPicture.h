// Vexor Engine: image files decoded into pixels GL takes as they are, the
// renderer's notes on them, and decoding ahead on worker threads.
#pragma once
#include <GL/glew.h>

#include "VXGfxPages.h"
#include "VXGraphics.h"

struct SDL_Surface;

// The renderer's notes on a picture, from its pixels.
struct VXGfxPictureNotes {
  int opaque;        // every texel fully opaque
  int linear;        // drawn with linear filtering
  int regions;       // how many rectangles below hold every texel that is not fully transparent
  int region[4][4];  // texel x0, y0, x1, y1 (ends excluded), row 0 at the top
};

// Decoded pixels ready for glTexImage2D, or no surface when the file could
// not be opened or decoded.
struct VXGfxPicture {
  SDL_Surface* surface;
  VXGfxPages pages;  // the surface's pixels when they are not its own
  GLenum format;     // GL_RGBA, GL_BGRA, GL_RGB or GL_BGR
  int alignment;     // GL_UNPACK_ALIGNMENT for the rows
  int rowLength;     // GL_UNPACK_ROW_LENGTH, 0 when the rows are as long as the image
  VXGfxPictureNotes notes;
};

// Decodes a file on this thread (safe on any thread).
VXGfxPicture VXGfxPictureDecode(const char* pFileName);
void VXGfxPictureFree(VXGfxPicture* pPicture);
// Notes from RGBA or BGRA pixels (alpha in byte 3 of each texel).
void VXGfxPictureNote(const unsigned char* pPixels, int width, int height, int pitch, VXGfxPictureNotes* pNotes);

// The next file decoded ahead when it is the one asked for: waits for its
// worker and hands the picture over. False when it is not queued.
bool VXGfxPictureTakeAhead(const char* pFileName, VXGfxPicture* pOut);
