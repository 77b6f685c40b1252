// Vexor Engine: state shared by the graphics sources (render state, shader
// programs, draws, meshes, textures, text) and the system module. Not for game code.
#pragma once
#include <GL/glew.h>

struct VXGfxTexture;
struct VXGfxVertexList;

// True while a GL context is current on the window. Headless runs and a
// closed window leave it false, and every GL call is skipped.
extern bool gVXGfxLive;

// The GL program serving each render mode now (slot 0: none). The texture
// mode has two: the general program and the plain one the fast path picks
// when offset and blend colour are neutral; the slot names the one in use.
extern GLuint gVXShaderProgram[3];
extern int gVXCurrentProgram;   // render mode in use, 0 = none
extern GLuint gVXBoundTexture;  // what is bound to unit 0 (text restores it)
extern float gVXTint[3][4];     // tint last set on each render mode (text colour reads it)
extern int gVXBlendModeCurr;    // last mode given to VXGfxSetBlendMode

// Drains the GL error queue; prints every error and halts when there was one.
void VXGfxCheckError(int line, const char* func);
#define VX_CHECK_GL(func) VXGfxCheckError(__LINE__, func)

// ---- Paths ----
// The reference path draws every mesh through the general shader with the
// blending the game asked for, and sends every uniform at once; the fast
// path (the default) gives the same pixels for less work.
void VXGfxUseReferencePath(bool on);
bool VXGfxReferencePath(void);

// What the renderer did since the last reset (benchmarks count work with it).
struct VXGfxCounters {
  long draws;           // GL draw calls made for meshes
  long drawsSkipped;    // mesh draws that could not change a pixel
  long drawsOpaque;     // drawn with blending off
  long drawsClipped;    // drawn through a scissor around the picture's visible part
  long uniformUploads;  // glUniform calls
  long programBinds;    // glUseProgram calls
  long textureBinds;    // glBindTexture calls for draws
  long blendChanges;    // blending switched on, off or to another function
  long pixelsCovered;   // window pixels under the drawn rectangles (an estimate)
};
extern VXGfxCounters gVXGfxCounters;

// A picture drawn on a quad, as a benchmark's floor program redraws it: the
// window corners of the picture's bottom-left, bottom-right, top-right and
// top-left (GL pixels, origin bottom left), its colour and blend mode.
struct VXGfxQuadNote {
  const VXGfxTexture* texture;
  double corners[4][2];
  float color[4];  // tint with the transparency folded into alpha
  int blend;       // VX_BLEND_*
};
// Told of every picture quad the fast path draws, when set.
extern void (*gVXGfxQuadWatcher)(const VXGfxQuadNote*);

// ---- Shader programs and uniforms (VXGfxShader.cpp) ----
enum VXGfxUniformId {
  VX_U_PROJECTION,
  VX_U_VIEW,
  VX_U_WORLD,
  VX_U_TRANSPARENCY,
  VX_U_TINT,
  VX_U_BLEND,
  VX_U_OFFSET,
  VX_U_SAMPLER,
  VX_U_COUNT
};
// Programs by role: the two of the render modes, the plain texture program,
// and the plain one that takes each sprite's world matrix and colour from its
// vertices, so that many sprites go in one draw.
enum VXGfxProgramId {
  VX_PROGRAM_NONE,
  VX_PROGRAM_COLOR,
  VX_PROGRAM_TEXTURE,
  VX_PROGRAM_PLAIN,
  VX_PROGRAM_BATCH,
  VX_PROGRAM_COUNT
};
// Fixed attribute locations in every program (the world matrix takes four).
enum {
  VX_ATTRIB_POSITION = 0,
  VX_ATTRIB_OTHER = 1,
  VX_ATTRIB_WORLD = 2,
  VX_ATTRIB_TINT = 6,
  VX_ATTRIB_TRANSPARENCY = 7
};

// Compiles and links one program; a shader that does not compile is left
// out and its info log printed on one line, as is a failed link's.
GLuint VXGfxBuildProgram(const char* vertexSource, const char* fragmentSource);
void VXGfxShaderBuild(void);
void VXGfxShaderDestroy(void);
void VXGfxShaderForget(void);  // the context went away with every program in it
// Binds a program (0: none) and brings its uniforms up to its render mode's values.
void VXGfxProgramUse(int program);
int VXGfxProgramBound(void);
void VXGfxProgramRestore(void);  // binds the bound program again (other code may have used GL)
// For held-back draws: binds a program as it is, sends it a draw's own value
// of a uniform, and afterwards brings it back to its render mode's values.
void VXGfxProgramBind(int program);
void VXGfxProgramSend(int id, const float* values);
void VXGfxProgramSync(void);
// Sets a uniform of the current render mode; the bound program gets it when it changed.
void VXGfxUniformSet(int id, const float* values);
// A uniform's value for a render mode (zeros until set).
const float* VXGfxUniformGet(int mode, int id);
// Uniform id for a name, -1 when the programs have no such uniform.
int VXGfxUniformFind(const char* name);

// Uniform location in the current program; -1 when no program is current.
GLint VXGfxUniform(const char* name);
// Uploads a row-major 4x4 to a uniform of the current program (transposed to GL's column order).
void VXGfxUploadMatrix(const char* name, const float* rowMajor);
// The view matrix for the current camera, its x row times sx and its y row times sy.
void VXGfxBuildView(float sx, float sy, float* rowMajorOut);

// ---- Draws (VXGfxDraw.cpp) ----
// What VXGfxMeshEnd notes in a mesh's shape.
enum { VX_SHAPE_UNKNOWN = 0, VX_SHAPE_BOUNDED = 1, VX_SHAPE_PICTURE_QUAD = 2 };
// The window rectangle GL draws into (set with the projection).
void VXGfxSetViewport(int x, int y, int w, int h);
void VXGfxGetViewport(int* pOut);  // x, y, w, h
// Sends the texture draws held back so far (VXGfxQueue.cpp). Whatever draws
// into the frame on its own (text) calls it first.
void VXGfxFlush(void);
void VXGfxQueueDrop(void);  // the context went away
// Draws a mesh with the current program and render state.
void VXGfxDrawMesh(const VXGfxVertexList* pMesh, GLenum primitive);
// Brings the GL state back to what the renderer's records say after code that
// drew on its own (text); also sends whatever draw is still held back.
void VXGfxRestoreState(void);
// Puts a blend mode (VX_BLEND_*) into GL; force: whatever GL was left with.
void VXGfxApplyBlend(int mode, bool force);

// ---- Textures (VXGfxTexture.cpp) ----
// The texture VXGfxTextureSet bound last, null when none (or it was unloaded).
extern VXGfxTexture* gVXCurrentTexture;
// Its GL name (0 when none), and binding it when a draw needs it.
GLuint VXGfxTextureWanted(void);
void VXGfxTextureBindWanted(void);

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
