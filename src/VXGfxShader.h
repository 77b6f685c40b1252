// Vexor Engine: the shader programs, built when the context is made. Internal
// to graphics: only the device and the reference path bind them.
#pragma once

// Programs by role: the two of the render modes (gVXShaderProgram names
// them), the texture program for a zero offset and no blend colour that
// takes each sprite's world matrix and colour from its vertices so that many
// sprites go in one draw, and the text program.
enum VXGfxProgramId {
  VX_PROGRAM_NONE,
  VX_PROGRAM_COLOR,
  VX_PROGRAM_TEXTURE,
  VX_PROGRAM_BATCH,
  VX_PROGRAM_TEXT,
  VX_PROGRAM_COUNT
};

// Fixed attribute locations in every program (the world matrix takes four).
enum {
  VX_ATTRIB_POSITION = 0,
  VX_ATTRIB_OTHER = 1,  // colour, texture coordinate or glyph corner
  VX_ATTRIB_WORLD = 2,
  VX_ATTRIB_TINT = 6,
  VX_ATTRIB_TRANSPARENCY = 7
};

// Uniforms of the text program.
enum { VX_TEXT_SCREEN, VX_TEXT_COLOR, VX_TEXT_ATLAS, VX_TEXT_UNIFORMS };

// Compiles and links one program; a shader that does not compile is left
// out and its info log printed on one line, as is a failed link's.
unsigned VXGfxBuildProgram(const char* vertexSource, const char* fragmentSource);
void VXGfxShaderBuild(void);
void VXGfxShaderDestroy(void);
void VXGfxShaderForget(void);  // the context went away with every program in it

// Sends a uniform's value (VX_U_*) to a location of the bound program, as its kind wants.
void VXGfxUniformSend(int location, int id, const float* values);

unsigned VXGfxProgramName(int program);
// The render mode whose uniforms a program takes (0 for the text program).
int VXGfxProgramMode(int program);
// Where a program keeps a uniform (VX_U_*, or VX_TEXT_* for the text program); -1 when not.
int VXGfxProgramLocation(int program, int uniform);
