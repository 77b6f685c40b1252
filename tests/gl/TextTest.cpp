// Text on a real window: where the anchor puts the glyphs, their colour, the
// accepted anchor range, the safe formatting and what a print leaves behind.
#include <algorithm>
#include <cmath>
#include <string>

#include "GlFixture.h"
#include "bot/AllocationCounter.h"

namespace {

struct Box {
  int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1, lit = 0;
};

class TextTest : public GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    font_ = VXGfxCreateFont("Courier New", 20, false, false);
    ASSERT_NE(0, font_);
  }
  void TearDown() override {
    VXGfxDestroyFont(font_);
    GlTest::TearDown();
  }
  // One frame with just this print (colour program current, as the game leaves it).
  void PrintFrame(int font, const char* text, int x, int y, float r = 1, float g = 1, float b = 1) {
    BeginFrame();
    VXGfxSetRenderMode(VX_RENDER_COLOR);
    VXGfxPrint(font, text, x, y, r, g, b);
    EndFrame();
  }
  Box Lit() const {
    Box box;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        Rgba c = At(x, y);
        if (c.r + c.g + c.b == 0) continue;
        ++box.lit;
        box.minX = std::min(box.minX, x);
        box.maxX = std::max(box.maxX, x);
        box.minY = std::min(box.minY, y);
        box.maxY = std::max(box.maxY, y);
      }
    }
    return box;
  }
  int font_ = 0;
};

TEST_F(TextTest, FirstGlyphSitsOnTheBaselineRightOfTheAnchorInTheAskedColour) {
  PrintFrame(font_, "H", 0, 0, 1, 0, 0);
  Box box = Lit();
  ASSERT_GT(box.lit, 20);
  EXPECT_GE(box.minX, 480);
  EXPECT_LE(box.minX, 484);
  EXPECT_LE(box.maxX, 480 + 12);
  EXPECT_EQ(359, box.maxY);  // the row just above the baseline at world y 0
  EXPECT_GE(box.minY, 359 - 20);
  for (int y = box.minY; y <= box.maxY; ++y)
    for (int x = box.minX; x <= box.maxX; ++x) {
      Rgba c = At(x, y);
      EXPECT_EQ(0, c.g + c.b) << x << ", " << y;
    }
}

TEST_F(TextTest, TextColourIsMultipliedByTheTint) {
  BeginFrame();
  VXGfxSetRenderMode(VX_RENDER_COLOR);
  VXGfxSetTintColor(1, 0, 1, 1);
  VXGfxPrint(font_, "HHH", 0, 0, 1, 1, 1);
  EndFrame();
  Box box = Lit();
  ASSERT_GT(box.lit, 20);
  bool sawFull = false;
  for (int y = box.minY; y <= box.maxY; ++y)
    for (int x = box.minX; x <= box.maxX; ++x) {
      Rgba c = At(x, y);
      EXPECT_EQ(0, c.g);
      EXPECT_EQ(c.r, c.b);
      sawFull = sawFull || c.r == 255;
    }
  EXPECT_TRUE(sawFull);
}

TEST_F(TextTest, AnchorOutsideTheAcceptedRangeDrawsNothing) {
  const std::string longText(200, 'H');  // 2400 pixels: would reach into view from far left
  PrintFrame(font_, "H", 480, 0);
  EXPECT_EQ(0, Lit().lit);
  PrintFrame(font_, longText.c_str(), -1440, 0);
  EXPECT_EQ(0, Lit().lit);
  PrintFrame(font_, "H", 0, 360);
  EXPECT_EQ(0, Lit().lit);
  PrintFrame(font_, nullptr, 0, 0);
  EXPECT_EQ(0, Lit().lit);
  PrintFrame(0, "H", 0, 0);  // no such font
  EXPECT_EQ(0, Lit().lit);

  // Just inside the left limit the tail of the text shows from the view's left edge.
  PrintFrame(font_, longText.c_str(), -1439, 0);
  Box box = Lit();
  EXPECT_GT(box.lit, 0);
  EXPECT_LT(box.minX, 12);
  PrintFrame(font_, longText.c_str(), -1000, 0);
  EXPECT_EQ(0, Lit().minX);  // a glyph cut by the edge
}

TEST_F(TextTest, AcceptedRangeFollowsTheCamera) {
  const std::string longText(200, 'H');
  VXGfxSetCamPosition(100, 0);
  PrintFrame(font_, longText.c_str(), -1339, 0);  // the left limit moved right by 100
  EXPECT_GT(Lit().lit, 0);
  PrintFrame(font_, longText.c_str(), -1340, 0);
  EXPECT_EQ(0, Lit().lit);
}

TEST_F(TextTest, TwoPercentSignsPrintOneAndALonePercentSignPrintsItself) {
  PrintFrame(font_, "%%", 0, 0);
  std::vector<unsigned char> doubled = pixels_;
  PrintFrame(font_, "%", 0, 0);
  EXPECT_GT(Lit().lit, 0);
  EXPECT_EQ(doubled, pixels_);

  PrintFrame(font_, "%s%d%n", 0, 0);  // never reads an argument
  std::vector<unsigned char> conversions = pixels_;
  PrintFrame(font_, "%%s%%d%%n", 0, 0);
  EXPECT_EQ(conversions, pixels_);
}

TEST_F(TextTest, TextIsCutAt255Characters) {
  // A small face so that all 300 characters would fit on screen.
  const int small = VXGfxCreateFont("Courier New", 5, false, false);
  ASSERT_NE(0, small);
  const std::string full(300, 'X');
  PrintFrame(small, full.c_str(), -475, 0);
  std::vector<unsigned char> printed = pixels_;
  Box box = Lit();
  PrintFrame(small, full.substr(0, 255).c_str(), -475, 0);
  EXPECT_EQ(printed, pixels_);
  PrintFrame(small, full.substr(0, 200).c_str(), -475, 0);
  EXPECT_LT(Lit().maxX, box.maxX);
  VXGfxDestroyFont(small);
}

TEST_F(TextTest, ShowsUnderTheColourProgramWithNoTextureAndLeavesIdentityWorldAndNoBlendColour) {
  VXGfxVertexList* quad = Quad(10, 10, 0xFFFFFFFFu);
  BeginFrame();
  VXGfxSetRenderMode(VX_RENDER_COLOR);
  VXGfxTextureSet(nullptr, 0, 0);
  VXGfxSetBlendColor(0, 0, 1, 1);
  VXGfxSetPosition(300, 0);
  VXGfxPrint(font_, "H", -200, 100, 1, 0, 0);
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);  // no world matrix set since the print
  GLint program = 0;
  glGetIntegerv(GL_CURRENT_PROGRAM, &program);
  EXPECT_EQ(static_cast<GLint>(gVXShaderProgram[VX_RENDER_COLOR]), program);
  EXPECT_EQ(VX_RENDER_COLOR, gVXCurrentProgram);
  EndFrame();
  EXPECT_TRUE(IsColor(At(480, 360), 255, 255, 255));
  EXPECT_TRUE(IsColor(At(780, 360), 0, 0, 0));
  int red = 0;
  for (int y = 240; y < 260; ++y)
    for (int x = 280; x < 295; ++x) red += At(x, y).r > 128 && At(x, y).b == 0;
  EXPECT_GT(red, 10);
}

// Pictures drawn before a print, still waiting in the texture program, lie under the text.
TEST_F(TextTest, PrintLiesOverThePicturesDrawnBeforeItInTheTextureProgram) {
  const unsigned char blue[4] = {0, 0, 255, 255};
  VXGfxTexture* picture = VXGfxTextureLoadFromMemory(blue, 1, 1);
  VXGfxVertexList* quad = Quad(200, 100, 0xFFFFFFFFu);
  BeginFrame();
  VXGfxSetBlendMode(VX_BLEND_ALPHA);
  VXGfxSetRenderMode(VX_RENDER_TEXTURE);
  VXGfxTextureSet(picture, 0, 0);
  VXGfxSetPosition(0, 0);
  VXGfxMeshDraw(quad, VX_DRAW_TRIANGLES);
  VXGfxPrint(font_, "H", 0, 0, 1, 0, 0);
  EndFrame();
  int red = 0;
  for (int y = 340; y < 360; ++y)
    for (int x = 480; x < 495; ++x) red += At(x, y).r > 128 && At(x, y).b < 128;
  EXPECT_GT(red, 10);
  EXPECT_TRUE(IsColor(At(400, 400), 0, 0, 255));
  VXGfxTextureUnload(picture);
}

// Whatever a print draws or refuses, the colour program is left with the
// identity world matrix, no blend colour and the view of the current camera.
TEST_F(TextTest, EveryPrintLeavesIdentityWorldNoBlendColourAndTheCurrentView) {
  const GLuint program = gVXShaderProgram[VX_RENDER_COLOR];
  struct Case {
    const char* what;
    int font;
    const char* text;
    int x;
  };
  const Case cases[] = {{"printed", font_, "H", 0},
                        {"unknown font", 99, "H", 0},
                        {"no such font yet", 0, "H", 0},
                        {"null text", font_, nullptr, 0},
                        {"anchor right of the view", font_, "H", 2000}};
  for (const Case& c : cases) {
    BeginFrame();
    VXGfxSetRenderMode(VX_RENDER_COLOR);
    VXGfxSetPosition(300, 40);
    VXGfxSetBlendColor(0, 0, 1, 1);
    VXGfxSetCamPosition(100, 50);  // reaches the view matrix only at the next program switch
    VXGfxPrint(c.font, c.text, c.x, 0, 1, 0, 0);
    float world[16], blend[4], view[16];
    glGetUniformfv(program, glGetUniformLocation(program, "uWorldMatrix"), world);
    glGetUniformfv(program, glGetUniformLocation(program, "uBlendColor"), blend);
    glGetUniformfv(program, glGetUniformLocation(program, "uVMatrix"), view);
    EndFrame();
    VXGfxSetCamPosition(0, 0);
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(i % 5 == 0 ? 1.0f : 0.0f, world[i]) << c.what << ", element " << i;
    for (float v : blend) EXPECT_FLOAT_EQ(0.0f, v) << c.what;
    EXPECT_FLOAT_EQ(-100.0f, view[12]) << c.what;  // translation by minus the camera, column order
    EXPECT_FLOAT_EQ(-50.0f, view[13]) << c.what;
  }
}

TEST_F(TextTest, BoldAndItalicChangeTheGlyphs) {
  const int bold = VXGfxCreateFont("Courier New", 20, true, false);
  const int italic = VXGfxCreateFont("Courier New", 20, false, true);
  PrintFrame(font_, "Hello", 0, 0);
  std::vector<unsigned char> regular = pixels_;
  int regularLit = Lit().lit;
  PrintFrame(bold, "Hello", 0, 0);
  EXPECT_GT(Lit().lit, regularLit);
  PrintFrame(italic, "Hello", 0, 0);
  EXPECT_NE(regular, pixels_);
  VXGfxDestroyFont(bold);
  VXGfxDestroyFont(italic);
}

TEST_F(TextTest, FullScreenKeepsTheAnchorOnTheSameWorldPoint) {
  VXToogleFullScreen(true);
  for (int warmUp = 0; warmUp < 3; ++warmUp) PrintFrame(font_, "H", 100, 50);
  Box box = Lit();
  // The anchor, 580 logical pixels from the left and 410 from the bottom,
  // rounded to the nearest pixel boundary.
  const int anchorX = static_cast<int>(std::floor(580 * gVXScreenScaleX + 0.5f));
  const int baselineRow = height_ - 1 - static_cast<int>(std::floor(410 * gVXScreenScaleY + 0.5f));
  EXPECT_GE(box.minX, anchorX);
  EXPECT_LE(box.minX, anchorX + static_cast<int>(4 * gVXScreenScaleX));
  EXPECT_EQ(baselineRow, box.maxY);
  VXToogleFullScreen(false);
}

// Text grows with the picture and never more. At the scales of common
// screens the glyphs are rasterised at the screen's scale when it changes
// (never while printing), and a line of the level's header is no wider and
// no taller than the picture grows it, nor much smaller; back at scale 1 the
// glyphs are the very pixels they were.
TEST_F(TextTest, ALineGrowsWithThePictureAndNeverMore) {
  const int header = VXGfxCreateFont("Courier New", 24, true, false);  // the level's font
  const char* line = "Time till next wave : 10";
  // Low on the left, so that the line stays inside the window at every scale.
  PrintFrame(header, line, -470, -330);
  const Box unscaled = Lit();
  const std::vector<unsigned char> unscaledPixels = pixels_;
  ASSERT_GT(unscaled.lit, 100);
  const int width = unscaled.maxX - unscaled.minX + 1, height = unscaled.maxY - unscaled.minY + 1;
  const int screens[][2] = {{1024, 768}, {1366, 768}, {1440, 900}, {1920, 1080}, {2560, 1440}};
  for (const auto& screen : screens) {
    gVXScreenScaleX = static_cast<float>(screen[0]) / 960.0f;
    gVXScreenScaleY = static_cast<float>(screen[1]) / 720.0f;
    VXGfxTextRescale();
    PrintFrame(header, line, -470, -330);  // the driver's first frame at a size may allocate
    BeginFrame();
    VXGfxSetRenderMode(VX_RENDER_COLOR);
    AllocationCounterArm();
    VXGfxPrint(header, line, -470, -330, 1, 1, 1);
    const AllocationCount printing = AllocationCounterDisarm();
    EndFrame();
    EXPECT_EQ(0, printing.allocations);
    const Box scaled = Lit();
    const float wantWidth = static_cast<float>(width) * gVXScreenScaleX;
    const float wantHeight = static_cast<float>(height) * gVXScreenScaleY;
    const int gotWidth = scaled.maxX - scaled.minX + 1, gotHeight = scaled.maxY - scaled.minY + 1;
    EXPECT_LE(static_cast<float>(gotWidth), wantWidth) << screen[0] << "x" << screen[1];
    EXPECT_LE(static_cast<float>(gotHeight), wantHeight) << screen[0] << "x" << screen[1];
    EXPECT_GT(static_cast<float>(gotWidth), 0.9f * wantWidth) << screen[0] << "x" << screen[1];
    EXPECT_GT(static_cast<float>(gotHeight), 0.8f * wantHeight) << screen[0] << "x" << screen[1];
  }
  gVXScreenScaleX = gVXScreenScaleY = 1.0f;
  VXGfxTextRescale();
  PrintFrame(header, line, -470, -330);
  EXPECT_EQ(unscaledPixels, pixels_);
  VXGfxDestroyFont(header);
}

}  // namespace
