// Vexor Engine: the shader programs (colour, texture, and the plain texture
// program the fast path draws with) and their uniforms, kept on the CPU side
// per render mode and sent to a program only when they change.
#include <cstdio>
#include <cstring>
#include <string>

#include "VXGfxInternal.h"
#include "VXGfxQueue.h"
#include "VXGraphics.h"

GLuint gVXShaderProgram[3] = {0, 0, 0};
int gVXCurrentProgram = 0;

namespace {

// Statements separated by tab runs, as the engine has always kept them.
const char* const kColorVertex =
    "uniform mat4 uPMatrix;\t\tuniform mat4 uVMatrix;\t\tuniform mat4 uWorldMatrix; \t\t"
    "attribute vec4 aPosition;\t\tattribute vec4 aColor;\t\tvarying vec4 vColor;\t\t"
    "void main()\t\t{\t\t\tvColor = aColor;\t\t\t"
    "gl_Position = uPMatrix * uVMatrix * uWorldMatrix * aPosition;\t\t}";
const char* const kTextureVertex =
    "uniform mat4 uPMatrix;\t\tuniform mat4 uVMatrix;\t\tuniform mat4 uWorldMatrix;\t\t"
    "attribute vec4 aPosition;\t\tattribute vec2 aTextureCoordinate;\t\tvarying vec2 vTextureCoordinate;\t\t"
    "void main()\t\t{\t\t\tvTextureCoordinate = aTextureCoordinate;\t\t\t"
    "gl_Position = uPMatrix * uVMatrix * uWorldMatrix * aPosition;\t\t}";
const char* const kColorFragment =
    "/*precision mediump float;\t\t*/\t\tuniform vec4 uBlendColor;\t\tuniform float uTransparencyValue;\t\t"
    "uniform vec4 uTintColor;\t\tvarying vec4 vColor;\t\tvoid main()\t\t{\t\t\t"
    "gl_FragColor.x = (vColor.x * (1.0 - uBlendColor.w) + uBlendColor.x * uBlendColor.w) * uTintColor.x;\t\t\t"
    "gl_FragColor.y = (vColor.y * (1.0 - uBlendColor.w) + uBlendColor.y * uBlendColor.w) * uTintColor.y;\t\t\t"
    "gl_FragColor.z = (vColor.z * (1.0 - uBlendColor.w) + uBlendColor.z * uBlendColor.w) * uTintColor.z;\t\t\t"
    "gl_FragColor.w = vColor.w * uTransparencyValue * uTintColor.w;\t\t}";
const char* const kTextureFragment =
    "/*precision mediump float;*/\t\tuniform sampler2D uTexture;\t\tuniform vec4 uBlendColor;\t\t"
    "uniform vec2 uTextureOffset;\t\tuniform float uTransparencyValue;\t\tuniform vec4 uTintColor;\t\t"
    "varying vec2 vTextureCoordinate;\t\tvoid main()\t\t{\t\t\t"
    "vec2 offsetTexCoord = vTextureCoordinate;\t\t\toffsetTexCoord.x += uTextureOffset.x;\t\t\t"
    "offsetTexCoord.y += uTextureOffset.y;\t\t\tif(offsetTexCoord.x > 1.0)\t\t\t\toffsetTexCoord.x -= 1.0;\t\t\t"
    "if(offsetTexCoord.y > 1.0)\t\t\t\toffsetTexCoord.y -= 1.0;\t\t\t"
    "gl_FragColor = texture2D(uTexture, offsetTexCoord);\t\t\t"
    "gl_FragColor.x = (gl_FragColor.x * (1.0 - uBlendColor.w) + uBlendColor.x * uBlendColor.w) * uTintColor.x;\t\t\t"
    "gl_FragColor.y = (gl_FragColor.y * (1.0 - uBlendColor.w) + uBlendColor.y * uBlendColor.w) * uTintColor.y;\t\t\t"
    "gl_FragColor.z = (gl_FragColor.z * (1.0 - uBlendColor.w) + uBlendColor.z * uBlendColor.w) * uTintColor.z;\t\t\t"
    "gl_FragColor.w *= (uTransparencyValue * uTintColor.w);\t\t}";
// The texture program with a zero offset and a blend colour of alpha 0: the
// same products in the same order, without the terms that add nothing.
const char* const kPlainFragment =
    "uniform sampler2D uTexture;\n"
    "uniform float uTransparencyValue;\n"
    "uniform vec4 uTintColor;\n"
    "varying vec2 vTextureCoordinate;\n"
    "void main()\n"
    "{\n"
    "  gl_FragColor = texture2D(uTexture, vTextureCoordinate);\n"
    "  gl_FragColor.x = gl_FragColor.x * uTintColor.x;\n"
    "  gl_FragColor.y = gl_FragColor.y * uTintColor.y;\n"
    "  gl_FragColor.z = gl_FragColor.z * uTintColor.z;\n"
    "  gl_FragColor.w *= (uTransparencyValue * uTintColor.w);\n"
    "}\n";

// The plain program with the world matrix, tint and transparency read from
// each vertex instead of uniforms: the same arithmetic in the same order (the
// alpha factor, transparency times tint alpha, is one product per vertex
// instead of per pixel: the same product).
const char* const kBatchVertex =
    "uniform mat4 uPMatrix;\n"
    "uniform mat4 uVMatrix;\n"
    "attribute vec4 aPosition;\n"
    "attribute vec2 aTextureCoordinate;\n"
    "attribute vec4 aWorld0;\n"
    "attribute vec4 aWorld1;\n"
    "attribute vec4 aWorld2;\n"
    "attribute vec4 aWorld3;\n"
    "attribute vec4 aTint;\n"
    "attribute float aTransparency;\n"
    "varying vec2 vTextureCoordinate;\n"
    "varying vec4 vTint;\n"
    "void main()\n"
    "{\n"
    "  mat4 uWorldMatrix = mat4(aWorld0, aWorld1, aWorld2, aWorld3);\n"
    "  vTextureCoordinate = aTextureCoordinate;\n"
    "  vTint = vec4(aTint.xyz, aTransparency * aTint.w);\n"
    "  gl_Position = uPMatrix * uVMatrix * uWorldMatrix * aPosition;\n"
    "}\n";
const char* const kBatchFragment =
    "uniform sampler2D uTexture;\n"
    "varying vec2 vTextureCoordinate;\n"
    "varying vec4 vTint;\n"
    "void main()\n"
    "{\n"
    "  gl_FragColor = texture2D(uTexture, vTextureCoordinate);\n"
    "  gl_FragColor.x = gl_FragColor.x * vTint.x;\n"
    "  gl_FragColor.y = gl_FragColor.y * vTint.y;\n"
    "  gl_FragColor.z = gl_FragColor.z * vTint.z;\n"
    "  gl_FragColor.w *= vTint.w;\n"
    "}\n";

struct Uniform {
  const char* name;
  int size;  // floats; 16 for a matrix, 1 for the sampler unit
};
const Uniform kUniforms[VX_U_COUNT] = {
    {"uPMatrix", 16},  {"uVMatrix", 16},   {"uWorldMatrix", 16},  {"uTransparencyValue", 1},
    {"uTintColor", 4}, {"uBlendColor", 4}, {"uTextureOffset", 2}, {"uTexture", 1},
};

struct Program {
  GLuint name;
  int mode;  // the render mode it serves
  GLint location[VX_U_COUNT];
  float sent[VX_U_COUNT][16];
  bool known[VX_U_COUNT];  // sent holds what the program has
};

Program sPrograms[VX_PROGRAM_COUNT];
// Values per render mode: they stay with the mode across program switches.
float sValues[3][VX_U_COUNT][16];
int sBound = VX_PROGRAM_NONE;

// One line, however many the driver wrote.
void PrintLog(const char* what, const std::string& log) {
  std::string line = log;
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  printf("%s: %s\n", what, line.c_str());
  fflush(stdout);
}

// The info log of a shader or a program, through the calls for its kind.
std::string InfoLog(GLuint object, PFNGLGETSHADERIVPROC getLength, PFNGLGETSHADERINFOLOGPROC getLog) {
  GLint length = 0;
  getLength(object, GL_INFO_LOG_LENGTH, &length);
  std::string log(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) getLog(object, length, nullptr, &log[0]);
  return log.c_str();
}

void AttachIfCompiled(GLuint program, GLenum type, const char* source) {
  GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint status = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
  if (status == GL_TRUE) {
    glAttachShader(program, shader);
    return;
  }
  PrintLog(type == GL_VERTEX_SHADER ? "Vertex shader did not compile" : "Fragment shader did not compile",
           InfoLog(shader, glGetShaderiv, glGetShaderInfoLog));
  glDeleteShader(shader);  // left out
}

void Send(const Program& p, int id, const float* v) {
  const GLint loc = p.location[id];
  switch (id) {
    case VX_U_PROJECTION:
    case VX_U_VIEW:
    case VX_U_WORLD:
      glUniformMatrix4fv(loc, 1, GL_FALSE, v);
      break;
    case VX_U_TRANSPARENCY:
      glUniform1f(loc, v[0]);
      break;
    case VX_U_OFFSET:
      glUniform2f(loc, v[0], v[1]);
      break;
    case VX_U_SAMPLER:
      glUniform1i(loc, static_cast<GLint>(v[0]));
      break;
    default:
      glUniform4f(loc, v[0], v[1], v[2], v[3]);
      break;
  }
  ++gVXGfxCounters.uniformUploads;
}

// Brings one uniform of the bound program to its mode's value; the
// reference path sends it whether or not it changed.
void Push(int id, bool force) {
  Program& p = sPrograms[sBound];
  if (p.location[id] < 0) return;
  const float* v = sValues[p.mode][id];
  const size_t bytes = sizeof(float) * static_cast<size_t>(kUniforms[id].size);
  if (!force && p.known[id] && memcmp(p.sent[id], v, bytes) == 0) return;
  Send(p, id, v);
  memcpy(p.sent[id], v, bytes);
  p.known[id] = true;
}

}  // namespace

GLuint VXGfxBuildProgram(const char* vertexSource, const char* fragmentSource) {
  GLuint program = glCreateProgram();
  AttachIfCompiled(program, GL_VERTEX_SHADER, vertexSource);
  AttachIfCompiled(program, GL_FRAGMENT_SHADER, fragmentSource);
  // Fixed places, so that a mesh's buffers feed every program alike.
  glBindAttribLocation(program, VX_ATTRIB_POSITION, "aPosition");
  glBindAttribLocation(program, VX_ATTRIB_OTHER, "aColor");
  glBindAttribLocation(program, VX_ATTRIB_OTHER, "aTextureCoordinate");
  const char* const world[4] = {"aWorld0", "aWorld1", "aWorld2", "aWorld3"};
  for (int c = 0; c < 4; ++c) glBindAttribLocation(program, VX_ATTRIB_WORLD + c, world[c]);
  glBindAttribLocation(program, VX_ATTRIB_TINT, "aTint");
  glBindAttribLocation(program, VX_ATTRIB_TRANSPARENCY, "aTransparency");
  glLinkProgram(program);
  GLint linked = GL_FALSE;
  glGetProgramiv(program, GL_LINK_STATUS, &linked);
  if (linked != GL_TRUE) PrintLog("Shader program did not link", InfoLog(program, glGetProgramiv, glGetProgramInfoLog));
  return program;
}

void VXGfxShaderBuild(void) {
  const char* const sources[VX_PROGRAM_COUNT][2] = {
      {nullptr, nullptr},
      {kColorVertex, kColorFragment},
      {kTextureVertex, kTextureFragment},
      {kTextureVertex, kPlainFragment},
      {kBatchVertex, kBatchFragment},
  };
  memset(sValues, 0, sizeof(sValues));
  for (int id = VX_PROGRAM_COLOR; id < VX_PROGRAM_COUNT; ++id) {
    Program& p = sPrograms[id];
    p = Program{};
    p.name = VXGfxBuildProgram(sources[id][0], sources[id][1]);
    p.mode = id == VX_PROGRAM_COLOR ? VX_RENDER_COLOR : VX_RENDER_TEXTURE;
    for (int u = 0; u < VX_U_COUNT; ++u) p.location[u] = glGetUniformLocation(p.name, kUniforms[u].name);
    // A linked program starts with every uniform at zero.
    for (bool& k : p.known) k = true;
  }
  gVXShaderProgram[VX_RENDER_COLOR] = sPrograms[VX_PROGRAM_COLOR].name;
  gVXShaderProgram[VX_RENDER_TEXTURE] = sPrograms[VX_PROGRAM_TEXTURE].name;
  sBound = VX_PROGRAM_NONE;
}

void VXGfxShaderDestroy(void) {
  for (int id = VX_PROGRAM_COLOR; id < VX_PROGRAM_COUNT; ++id) {
    Program& p = sPrograms[id];
    if (p.name == 0) continue;
    GLuint shaders[3];
    GLsizei count = 0;
    glGetAttachedShaders(p.name, 3, &count, shaders);
    for (GLsizei i = 0; i < count; ++i) glDeleteShader(shaders[i]);
    glDeleteProgram(p.name);
    VX_CHECK_GL("Shader::Destroy");
  }
  VXGfxShaderForget();
}

void VXGfxShaderForget(void) {
  for (Program& p : sPrograms) p = Program{};
  for (GLuint& name : gVXShaderProgram) name = 0;
  gVXCurrentProgram = 0;
  sBound = VX_PROGRAM_NONE;
}

void VXGfxProgramBind(int program) {
  if (program == sBound) return;
  sBound = program;
  const Program& p = sPrograms[program];
  glUseProgram(p.name);
  ++gVXGfxCounters.programBinds;
  if (program != VX_PROGRAM_NONE) gVXShaderProgram[p.mode] = p.name;
}

void VXGfxProgramUse(int program) {
  VXGfxProgramBind(program);
  VXGfxProgramSync();
}

void VXGfxProgramSync(void) {
  if (sBound == VX_PROGRAM_NONE) return;
  for (int id = 0; id < VX_U_COUNT; ++id) Push(id, false);
}

void VXGfxProgramSend(int id, const float* values) {
  Program& p = sPrograms[sBound];
  if (sBound == VX_PROGRAM_NONE || p.location[id] < 0) return;
  const size_t bytes = sizeof(float) * static_cast<size_t>(kUniforms[id].size);
  if (p.known[id] && memcmp(p.sent[id], values, bytes) == 0) return;
  Send(p, id, values);
  memcpy(p.sent[id], values, bytes);
  p.known[id] = true;
}

int VXGfxProgramBound(void) {
  return sBound;
}

void VXGfxProgramRestore(void) {
  glUseProgram(sPrograms[sBound].name);
}

void VXGfxUniformSet(int id, const float* values) {
  const int mode = gVXCurrentProgram;
  if (mode == 0 || id < 0 || id >= VX_U_COUNT) return;
  const size_t bytes = sizeof(float) * static_cast<size_t>(kUniforms[id].size);
  // Held-back draws all see the projection and view of the moment they are sent.
  if ((id == VX_U_PROJECTION || id == VX_U_VIEW) && memcmp(sValues[mode][id], values, bytes) != 0) VXGfxFlush();
  memcpy(sValues[mode][id], values, bytes);
  // While draws wait, the program gets its values when they are sent.
  if (gVXGfxLive && sBound != VX_PROGRAM_NONE && sPrograms[sBound].mode == mode && !VXGfxQueueBusy())
    Push(id, VXGfxReferencePath());
}

const float* VXGfxUniformGet(int mode, int id) {
  return sValues[mode][id];
}

int VXGfxUniformFind(const char* name) {
  for (int id = 0; id < VX_U_COUNT; ++id) {
    if (strcmp(kUniforms[id].name, name) == 0) return id;
  }
  return -1;
}

GLint VXGfxUniform(const char* name) {
  if (!gVXGfxLive || gVXCurrentProgram == 0) return -1;
  return glGetUniformLocation(gVXShaderProgram[gVXCurrentProgram], name);
}
