// Vexor Engine: GL start-up, render state (modes, colours, camera and
// matrices), the frame's clear and present, and frame capture.
#include "VXGraphics.h"

#include <GL/glew.h>
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstring>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#include <link.h>

#include <string>
#endif

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "Matrix4.h"
#include "VXGfxDevice.h"
#include "VXGfxInternal.h"
#include "VXGfxShader.h"
#include "VXGfxState.h"
#include "VXGfxText.h"
#include "VXSystem.h"

int gVXWindowWidth = 0, gVXWindowHeight = 0;
float gVXCamPosX = 0.0f, gVXCamPosY = 0.0f;
float gVXWinMinX = 0.0f, gVXWinMaxX = 0.0f, gVXWinMinY = 0.0f, gVXWinMaxY = 0.0f;
int gVXCurrentProgram = 0;

bool gVXGfxLive = false;
VXGfxCounters gVXGfxCounters = {};

static SDL_GLContext sContext = nullptr;
static bool sReference = false;
// The name every error report carries, as the engine always has.
static const char* const kSourceFile = "..\\..\\src\\VXGraphics";

[[noreturn]] static void HaltWithMessage(int line, const char* message) {
  printf("HALT:\nLine: %d\nFunc: %s\nFile: %s\n", line, "VXGfxInit", kSourceFile);
  printf("%s\n", message);
  VXHalt();
}

// ---- Paths ----
void VXGfxUseReferencePath(bool on) {
  sReference = on;
}

bool VXGfxReferencePath(void) {
  return sReference;
}

// ---- Matrices ----
void VXGfxBuildView(float sx, float sy, float* rowMajorOut) {
  Point4 eye(gVXCamPosX, gVXCamPosY, 60.0f, 1.0f);
  Point4 target(gVXCamPosX, gVXCamPosY, 0.0f, 1.0f);
  Vector4 forward = eye - target;
  Vector4 up(0.0f, 1.0f, 0.0f, 0.0f);
  forward.Normalize();
  up.Normalize();
  Vector4 side = up.Cross(forward);
  side.Normalize();
  // The given up is not re-orthogonalised against forward.
  Matrix4 rotation(side.x, side.y, side.z, 0.0f, up.x, up.y, up.z, 0.0f, forward.x, forward.y, forward.z, 0.0f, 0.0f,
                   0.0f, 0.0f, 1.0f);
  Matrix4 translation;
  translation.Identity();
  translation.m[3] = -eye.x;
  translation.m[7] = -eye.y;
  translation.m[11] = -eye.z;
  Matrix4 view = rotation * translation;
  for (int c = 0; c < 4; ++c) {
    view.m[c] *= sx;
    view.m[4 + c] *= sy;
  }
  memcpy(rowMajorOut, view.m, sizeof(view.m));
}

static void SetProjectionAndViewMatrices() {
  int w = static_cast<int>(static_cast<float>(gVXWindowWidth) * gVXScreenScaleX);
  int h = static_cast<int>(static_cast<float>(gVXWindowHeight) * gVXScreenScaleY);
  // Orthographic, near 1 and far 1000, centred: the view matrix does the offset.
  float projection[16] = {};
  projection[0] = 2.0f / static_cast<float>(w);
  projection[5] = 2.0f / static_cast<float>(h);
  projection[10] = -0.002002002f;
  projection[11] = -1.002002f;
  projection[15] = 1.0f;
  VXGfxStateSetMatrix(VX_U_PROJECTION, projection);
  VXGfxStateSetViewport(0, 0, w, h);
  VX_CHECK_GL("SetProjectionAndViewMatrices");
  float view[16];
  VXGfxBuildView(gVXScreenScaleX, gVXScreenScaleY, view);
  VXGfxStateSetMatrix(VX_U_VIEW, view);
  VX_CHECK_GL("SetProjectionAndViewMatrices");
}

// ---- Start-up, frame, shut-down ----
#if defined(__SANITIZE_ADDRESS__)
// Sanitizer builds only: keep the GL driver mapped until exit. The display
// connection unloads it before the leak check runs, and its leaks would then
// show up from an unknown module that no suppression can name.
static int CollectDriver(struct dl_phdr_info* info, size_t, void* names) {
  if (info->dlpi_name && strstr(info->dlpi_name, "_dri.so"))
    static_cast<std::vector<std::string>*>(names)->push_back(info->dlpi_name);
  return 0;
}

static void PinDriver() {
  std::vector<std::string> names;
  dl_iterate_phdr(CollectDriver, &names);
  for (const std::string& name : names) dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}
#else
static void PinDriver() {}
#endif

// A software GL driver takes and releases blocks of megabytes every frame
// (scene bins, vertex and constant uploads). Left to itself the allocator
// maps each one afresh, or hands it back to the kernel, and faults it in
// again the next frame; keep them in the heap. Not before the first frame is
// over: the game loads its pictures in it, and what loading left free goes
// back to the kernel first.
static void KeepDriverMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
  mallopt(M_MMAP_THRESHOLD, 8 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 8 * 1024 * 1024);
#endif
}

static void ResetCamera(int width, int height) {
  gVXWindowWidth = width;
  gVXWindowHeight = height;
  VXGfxSetCamPosition(0.0f, 0.0f);
}

void VXGfxInitHeadless(int width, int height) {
  gVXGfxLive = false;
  VXGfxStateReset();
  ResetCamera(width, height);
}

int VXGfxInit(int width, int height) {
  gVXWindowWidth = width;
  gVXWindowHeight = height;
  printf("Graphics: OpenGL\n");
  fflush(stdout);
  SDL_Window* window = static_cast<SDL_Window*>(VXSysGetWindowHandle());
  if (!window) return 0;
  sContext = SDL_GL_CreateContext(window);
  if (!sContext) {
    printf("SDL GL context: %s\n", SDL_GetError());
    return 0;
  }
  if (SDL_GL_MakeCurrent(window, sContext) != 0) printf("SDL GL make current: %s\n", SDL_GetError());
  SDL_GL_SetSwapInterval(0);  // the frame rate controller paces the frames

  GLenum glew = glewInit();
  if (glew != GLEW_OK) {
    // Seen rarely under a virtual display with two programs starting at once:
    // make the context current again and give the loader one more try.
    SDL_GL_MakeCurrent(window, sContext);
    glew = glewInit();
  }
#ifdef GLEW_ERROR_NO_GLX_DISPLAY
  // The GL entry points are loaded before GLEW looks for the GLX display; the
  // game uses no GLX extension, so a context the loader cannot pin to a GLX
  // display (seen now and then under a virtual display) still serves.
  if (glew == GLEW_ERROR_NO_GLX_DISPLAY && glCreateProgram && glUseProgram) glew = GLEW_OK;
#endif
  if (glew != GLEW_OK) {
    printf("GLEW: %s\n", reinterpret_cast<const char*>(glewGetErrorString(glew)));
    HaltWithMessage(__LINE__, "Mesg: fail to initialize GLEW!!");
  }
  if (!GLEW_VERSION_2_0) HaltWithMessage(__LINE__, "Mesg: OpenGL 2.0 is not supported!!");
  while (glGetError() != GL_NO_ERROR) {
  }  // some GLEW versions leave an error behind while probing
  PinDriver();

  VXGfxStateReset();
  VXGfxDeviceStart();
  gVXGfxLive = true;
  ResetCamera(width, height);
  VXGfxShaderBuild();
  VXGfxStateSetMode(VX_RENDER_COLOR);
  SetProjectionAndViewMatrices();
  VXGfxSetTintColor(1.0f, 1.0f, 1.0f, 1.0f);
  VXGfxSetTransparency(1.0f);
  VXGfxSetBackgroundColor(1.0f, 1.0f, 1.0f);
  VX_CHECK_GL("VXGfxInit");
  return 1;
}

void VXGfxWindowChanged(void) {
  VXGfxDeviceRedraw();
}

void VXGfxLoseContext(void) {
  // Deleting the context frees every GL object in it; the names are now stale.
  VXGfxTextShutdown();
  gVXGfxLive = false;
  VXGfxDeviceLose();
  VXGfxShaderForget();
  if (sContext) {
    SDL_GL_DeleteContext(sContext);
    sContext = nullptr;
  }
}

void VXGfxExit(void) {
  if (gVXGfxLive) {
    VXGfxTextShutdown();
    VXGfxShaderDestroy();
  }
  VXGfxLoseContext();
}

void VXGfxStart(void) {
  VXGfxDeviceClear();
  VXGfxStateSetViewport(0, 0, gVXWindowWidth, gVXWindowHeight);
}

void VXGfxEnd(void) {
  if (!gVXGfxLive) {
    gVXCurrentProgram = 0;
    return;
  }
  const bool repeats = VXGfxDeviceFrameEnd();
  VX_CHECK_GL("VXGfxEnd");
  VXGfxStateSetMode(VX_RENDER_NONE);
  VX_CHECK_GL("VXGfxEnd");
  // The window still shows a frame of the same pixels.
  if (!repeats) VXGfxDevicePresent();
  static bool kept = false;
  if (!kept) KeepDriverMemory();
  kept = true;
}

int VXGetWindowWidth(void) {
  return gVXWindowWidth;
}
int VXGetWindowHeight(void) {
  return gVXWindowHeight;
}

// ---- Render state ----
void VXGfxSetBackgroundColor(float r, float g, float b) {
  VXGfxStateSetClear(r, g, b, 1.0f);
}

void VXGfxSetRenderMode(int mode) {
  if (mode == VX_RENDER_NONE) {
    if (gVXCurrentProgram != 0) VXGfxStateSetMode(VX_RENDER_NONE);
    return;
  }
  if (mode != VX_RENDER_COLOR && mode != VX_RENDER_TEXTURE) return;
  if (gVXCurrentProgram == mode) return;
  VXGfxStateSetMode(mode);
  if (gVXGfxLive) SetProjectionAndViewMatrices();
}

void VXGfxSetBlendMode(int mode) {
  if (mode != VX_BLEND_NONE && mode != VX_BLEND_ALPHA && mode != VX_BLEND_ADDITIVE) return;
  VXGfxStateSetBlend(mode);
}

void VXGfxSetTransparency(float alpha) {
  VXGfxStateSetUniform(VX_U_TRANSPARENCY, &alpha);
}

void VXGfxSetBlendColor(float r, float g, float b, float a) {
  const float color[4] = {r, g, b, a};
  VXGfxStateSetUniform(VX_U_BLEND, color);
  VX_CHECK_GL("VXGfxSetBlendColor");
}

void VXGfxSetTintColor(float r, float g, float b, float a) {
  const float tint[4] = {r, g, b, a};
  VXGfxStateSetUniform(VX_U_TINT, tint);
}

void VXGfxSetPosition(float x, float y) {
  float col[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  col[12] = x;
  col[13] = y;
  VXGfxStateSetUniform(VX_U_WORLD, col);
}

void VXGfxSetTransform(const VXMtx33* pMtx) {
  if (!pMtx) return;
  float col[16] = {};
  col[0] = pMtx->m[0][0];
  col[1] = pMtx->m[1][0];
  col[4] = pMtx->m[0][1];
  col[5] = pMtx->m[1][1];
  col[12] = pMtx->m[0][2];
  col[13] = pMtx->m[1][2];
  col[10] = col[15] = 1.0f;
  VXGfxStateSetUniform(VX_U_WORLD, col);
}

void VXGfxSetTransform3D(const float* pMtx) {
  if (pMtx) VXGfxStateSetMatrix(VX_U_WORLD, pMtx);
}

float VXGfxGetWinMinX(void) {
  return gVXWinMinX;
}
float VXGfxGetWinMaxX(void) {
  return gVXWinMaxX;
}
float VXGfxGetWinMinY(void) {
  return gVXWinMinY;
}
float VXGfxGetWinMaxY(void) {
  return gVXWinMaxY;
}

void VXGfxSetCamPosition(float x, float y) {
  gVXCamPosX = x;
  gVXCamPosY = y;
  gVXWinMinX = x - static_cast<float>(gVXWindowWidth) * 0.5f;
  gVXWinMaxX = x + static_cast<float>(gVXWindowWidth) * 0.5f;
  gVXWinMinY = y - static_cast<float>(gVXWindowHeight) * 0.5f;
  gVXWinMaxY = y + static_cast<float>(gVXWindowHeight) * 0.5f;
}

void VXGfxGetCamPosition(float* pX, float* pY) {
  if (pX) *pX = gVXCamPosX;
  if (pY) *pY = gVXCamPosY;
}

// ---- Frame capture ----
int VXGfxReadPixels(unsigned char* pOut, int width, int height) {
  if (!gVXGfxLive || !pOut || width <= 0 || height <= 0) return 0;
  if (!VXGfxDeviceRead(pOut, width, height)) return 0;
  // GL gives the bottom row first.
  const size_t stride = static_cast<size_t>(width) * 4;
  std::vector<unsigned char> row(stride);
  for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
    memcpy(row.data(), pOut + stride * top, stride);
    memcpy(pOut + stride * top, pOut + stride * bottom, stride);
    memcpy(pOut + stride * bottom, row.data(), stride);
  }
  return 1;
}

int VXGfxSaveFramePNG(const char* pFileName) {
  if (!gVXGfxLive || !pFileName) return 0;
  int w = 0, h = 0;
  VXSysGetDrawableSize(&w, &h);
  if (w <= 0 || h <= 0) return 0;
  std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * 4);
  if (!VXGfxReadPixels(pixels.data(), w, h)) return 0;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), w, h, 32, w * 4, SDL_PIXELFORMAT_RGBA32);
  if (!surface) return 0;
  int rc = IMG_SavePNG(surface, pFileName);
  SDL_FreeSurface(surface);
  return rc == 0 ? 1 : 0;
}
