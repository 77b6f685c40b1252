// A frame that repeats the last one is not drawn again, and the window goes
// on showing it: what the window shows, read from the X server, must be
// each frame's picture whatever changed in it, however little, and a frame
// that changed nothing must cost no draw call.
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "GlFixture.h"
#include "XClose.h"
#include "XShown.h"

namespace {

// One small change to a frame, each to a different part of what it draws.
struct Scene {
  const char* what;
  int picture = 0;
  float offset = 0.0f;
  float tintGreen = 1.0f;
  float transparency = 1.0f;
  float blendAlpha = 0.0f;
  int blend = VX_BLEND_ALPHA;
  float x = 0.0f;
  bool colourQuad = true;
  float lineY = -100.0f;
  const char* text = "Wave 3";
  float textRed = 1.0f;
  float background = 0.1f;
  bool last = true;  // the frame ends with one more picture
};

// The first frame, then each change on its own.
std::vector<Scene> Scenes() {
  const std::pair<const char*, std::function<void(Scene&)>> changes[] = {
      {"the first frame", [](Scene&) {}},
      {"another picture", [](Scene& s) { s.picture = 1; }},
      {"a texture offset", [](Scene& s) { s.offset = 0.5f; }},
      {"a tint", [](Scene& s) { s.tintGreen = 0.5f; }},
      {"a transparency", [](Scene& s) { s.transparency = 0.5f; }},
      {"a blend colour", [](Scene& s) { s.blendAlpha = 0.5f; }},
      {"additive blending", [](Scene& s) { s.blend = VX_BLEND_ADDITIVE; }},
      {"a picture moved by a pixel", [](Scene& s) { s.x = 1.0f; }},
      {"a colour draw left out", [](Scene& s) { s.colourQuad = false; }},
      {"a line moved", [](Scene& s) { s.lineY = -101.0f; }},
      {"other text", [](Scene& s) { s.text = "Wave 4"; }},
      {"text in another colour", [](Scene& s) { s.textRed = 0.0f; }},
      {"another background", [](Scene& s) { s.background = 0.25f; }},
      {"the last draw left out", [](Scene& s) { s.last = false; }},
      {"the same first frame again", [](Scene&) {}},
  };
  std::vector<Scene> scenes;
  for (const auto& c : changes) {
    Scene s;
    s.what = c.first;
    c.second(s);
    scenes.push_back(s);
  }
  return scenes;
}

VXGfxTexture* Checks(unsigned char r, unsigned char g, unsigned char b) {
  std::vector<unsigned char> px(8 * 8 * 4);
  for (int i = 0; i < 64; ++i) {
    const bool dark = ((i % 8) / 2 + (i / 8) / 2) % 2 == 0;
    unsigned char* p = &px[static_cast<size_t>(i) * 4];
    p[0] = dark ? r / 2 : r;
    p[1] = dark ? g / 2 : g;
    p[2] = dark ? b / 2 : b;
    p[3] = i % 8 == 0 ? 128 : 255;
  }
  return VXGfxTextureLoadFromMemory(px.data(), 8, 8);
}

class RepeatedFrameTest : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    window_ = XWindowOf(VXSysGetWindowHandle());
    ASSERT_NE(0ul, window_);
    font_ = VXGfxCreateFont("Courier New", 24, true, false);
    pictures_[0] = Checks(200, 120, 40);
    pictures_[1] = Checks(40, 120, 200);
    quad_ = Quad(60, 40, 0xFF20A040u);
  }
  void TearDown() override {
    for (VXGfxTexture* t : pictures_) VXGfxTextureUnload(t);
    VXGfxDestroyFont(font_);
    GlTest::TearDown();
  }

  // Draws a scene in a frame of its own and ends the frame, or leaves it
  // open for a read-back; returns the draw calls it cost.
  long Draw(const Scene& s, bool end = true) {
    const long before = gVXGfxCounters.draws;
    VXGfxSetBackgroundColor(s.background, s.background, s.background);
    BeginFrame();
    VXGfxSetRenderMode(VX_RENDER_TEXTURE);
    VXGfxSetBlendMode(s.blend);
    VXGfxTextureSet(pictures_[s.picture], s.offset, 0.0f);
    VXGfxSetTintColor(1.0f, s.tintGreen, 1.0f, 1.0f);
    VXGfxSetTransparency(s.transparency);
    VXGfxSetBlendColor(1.0f, 0.0f, 0.0f, s.blendAlpha);
    VXGfxSetPosition(s.x, 0.0f);
    VXGfxMeshDraw(quad_, VX_DRAW_TRIANGLES);
    VXGfxSetRenderMode(VX_RENDER_COLOR);
    VXGfxSetBlendMode(VX_BLEND_ALPHA);
    if (s.colourQuad) {
      VXGfxSetPosition(-200.0f, 150.0f);
      VXGfxMeshDraw(quad_, VX_DRAW_TRIANGLES);
    }
    VXGfxLine(-300.0f, s.lineY, 0.0f, 1, 1, 0, 1, 300.0f, s.lineY, 0.0f, 1, 1, 0, 1);
    VXGfxPrint(font_, s.text, -100, 200, s.textRed, 1.0f, 1.0f);
    if (s.last) {
      VXGfxSetRenderMode(VX_RENDER_TEXTURE);
      VXGfxTextureSet(pictures_[1], 0.0f, 0.0f);
      VXGfxSetPosition(250.0f, -150.0f);
      VXGfxMeshDraw(quad_, VX_DRAW_TRIANGLES);
    }
    if (end) VXSysFrameEnd();
    return gVXGfxCounters.draws - before;
  }

  // The scene's picture, drawn and read back.
  std::vector<unsigned char> Picture(const Scene& s) {
    Draw(s, false);
    EndFrame();
    return Rgb(pixels_);
  }

  static std::vector<unsigned char> Rgb(const std::vector<unsigned char>& rgba) {
    std::vector<unsigned char> rgb;
    for (size_t i = 0; i < rgba.size(); i += 4) rgb.insert(rgb.end(), &rgba[i], &rgba[i + 3]);
    return rgb;
  }

  std::vector<unsigned char> Shown() {
    VXSysGetDrawableSize(&width_, &height_);
    return XShownPixels(window_, width_, height_);
  }

  long ShownDifferences(const std::vector<unsigned char>& picture) { return Differences(Shown(), picture); }

  static long Differences(const std::vector<unsigned char>& shown, const std::vector<unsigned char>& picture) {
    if (shown.size() != picture.size()) return -1;
    long differing = 0;
    for (size_t i = 0; i < shown.size(); i += 3)
      differing += shown[i] != picture[i] || shown[i + 1] != picture[i + 1] || shown[i + 2] != picture[i + 2];
    return differing;
  }

  unsigned long window_ = 0;
  int font_ = 0;
  VXGfxTexture* pictures_[2] = {};
  VXGfxVertexList* quad_ = nullptr;
};

TEST_F(RepeatedFrameTest, TheWindowShowsEveryChangeAndARepeatCostsNoDrawCall) {
  const std::vector<Scene> scenes = Scenes();
  std::vector<std::vector<unsigned char>> pictures;
  for (const Scene& s : scenes) pictures.push_back(Picture(s));
  for (size_t i = 1; i + 1 < scenes.size(); ++i) ASSERT_NE(pictures[0], pictures[i]) << scenes[i].what;
  // The window's first frames are drawn whatever they repeat.
  for (int i = 0; i < 4; ++i) Draw(scenes[0]);
  for (size_t i = 0; i < scenes.size(); ++i) {
    // Each change twice (the second a repeat), then back to the first frame.
    const size_t order[3] = {i, i, 0};
    for (int step = 0; step < 3; ++step) {
      const Scene& s = scenes[order[step]];
      const long draws = Draw(s);
      if (step == 1) {
        EXPECT_EQ(0, draws) << s.what << ", repeated";
      }
      EXPECT_EQ(0, ShownDifferences(pictures[order[step]])) << s.what << ", step " << step;
    }
  }
  // A frame read back is drawn, repeat or not.
  Draw(scenes[0]);
  EXPECT_EQ(pictures[0], Picture(scenes[0]));
}

// A picture or a mesh made anew, perhaps where a freed one was, is not the
// one it replaced, and neither is a picture filtered otherwise.
TEST_F(RepeatedFrameTest, APictureOrMeshMadeAnewIsDrawnAnew) {
  Scene s;
  for (int i = 0; i < 4; ++i) Draw(s);
  VXGfxTextureUnload(pictures_[0]);
  pictures_[0] = Checks(40, 200, 40);
  Draw(s);
  std::vector<unsigned char> shown = Shown();
  EXPECT_EQ(0, Differences(shown, Picture(s))) << "a picture loaded anew";

  for (int i = 0; i < 4; ++i) Draw(s);
  meshes_.erase(std::find(meshes_.begin(), meshes_.end(), quad_));
  VXGfxMeshFree(quad_);
  quad_ = Quad(80, 50, 0xFF20A040u);
  Draw(s);
  shown = Shown();
  EXPECT_EQ(0, Differences(shown, Picture(s))) << "a mesh built anew";

  for (int i = 0; i < 4; ++i) Draw(s);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxTextureSet(pictures_[1], 0.0f, 0.0f);
  VXGfxSetTextureMode(VX_TEXTURE_LINEAR);
  Draw(s);
  shown = Shown();
  EXPECT_EQ(0, Differences(shown, Picture(s))) << "a picture filtered linearly";

  // Freed while the frame that drew it still waits to be sent.
  const auto drawThenFree = [&] {
    Draw(s, false);
    VXGfxTextureUnload(pictures_[0]);
    pictures_[0] = nullptr;
    VXGfxSetRenderMode(VX_RENDER_COLOR);
    VXGfxSetPosition(0.0f, -250.0f);
    VXGfxMeshDraw(quad_, VX_DRAW_TRIANGLES);
  };
  drawThenFree();
  EndFrame();
  const std::vector<unsigned char> freed = Rgb(pixels_);
  for (int i = 0; i < 5; ++i) {
    if (!pictures_[0]) pictures_[0] = Checks(40, 200, 40);
    Draw(s);
  }
  drawThenFree();
  VXSysFrameEnd();
  EXPECT_EQ(0, ShownDifferences(freed)) << "a picture freed after it was drawn";
}

// What another window spoiled is drawn again at the next frames, though
// nothing in them changed.
TEST_F(RepeatedFrameTest, WhatAnotherWindowSpoiledIsDrawnAgain) {
  Scene s;
  const std::vector<unsigned char> picture = Picture(s);
  for (int i = 0; i < 4; ++i) Draw(s);
  ASSERT_EQ(0, ShownDifferences(picture));
  ASSERT_TRUE(XSpoilAndExpose(window_, 100, 100, 300, 200));
  long differing = -1;
  for (int i = 0; i < 50 && differing != 0; ++i) {
    Draw(s);
    differing = ShownDifferences(picture);
  }
  EXPECT_EQ(0, differing);
}

}  // namespace
