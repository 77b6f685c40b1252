// A stall of the frame loop (the game stopped by SIGSTOP, a suspended laptop,
// a debugger, a frozen desktop) resumes where it was: the frame after it moves
// the world by a quarter second, so every monster stays on its path.
#include <gtest/gtest.h>

#include <cmath>

#include "LevelRig.h"
#include "VXFrameRateController.h"
#include "data/MapData.h"
#include "entities/Monster.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"

namespace {

// The code of the cell a monster stands on, by its position.
int CodeUnder(const Monster& m) {
  int column = static_cast<int>(std::lround((m.position.x + 510.0f) / TILE_SIZE));
  int row = static_cast<int>(std::lround((330.0f - m.position.y) / TILE_SIZE));
  if (column < 0 || column >= GRID_COLUMNS || row < 0 || row >= GRID_ROWS) return -1;
  return MapData::GetInstance().CodeAt(row * GRID_COLUMNS + column);
}

TEST(Stall, TenSecondsStoppedMoveEveryMonsterAQuarterSecondAlongItsPath) {
  rig::Start(ORVANE_BUILT_RESOURCES, 60);
  rig::EnterLevel(0);
  // Monsters spread along the first map's path, a few seconds apart.
  Wave* wave = WaveManager::GetInstance().waves[0];
  for (int i = 0; i < 6; ++i) {
    const int waves[] = {0};
    rig::HoldWavesAndSpawn(waves, 1, 0.0f);
    rig::Frames(150);
  }
  VXVec2 before[MONSTERS_PER_WAVE];
  for (int i = 0; i < MONSTERS_PER_WAVE; ++i) before[i] = wave->monsters[static_cast<size_t>(i)]->position;
  // The process is stopped inside a frame; the next one plays the measured time.
  VXFrameRateControllerStart();
  VXClockAdvance(10.0);
  VXFrameRateControllerEnd();
  EXPECT_DOUBLE_EQ(0.25, gVXFrameTime);
  rig::Frame();
  int walking = 0;
  for (int i = 0; i < MONSTERS_PER_WAVE; ++i) {
    const Monster& m = *wave->monsters[static_cast<size_t>(i)];
    if (m.dead) continue;
    ++walking;
    float moved = std::fabs(m.position.x - before[i].x) + std::fabs(m.position.y - before[i].y);
    EXPECT_LE(moved, 0.25f * m.baseVelocity.x + 1.0f) << "monster " << i;
    EXPECT_GE(CodeUnder(m), CODE_PATH) << "monster " << i << " at " << m.position.x << ", " << m.position.y;
  }
  EXPECT_GE(walking, 5);
  rig::Quit();
}

}  // namespace
