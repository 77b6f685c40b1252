// Vexor Engine: the one window (SDL), its event pump, full screen, and the
// headless stand-in that game-logic tests and bots run on.
#include "VXSystem.h"

#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "VXFrameRateController.h"
#include "VXGfxInternal.h"
#include "VXGraphics.h"
#include "VXInput.h"
#include "VXInputInternal.h"

int gVXWindowExists = 0;
int gVXSysAppActive = 0;
bool gVXFullScreen = false;
float gVXScreenScaleX = 1.0f;
float gVXScreenScaleY = 1.0f;

static SDL_Window* sWindow = nullptr;
static bool sHeadless = false;
static bool sVideoStarted = false;

static void SetGLAttributes() {
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
  // No depth or stencil buffer: nothing reads them, and a software renderer
  // shades a tenth slower with them attached.
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
}

static void ScreenSize(int* pW, int* pH) {
  SDL_DisplayMode mode;
  int display = sWindow ? SDL_GetWindowDisplayIndex(sWindow) : 0;
  if (display < 0 || SDL_GetDesktopDisplayMode(display, &mode) != 0) {
    *pW = gVXWindowWidth;
    *pH = gVXWindowHeight;
    return;
  }
  *pW = mode.w;
  *pH = mode.h;
}

// Everything drawn follows the scale at once; the glyphs are rasterised
// again only when it really changes.
static void SetScreenScale(float sx, float sy) {
  if (sx == gVXScreenScaleX && sy == gVXScreenScaleY) return;
  gVXScreenScaleX = sx;
  gVXScreenScaleY = sy;
  VXGfxTextRescale();
}

// The scale that stretches the logical view over the pixels the window really
// has, nudged up where single precision would leave the viewport a pixel short.
static float ScaleFor(int pixels, int logical) {
  float scale = static_cast<float>(pixels) / static_cast<float>(logical);
  while (static_cast<int>(static_cast<float>(logical) * scale) < pixels) scale = std::nextafter(scale, 2.0f * scale);
  return scale;
}

// The picture fills whatever the window got: the screen it ended on in full
// screen, or the size a window manager chose, whatever was asked for.
static void ScaleToDrawable() {
  int w = 0, h = 0;
  VXSysGetDrawableSize(&w, &h);
  if (w <= 0 || h <= 0) return;  // minimised: the last scale stays
  SetScreenScale(ScaleFor(w, gVXWindowWidth), ScaleFor(h, gVXWindowHeight));
}

// What a user's close does: the GL context goes first (drawing becomes a
// no-op), then the window, and the game sees the flag drop.
static void DestroyWindow() {
  if (!sWindow) return;
  VXGfxLoseContext();
  SDL_DestroyWindow(sWindow);
  sWindow = nullptr;
  gVXWindowExists = 0;
  gVXSysAppActive = 0;
}

// With no display SDL falls back to drawing nowhere, and the game would run
// unseen until killed. Only a user who names such a driver gets one.
static bool WindowlessDriverRefused() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || (SDL_strcasecmp(driver, "offscreen") != 0 && SDL_strcasecmp(driver, "dummy") != 0)) return false;
  const char* named = SDL_getenv("SDL_VIDEODRIVER");  // SDL tries nothing else once a driver is named
  if (named && named[0]) return false;
  printf("no display: neither an X11 nor a Wayland display could be opened (is DISPLAY or WAYLAND_DISPLAY set?)\n");
  return true;
}

int VXSysInit(void* instance, int show, int width, int height, int createConsole, unsigned frameRateMax,
              void* windowProc) {
  // Standard output is already the terminal (or the log) here: no console to open.
  sHeadless = false;
  gVXFullScreen = false;
  gVXScreenScaleX = gVXScreenScaleY = 1.0f;
  printf("Vexor Engine version: %2.2f\n\n", VX_ENGINE_VERSION);
  fflush(stdout);

  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    printf("no display: %s\n", SDL_GetError());
    VXGfxInitHeadless(width, height);
    return 0;
  }
  sVideoStarted = true;
  if (WindowlessDriverRefused()) {
    VXGfxInitHeadless(width, height);
    return 0;
  }
  // Keys are read as keys: an input method would swallow the ones it composes with.
  SDL_StopTextInput();
  SetGLAttributes();
  // Centred with truncated halves, as the window has always been placed.
  int screenW = 0, screenH = 0;
  ScreenSize(&screenW, &screenH);
  Uint32 flags = SDL_WINDOW_OPENGL | (show ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN);
  sWindow = SDL_CreateWindow("Vexor Engine", screenW / 2 - width / 2, screenH / 2 - height / 2, width, height, flags);
  if (!sWindow) {
    printf("The window could not be made: %s\n", SDL_GetError());
    VXGfxInitHeadless(width, height);
    return 0;
  }
  gVXWindowExists = 1;
  if (!VXGfxInit(width, height)) return 0;
  VXFrameRateControllerInit(frameRateMax);
  return 1;
}

int VXSysInitHeadless(int width, int height, unsigned frameRateMax) {
  sHeadless = true;
  gVXFullScreen = false;
  gVXScreenScaleX = gVXScreenScaleY = 1.0f;
  gVXWindowExists = 1;
  gVXSysAppActive = 1;
  VXGfxInitHeadless(width, height);
  VXFrameRateControllerInit(frameRateMax);
  return 1;
}

int VXSysIsHeadless(void) {
  return sHeadless ? 1 : 0;
}

void VXSysReset(void) {
  VXFrameRateControllerReset();
  VXInputReset();
}

void VXSysUpdate(void) {
  if (sHeadless || !sVideoStarted) return;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    if (e.type == SDL_QUIT) {
      DestroyWindow();
    } else if (e.type == SDL_KEYDOWN) {
      if (!e.key.repeat) VXInputNoteKeyDown(e.key.keysym.scancode);
    } else if (e.type == SDL_MOUSEBUTTONDOWN) {
      VXInputNoteButtonDown(e.button.button);
    } else if (e.type == SDL_WINDOWEVENT) {
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          DestroyWindow();
          break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          // Also in a window: a window manager may ignore the fixed size.
          ScaleToDrawable();
          VXGfxWindowChanged();
          break;
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
          VXGfxWindowChanged();
          break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          gVXSysAppActive = 1;
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          gVXSysAppActive = 0;
          break;
        default:
          break;
      }
    }
  }
}

void VXSysFrameStart(void) {
  VXFrameRateControllerStart();
  VXGfxStart();
}

void VXSysFrameEnd(void) {
  VXGfxEnd();
  VXFrameRateControllerEnd();
  VXSysUpdate();
}

void VXSysExit(void) {
  VXGfxExit();
  if (sWindow) {
    SDL_DestroyWindow(sWindow);
    sWindow = nullptr;
  }
  if (sVideoStarted) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
    sVideoStarted = false;
  }
  gVXWindowExists = 0;
  gVXSysAppActive = 0;
  sHeadless = false;
}

void* VXSysGetWindowHandle(void) {
  return sWindow;
}

int VXSysSetWindowTitle(const char* title) {
  if (sHeadless) return 1;
  if (!sWindow || !title) return 0;
  SDL_SetWindowTitle(sWindow, title);
  return 1;
}

int VXSysDoesWindowExist(void) {
  return gVXWindowExists;
}

int VXToogleFullScreen(bool full) {
  gVXFullScreen = full;
  VXGfxWindowChanged();
  if (!sWindow) {
    // No screen to stretch to: headless and closed windows keep the logical size.
    SetScreenScale(1.0f, 1.0f);
    return sHeadless ? 1 : 0;
  }
  int screenW = 0, screenH = 0;
  ScreenSize(&screenW, &screenH);
  int rc;
  if (full) {
    // Desktop full screen: the display mode stays, the window covers the
    // screen. Without a window manager nobody acts on the full-screen request,
    // so the window is first made borderless and screen-sized by hand.
    SDL_SetWindowBordered(sWindow, SDL_FALSE);
    SDL_SetWindowPosition(sWindow, 0, 0);
    SDL_SetWindowSize(sWindow, screenW, screenH);
    rc = SDL_SetWindowFullscreen(sWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
    ScaleToDrawable();
  } else {
    SetScreenScale(1.0f, 1.0f);
    rc = SDL_SetWindowFullscreen(sWindow, 0);
    SDL_SetWindowBordered(sWindow, SDL_TRUE);
    SDL_SetWindowSize(sWindow, gVXWindowWidth, gVXWindowHeight);
    SDL_SetWindowPosition(sWindow, screenW / 2 - gVXWindowWidth / 2, screenH / 2 - gVXWindowHeight / 2);
    SDL_ShowWindow(sWindow);
  }
  return rc == 0 ? 1 : 0;
}

void VXSysCloseWindow(void) {
  if (sHeadless) {
    gVXWindowExists = 0;
    return;
  }
  DestroyWindow();
}

void VXHalt(void) {
  // No console to wait on: the message is already on standard output.
  fflush(stdout);
  exit(1);
}

void VXSysGetDrawableSize(int* pW, int* pH) {
  *pW = *pH = 0;
  if (sWindow) SDL_GL_GetDrawableSize(sWindow, pW, pH);
}

void VXSysSwapBuffers(void) {
  if (sWindow) SDL_GL_SwapWindow(sWindow);
}
