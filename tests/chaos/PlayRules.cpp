// The rules of a running level, checked from the outside; see PlayRules.h.
#include "PlayRules.h"

#include <cstdio>
#include <fstream>

#include "VXGraphics.h"
#include "data/GUIData.h"
#include "data/MapChoice.h"
#include "data/MapData.h"
#include "entities/ITimer.h"
#include "entities/Monster.h"
#include "entities/ParticleSystem.h"
#include "entities/SmokeEmitter.h"
#include "entities/Tower.h"
#include "entities/Tutorial.h"
#include "entities/Warning.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"
#include "level/LevelOne.h"
#include "level/TowerManager.h"
#include "shell/GameStateManager.h"

namespace {

// The sprite list: the towers, each monster with its two bars, each tower's bullets and three markers.
const size_t kSprites =
    TOWER_POOL_SIZE + WAVE_COUNT * MONSTERS_PER_WAVE * 3 + TOWER_POOL_SIZE * (BULLETS_PER_TOWER + 3);
const size_t kSmokeParticles = 500;
const size_t kFallingParticles = 100;
const size_t kInterfaceTiles = 8;

}  // namespace

int MapFileCode(int cell) {
  static int codes[2][GRID_CELLS];
  static bool read[2] = {false, false};
  int map = mapChoice == 1 ? 1 : 0;
  if (!read[map]) {
    std::ifstream in(map == 1 ? "Resources/UltimateMap.txt" : "Resources/OriginalMap.txt");
    for (int& code : codes[map]) {
      if (!(in >> code)) code = -1;
    }
    read[map] = true;
  }
  return codes[map][cell];
}

namespace {

std::string Say(const char* format, int a, int b = 0, int c = 0) {
  char text[200];
  std::snprintf(text, sizeof(text), format, a, b, c);
  return text;
}

std::string MoneyAndLives() {
  TowerManager& tm = TowerManager::GetInstance();
  if (tm.money < 0) return Say("money below zero: %d", tm.money);
  if (tm.lives < 0) return Say("lives below zero: %d", tm.lives);
  return "";
}

std::string TowersOnTheirCells() {
  TowerManager& tm = TowerManager::GetInstance();
  MapData& map = MapData::GetInstance();
  int towerOn[GRID_CELLS] = {};
  for (size_t i = 0; i < tm.towers.size(); ++i) {
    const Tower* t = tm.towers[i];
    if (t->dead) continue;
    int c = t->cell;
    if (!MapData::InGrid(c)) return Say("tower %d in play off the grid, cell %d", static_cast<int>(i), c);
    if (towerOn[c]++) return Say("two towers in play on cell %d", c);
    if (MapFileCode(c) != CODE_BUILDABLE)
      return Say("tower on cell %d, which the map file makes code %d", c, MapFileCode(c));
    if (map.cells[c] != CODE_GRASS) return Say("tower on cell %d, whose code is %d, not built", c, map.cells[c]);
    if (map.cellState[c] != t->type) return Say("tower of type %d on cell %d marked %d", t->type, c, map.cellState[c]);
  }
  for (int c = 0; c < GRID_CELLS; ++c) {
    if (map.cellState[c] != CELL_NO_TOWER && !towerOn[c])
      return Say("cell %d marked %d with no tower", c, map.cellState[c]);
    if (map.cells[c] == CODE_BUILDABLE && MapFileCode(c) != CODE_BUILDABLE) {
      return Say("cell %d buildable, which the map file makes code %d", c, MapFileCode(c));
    }
  }
  return "";
}

std::string Selection() {
  TowerManager& tm = TowerManager::GetInstance();
  for (size_t i = 0; i < tm.towers.size(); ++i) {
    if (tm.towers[i]->dead && tm.towers[i]->selected) return Say("tower %d selected out of play", static_cast<int>(i));
  }
  bool request = tm.upgradeOffered || tm.sellOffered;
  int i = tm.selectedTowerIndex;
  if (request && (i < 0 || i >= static_cast<int>(tm.towers.size()) || tm.towers[static_cast<size_t>(i)]->dead)) {
    return Say("an upgrade (%d) or sale (%d) offered for tower %d, which is out of play", tm.upgradeOffered,
               tm.sellOffered, i);
  }
  // A request is carried out or dropped in the frame of its click.
  if (request)
    return Say("an upgrade (%d) or sale (%d) request for tower %d outlived its frame", tm.upgradeOffered,
               tm.sellOffered, i);
  return "";
}

std::string Pools() {
  TowerManager& tm = TowerManager::GetInstance();
  WaveManager& wm = WaveManager::GetInstance();
  if (tm.towers.size() != TOWER_POOL_SIZE) return Say("%d towers in the pool", static_cast<int>(tm.towers.size()));
  for (const Tower* t : tm.towers) {
    if (t->bullets.size() != BULLETS_PER_TOWER)
      return Say("a tower with %d bullets", static_cast<int>(t->bullets.size()));
    if (t->upgradeEffect->particles.size() != kSmokeParticles) return "a smoke emitter changed its size";
  }
  if (wm.waves.size() != WAVE_COUNT) return Say("%d waves", static_cast<int>(wm.waves.size()));
  for (const Wave* w : wm.waves) {
    if (w->monsters.size() != MONSTERS_PER_WAVE)
      return Say("a wave of %d monsters", static_cast<int>(w->monsters.size()));
  }
  if (LevelOne::GetInstance()->sprites.size() != kSprites) {
    return Say("%d sprites in the level's list", static_cast<int>(LevelOne::GetInstance()->sprites.size()));
  }
  if (GetTimerList().size() != WAVE_COUNT) return Say("%d timers", static_cast<int>(GetTimerList().size()));
  if (ParticleSystem::GetInstance().particles.size() != kFallingParticles) return "the falling particles changed";
  if (GUIData::GetInstance().guiTiles.size() != kInterfaceTiles) return "the interface tiles changed";
  return "";
}

// The interface, the header texts and the overlays sit where the view is.
std::string HudInView() {
  LevelOne* level = dynamic_cast<LevelOne*>(GameStateManager::GetInstance().currentLevel);
  int view = static_cast<int>(gVXCamPosX);
  if (static_cast<int>(GUIData::GetInstance().cameraX) != view) {
    return Say("the interface laid out for a view at %d, drawn in one at %d",
               static_cast<int>(GUIData::GetInstance().cameraX), view);
  }
  // The warning follows the view only while its waves run; it shows only then.
  int tutorialX = level ? static_cast<int>(level->tutorial->position.x) : view;
  int warningX = level && level->warning->alpha > 0.0f ? static_cast<int>(level->warning->position.x) : view;
  if (tutorialX != view || warningX != view) {
    return Say("an overlay at %d, %d in a view at %d", tutorialX, warningX, view);
  }
  return "";
}

std::string MonstersOnTheGrid() {
  // The grid's outer edges: cell centres run from -510 to 750 and from 330 to -330.
  const float left = -540.0f, right = 780.0f, top = 360.0f, bottom = -360.0f;
  for (const Wave* w : WaveManager::GetInstance().waves) {
    for (const Monster* m : w->monsters) {
      if (m->dead) continue;
      if (!MapData::InGrid(m->cell) || m->position.x < left || m->position.x > right || m->position.y > top ||
          m->position.y < bottom) {
        return Say("a monster of wave %d in play off the grid at (%d, %d)", w->index, static_cast<int>(m->position.x),
                   static_cast<int>(m->position.y));
      }
    }
  }
  return "";
}

}  // namespace

std::string BrokenRule() {
  std::string (*const rules[])() = {MoneyAndLives, TowersOnTheirCells, Selection, Pools, HudInView, MonstersOnTheGrid};
  for (auto rule : rules) {
    std::string broken = rule();
    if (!broken.empty()) return broken;
  }
  return "";
}
