// The interface over the field: the placement preview on full-screen display
// scales, and the interface and overlays while the pause menu holds the camera.
#include <vector>

#include "LevelHarness.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "data/GUIData.h"
#include "entities/SimpleSprites.h"
#include "entities/Tutorial.h"
#include "entities/Warning.h"
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

TEST_F(HudTest, PreviewIsGreenExactlyWhereTheClickBuildsOnFullScreenScales) {
  const float scales[3][2] = {{2.0f, 2.0f}, {1.5f, 1.5f}, {1366.0f / 960.0f, 768.0f / 720.0f}};
  GUITile* preview = GUIData::GetInstance().guiTiles[6];
  VXGfxTexture* green = ResourceManager::GetInstance()->GetMiscTexture(MISC_GREEN_TILE);
  for (const auto& scale : scales) {
    SetScale(scale[0], scale[1]);
    TakeTower(1);
    int greens = 0, reds = 0;
    // Every cell between the header and the build bar, at its centre and near its far corner
    // (the last column of the view would be the scrolling edge).
    for (int row = 1; row <= 9; ++row) {
      for (int column = 0; column < 15; ++column) {
        for (int offset : {30, 58}) {
          PointAt(60 * column + offset, 60 * row + offset);
          Frame();
          ASSERT_FALSE(preview->dead);
          bool shownGreen = preview->texture == green;
          (shownGreen ? greens : reds) += 1;
          Press(VX_KEY_LBUTTON);
          Tower* built = AnyTowerInPlay();
          EXPECT_EQ(shownGreen, built != nullptr)
              << "scale " << scale[0] << " x " << scale[1] << ", cell " << column + 1 << ", " << row;
          if (!built) continue;
          // Back to a free cell, the money and a tower in hand.
          Map().cells[built->cell] = 1;
          Map().cellState[built->cell] = 9;
          built->SetDead(true);
          Towers().money = 1000;
          TakeTower(1);
        }
      }
    }
    EXPECT_GT(greens, 100);
    EXPECT_GT(reds, 20);
    PointAt(480, 360);
    Press(VX_KEY_B);
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
