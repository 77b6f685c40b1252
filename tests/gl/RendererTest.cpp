// The renderer on a real window: where world points land on screen, in a
// window and in full screen, and how blend, tint and transparency combine.
#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "GlFixture.h"

namespace {

using RendererTest = GlTest;

TEST_F(RendererTest, StartsWithTheLogicalViewAroundTheOriginAndTheColourProgram) {
  int w = 0, h = 0;
  VXSysGetDrawableSize(&w, &h);
  EXPECT_EQ(960, w);
  EXPECT_EQ(720, h);
  EXPECT_FLOAT_EQ(-480.0f, VXGfxGetWinMinX());
  EXPECT_FLOAT_EQ(480.0f, VXGfxGetWinMaxX());
  EXPECT_FLOAT_EQ(-360.0f, VXGfxGetWinMinY());
  EXPECT_FLOAT_EQ(360.0f, VXGfxGetWinMaxY());
  EXPECT_EQ(VX_RENDER_COLOR, gVXCurrentProgram);
  EXPECT_EQ(1, gVXWindowExists);
  SDL_Window* window = static_cast<SDL_Window*>(VXSysGetWindowHandle());
  EXPECT_STREQ("Vexor Engine", SDL_GetWindowTitle(window));
  EXPECT_EQ(0u, SDL_GetWindowFlags(window) & SDL_WINDOW_RESIZABLE);
  SDL_DisplayMode mode;
  ASSERT_EQ(0, SDL_GetDesktopDisplayMode(0, &mode));
  int x = 0, y = 0;
  SDL_GetWindowPosition(window, &x, &y);
  EXPECT_EQ(mode.w / 2 - 480, x);  // (480, 180) on a 1920 x 1080 screen
  EXPECT_EQ(mode.h / 2 - 360, y);
}

TEST_F(RendererTest, QuadAtAWorldPointLandsOnItsPixelsInAWindow) {
  VXGfxVertexList* quad = Quad(10, 10, 0xFFFF0000u);
  BeginFrame();
  VXGfxSetPosition(200, 100);
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
  EndFrame();
  // World (200, 100) is pixel (680, 260); the quad covers 20 x 20 pixels.
  EXPECT_TRUE(IsColor(At(670, 250), 255, 0, 0));
  EXPECT_TRUE(IsColor(At(689, 269), 255, 0, 0));
  EXPECT_TRUE(IsColor(At(669, 260), 0, 0, 0));
  EXPECT_TRUE(IsColor(At(690, 260), 0, 0, 0));
  EXPECT_TRUE(IsColor(At(680, 249), 0, 0, 0));
  EXPECT_TRUE(IsColor(At(680, 270), 0, 0, 0));
}

TEST_F(RendererTest, WorldMatrixComesFromA2DAffineOrA4x4RowByRow) {
  VXGfxVertexList* quad = Quad(10, 10, 0xFFFFFFFFu);
  VXMtx33 wide = {{{2, 0, -200}, {0, 1, 100}, {7, 7, 7}}};  // the bottom row is ignored
  const float tall[16] = {1, 0, 0, 200, 0, 3, 0, -100, 0, 0, 1, 0, 0, 0, 0, 1};
  BeginFrame();
  VXGfxSetTransform(&wide);
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
  VXGfxSetTransform3D(tall);
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
  EndFrame();
  // 40 x 20 pixels around (280, 260); 20 x 60 pixels around (680, 460).
  EXPECT_TRUE(IsColor(At(261, 251), 255, 255, 255));
  EXPECT_TRUE(IsColor(At(298, 268), 255, 255, 255));
  EXPECT_TRUE(IsColor(At(258, 260), 0, 0, 0));
  EXPECT_TRUE(IsColor(At(280, 248), 0, 0, 0));
  EXPECT_TRUE(IsColor(At(671, 431), 255, 255, 255));
  EXPECT_TRUE(IsColor(At(688, 488), 255, 255, 255));
  EXPECT_TRUE(IsColor(At(692, 460), 0, 0, 0));
  EXPECT_TRUE(IsColor(At(680, 428), 0, 0, 0));
}

TEST_F(RendererTest, CameraMovesTheViewFromTheNextProgramSwitch) {
  VXGfxVertexList* quad = Quad(10, 10, 0xFF00FF00u);
  VXGfxSetCamPosition(100, 50);
  EXPECT_FLOAT_EQ(-380.0f, VXGfxGetWinMinX());
  EXPECT_FLOAT_EQ(580.0f, VXGfxGetWinMaxX());
  EXPECT_FLOAT_EQ(-310.0f, VXGfxGetWinMinY());
  EXPECT_FLOAT_EQ(410.0f, VXGfxGetWinMaxY());
  BeginFrame();
  VXGfxSetPosition(200, 100);
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
  EndFrame();
  EXPECT_TRUE(IsColor(At(580, 310), 0, 255, 0));
  EXPECT_TRUE(IsColor(At(680, 260), 0, 0, 0));
}

// Whatever the fast path draws with, each frame starts cleared (a window
// with no depth or stencil buffer to clear: nothing reads them), and the
// program table names the programs of the two render modes, built from
// their sources.
TEST_F(RendererTest, EachFrameStartsClearedAndTheProgramTableNamesTheRenderModesPrograms) {
  GLint depthBits = -1, stencilBits = -1;
  glGetIntegerv(GL_DEPTH_BITS, &depthBits);
  glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
  EXPECT_EQ(0, depthBits);
  EXPECT_EQ(0, stencilBits);
  const unsigned char white[4] = {255, 255, 255, 255};
  VXGfxTexture* tex = VXGfxTextureLoadFromMemory(white, 1, 1);
  VXGfxVertexList* quad = Quad(10, 10, 0xFFFFFFFFu);
  const unsigned programs[3] = {gVXShaderProgram[0], gVXShaderProgram[1], gVXShaderProgram[2]};
  for (int frame = 0; frame < 3; ++frame) {
    BeginFrame();
    unsigned char pixel[4] = {1, 1, 1, 1};
    glReadPixels(480 + 100 * frame, 360, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(0, pixel[0] + pixel[1] + pixel[2]) << "frame " << frame;  // the last frame's quad is gone
    VXGfxSetRenderMode(VX_RENDER_TEXTURE);
    VXGfxSetBlendMode(VX_BLEND_ALPHA);
    VXGfxTextureSet(tex, 0, 0);
    for (int i = 0; i < 3; ++i) {
      VXGfxSetPosition(100.0f * i, 0);
      VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
    }
    EndFrame();
    EXPECT_TRUE(IsColor(At(480, 360), 255, 255, 255));
    for (int mode = 0; mode < 3; ++mode) EXPECT_EQ(programs[mode], gVXShaderProgram[mode]) << "mode " << mode;
  }
  EXPECT_EQ(0u, gVXShaderProgram[VX_RENDER_NONE]);
  for (const char* name : {"uTextureOffset", "uBlendColor", "uTintColor"})
    EXPECT_LE(0, glGetUniformLocation(gVXShaderProgram[VX_RENDER_TEXTURE], name)) << name;
  EXPECT_LE(0, glGetAttribLocation(gVXShaderProgram[VX_RENDER_COLOR], "aColor"));
  VXGfxTextureUnload(tex);
}

TEST_F(RendererTest, MatricesAreUploadedOnlyWhenTheProgramChanges) {
  const GLuint program = gVXShaderProgram[VX_RENDER_COLOR];
  const GLint view = glGetUniformLocation(program, "uVMatrix");
  float before[16], after[16];
  glGetUniformfv(program, view, before);
  VXGfxSetCamPosition(100, 50);
  VXGfxSetRenderMode(VX_RENDER_COLOR);  // already current: nothing happens
  glGetUniformfv(program, view, after);
  EXPECT_FLOAT_EQ(before[12], after[12]);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxSetRenderMode(VX_RENDER_COLOR);
  glGetUniformfv(program, view, after);
  EXPECT_FLOAT_EQ(-100.0f, after[12]);  // translation by minus the camera, column order
  EXPECT_FLOAT_EQ(-50.0f, after[13]);
  EXPECT_FLOAT_EQ(-60.0f, after[14]);
}

TEST_F(RendererTest, FullScreenStretchesTheSameWorldViewOverTheScreen) {
  SDL_DisplayMode mode;
  ASSERT_EQ(0, SDL_GetDesktopDisplayMode(0, &mode));
  VXToogleFullScreen(true);
  VXToogleFullScreen(true);  // twice is the same as once
  EXPECT_FLOAT_EQ(mode.w / 960.0f, gVXScreenScaleX);
  EXPECT_FLOAT_EQ(mode.h / 720.0f, gVXScreenScaleY);
  if (mode.w == 1920 && mode.h == 1080) {
    EXPECT_FLOAT_EQ(2.0f, gVXScreenScaleX);
    EXPECT_FLOAT_EQ(1.5f, gVXScreenScaleY);
  }
  VXGfxVertexList* quad = Quad(10, 10, 0xFF0000FFu);
  for (int warmUp = 0; warmUp < 3; ++warmUp) {
    BeginFrame();
    VXGfxSetPosition(200, 100);
    VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
    EndFrame();
  }
  ASSERT_EQ(mode.w, width_);
  ASSERT_EQ(mode.h, height_);
  ExpectQuadAt(200, 100, 10, 10, 0, 0, 255);
  // The right edge of the view is the right edge of the screen.
  BeginFrame();
  VXGfxSetPosition(470, 0);
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
  EndFrame();
  EXPECT_TRUE(IsColor(At(mode.w - 1, mode.h / 2), 0, 0, 255));

  VXToogleFullScreen(false);
  EXPECT_FLOAT_EQ(1.0f, gVXScreenScaleX);
  EXPECT_FLOAT_EQ(1.0f, gVXScreenScaleY);
  for (int warmUp = 0; warmUp < 3; ++warmUp) {
    BeginFrame();
    EndFrame();
  }
  EXPECT_EQ(960, width_);
  EXPECT_EQ(720, height_);
  int x = 0, y = 0;
  SDL_GetWindowPosition(static_cast<SDL_Window*>(VXSysGetWindowHandle()), &x, &y);
  EXPECT_EQ(mode.w / 2 - 480, x);  // centred again
  EXPECT_EQ(mode.h / 2 - 360, y);
}

TEST_F(RendererTest, BlendColourMixesByItsAlphaThenTintMultipliesThenTransparencyScalesAlpha) {
  VXGfxVertexList* quad = Quad(20, 20, 0xFFFF0000u);
  BeginFrame();
  VXGfxSetBlendMode(VX_BLEND_ALPHA);
  VXGfxSetRenderMode(VX_RENDER_COLOR);
  VXGfxSetPosition(-100, 0);  // blend alpha 0: the vertex colour as it is
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
  VXGfxSetBlendColor(0, 0, 1, 1);  // alpha 1: replaced
  VXGfxSetPosition(0, 0);
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
  VXGfxSetBlendColor(0, 0, 1, 0.5f);  // (0.5, 0, 0.5), tinted to (0.5, 0, 0.25), half over black
  VXGfxSetTintColor(1, 1, 0.5f, 1);
  VXGfxSetTransparency(0.5f);
  VXGfxSetPosition(100, 0);
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
  EndFrame();
  EXPECT_TRUE(IsColor(At(380, 360), 255, 0, 0));
  EXPECT_TRUE(IsColor(At(480, 360), 0, 0, 255));
  EXPECT_TRUE(IsColor(At(580, 360), 64, 0, 32));
}

TEST_F(RendererTest, AdditiveBlendingAddsAndAnUnknownBlendModeChangesNothing) {
  VXGfxVertexList* red = Quad(20, 20, 0xFFFF0000u);
  VXGfxVertexList* green = Quad(20, 20, 0xFF00FF00u);
  BeginFrame();
  VXGfxSetBlendMode(VX_BLEND_ADDITIVE);
  VXGfxSetBlendMode(7);
  VXGfxSetPosition(0, 0);
  VXGfxMeshDraw(red, VX_DRAW_TRIANGLES);
  VXGfxMeshDraw(green, VX_DRAW_TRIANGLES);
  EndFrame();
  EXPECT_TRUE(IsColor(At(480, 360), 255, 255, 0));
}

TEST_F(RendererTest, PackedVertexColourBecomesFloatsInRgbaOrder) {
  VXGfxVertexList* quad = Quad(1, 1, 0x80FF0000u);
  ASSERT_NE(nullptr, quad);
  EXPECT_EQ(6u, quad->vertexCount);
  float color[4] = {};
  glBindBuffer(GL_ARRAY_BUFFER, quad->pBuffers[1]);
  glGetBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(color), color);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  EXPECT_FLOAT_EQ(1.0f, color[0]);
  EXPECT_FLOAT_EQ(0.0f, color[1]);
  EXPECT_FLOAT_EQ(0.0f, color[2]);
  EXPECT_NEAR(0.50196f, color[3], 1e-5f);
}

TEST_F(RendererTest, EmptyMeshAndInvalidDrawModeDrawNothing) {
  VXGfxMeshStart();
  VXGfxVertexList* empty = VXGfxMeshEnd();
  meshes_.push_back(empty);
  ASSERT_NE(nullptr, empty);
  EXPECT_EQ(0u, empty->vertexCount);
  VXGfxVertexList* quad = Quad(20, 20, 0xFFFFFFFFu);
  BeginFrame();
  VXGfxSetPosition(0, 0);
  VXGfxMeshDraw(empty, VX_DRAW_TRIANGLES);
  testing::internal::CaptureStdout();
  VXGfxMeshDraw(quad, 4);
  EXPECT_EQ("Mesh Draw Mode 4 is invalid!\n", testing::internal::GetCapturedStdout());
  EndFrame();
  EXPECT_TRUE(IsColor(At(480, 360), 0, 0, 0));
}

TEST_F(RendererTest, TwoMeshesBuiltInTurnDoNotShareVertices) {
  VXGfxVertexList* first = Quad(5, 5, 0xFFFFFFFFu);
  VXGfxMeshStart();
  VXGfxTriAdd(0, 0, 0xFFFFFFFFu, 0, 0, 1, 0, 0xFFFFFFFFu, 0, 0, 0, 1, 0xFFFFFFFFu, 0, 0);
  VXGfxVertexList* second = VXGfxMeshEnd();
  meshes_.push_back(second);
  EXPECT_EQ(6u, first->vertexCount);
  EXPECT_EQ(3u, second->vertexCount);
}

TEST_F(RendererTest, LineDrawsUnderTheColourProgramOnly) {
  BeginFrame();
  VXGfxSetRenderMode(VX_RENDER_COLOR);
  VXGfxSetPosition(0, 0);
  VXGfxLine(-100, 0.5f, 0, 1, 1, 1, 1, 100, 0.5f, 0, 1, 1, 1, 1);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxSetPosition(0, 0);
  VXGfxLine(-100, 100.5f, 0, 1, 1, 1, 1, 100, 100.5f, 0, 1, 1, 1, 1);
  EndFrame();
  EXPECT_TRUE(IsColor(At(480, 359), 255, 255, 255));
  EXPECT_TRUE(IsColor(At(480, 259), 0, 0, 0));
}

// A GL error halts with its report on standard output, named after the
// first check that follows it: the frame's end for one of its own, the blend
// colour's check for a draw before it, however long the draw was held back.
TEST(RendererDeathTest, GlErrorHaltsWithTheReportOfTheCheckAfterIt) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto atTheEnd = [] {
    dup2(fileno(stderr), fileno(stdout));  // the report goes to stdout; let the matcher see it
    VXSysInit(nullptr, 1, 960, 720, 0, 0, nullptr);
    glEnable(0x1234);  // GL_INVALID_ENUM
    VXGfxEnd();
  };
  EXPECT_EXIT(atTheEnd(), ::testing::ExitedWithCode(1),
              "CHECK_GL_ERROR:\nLine: [0-9]+\nFunc: VXGfxEnd\nFile: \\.\\.\\\\\\.\\.\\\\src\\\\VXGraphics\nCode: "
              "0x00000500\nMesg: \n");
  auto fromADraw = [] {
    dup2(fileno(stderr), fileno(stdout));
    VXSysInit(nullptr, 1, 960, 720, 0, 0, nullptr);
    const unsigned char white[4] = {255, 255, 255, 255};
    VXGfxTexture* tex = VXGfxTextureLoadFromMemory(white, 1, 1);
    VXGfxMeshStart();
    VXGfxTriAdd(-9, -9, 0xFFFFFFFFu, 0, 1, 9, -9, 0xFFFFFFFFu, 1, 1, -9, 9, 0xFFFFFFFFu, 0, 0);
    VXGfxTriAdd(9, -9, 0xFFFFFFFFu, 1, 1, 9, 9, 0xFFFFFFFFu, 1, 0, -9, 9, 0xFFFFFFFFu, 0, 0);
    VXGfxVertexList* quad = VXGfxMeshEnd();
    VXSysFrameStart();
    VXGfxSetRenderMode(VX_RENDER_TEXTURE);
    VXGfxTextureSet(tex, 0.5f, 0.0f);
    VXGfxSetPosition(0, 0);
    quad->vertexCount = 0x80000000u;  // a count GL refuses (GL_INVALID_VALUE)
    VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
    VXGfxSetBlendColor(0, 0, 0, 0);
    VXSysFrameEnd();
  };
  EXPECT_EXIT(fromADraw(), ::testing::ExitedWithCode(1),
              "CHECK_GL_ERROR:\nLine: [0-9]+\nFunc: VXGfxSetBlendColor\nFile: "
              "\\.\\.\\\\\\.\\.\\\\src\\\\VXGraphics\nCode: 0x00000501\nMesg: \n");
}

}  // namespace
