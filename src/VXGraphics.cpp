// Vexor Engine: GL start-up, render state (modes, colours, camera and
// matrices), the frame's clear and present, and frame capture.
#include "VXGraphics.h"

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
#include "VXGfxInternal.h"
#include "VXSystem.h"

int gVXWindowWidth = 0, gVXWindowHeight = 0;
float gVXCamPosX = 0.0f, gVXCamPosY = 0.0f;
float gVXWinMinX = 0.0f, gVXWinMaxX = 0.0f, gVXWinMinY = 0.0f, gVXWinMaxY = 0.0f;

bool gVXGfxLive = false;
VXGfxCounters gVXGfxCounters = {};
GLuint gVXBoundTexture = 0;
float gVXTint[3][4] = {};
int gVXBlendModeCurr = VX_BLEND_NONE;

static SDL_GLContext sContext = nullptr;
static bool sReference = false;
// The name every error report carries, as the engine always has.
static const char* const kSourceFile = "..\\..\\src\\VXGraphics";

// ---- Errors ----
void VXGfxCheckError(int line, const char* func) {
  if (!gVXGfxLive) return;
  bool any = false;
  // A lost context can report errors forever; a handful is plenty to print.
  for (int i = 0; i < 32; ++i) {
    GLenum code = glGetError();
    if (code == GL_NO_ERROR) break;
    printf("CHECK_GL_ERROR:\nLine: %d\nFunc: %s\nFile: %s\n", line, func, kSourceFile);
    printf("Code: 0x%.8x\n", static_cast<unsigned>(code));
    printf("Mesg: \n");
    any = true;
  }
  if (any) VXHalt();
}

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
void VXGfxUploadMatrix(const char* name, const float* rowMajor) {
  float col[16];
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) col[4 * c + r] = rowMajor[4 * r + c];
  const int id = VXGfxUniformFind(name);
  if (id >= 0) {
    VXGfxUniformSet(id, col);
  } else if (gVXGfxLive && gVXCurrentProgram != 0) {
    glUniformMatrix4fv(VXGfxUniform(name), 1, GL_FALSE, col);
  }
}

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
  VXGfxUploadMatrix("uPMatrix", projection);
  VXGfxSetViewport(0, 0, w, h);
  VX_CHECK_GL("SetProjectionAndViewMatrices");
  float view[16];
  VXGfxBuildView(gVXScreenScaleX, gVXScreenScaleY, view);
  VXGfxUploadMatrix("uVMatrix", view);
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
// (scene bins, constant uploads). Left to itself the allocator hands each
// one back to the kernel and faults it in again the next frame; keep them.
// Not before the first frame is over: the game loads its pictures in it, and
// their decoding wants big blocks that come and go.
static void KeepDriverMemory() {
#if defined(__GLIBC__)
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
  gVXCurrentProgram = 0;
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
  gVXGfxLive = true;
  PinDriver();

  ResetCamera(width, height);
  VXGfxShaderBuild();
  VXGfxRestoreState();
  gVXCurrentProgram = VX_RENDER_COLOR;
  VXGfxProgramUse(VX_PROGRAM_COLOR);
  SetProjectionAndViewMatrices();
  VXGfxSetTintColor(1.0f, 1.0f, 1.0f, 1.0f);
  VXGfxSetTransparency(1.0f);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
  VX_CHECK_GL("VXGfxInit");
  return 1;
}

void VXGfxLoseContext(void) {
  // Deleting the context frees every GL object in it; the names are now stale.
  VXGfxTextShutdown();
  gVXGfxLive = false;
  VXGfxQueueDrop();
  VXGfxShaderForget();
  gVXBoundTexture = 0;
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
  if (!gVXGfxLive) return;
  VXGfxFlush();
  // Nothing reads the depth and stencil buffers; the reference path clears them as always.
  glClear(sReference ? GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT : GL_COLOR_BUFFER_BIT);
  VXGfxSetViewport(0, 0, gVXWindowWidth, gVXWindowHeight);
}

void VXGfxEnd(void) {
  if (!gVXGfxLive) {
    gVXCurrentProgram = 0;
    return;
  }
  VXGfxRestoreState();  // sends a draw still held back
  VX_CHECK_GL("VXGfxEnd");
  VXGfxProgramUse(VX_PROGRAM_NONE);
  gVXCurrentProgram = 0;
  VX_CHECK_GL("VXGfxEnd");
  glFinish();
  VXSysSwapBuffers();
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
  if (gVXGfxLive) glClearColor(r, g, b, 1.0f);
}

void VXGfxSetRenderMode(int mode) {
  if (mode != gVXCurrentProgram) VXGfxFlush();
  if (mode == VX_RENDER_NONE) {
    if (gVXCurrentProgram != 0) {
      if (gVXGfxLive) VXGfxProgramUse(VX_PROGRAM_NONE);
      gVXCurrentProgram = 0;
    }
    return;
  }
  if (mode != VX_RENDER_COLOR && mode != VX_RENDER_TEXTURE) return;
  if (gVXCurrentProgram == mode) return;
  gVXCurrentProgram = mode;
  if (!gVXGfxLive) return;
  VXGfxProgramUse(mode == VX_RENDER_COLOR ? VX_PROGRAM_COLOR : VX_PROGRAM_TEXTURE);
  SetProjectionAndViewMatrices();
}

void VXGfxSetBlendMode(int mode) {
  if (mode != VX_BLEND_NONE && mode != VX_BLEND_ALPHA && mode != VX_BLEND_ADDITIVE) return;
  gVXBlendModeCurr = mode;
  if (gVXGfxLive) VXGfxApplyBlend(mode, true);  // whatever GL holds, as other code may have set it
}

void VXGfxSetTransparency(float alpha) {
  VXGfxUniformSet(VX_U_TRANSPARENCY, &alpha);
}

void VXGfxSetBlendColor(float r, float g, float b, float a) {
  const float color[4] = {r, g, b, a};
  VXGfxUniformSet(VX_U_BLEND, color);
  VX_CHECK_GL("VXGfxSetBlendColor");
}

void VXGfxSetTintColor(float r, float g, float b, float a) {
  if (gVXCurrentProgram == 0) return;
  float* tint = gVXTint[gVXCurrentProgram];
  tint[0] = r;
  tint[1] = g;
  tint[2] = b;
  tint[3] = a;
  VXGfxUniformSet(VX_U_TINT, tint);
}

void VXGfxSetPosition(float x, float y) {
  float col[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  col[12] = x;
  col[13] = y;
  VXGfxUniformSet(VX_U_WORLD, col);
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
  VXGfxUniformSet(VX_U_WORLD, col);
}

void VXGfxSetTransform3D(const float* pMtx) {
  if (pMtx) VXGfxUploadMatrix("uWorldMatrix", pMtx);
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
  VXGfxFlush();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pOut);
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
