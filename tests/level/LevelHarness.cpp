// The in-process harness for the level tests.
#include "LevelHarness.h"

#include "../HeadlessGame.h"
#include "VXFrameRateController.h"
#include "VXInput.h"
#include "VXMath.h"
#include "data/MapChoice.h"
#include "level/LevelCamera.h"

void LevelTest::SetUpTestSuite() {
  static bool started = false;
  if (started) return;
  started = true;
  // A rate divisible by 60, so every frame is exactly 1/60 s.
  StartHeadlessGame(600000);
}

void LevelTest::EnterLevel(unsigned char map) {
  VXInputScriptClear();
  VXInputScriptCursor(480, 360);
  mapChoice = map;
  // As the map selection leaves it.
  LevelCamera::SetCamera(0.0f, 0.0f);
  Enter(STATE_LEVEL);
}

void LevelTest::TearDown() {
  States().nextState = STATE_QUIT;
  Frame();
  mapChoice = 0;
}

LevelOne* LevelTest::Level() {
  return Screen<LevelOne>();
}

Tower* LevelTest::Build(int type, int column, int row) {
  Press(VX_KEY_B);
  Click(495 + 110 * (type - 1), 655);  // the build-bar button
  Click(CellX(column), CellY(row));
  VXInputScriptCursor(480, 360);
  return Towers().FindTowerOn(Index(column, row));
}

void LevelTest::FindFreeCell(int* column, int* row) {
  for (int r = 1; r < 10; ++r) {
    for (int c = 2; c < 15; ++c) {
      int i = Index(c, r);
      if (Map().cells[i] == 1 && Map().cells[i - 1] == 1 && Map().cells[i + 1] == 1 && Map().cellState[i] == 9) {
        *column = c;
        *row = r;
        return;
      }
    }
  }
  FAIL() << "no free cell";
}

Monster* LevelTest::PlaceMonster(int index, float x, float y) {
  Wave* w = Waves().waves[static_cast<size_t>(Waves().currentWave)];
  Monster* m = w->monsters[static_cast<size_t>(index)];
  m->SetDead(false);
  m->position = {x, y};
  m->stepTarget = {x, y};
  return m;
}

void SteerForkChoice(int wanted) {
  for (int i = 0; i < 64; ++i) {
    VXSrand(static_cast<unsigned>(VXGetTime(nullptr)));
    if (VXRand() % 2 == wanted) return;
    VXClockAdvance(1.0);
  }
}
