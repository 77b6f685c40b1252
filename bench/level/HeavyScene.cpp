// Sets up and keeps up the heaviest scene; see HeavyScene.h.
#include "HeavyScene.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "VXFrameRateController.h"
#include "VXInput.h"
#include "data/MapData.h"
#include "entities/Bullet.h"
#include "entities/Monster.h"
#include "entities/Particle.h"
#include "entities/SmokeEmitter.h"
#include "entities/Tower.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"
#include "level/SeasonState.h"
#include "level/TowerManager.h"
#include "shell/GameStateManager.h"

namespace {
// Health no tower gets through while the scene is measured.
const int kEndlessHealth = 100000000;
// Slow enough that the first monster is still walking when the 30th appears.
const float kSlowSpeed = 40.0f;
const int kLevel3Range = 180;

int PathNear(const MapData& map, int cell) {
  int count = 0;
  for (int p = 0; p < GRID_CELLS; ++p) {
    int code = map.CodeAt(p);
    if (code < CODE_PATH || code > CODE_FORK2) continue;
    int dx = p % GRID_COLUMNS - cell % GRID_COLUMNS, dy = p / GRID_COLUMNS - cell / GRID_COLUMNS;
    if (dx * dx + dy * dy <= 9) ++count;
  }
  return count;
}

// An update-only frame: the clock and the input move; nothing is drawn or swapped.
void UpdateOnlyFrame() {
  VXFrameRateControllerStart();
  VXInputUpdate();
  GameStateManager::GetInstance().currentLevel->Update();
  VXFrameRateControllerEnd();
}
}  // namespace

void HeavySceneBuild() {
  MapData& map = MapData::GetInstance();
  TowerManager& tm = TowerManager::GetInstance();
  // The 50 free cells that see the most path.
  std::vector<int> cells;
  for (int c = 0; c < GRID_CELLS; ++c) {
    if (map.CodeAt(c) == CODE_BUILDABLE) cells.push_back(c);
  }
  std::stable_sort(cells.begin(), cells.end(), [&](int a, int b) { return PathNear(map, a) > PathNear(map, b); });
  for (size_t i = 0; i < cells.size() && i < TOWER_POOL_SIZE; ++i) {
    int cell = cells[i];
    map.cells[cell] = CODE_GRASS;
    tm.selectedCell = cell;
    tm.buildType = static_cast<int>(i % 4) + 1;
    tm.BuildTower();
  }
  tm.buildType = 0;
  tm.buildMode = false;
  for (Tower* t : tm.towers) {
    t->level = 3;
    t->damage *= 3;
    t->range = kLevel3Range;
  }
  // The last wave, 30 strong, monsters that outlive the measurement.
  WaveManager& wm = WaveManager::GetInstance();
  wm.currentWave = WAVE_COUNT - 1;
  wm.timeToNextWave = 0.0f;
  Wave* w = wm.waves.back();
  w->monsterCount = 1000;
  for (Monster* m : w->monsters) {
    m->maxHealth = m->health = kEndlessHealth;
    m->baseVelocity = m->velocity = {kSlowSpeed, kSlowSpeed};
  }
  tm.lives = 1000000;
  int towers, monsters, bullets, smoke;
  for (int i = 0; i < 60 * 60; ++i) {
    HeavySceneCount(&towers, &monsters, &bullets, &smoke);
    if (monsters == MONSTERS_PER_WAVE) break;
    UpdateOnlyFrame();
  }
}

void HeavySceneKeep() {
  TowerManager& tm = TowerManager::GetInstance();
  for (size_t i = 0; i < tm.towers.size(); ++i) {
    Tower* t = tm.towers[i];
    if (t->dead) continue;
    // An upgrade past level 3 would go on widening the range.
    t->range = kLevel3Range;
    if (i % 2 == 0) t->upgrading = true;
  }
  SeasonState& s = SeasonState::GetInstance();
  if (!s.seasonSweep) {
    s.currentSeason = s.shownSeason % 4 + 1;
    s.seasonSweep = true;
  }
}

void HeavySceneCount(int* towers, int* monsters, int* bullets, int* smoke) {
  *towers = *monsters = *bullets = *smoke = 0;
  for (Tower* t : TowerManager::GetInstance().towers) {
    if (t->dead) continue;
    ++*towers;
    for (Bullet* b : t->bullets) *bullets += b->dead ? 0 : 1;
    for (Particle* p : t->upgradeEffect->particles) *smoke += p->dead ? 0 : 1;
  }
  for (Monster* m : WaveManager::GetInstance().waves.back()->monsters) *monsters += m->dead ? 0 : 1;
}
