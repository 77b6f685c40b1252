// Vexor Engine: textures decoded by SDL_image (PNG, JPEG) and uploaded as
// RGBA, top row first, nearest filtering; binding with a scrolling offset.
#include <SDL.h>
#include <SDL_image.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

#include "VXGfxInternal.h"
#include "VXGraphics.h"

static const size_t kNameLimit = 255;

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

// rowLength is in pixels; SDL surfaces may pad their rows.
static void Upload(VXGfxTexture* tex, const void* pixels, int width, int height, int rowLength) {
  if (!gVXGfxLive) return;
  glGenTextures(1, tex->pName);
  glBindTexture(GL_TEXTURE_2D, *tex->pName);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glBindTexture(GL_TEXTURE_2D, 0);
  gVXBoundTexture = 0;
}

// What a file that cannot be decoded gets: one transparent texel, size 0 x 0
// on the handle so that VXGfxTextureIsValid can tell.
static void UploadPlaceholder(VXGfxTexture* tex) {
  static const unsigned char kClear[4] = {0, 0, 0, 0};
  tex->width = tex->height = 0;
  Upload(tex, kClear, 1, 1, 1);
}

VXGfxTexture* VXGfxTextureLoad(const char* pFileName) {
  if (!pFileName || strnlen(pFileName, kNameLimit + 1) > kNameLimit) return nullptr;
  VXGfxTexture* tex = NewHandle();
  if (!tex) return nullptr;
  memcpy(tex->name, pFileName, strlen(pFileName) + 1);

  SDL_Surface* decoded = IMG_Load(pFileName);
  SDL_Surface* rgba = decoded ? SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_RGBA32, 0) : nullptr;
  if (decoded) SDL_FreeSurface(decoded);
  if (!rgba) {
    UploadPlaceholder(tex);
    return tex;  // loading of the following resources goes on
  }
  tex->width = rgba->w;
  tex->height = rgba->h;
  if (SDL_LockSurface(rgba) == 0) {
    Upload(tex, rgba->pixels, rgba->w, rgba->h, rgba->pitch / 4);
    SDL_UnlockSurface(rgba);
  }
  SDL_FreeSurface(rgba);
  return tex;
}

VXGfxTexture* VXGfxTextureLoadFromMemory(const unsigned char* pPixels, int width, int height) {
  VXGfxTexture* tex = NewHandle();
  if (!tex) return nullptr;
  if (!pPixels || width <= 0 || height <= 0) {
    UploadPlaceholder(tex);
    return tex;
  }
  tex->width = width;
  tex->height = height;
  Upload(tex, pPixels, width, height, width);
  return tex;
}

void VXGfxTextureUnload(VXGfxTexture* pTex) {
  if (!pTex) return;
  if (pTex->pName) {
    if (gVXGfxLive && *pTex->pName) {
      if (gVXBoundTexture == *pTex->pName) gVXBoundTexture = 0;
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

void VXGfxTextureSet(VXGfxTexture* pTex, float offsetU, float offsetV) {
  if (!gVXGfxLive) return;
  if (!pTex || !pTex->pName) {
    glBindTexture(GL_TEXTURE_2D, 0);
    gVXBoundTexture = 0;
    return;
  }
  GLint sampler = VXGfxUniform("uTexture");
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, *pTex->pName);
  gVXBoundTexture = *pTex->pName;
  if (gVXCurrentProgram != 0) glUniform1i(sampler, 0);
  VX_CHECK_GL("VXGfxTextureSet");
  if (gVXCurrentProgram != 0) glUniform2f(VXGfxUniform("uTextureOffset"), ReduceOffset(offsetU), ReduceOffset(offsetV));
  VX_CHECK_GL("VXGfxTextureSet");
}

void VXGfxSetTextureMode(int mode) {
  if (mode != VX_TEXTURE_NEAREST && mode != VX_TEXTURE_LINEAR) {
    printf("Unsupported texture mode!\n");
    return;
  }
  if (!gVXGfxLive) return;
  GLint filter = mode == VX_TEXTURE_NEAREST ? GL_NEAREST : GL_LINEAR;
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
