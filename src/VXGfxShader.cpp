// Vexor Engine: the shader programs: the colour and texture programs of the
// render modes, the fast path's batch program, and text's.
#include "VXGfxShader.h"

#include <GL/glew.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "VXGfxDevice.h"
#include "VXGfxInternal.h"
#include "VXGfxState.h"

unsigned gVXShaderProgram[3] = {0, 0, 0};

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
// The texture program with a zero offset and a blend colour of alpha 0 (the
// same products in the same order, without the terms that add nothing), and
// the world matrix, tint and transparency read from each vertex instead of
// uniforms (the alpha factor, transparency times tint alpha, is one product
// per vertex instead of per pixel: the same product).
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

// Glyphs in window pixels (y up) with their place in a font's atlas; the
// colour is the print's, the alpha the glyph's coverage.
const char* const kTextVertex =
    "attribute vec4 aPosition;\n"
    "uniform vec2 uScreen;\n"
    "varying vec2 vUV;\n"
    "void main() {\n"
    "  vUV = aPosition.zw;\n"
    "  gl_Position = vec4(aPosition.xy / uScreen * 2.0 - 1.0, 0.0, 1.0);\n"
    "}\n";
const char* const kTextFragment =
    "uniform sampler2D uAtlas;\n"
    "uniform vec4 uColor;\n"
    "varying vec2 vUV;\n"
    "void main() {\n"
    "  gl_FragColor = vec4(uColor.rgb, uColor.a * texture2D(uAtlas, vUV).a);\n"
    "}\n";

struct Program {
  GLuint name;
  int mode;  // the render mode whose uniforms it takes
  GLint location[VX_U_COUNT];
};

Program sPrograms[VX_PROGRAM_COUNT];
const char* const kTextUniforms[VX_TEXT_UNIFORMS] = {"uScreen", "uColor", "uAtlas"};

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

}  // namespace

unsigned VXGfxBuildProgram(const char* vertexSource, const char* fragmentSource) {
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
      {kBatchVertex, kBatchFragment},
      {kTextVertex, kTextFragment},
  };
  for (int id = VX_PROGRAM_COLOR; id < VX_PROGRAM_COUNT; ++id) {
    Program& p = sPrograms[id];
    p = Program{};
    p.name = VXGfxBuildProgram(sources[id][0], sources[id][1]);
    p.mode = id == VX_PROGRAM_TEXT ? 0 : id == VX_PROGRAM_COLOR ? VX_RENDER_COLOR : VX_RENDER_TEXTURE;
    for (int u = 0; u < VX_U_COUNT; ++u) {
      const char* name =
          id == VX_PROGRAM_TEXT ? (u < VX_TEXT_UNIFORMS ? kTextUniforms[u] : nullptr) : VXGfxUniformName(u);
      p.location[u] = name ? glGetUniformLocation(p.name, name) : -1;
    }
  }
  gVXShaderProgram[VX_RENDER_COLOR] = sPrograms[VX_PROGRAM_COLOR].name;
  gVXShaderProgram[VX_RENDER_TEXTURE] = sPrograms[VX_PROGRAM_TEXTURE].name;
}

void VXGfxShaderDestroy(void) {
  glUseProgram(0);
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
  for (unsigned& name : gVXShaderProgram) name = 0;
  gVXCurrentProgram = 0;
}

void VXGfxUniformSend(int location, int id, const float* v) {
  switch (id) {
    case VX_U_PROJECTION:
    case VX_U_VIEW:
    case VX_U_WORLD:
      glUniformMatrix4fv(location, 1, GL_FALSE, v);
      break;
    case VX_U_TRANSPARENCY:
      glUniform1f(location, v[0]);
      break;
    case VX_U_OFFSET:
      glUniform2f(location, v[0], v[1]);
      break;
    case VX_U_SAMPLER:
      glUniform1i(location, static_cast<GLint>(v[0]));
      break;
    default:
      glUniform4f(location, v[0], v[1], v[2], v[3]);
      break;
  }
}

unsigned VXGfxProgramName(int program) {
  return sPrograms[program].name;
}

int VXGfxProgramMode(int program) {
  return sPrograms[program].mode;
}

int VXGfxProgramLocation(int program, int uniform) {
  return program == VX_PROGRAM_NONE ? -1 : sPrograms[program].location[uniform];
}
