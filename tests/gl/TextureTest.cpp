// Textures on a real window: true sizes, the top-left texel at (0, 0), the
// scrolling offset, and what a bad file or a long name gives.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <string>

#include "GlFixture.h"

namespace {

using TextureTest = GlTest;

// Writes a PNG of the given RGBA pixels (top row first).
void WritePng(const std::string& path, const unsigned char* pixels, int w, int h) {
  SDL_Surface* s =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(pixels), w, h, 32, w * 4, SDL_PIXELFORMAT_RGBA32);
  ASSERT_NE(nullptr, s);
  ASSERT_EQ(0, IMG_SavePNG(s, path.c_str()));
  SDL_FreeSurface(s);
}

// 2 x 2: red, green on top; blue, white below.
const unsigned char kCorners[16] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};

void DrawTextured(VXGfxVertexList* quad, VXGfxTexture* tex, float u, float v, float x = 0, float y = 0) {
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxTextureSet(tex, u, v);
  VXGfxSetPosition(x, y);
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
}

TEST_F(TextureTest, TopLeftTexelShowsAtTextureCoordinateZero) {
  VXGfxTexture* fromMemory = VXGfxTextureLoadFromMemory(kCorners, 2, 2);
  WritePng("gl-test-corners.png", kCorners, 2, 2);
  VXGfxTexture* fromFile = VXGfxTextureLoad("gl-test-corners.png");
  ASSERT_TRUE(VXGfxTextureIsValid(fromFile));
  EXPECT_STREQ("gl-test-corners.png", fromFile->name);
  EXPECT_STREQ("", fromMemory->name);
  VXGfxVertexList* quad = Quad(50, 50, 0xFFFFFFFFu);
  BeginFrame();
  DrawTextured(quad, fromMemory, 0, 0, -200, 0);
  DrawTextured(quad, fromFile, 0, 0, 200, 0);
  EndFrame();
  for (int left : {230, 630}) {
    EXPECT_TRUE(IsColor(At(left + 10, 320), 255, 0, 0));
    EXPECT_TRUE(IsColor(At(left + 90, 320), 0, 255, 0));
    EXPECT_TRUE(IsColor(At(left + 10, 400), 0, 0, 255));
    EXPECT_TRUE(IsColor(At(left + 90, 400), 255, 255, 255));
  }
  VXGfxTextureUnload(fromMemory);
  VXGfxTextureUnload(fromFile);
  remove("gl-test-corners.png");
}

TEST_F(TextureTest, ImagesKeepTheirTrueSize) {
  std::vector<unsigned char> pixels(3 * 5 * 4, 255);
  WritePng("gl-test-3x5.png", pixels.data(), 3, 5);
  VXGfxTexture* png = VXGfxTextureLoad("gl-test-3x5.png");
  ASSERT_NE(nullptr, png);
  EXPECT_EQ(3, png->width);
  EXPECT_EQ(5, png->height);
  GLint w = 0, h = 0;
  glBindTexture(GL_TEXTURE_2D, *png->pName);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  glBindTexture(GL_TEXTURE_2D, 0);
  EXPECT_EQ(3, w);
  EXPECT_EQ(5, h);

  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 7, 3, 24, SDL_PIXELFORMAT_RGB24);
  ASSERT_EQ(0, IMG_SaveJPG(s, "gl-test-7x3.jpg", 90));
  SDL_FreeSurface(s);
  VXGfxTexture* jpg = VXGfxTextureLoad("gl-test-7x3.jpg");
  EXPECT_TRUE(VXGfxTextureIsValid(jpg));
  EXPECT_EQ(7, jpg->width);
  EXPECT_EQ(3, jpg->height);
  VXGfxTextureUnload(png);
  VXGfxTextureUnload(jpg);
  remove("gl-test-3x5.png");
  remove("gl-test-7x3.jpg");
}

TEST_F(TextureTest, NameLongerThan255CharactersGivesNull) {
  std::string name(255, 'a');
  VXGfxTexture* tex = VXGfxTextureLoad(name.c_str());
  ASSERT_NE(nullptr, tex);  // a missing file still gives a handle
  EXPECT_EQ(name, tex->name);
  VXGfxTextureUnload(tex);
  name += 'a';
  EXPECT_EQ(nullptr, VXGfxTextureLoad(name.c_str()));
  EXPECT_EQ(nullptr, VXGfxTextureLoad(nullptr));
}

TEST_F(TextureTest, UndecodableFileStillGivesAHandleThatDrawsNothing) {
  FILE* f = fopen("gl-test-garbage.png", "wb");
  ASSERT_NE(nullptr, f);
  fputs("this is not a picture", f);
  fclose(f);
  VXGfxTexture* tex = VXGfxTextureLoad("gl-test-garbage.png");
  remove("gl-test-garbage.png");
  ASSERT_NE(nullptr, tex);
  EXPECT_FALSE(VXGfxTextureIsValid(tex));
  VXGfxVertexList* quad = Quad(50, 50, 0xFFFFFFFFu);
  BeginFrame();
  VXGfxSetBlendMode(VX_BLEND_ALPHA);
  DrawTextured(quad, tex, 0, 0);
  EndFrame();
  EXPECT_TRUE(IsColor(At(480, 360), 0, 0, 0));
  VXGfxTextureUnload(tex);
  VXGfxTextureUnload(nullptr);
}

TEST_F(TextureTest, OffsetScrollsTheImageAcrossTheMesh) {
  const unsigned char redGreen[8] = {255, 0, 0, 255, 0, 255, 0, 255};
  VXGfxTexture* tex = VXGfxTextureLoadFromMemory(redGreen, 2, 1);
  VXGfxVertexList* quad = Quad(50, 50, 0xFFFFFFFFu);
  BeginFrame();
  DrawTextured(quad, tex, 0.0f, 0, -200, 0);
  DrawTextured(quad, tex, 0.5f, 0, 0, 0);
  DrawTextured(quad, tex, 2.5f, 0, 200, 0);  // reduced to 0.5
  EndFrame();
  EXPECT_TRUE(IsColor(At(240, 360), 255, 0, 0));
  EXPECT_TRUE(IsColor(At(320, 360), 0, 255, 0));
  for (int left : {430, 630}) {
    EXPECT_TRUE(IsColor(At(left + 10, 360), 0, 255, 0));
    EXPECT_TRUE(IsColor(At(left + 90, 360), 255, 0, 0));
  }
  VXGfxTextureUnload(tex);
}

TEST_F(TextureTest, OffsetAboveOneIsReducedButOneItselfStays) {
  VXGfxTexture* tex = VXGfxTextureLoadFromMemory(kCorners, 2, 2);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  GLuint program = gVXShaderProgram[VX_RENDER_TEXTURE];
  GLint loc = glGetUniformLocation(program, "uTextureOffset");
  float offset[2] = {};
  VXGfxTextureSet(tex, 1.0f, 3.25f);
  glGetUniformfv(program, loc, offset);
  EXPECT_FLOAT_EQ(1.0f, offset[0]);
  EXPECT_FLOAT_EQ(0.25f, offset[1]);
  VXGfxTextureSet(tex, -0.5f, 1e30f);  // negatives stay; a huge offset does not spin
  glGetUniformfv(program, loc, offset);
  EXPECT_FLOAT_EQ(-0.5f, offset[0]);
  EXPECT_GT(offset[1], 0.0f);
  EXPECT_LE(offset[1], 1.0f);
  VXGfxTextureSet(nullptr, 0.75f, 0.75f);  // unbinds, offset untouched
  glGetUniformfv(program, loc, offset);
  EXPECT_FLOAT_EQ(-0.5f, offset[0]);
  GLint bound = -1;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(0, bound);
  VXGfxTextureUnload(tex);
}

TEST_F(TextureTest, UnsupportedTextureModeIsReportedAndSavingIsNotSupported) {
  testing::internal::CaptureStdout();
  VXGfxSetTextureMode(3);
  VXGfxSaveTextureToFile(nullptr, "x.png");
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ("Unsupported texture mode!\n", out);
}

}  // namespace
