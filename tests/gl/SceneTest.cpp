// One frame of a small scene (coloured quads, a texture, text) written to
// artifacts/renderer-scene.png under the build tree, for a person to look at.
#include <SDL.h>
#include <SDL_image.h>
#include <sys/stat.h>

#include "GlFixture.h"

namespace {

using SceneTest = GlTest;

TEST_F(SceneTest, WritesAFrameOfQuadsATextureAndTextToAPng) {
  // An 8 x 8 checker with a red top-left corner.
  unsigned char checker[8 * 8 * 4];
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      unsigned char* p = &checker[(y * 8 + x) * 4];
      bool light = (x + y) % 2 == 0;
      p[0] = light ? 230 : 40;
      p[1] = light ? 230 : 40;
      p[2] = light ? 230 : 90;
      p[3] = 255;
    }
  checker[0] = 255;
  checker[1] = checker[2] = 0;
  VXGfxTexture* tex = VXGfxTextureLoadFromMemory(checker, 8, 8);
  const int font = VXGfxCreateFont("Courier New", 24, true, false);
  VXGfxVertexList* tile = Quad(60, 60, 0xFFFFFFFFu);
  VXGfxVertexList* red = Quad(100, 40, 0xFFD03030u);
  VXGfxVertexList* glass = Quad(120, 80, 0x8030A0FFu);

  VXGfxSetBackgroundColor(0.1f, 0.12f, 0.15f);
  BeginFrame();
  VXGfxSetBlendMode(VX_BLEND_ALPHA);
  VXGfxSetRenderMode(VX_RENDER_COLOR);
  VXGfxSetPosition(-250, 150);
  VXGfxMeshDraw(red, VX_DRAW_TRIANGLES);
  VXGfxSetPosition(-180, 100);
  VXGfxMeshDraw(glass, VX_DRAW_TRIANGLES);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxTextureSet(tex, 0, 0);
  VXGfxSetPosition(200, 120);
  VXGfxMeshDraw(tile, VX_DRAW_TRIANGLES);
  VXGfxTextureSet(tex, 0.25f, 0);
  VXGfxSetTintColor(1, 0.6f, 0.6f, 1);
  VXGfxSetPosition(340, 120);
  VXGfxMeshDraw(tile, VX_DRAW_TRIANGLES);
  VXGfxSetRenderMode(VX_RENDER_COLOR);
  VXGfxTextureSet(nullptr, 0, 0);
  VXGfxPrint(font, "Orvane: 100% renderer", -440, -150, 1, 1, 1);
  VXGfxPrint(font, "Wave 3/10  Money 120", -440, -200, 255, 255, 0);
  VXGfxSetPosition(0, 0);
  VXGfxLine(-480, -250, 0, 0, 1, 0, 1, 480, -250, 0, 0, 1, 0, 1);

  mkdir("artifacts", 0755);
  ASSERT_EQ(1, VXGfxSaveFramePNG("artifacts/renderer-scene.png"));
  EndFrame();

  SDL_Surface* saved = IMG_Load("artifacts/renderer-scene.png");
  ASSERT_NE(nullptr, saved);
  EXPECT_EQ(960, saved->w);
  EXPECT_EQ(720, saved->h);
  SDL_FreeSurface(saved);
  VXGfxDestroyFont(font);
  VXGfxTextureUnload(tex);
}

}  // namespace
