// The headless engine that game-logic tests and bots run on: no window and no
// GL, yet the globals, mesh counts and texture sizes behave as with a window.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "VXGraphics.h"
#include "VXInput.h"
#include "VXSystem.h"

namespace {

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(1, VXSysInitHeadless(960, 720, 0)); }
  void TearDown() override { VXSysExit(); }
};

TEST_F(HeadlessTest, KeepsTheEngineGlobalsWithoutAWindow) {
  EXPECT_EQ(1, VXSysIsHeadless());
  EXPECT_EQ(nullptr, VXSysGetWindowHandle());
  EXPECT_EQ(960, VXGetWindowWidth());
  EXPECT_EQ(720, VXGetWindowHeight());
  EXPECT_FLOAT_EQ(-480.0f, VXGfxGetWinMinX());
  VXGfxSetCamPosition(100, 50);
  float x = 0, y = 0;
  VXGfxGetCamPosition(&x, &y);
  EXPECT_FLOAT_EQ(100.0f, x);
  EXPECT_FLOAT_EQ(410.0f, VXGfxGetWinMaxY());
  EXPECT_EQ(1, VXToogleFullScreen(true));
  EXPECT_FLOAT_EQ(1.0f, gVXScreenScaleX);  // no screen to stretch to
}

TEST_F(HeadlessTest, WindowExistsUntilClosed) {
  EXPECT_EQ(1, VXSysDoesWindowExist());
  for (int i = 0; i < 3; ++i) {
    VXSysFrameStart();
    VXSysFrameEnd();
  }
  EXPECT_EQ(1, VXSysDoesWindowExist());
  VXSysCloseWindow();
  EXPECT_EQ(0, VXSysDoesWindowExist());
}

TEST_F(HeadlessTest, DrawingStateAndFontCallsDoNothingButMeshesCountTheirVertices) {
  VXGfxMeshStart();
  VXGfxTriAdd(0, 0, 0xFFFFFFFFu, 0, 0, 1, 0, 0xFFFFFFFFu, 1, 0, 1, 1, 0xFFFFFFFFu, 1, 1);
  VXGfxTriAdd(0, 0, 0xFFFFFFFFu, 0, 0, 1, 1, 0xFFFFFFFFu, 1, 1, 0, 1, 0xFFFFFFFFu, 0, 1);
  VXGfxVertexList* mesh = VXGfxMeshEnd();
  ASSERT_NE(nullptr, mesh);
  EXPECT_EQ(6u, mesh->vertexCount);
  VXGfxMeshStart();
  VXGfxVertexList* empty = VXGfxMeshEnd();
  EXPECT_EQ(0u, empty->vertexCount);

  const int font = VXGfxCreateFont("Courier New", 20, false, false);
  EXPECT_NE(0, font);
  VXSysFrameStart();
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxSetBlendMode(VX_BLEND_ALPHA);
  VXGfxSetTintColor(1, 1, 1, 1);
  VXGfxSetTransparency(1);
  VXGfxSetBlendColor(0, 0, 0, 0);
  VXGfxSetPosition(10, 10);
  VXGfxTextureSet(nullptr, 0, 0);
  VXGfxMeshDraw(mesh, VX_DRAW_TRIANGLES);
  VXGfxLine(0, 0, 0, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1);
  VXGfxPrint(font, "%s %d", 0, 0, 1, 1, 1);
  VXGfxAxis(10);
  VXSysFrameEnd();
  unsigned char pixel[4];
  EXPECT_EQ(0, VXGfxReadPixels(pixel, 1, 1));
  EXPECT_EQ(0, VXGfxSaveFramePNG("headless.png"));
  VXGfxDestroyFont(font);
  VXGfxMeshFree(mesh);
  VXGfxMeshFree(empty);
}

TEST_F(HeadlessTest, TexturesAreDecodedForTheirSizeButNotUploaded) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 3, 5, 32, SDL_PIXELFORMAT_RGBA32);
  ASSERT_NE(nullptr, s);
  ASSERT_EQ(0, IMG_SavePNG(s, "headless-3x5.png"));
  SDL_FreeSurface(s);
  VXGfxTexture* tex = VXGfxTextureLoad("headless-3x5.png");
  remove("headless-3x5.png");
  ASSERT_NE(nullptr, tex);
  EXPECT_TRUE(VXGfxTextureIsValid(tex));
  EXPECT_EQ(3, tex->width);
  EXPECT_EQ(5, tex->height);
  EXPECT_EQ(0u, *tex->pName);
  VXGfxTextureUnload(tex);

  VXGfxTexture* missing = VXGfxTextureLoad("no-such-file.png");
  ASSERT_NE(nullptr, missing);
  EXPECT_FALSE(VXGfxTextureIsValid(missing));
  VXGfxTextureUnload(missing);
  EXPECT_EQ(nullptr, VXGfxTextureLoad(std::string(256, 'x').c_str()));
}

TEST_F(HeadlessTest, InputComesFromTheScriptedState) {
  VXInputScriptClear();
  VXInputScriptKey(VX_KEY_SPACE, true);
  VXInputScriptCursor(12, 34);
  VXInputUpdate();
  EXPECT_TRUE(VXInputCheckTriggered(VX_KEY_SPACE));
  EXPECT_EQ(12, gVXInputMouseX);
  EXPECT_EQ(34, gVXInputMouseY);
  VXInputScriptClear();
}

TEST(MeshStagingTest, VerticesPastTheStagingRoomAreDroppedAndReportedOnce) {
  VXSysInitHeadless(960, 720, 0);
  testing::internal::CaptureStdout();
  VXGfxMeshStart();
  for (int i = 0; i < 8193; ++i) VXGfxTriAdd(0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0);
  VXGfxVertexAdd(0, 0, 0, 0, 0);
  VXGfxVertexList* mesh = VXGfxMeshEnd();
  std::string out = testing::internal::GetCapturedStdout();
  ASSERT_NE(nullptr, mesh);
  EXPECT_EQ(24576u, mesh->vertexCount);
  EXPECT_EQ(1u, std::count(out.begin(), out.end(), '\n'));
  VXGfxMeshStart();
  VXGfxVertexAdd(0, 0, 0, 0, 0);
  VXGfxVertexList* next = VXGfxMeshEnd();
  EXPECT_EQ(1u, next->vertexCount);
  VXGfxMeshFree(mesh);
  VXGfxMeshFree(next);
  VXSysExit();
}

TEST(ColourInterpolationTest, StepsFromTheFirstColourToTheSecondAtOne) {
  EXPECT_EQ(0xFF000000u, VXGfxColInterp(0xFF000000u, 0xFFFFFFFFu, 0.99f));
  EXPECT_EQ(0xFFFFFFFFu, VXGfxColInterp(0xFF000000u, 0xFFFFFFFFu, 1.0f));
  EXPECT_EQ(0xFFFFFFFFu, VXGfxColInterp(0xFF000000u, 0xFFFFFFFFu, 5.0f));
  EXPECT_EQ(0x12345678u, VXGfxColInterp(0x12345678u, 0x87654321u, -3.0f));
  EXPECT_EQ(0x87654321u, VXGfxColInterp(0x12345678u, 0x87654321u, 1.0f));
}

}  // namespace
