// Vexor Engine: textures from image files (PNG, JPEG) or memory, top row
// first, nearest filtering; binding with a scrolling offset.
#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

#include "VXGfxInternal.h"
#include "VXGfxPicture.h"
#include "VXGfxQueue.h"
#include "VXGraphics.h"

static const size_t kNameLimit = 255;
VXGfxTexture* gVXCurrentTexture = nullptr;
// What the game bound last; GL gets it when a draw needs it (held-back draws
// bind their own).
static GLuint sWanted = 0;

static VXGfxTexture* NewHandle() {
  VXGfxTexture* tex = new (std::nothrow) VXGfxTexture{};
  if (!tex) return nullptr;
  tex->pName = new (std::nothrow) uint32_t(0);
  if (!tex->pName) {
    delete tex;
    return nullptr;
  }
  return tex;
}

static void Upload(VXGfxTexture* tex, const void* pixels, GLenum format, int alignment, int rowLength) {
  if (!gVXGfxLive) return;
  VXGfxFlush();
  glGenTextures(1, tex->pName);
  glBindTexture(GL_TEXTURE_2D, *tex->pName);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength);
  const int w = tex->width > 0 ? tex->width : 1, h = tex->height > 0 ? tex->height : 1;
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, format, GL_UNSIGNED_BYTE, pixels);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glBindTexture(GL_TEXTURE_2D, 0);
  gVXBoundTexture = sWanted = 0;
  gVXCurrentTexture = nullptr;
}

// What a file that cannot be decoded gets: one transparent texel, size 0 x 0
// on the handle so that VXGfxTextureIsValid can tell.
static void UploadPlaceholder(VXGfxTexture* tex) {
  static const unsigned char kClear[4] = {0, 0, 0, 0};
  tex->width = tex->height = 0;
  tex->notes = VXGfxPictureNotes{};
  tex->notes.known = 1;
  Upload(tex, kClear, GL_RGBA, 1, 0);
}

// Whether GL takes a texture of this size (headless: any size).
static bool FitsGL(int width, int height) {
  if (!gVXGfxLive) return true;
  GLint limit = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
  return width <= limit && height <= limit;
}

VXGfxTexture* VXGfxTextureLoad(const char* pFileName) {
  if (!pFileName || strnlen(pFileName, kNameLimit + 1) > kNameLimit) return nullptr;
  VXGfxTexture* tex = NewHandle();
  if (!tex) return nullptr;
  memcpy(tex->name, pFileName, strlen(pFileName) + 1);

  VXGfxPicture picture = {};
  if (!VXGfxPictureTakeAhead(pFileName, &picture)) picture = VXGfxPictureDecode(pFileName);
  // A picture GL cannot hold fails as one that does not decode.
  if (picture.surface && !FitsGL(picture.surface->w, picture.surface->h)) VXGfxPictureFree(&picture);
  if (!picture.surface) {
    UploadPlaceholder(tex);
    return tex;  // loading of the following resources goes on
  }
  SDL_Surface* s = picture.surface;
  tex->width = s->w;
  tex->height = s->h;
  tex->notes = picture.notes;
  SDL_LockSurface(s);
  Upload(tex, s->pixels, picture.format, picture.alignment, picture.rowLength);
  SDL_UnlockSurface(s);
  VXGfxPictureFree(&picture);
  return tex;
}

VXGfxTexture* VXGfxTextureLoadFromMemory(const unsigned char* pPixels, int width, int height) {
  VXGfxTexture* tex = NewHandle();
  if (!tex) return nullptr;
  if (!pPixels || width <= 0 || height <= 0 || !FitsGL(width, height)) {
    UploadPlaceholder(tex);
    return tex;
  }
  tex->width = width;
  tex->height = height;
  VXGfxPictureNote(pPixels, width, height, width * 4, &tex->notes);
  Upload(tex, pPixels, GL_RGBA, 1, 0);
  return tex;
}

void VXGfxTextureUnload(VXGfxTexture* pTex) {
  if (!pTex) return;
  VXGfxFlush();
  if (gVXCurrentTexture == pTex) gVXCurrentTexture = nullptr;
  if (pTex->pName) {
    if (gVXGfxLive && *pTex->pName) {
      if (gVXBoundTexture == *pTex->pName) gVXBoundTexture = 0;
      if (sWanted == *pTex->pName) sWanted = 0;
      glDeleteTextures(1, pTex->pName);
    }
    delete pTex->pName;
  }
  delete pTex;
}

// Brings an offset above 1 into (0, 1] as repeated subtraction of 1 would,
// without spinning on huge values; 1 itself and negatives stay as they are.
static float ReduceOffset(float offset) {
  if (!(offset > 1.0f)) return offset;
  if (std::isinf(offset)) return 1.0f;
  float r = std::fmod(offset, 1.0f);
  return r == 0.0f ? 1.0f : r;
}

static void Bind(GLuint name) {
  // The fast path leaves out a bind that changes nothing.
  if (name == gVXBoundTexture && !VXGfxReferencePath()) return;
  glBindTexture(GL_TEXTURE_2D, name);
  gVXBoundTexture = name;
  ++gVXGfxCounters.textureBinds;
}

GLuint VXGfxTextureWanted(void) {
  return sWanted;
}

void VXGfxTextureBindWanted(void) {
  Bind(sWanted);
}

void VXGfxTextureSet(VXGfxTexture* pTex, float offsetU, float offsetV) {
  if (!gVXGfxLive) return;
  const bool none = !pTex || !pTex->pName;
  sWanted = none ? 0 : *pTex->pName;
  gVXCurrentTexture = none ? nullptr : pTex;
  // While draws wait, GL gets the texture when the next one needs it.
  if (!VXGfxQueueBusy() || VXGfxReferencePath()) Bind(sWanted);
  if (none) return;
  const float unit = 0.0f;  // unit 0 is the only one ever active
  VXGfxUniformSet(VX_U_SAMPLER, &unit);
  VX_CHECK_GL("VXGfxTextureSet");
  const float offset[2] = {ReduceOffset(offsetU), ReduceOffset(offsetV)};
  VXGfxUniformSet(VX_U_OFFSET, offset);
  VX_CHECK_GL("VXGfxTextureSet");
}

void VXGfxSetTextureMode(int mode) {
  if (mode != VX_TEXTURE_NEAREST && mode != VX_TEXTURE_LINEAR) {
    printf("Unsupported texture mode!\n");
    return;
  }
  if (!gVXGfxLive) return;
  VXGfxFlush();
  GLint filter = mode == VX_TEXTURE_NEAREST ? GL_NEAREST : GL_LINEAR;
  // Linear filtering reaches neighbouring texels, across the edges too.
  if (gVXCurrentTexture && *gVXCurrentTexture->pName == gVXBoundTexture)
    gVXCurrentTexture->notes.linear = mode == VX_TEXTURE_LINEAR;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
}

void VXGfxSaveTextureToFile(VXGfxTexture* pTex, const char* pFileName) {
  if (pTex && pFileName) printf("VXGfxSaveTextureToFile not supported in the OpenGL version of the Vexor Engine!\n");
}

void VXGfxTextureInitialize(VXGfxTexture* pTex) {
  if (pTex) pTex->pName = new (std::nothrow) uint32_t(0);
}

int VXGfxTextureIsValid(const VXGfxTexture* pTex) {
  return pTex && pTex->width > 0 && pTex->height > 0 ? 1 : 0;
}
