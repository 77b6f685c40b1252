// Pictures without a window: what the renderer notes from their pixels
// (opaque, where the visible texels are), and decoding ahead on worker
// threads, which must hand every file back in the order asked for.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "VXGfxPicture.h"
#include "VXGraphics.h"
#include "VXSystem.h"

namespace {

// RGBA pixels, every texel clear unless painted.
struct Canvas {
  int w, h;
  std::vector<unsigned char> px;
  Canvas(int width, int height) : w(width), h(height), px(static_cast<size_t>(width) * height * 4, 0) {}
  void Paint(int x0, int y0, int x1, int y1, unsigned char alpha) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) px[(static_cast<size_t>(y) * w + x) * 4 + 3] = alpha;
  }
  VXGfxPictureNotes Notes() const {
    VXGfxPictureNotes n = {};
    VXGfxPictureNote(px.data(), w, h, w * 4, &n);
    return n;
  }
};

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(1, VXSysInitHeadless(960, 720, 0)); }
  void TearDown() override {
    for (const std::string& f : files_) remove(f.c_str());
    VXSysExit();
  }

  // Saves a w x h PNG whose every texel has alpha 255; returns its name.
  std::string SavePng(const std::string& name, int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_FillRect(s, nullptr, 0xFFFFFFFFu);
    EXPECT_EQ(0, IMG_SavePNG(s, name.c_str()));
    SDL_FreeSurface(s);
    files_.push_back(name);
    return name;
  }

  std::vector<std::string> files_;
};

// Whether every texel that is not clear lies in one of the noted rectangles.
bool Covered(const Canvas& c, const VXGfxPictureNotes& n) {
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) {
      if (c.px[(static_cast<size_t>(y) * c.w + x) * 4 + 3] == 0) continue;
      bool inside = false;
      for (int r = 0; r < n.regions; ++r)
        inside = inside || (x >= n.region[r][0] && x < n.region[r][2] && y >= n.region[r][1] && y < n.region[r][3]);
      if (!inside) return false;
    }
  return true;
}

TEST_F(PictureTest, NotesTellOpaqueFromClearAndBoundTheVisibleTexelsTightly) {
  Canvas full(40, 30);
  full.Paint(0, 0, 40, 30, 255);
  EXPECT_EQ(1, full.Notes().opaque);
  full.Paint(39, 29, 40, 30, 254);  // one texel not quite opaque
  EXPECT_EQ(0, full.Notes().opaque);

  Canvas clear(40, 30);
  EXPECT_EQ(0, clear.Notes().regions);

  Canvas framed(64, 64);
  framed.Paint(9, 10, 56, 56, 200);
  const VXGfxPictureNotes n = framed.Notes();
  ASSERT_EQ(1, n.regions);
  EXPECT_EQ(9, n.region[0][0]);
  EXPECT_EQ(10, n.region[0][1]);
  EXPECT_EQ(56, n.region[0][2]);
  EXPECT_EQ(56, n.region[0][3]);
}

TEST_F(PictureTest, BlotsApartAreNotedApartAndTooManyAreGatheredUntilFourHoldThemAll) {
  Canvas panels(960, 720);
  panels.Paint(16, 70, 316, 176, 255);
  panels.Paint(644, 70, 944, 176, 255);
  panels.Paint(16, 500, 316, 588, 255);
  panels.Paint(460, 540, 860, 600, 255);
  VXGfxPictureNotes n = panels.Notes();
  EXPECT_EQ(4, n.regions);
  EXPECT_TRUE(Covered(panels, n));
  long area = 0;
  for (int r = 0; r < n.regions; ++r) area += long(n.region[r][2] - n.region[r][0]) * (n.region[r][3] - n.region[r][1]);
  EXPECT_EQ(300L * 106 + 300 * 106 + 300 * 88 + 400 * 60, area);

  Canvas dots(256, 256);
  for (int i = 0; i < 12; ++i) dots.Paint(20 * i, (i * 37) % 240, 20 * i + 3, (i * 37) % 240 + 3, 9);
  n = dots.Notes();
  EXPECT_LE(n.regions, 4);
  EXPECT_GE(n.regions, 1);
  EXPECT_TRUE(Covered(dots, n));
  for (int a = 0; a < n.regions; ++a)
    for (int b = a + 1; b < n.regions; ++b) {
      const int* p = n.region[a];
      const int* q = n.region[b];
      EXPECT_FALSE(p[0] <= q[2] && q[0] <= p[2] && p[1] <= q[3] && q[1] <= p[3]) << "rectangles " << a << ", " << b;
    }
}

TEST_F(PictureTest, PicturesDecodedAheadComeBackInTheirOrderAndAMissingOneFailsInItsPlace) {
  std::vector<std::string> names;
  for (int i = 0; i < 12; ++i) names.push_back(SavePng("ahead-" + std::to_string(i) + ".png", 3 + i, 5 + 2 * i));
  names.insert(names.begin() + 7, "ahead-missing.png");
  for (const std::string& n : names) VXGfxTexturePrefetch(n.c_str());
  for (size_t i = 0; i < names.size(); ++i) {
    VXGfxTexture* tex = VXGfxTextureLoad(names[i].c_str());
    ASSERT_NE(nullptr, tex);
    if (i == 7) {
      EXPECT_FALSE(VXGfxTextureIsValid(tex));
    } else {
      const int k = static_cast<int>(i < 7 ? i : i - 1);
      EXPECT_TRUE(VXGfxTextureIsValid(tex)) << names[i];
      EXPECT_EQ(3 + k, tex->width) << names[i];
      EXPECT_EQ(5 + 2 * k, tex->height) << names[i];
      EXPECT_EQ(1, tex->pNotes->opaque);
    }
    VXGfxTextureUnload(tex);
  }
  VXGfxTexturePrefetchEnd();
}

TEST_F(PictureTest, AFileAskedForOutOfTurnIsDecodedOnTheSpotAndTheRestAreDroppedAtTheEnd) {
  const std::string a = SavePng("turn-a.png", 4, 4), b = SavePng("turn-b.png", 6, 2);
  VXGfxTexturePrefetch(a.c_str());
  VXGfxTexturePrefetch(b.c_str());
  VXGfxTexture* second = VXGfxTextureLoad(b.c_str());  // not the next one
  EXPECT_EQ(6, second->width);
  VXGfxTexturePrefetchEnd();  // a was never taken
  VXGfxTexture* first = VXGfxTextureLoad(a.c_str());
  EXPECT_EQ(4, first->width);
  VXGfxTextureUnload(first);
  VXGfxTextureUnload(second);
}

}  // namespace
