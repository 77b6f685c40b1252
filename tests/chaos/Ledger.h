// The money and lives of a running level, accounted frame by frame from the
// outside: every change of money is a build, a sale at the sold tower's level,
// an upgrade at its price, a wave bonus or the rewards of monsters struck down
// in that frame; lives fall only by the monsters that walked out. A level just
// entered or restarted starts from the data file.
#pragma once
#include <string>

#include "entities/Tower.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"
#include "level/TowerManager.h"

// What the ledger needs of one frame's end.
struct LevelShot {
  struct TowerState {
    bool inPlay;
    int cell, level;
  };
  struct MonsterState {
    bool inPlay, dying, drills;
    int health, reward, cell;
  };
  int money, lives, wave;
  float timeToNextWave;
  TowerState towers[TOWER_POOL_SIZE];
  MonsterState monsters[WAVE_COUNT][MONSTERS_PER_WAVE];

  void Take();
};

// What became of pool tower i from one frame to the next. A tower a drilling
// monster destroys leaves play and its cell turns to path; a sold one leaves
// its cell buildable.
struct TowerChange {
  bool built, sold, upgraded;
};
TowerChange ChangeOf(const LevelShot& before, const LevelShot& after, int i);

// The first page of the data file: where a fresh level's money and lives come from.
struct StartValues {
  int money, lives;
};
StartValues ReadStartValues();

// The first rule the frame from `before` to `after` breaks, or an empty string.
std::string UnexplainedChange(const LevelShot& before, const LevelShot& after);
// The first way a level that has just started differs from a fresh one, or an empty string.
std::string NotAFreshLevel(const LevelShot& now, StartValues start);
