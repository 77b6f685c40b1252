// Shader programs that fail to build say why, once, on one line each.
#include <string>

#include "GlFixture.h"
#include "VXGfxShader.h"

namespace {

using ShaderTest = GlTest;

const char* const kVertex =
    "attribute vec4 aPosition;\n"
    "varying vec2 vPlace;\n"
    "void main() { vPlace = aPosition.xy; gl_Position = aPosition; }\n";

int Lines(const std::string& text) {
  int n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

TEST_F(ShaderTest, AShaderThatDoesNotCompilePrintsItsLogOnOneLineAndIsLeftOut) {
  testing::internal::CaptureStdout();
  const GLuint program = VXGfxBuildProgram(kVertex, "void main() { gl_FragColor = vec4(1.0) +; }\n");
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(0u, out.find("Fragment shader did not compile: ")) << out;
  EXPECT_NE(std::string::npos, out.find("error")) << out;
  // Left out: only the vertex shader is attached.
  GLint attached = 0;
  glGetProgramiv(program, GL_ATTACHED_SHADERS, &attached);
  EXPECT_EQ(1, attached);
  EXPECT_EQ(1, Lines(out.substr(0, out.find("Shader program"))));
  glDeleteProgram(program);
}

TEST_F(ShaderTest, AProgramThatDoesNotLinkPrintsItsLogOnOneLine) {
  testing::internal::CaptureStdout();
  // The fragment shader reads a varying the vertex shader never writes.
  const GLuint program =
      VXGfxBuildProgram(kVertex, "varying vec4 vMissing;\nvoid main() { gl_FragColor = vMissing; }\n");
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(0u, out.find("Shader program did not link: ")) << out;
  EXPECT_EQ(1, Lines(out)) << out;
  glDeleteProgram(program);
}

TEST_F(ShaderTest, TheEnginesOwnProgramsBuildWithoutAWord) {
  testing::internal::CaptureStdout();
  VXSysExit();
  ASSERT_EQ(1, VXSysInit(nullptr, 1, 960, 720, 0, 0, nullptr));
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(std::string::npos, out.find("did not")) << out;
}

}  // namespace
