// Vexor Engine: the window, its message pump, full screen and start-up/shut-down.
#pragma once

#define VX_ENGINE_VERSION 3.04

extern int gVXWindowExists;    // 1 from VXSysInit until the window is destroyed
extern int gVXSysAppActive;    // 1 while the window has the focus
extern bool gVXFullScreen;     // last value given to VXToogleFullScreen
extern float gVXScreenScaleX;  // full screen: the width the window got / the logical width; else 1
extern float gVXScreenScaleY;  // full screen: the height the window got / the logical height; else 1

// ---- Life cycle ----
// Returns 1 on success; 0, after one line saying what failed, when there is no
// display (SDL's window-less drivers only when SDL_VIDEODRIVER names them), or
// the window or the renderer could not start. instance and windowProc exist
// for the engine's interface; on this platform they are unused.
int VXSysInit(void* instance, int show, int width, int height, int createConsole, unsigned frameRateMax,
              void* windowProc);
// No window and no GL: every drawing call does nothing, textures are decoded
// but never uploaded, and input comes only from the scripted state. For tests
// and benchmarks of game logic.
int VXSysInitHeadless(int width, int height, unsigned frameRateMax);
int VXSysIsHeadless(void);
void VXSysReset(void);
void VXSysUpdate(void);  // message pump; never blocks
void VXSysFrameStart(void);
void VXSysFrameEnd(void);
void VXSysExit(void);

// ---- Window ----
void* VXSysGetWindowHandle(void);
int VXSysSetWindowTitle(const char* title);
int VXSysDoesWindowExist(void);
int VXToogleFullScreen(bool full);  // the spelling is part of the engine's interface
void VXSysCloseWindow(void);        // as if the user closed the window (tests)

// ---- Failure ----
// Prints nothing itself: callers print their message first. Exits with status 1.
[[noreturn]] void VXHalt(void);
