// Vexor Engine: state shared by the graphics sources (render state, meshes,
// textures, text) and the system module. Not for game code.
#pragma once
#include <GL/glew.h>

// True while a GL context is current on the window. Headless runs and a
// closed window leave it false, and every GL call is skipped.
extern bool gVXGfxLive;

extern GLuint gVXShaderProgram[3];  // slot 0 is never created
extern int gVXCurrentProgram;       // 0 = none
extern GLuint gVXBoundTexture;      // what VXGfxTextureSet last bound (text restores it)
extern float gVXTint[3][4];         // tint last set on each program slot (text colour reads it)
extern int gVXBlendModeCurr;        // last mode given to VXGfxSetBlendMode

// Drains the GL error queue; prints every error and halts when there was one.
void VXGfxCheckError(int line, const char* func);
#define VX_CHECK_GL(func) VXGfxCheckError(__LINE__, func)

// Uniform location in the current program; -1 when no program is current.
GLint VXGfxUniform(const char* name);
// Uploads a row-major 4x4 to a uniform of the current program (transposed to GL's column order).
void VXGfxUploadMatrix(const char* name, const float* rowMajor);
// The view matrix for the current camera, its x row times sx and its y row times sy.
void VXGfxBuildView(float sx, float sy, float* rowMajorOut);

// Called by the system module: headless start-up, and the window going away.
void VXGfxInitHeadless(int width, int height);
void VXGfxLoseContext(void);

// Text: releases the private text program and every font (called by VXGfxExit).
void VXGfxTextShutdown(void);
// Text: rasterises every font again at the current screen scale (called by the system module when it changes).
void VXGfxTextRescale(void);
// The window's drawable size in real pixels (the system module knows the window).
void VXSysGetDrawableSize(int* pW, int* pH);
void VXSysSwapBuffers(void);
