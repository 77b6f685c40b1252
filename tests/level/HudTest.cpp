// The interface over the field: the placement preview on full-screen display
// scales, and the interface and overlays while the pause menu holds the camera.
#include <string>
#include <vector>

#include "LevelHarness.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "data/GUIData.h"
#include "entities/SimpleSprites.h"
#include "entities/Tutorial.h"
#include "entities/Warning.h"
#include "level/LevelCamera.h"
#include "resources/ResourceManager.h"

namespace {

class HudTest : public LevelTest {
 protected:
  void SetUp() override {
    LevelTest::SetUp();
    HoldWaves();
    Towers().money = 1000;
  }
  void TearDown() override {
    SetScale(1.0f, 1.0f);
    LevelTest::TearDown();
  }
  void SetScale(float x, float y) {
    gVXScreenScaleX = scaleX = x;
    gVXScreenScaleY = scaleY = y;
  }
  // The cursor over a point of the logical window, in the real window's pixels.
  void PointAt(int x, int y) {
    VXInputScriptCursor(static_cast<int>(static_cast<float>(x) * scaleX + 0.5f),
                        static_cast<int>(static_cast<float>(y) * scaleY + 0.5f));
  }
  void TakeTower(int type) {
    PointAt(480, 360);
    Press(VX_KEY_B);
    PointAt(495 + 110 * (type - 1), 655);
    Press(VX_KEY_LBUTTON);
    ASSERT_TRUE(Towers().placing);
  }
  Tower* AnyTowerInPlay() {
    for (Tower* t : Towers().towers) {
      if (!t->dead) return t;
    }
    return nullptr;
  }

  // Where a sprite is drawn, in world units from the view's left edge.
  static float ScreenX(const Sprite* s) { return s->transform.m[0][2] - gVXCamPosX; }

  float scaleX = 1.0f, scaleY = 1.0f;
};

// The world point drawn at the middle of a window pixel, as the renderer maps the view.
VXVec2 WorldAtPixel(int wx, int wy, float scaleX, float scaleY) {
  return {(static_cast<float>(wx) + 0.5f) / scaleX - 480.0f + gVXCamPosX,
          360.0f - (static_cast<float>(wy) + 0.5f) / scaleY};
}

// A 60-unit cell picture centred on `centre` covers the point (left and top edges inclusive, as drawn).
bool Covers(VXVec2 centre, VXVec2 p) {
  return p.x >= centre.x - 30.0f && p.x < centre.x + 30.0f && p.y <= centre.y + 30.0f && p.y > centre.y - 30.0f;
}

// Every camera position the view creeps through, with the cursor on and beside
// the drawn edges of cells: the preview lies under the cursor's pixel, and the
// click in the next frame builds on the preview's cell exactly when it was
// green, even though the view moves a unit between the two frames.
TEST_F(HudTest, PreviewAndClickAgreeWithTheCellDrawnUnderTheCursorAtEveryCameraAndScale) {
  const float scales[4][2] = {{1.0f, 1.0f}, {2.0f, 2.0f}, {1.5f, 1.5f}, {1366.0f / 960.0f, 768.0f / 720.0f}};
  GUITile* preview = GUIData::GetInstance().guiTiles[6];
  VXGfxTexture* green = ResourceManager::GetInstance()->GetMiscTexture(MISC_GREEN_TILE);
  for (const auto& scale : scales) {
    SetScale(scale[0], scale[1]);
    int greens = 0, reds = 0;
    for (int camera = 0; camera <= 240; camera += (scale[0] == 1.0f ? 1 : 7)) {
      int row = 1 + camera % 9;
      for (int edge = 1 + camera % 3; edge < 15; edge += 4) {
        // A drawn column edge in logical pixels, and the window pixels on and around it.
        float logical = static_cast<float>(60 * edge - camera % 60);
        int first = static_cast<int>(logical * scale[0]) - 1;
        for (int wx = first; wx <= first + 2; ++wx) {
          TakeTower(1);
          LevelCamera::SetCamera(static_cast<float>(camera), 0.0f);
          int wy = static_cast<int>((60.0f * static_cast<float>(row) + 3.0f) * scale[1]);
          VXInputScriptCursor(wx, wy);
          VXInputScriptKey(VX_KEY_LBUTTON, false);
          Frame();
          std::string where = "scale " + std::to_string(scale[0]) + ", camera " + std::to_string(gVXCamPosX) +
                              ", pixel " + std::to_string(wx) + ", " + std::to_string(wy);
          ASSERT_FALSE(preview->dead) << where;
          EXPECT_TRUE(Covers(preview->position, WorldAtPixel(wx, wy, scale[0], scale[1])))
              << where << ": preview at " << preview->position.x << ", " << preview->position.y;
          VXVec2 shownAt = preview->position;
          bool shownGreen = preview->texture == green;
          (shownGreen ? greens : reds) += 1;
          VXInputScriptKey(VX_KEY_LBUTTON, true);
          Frame();
          VXInputScriptKey(VX_KEY_LBUTTON, false);
          Tower* built = AnyTowerInPlay();
          EXPECT_EQ(shownGreen, built != nullptr) << where;
          if (!built) {
            PointAt(480, 360);
            Press(VX_KEY_B);
            continue;
          }
          EXPECT_FLOAT_EQ(shownAt.x, built->position.x) << where;
          EXPECT_FLOAT_EQ(shownAt.y, built->position.y) << where;
          // Back to a free cell and the money.
          Map().cells[built->cell] = 1;
          Map().cellState[built->cell] = 9;
          built->SetDead(true);
          Towers().money = 1000;
        }
      }
    }
    EXPECT_GT(greens, 20);
    EXPECT_GT(reds, 5);
  }
}

TEST_F(HudTest, PausingWithTheMapScrolledLeavesTheInterfaceAndOverlaysWhereTheyWereOnScreen) {
  int column = 0, row = 0;
  FindFreeCell(&column, &row);
  ASSERT_NE(nullptr, Build(1, column, row));
  Click(CellX(column), CellY(row));  // the selection panel and its pips show too
  VXInputScriptCursor(959, 300);
  Seconds(1.0);
  VXInputScriptCursor(480, 300);
  Frame();
  ASSERT_FLOAT_EQ(240.0f, gVXCamPosX);
  GUIData& gui = GUIData::GetInstance();
  std::vector<Sprite*> shown(gui.guiTiles.begin(), gui.guiTiles.end());
  shown.insert(shown.end(), gui.levelPips, gui.levelPips + 3);
  shown.push_back(Level()->tutorial);
  shown.push_back(Level()->warning);
  std::vector<float> before;
  for (Sprite* s : shown) before.push_back(ScreenX(s));
  float headerAnchor = gui.cameraX - gVXCamPosX;
  for (int step = 0; step < 2; ++step) {
    Press(VX_KEY_ESCAPE);  // pause, then play on
    EXPECT_EQ(step == 0, Level()->paused);
    EXPECT_FLOAT_EQ(0.0f, gVXCamPosX);  // the menu stands at the left end of the map
    for (size_t i = 0; i < shown.size(); ++i) {
      if (shown[i]->dead) continue;
      EXPECT_FLOAT_EQ(before[i], ScreenX(shown[i])) << "sprite " << i << (step == 0 ? ", paused" : ", resumed");
    }
    // The header texts are placed from the interface's camera.
    EXPECT_FLOAT_EQ(headerAnchor, gui.cameraX - gVXCamPosX);
  }
}

}  // namespace
