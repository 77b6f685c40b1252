// Vexor Engine: textures from image files (PNG, JPEG) or memory, top row
// first, nearest filtering; binding with a scrolling offset.
#include <GL/glew.h>
#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

#include "VXGfxDevice.h"
#include "VXGfxInternal.h"
#include "VXGfxPicture.h"
#include "VXGfxState.h"
#include "VXGraphics.h"

static const size_t kNameLimit = 255;

static VXGfxTexture* NewHandle() {
  VXGfxTexture* tex = new (std::nothrow) VXGfxTexture{};
  if (!tex) return nullptr;
  tex->pName = new (std::nothrow) uint32_t(0);
  tex->pNotes = new (std::nothrow) VXGfxPictureNotes{};
  if (!tex->pName || !tex->pNotes) {
    delete tex->pName;
    delete tex->pNotes;
    delete tex;
    return nullptr;
  }
  return tex;
}

// Loading leaves no texture bound.
static void Upload(VXGfxTexture* tex, const void* pixels, GLenum format, int alignment, int rowLength) {
  if (!gVXGfxLive) return;
  const int w = tex->width > 0 ? tex->width : 1, h = tex->height > 0 ? tex->height : 1;
  *tex->pName = VXGfxDeviceTextureMake(w, h, format, alignment, rowLength, pixels, false);
  VXGfxStateSetTexture(nullptr);
}

// What a file that cannot be decoded gets: one transparent texel, size 0 x 0
// on the handle so that VXGfxTextureIsValid can tell.
static void UploadPlaceholder(VXGfxTexture* tex) {
  static const unsigned char kClear[4] = {0, 0, 0, 0};
  tex->width = tex->height = 0;
  *tex->pNotes = VXGfxPictureNotes{};
  Upload(tex, kClear, GL_RGBA, 1, 0);
}

// Whether GL takes a texture of this size (headless: any size).
static bool FitsGL(int width, int height) {
  if (!gVXGfxLive) return true;
  const int limit = VXGfxDeviceTextureLimit();
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
  *tex->pNotes = picture.notes;
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
  VXGfxPictureNote(pPixels, width, height, width * 4, tex->pNotes);
  Upload(tex, pPixels, GL_RGBA, 1, 0);
  return tex;
}

void VXGfxTextureUnload(VXGfxTexture* pTex) {
  if (!pTex) return;
  if (VXGfxState().texture == pTex) VXGfxStateSetTexture(nullptr);
  if (pTex->pName) {
    if (gVXGfxLive) VXGfxDeviceTextureFree(*pTex->pName);
    delete pTex->pName;
  }
  delete pTex->pNotes;
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

void VXGfxTextureSet(VXGfxTexture* pTex, float offsetU, float offsetV) {
  if (!gVXGfxLive) return;
  const bool none = !pTex || !pTex->pName;
  VXGfxStateSetTexture(none ? nullptr : pTex);
  if (none) return;
  const float unit = 0.0f;  // unit 0 is the only one ever active
  VXGfxStateSetUniform(VX_U_SAMPLER, &unit);
  VX_CHECK_GL("VXGfxTextureSet");
  const float offset[2] = {ReduceOffset(offsetU), ReduceOffset(offsetV)};
  VXGfxStateSetUniform(VX_U_OFFSET, offset);
  VX_CHECK_GL("VXGfxTextureSet");
}

void VXGfxSetTextureMode(int mode) {
  if (mode != VX_TEXTURE_NEAREST && mode != VX_TEXTURE_LINEAR) {
    printf("Unsupported texture mode!\n");
    return;
  }
  VXGfxTexture* tex = VXGfxState().texture;
  if (!gVXGfxLive || !tex || !tex->pName || *tex->pName == 0) return;
  // Linear filtering reaches neighbouring texels, across the edges too.
  if (tex->pNotes) tex->pNotes->linear = mode == VX_TEXTURE_LINEAR;
  VXGfxDeviceTextureFilter(*tex->pName, mode == VX_TEXTURE_LINEAR);
}

void VXGfxSaveTextureToFile(VXGfxTexture* pTex, const char* pFileName) {
  if (pTex && pFileName) printf("VXGfxSaveTextureToFile not supported in the OpenGL version of the Vexor Engine!\n");
}

void VXGfxTextureInitialize(VXGfxTexture* pTex) {
  if (!pTex) return;
  pTex->pName = new (std::nothrow) uint32_t(0);
  pTex->pNotes = nullptr;
}

int VXGfxTextureIsValid(const VXGfxTexture* pTex) {
  return pTex && pTex->width > 0 && pTex->height > 0 ? 1 : 0;
}
