// Shared by the renderer tests: a real 960 x 720 window, frames read back
// from the back buffer, and the quads the game builds.
#pragma once
#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "VXGfxInternal.h"
#include "VXGraphics.h"
#include "VXSystem.h"

struct Rgba {
  int r, g, b, a;
};

class GlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(1, VXSysInit(nullptr, 1, 960, 720, 0, 0, nullptr)) << "needs a display (run under xvfb-run)";
    VXSysReset();
    VXGfxSetBackgroundColor(0.0f, 0.0f, 0.0f);
  }
  void TearDown() override {
    for (VXGfxVertexList* m : meshes_) VXGfxMeshFree(m);
    VXSysExit();
  }

  // Starts a frame with both programs ready to draw: full tint, opaque.
  void BeginFrame() {
    VXSysFrameStart();
    for (int mode : {VX_RENDER_TEXTURE, VX_RENDER_COLOR}) {
      VXGfxSetRenderMode(mode);
      VXGfxSetTintColor(1.0f, 1.0f, 1.0f, 1.0f);
      VXGfxSetTransparency(1.0f);
      VXGfxSetBlendColor(0.0f, 0.0f, 0.0f, 0.0f);
    }
  }

  // Reads the frame (before the swap), then ends it.
  void EndFrame() {
    VXSysGetDrawableSize(&width_, &height_);
    pixels_.assign(static_cast<size_t>(width_) * height_ * 4, 0);
    ASSERT_EQ(1, VXGfxReadPixels(pixels_.data(), width_, height_));
    VXSysFrameEnd();
  }

  // Pixel (x, y) of the last frame, y from the top.
  Rgba At(int x, int y) const {
    const unsigned char* p = &pixels_[(static_cast<size_t>(y) * width_ + x) * 4];
    return Rgba{p[0], p[1], p[2], p[3]};
  }

  // A rectangle centred on the origin, as the game builds them: top vertices v = 0.
  VXGfxVertexList* Quad(float halfW, float halfH, uint32_t color) {
    VXGfxMeshStart();
    VXGfxTriAdd(-halfW, -halfH, color, 0, 1, halfW, -halfH, color, 1, 1, halfW, halfH, color, 1, 0);
    VXGfxTriAdd(-halfW, -halfH, color, 0, 1, halfW, halfH, color, 1, 0, -halfW, halfH, color, 0, 0);
    VXGfxVertexList* mesh = VXGfxMeshEnd();
    meshes_.push_back(mesh);
    return mesh;
  }

  // Checks that the last frame shows a quad of the given colour centred on a
  // world point exactly where the current scale and camera put it: the
  // pixels just inside its edges are lit and those just outside are black.
  void ExpectQuadAt(float x, float y, float halfW, float halfH, int r, int g, int b);

  int width_ = 0, height_ = 0;
  std::vector<unsigned char> pixels_;
  std::vector<VXGfxVertexList*> meshes_;
};

// The screen pixels a rasteriser fills between two edges are those whose
// centre lies in [e0, e1). A centre within a tenth of a pixel of an edge could
// go either way, so the first and last pixels named here keep that margin.
struct PixelSpan {
  int lastBefore, firstIn, lastIn, firstAfter;
  PixelSpan(float e0, float e1)
      : lastBefore(static_cast<int>(std::floor(e0 - 0.6f))),
        firstIn(static_cast<int>(std::ceil(e0 - 0.4f))),
        lastIn(static_cast<int>(std::floor(e1 - 0.6f))),
        firstAfter(static_cast<int>(std::ceil(e1 - 0.4f))) {}
};

inline bool Near(Rgba c, int r, int g, int b, int tolerance = 2) {
  return std::abs(c.r - r) <= tolerance && std::abs(c.g - g) <= tolerance && std::abs(c.b - b) <= tolerance;
}

inline ::testing::AssertionResult IsColor(Rgba c, int r, int g, int b, int tolerance = 2) {
  if (Near(c, r, g, b, tolerance)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got (" << c.r << ", " << c.g << ", " << c.b << "), want (" << r << ", " << g
                                       << ", " << b << ")";
}

inline void GlTest::ExpectQuadAt(float x, float y, float halfW, float halfH, int r, int g, int b) {
  // World to screen pixels, y from the top, as the projection and view map them.
  const float left = (x - halfW - gVXCamPosX + gVXWindowWidth * 0.5f) * gVXScreenScaleX;
  const float right = (x + halfW - gVXCamPosX + gVXWindowWidth * 0.5f) * gVXScreenScaleX;
  const float top = (gVXWindowHeight * 0.5f - (y + halfH - gVXCamPosY)) * gVXScreenScaleY;
  const float bottom = (gVXWindowHeight * 0.5f - (y - halfH - gVXCamPosY)) * gVXScreenScaleY;
  const PixelSpan cols(left, right), rows(top, bottom);
  const int midX = (cols.firstIn + cols.lastIn) / 2, midY = (rows.firstIn + rows.lastIn) / 2;
  EXPECT_TRUE(IsColor(At(cols.firstIn, rows.firstIn), r, g, b)) << "top-left corner";
  EXPECT_TRUE(IsColor(At(cols.lastIn, rows.lastIn), r, g, b)) << "bottom-right corner";
  EXPECT_TRUE(IsColor(At(cols.lastBefore, midY), 0, 0, 0)) << "left of it";
  EXPECT_TRUE(IsColor(At(cols.firstAfter, midY), 0, 0, 0)) << "right of it";
  EXPECT_TRUE(IsColor(At(midX, rows.lastBefore), 0, 0, 0)) << "above it";
  EXPECT_TRUE(IsColor(At(midX, rows.firstAfter), 0, 0, 0)) << "below it";
}
