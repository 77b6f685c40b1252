// The level's accounts; see Ledger.h.
#include "Ledger.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "PlayRules.h"
#include "data/DataInput.h"
#include "data/MapData.h"
#include "entities/Monster.h"
#include "entities/SuperMonster.h"

namespace {

// The prices as the help pages tell them, kept apart from the game's own.
const int kTowerPrice = 30;
const int kUpgradePrice[4] = {0, 0, 50, 80};  // by the level bought
const int kSalePrice[4] = {0, 15, 40, 80};    // by the level sold
const int kWaveBonus = 30;

std::string Say(const char* format, int a = 0, int b = 0, int c = 0, int d = 0) {
  char text[240];
  std::snprintf(text, sizeof(text), format, a, b, c, d);
  return text;
}

// The weakest bullet the data file allows: each hit takes at least this much health.
int WeakestHit() {
  int weakest = 0;
  for (int type = 1; type <= 4; ++type) {
    int damage = DataInput::GetInstance().GetTowerStat(type, STAT_DAMAGE);
    if (type == 1 || damage < weakest) weakest = damage;
  }
  return std::max(1, weakest);
}

}  // namespace

void LevelShot::Take() {
  TowerManager& tm = TowerManager::GetInstance();
  WaveManager& wm = WaveManager::GetInstance();
  money = tm.money;
  lives = tm.lives;
  wave = wm.currentWave;
  timeToNextWave = wm.timeToNextWave;
  for (size_t i = 0; i < TOWER_POOL_SIZE; ++i) {
    const Tower* t = i < tm.towers.size() ? tm.towers[i] : nullptr;
    towers[i] = {t && !t->dead, t ? t->cell : -1, t ? t->level : 0};
  }
  for (size_t w = 0; w < WAVE_COUNT; ++w) {
    for (size_t m = 0; m < MONSTERS_PER_WAVE; ++m) {
      const Monster* mon = w < wm.waves.size() && m < wm.waves[w]->monsters.size() ? wm.waves[w]->monsters[m] : nullptr;
      monsters[w][m] = {mon && !mon->dead,     mon && mon->dying,     dynamic_cast<const SuperMonster*>(mon) != nullptr,
                        mon ? mon->health : 0, mon ? mon->reward : 0, mon ? mon->cell : -1};
    }
  }
}

TowerChange ChangeOf(const LevelShot& before, const LevelShot& after, int i) {
  const LevelShot::TowerState& b = before.towers[i];
  const LevelShot::TowerState& a = after.towers[i];
  bool moved = a.cell != b.cell;
  bool left = b.inPlay && (!a.inPlay || moved);
  return {a.inPlay && (!b.inPlay || moved), left && MapData::GetInstance().CodeAt(b.cell) == CODE_BUILDABLE,
          b.inPlay && a.inPlay && !moved && a.level != b.level};
}

StartValues ReadStartValues() {
  StartValues start = {-1, -1};
  std::ifstream in("Resources/DataInput.txt");
  std::string label;
  in >> label >> start.money >> label >> start.lives;
  return start;
}

std::string UnexplainedChange(const LevelShot& before, const LevelShot& after) {
  // What the towers account for: builds, sales and upgrades.
  int purchases = 0, explained = 0;
  for (int i = 0; i < TOWER_POOL_SIZE; ++i) {
    const LevelShot::TowerState& b = before.towers[i];
    const LevelShot::TowerState& a = after.towers[i];
    TowerChange change = ChangeOf(before, after, i);
    if (change.sold) explained += kSalePrice[b.level >= 1 && b.level <= 3 ? b.level : 1];
    if (change.built) {
      explained -= kTowerPrice;
      purchases += kTowerPrice;
      if (a.level != 1) return Say("tower %d came into play at level %d", i, a.level);
    }
    if (change.upgraded) {
      if (a.level != b.level + 1 || a.level > 3) return Say("tower %d went from level %d to %d", i, b.level, a.level);
      explained -= kUpgradePrice[a.level];
      purchases += kUpgradePrice[a.level];
    }
  }
  if (purchases > before.money) return Say("%d spent with %d money", purchases, before.money);
  bool waveEnded = before.timeToNextWave <= 0.0f && after.timeToNextWave > 0.0f;
  if (waveEnded) explained += kWaveBonus;
  // Rewards: each hit that leaves a monster at no health pays its reward, a
  // dying monster's too. A frame's hits on one monster number at most its
  // lost health over the weakest hit.
  // A monster leaves play walking by entering the exit, which costs lives
  // (five in the last wave, one for a drilling monster), or off the grid's edge.
  int rewardsLeast = 0, rewardsMost = 0, leaving = 0, livesLost = 0;
  const int weakest = WeakestHit();
  const int exit = MapData::GetInstance().endCell;
  for (int w = 0; w < WAVE_COUNT; ++w) {
    for (int m = 0; m < MONSTERS_PER_WAVE; ++m) {
      const LevelShot::MonsterState& b = before.monsters[w][m];
      const LevelShot::MonsterState& a = after.monsters[w][m];
      bool besideExit = b.cell == exit - 1 || b.cell == exit - GRID_COLUMNS || b.cell == exit + GRID_COLUMNS;
      if (b.inPlay && !b.dying && !a.inPlay && besideExit) {
        ++leaving;
        livesLost += b.drills ? 1 : before.wave == 9 ? 5 : 1;
      }
      if (!b.inPlay || !a.inPlay || a.health >= b.health) continue;
      if (a.health > 0) continue;
      rewardsLeast += b.reward;
      rewardsMost += b.reward * std::max(1, (b.health - a.health) / weakest);
    }
  }
  int rewards = after.money - before.money - explained;
  if (rewards < rewardsLeast || rewards > rewardsMost) {
    return Say("money went from %d to %d: %d more than builds, sales, upgrades and bonuses explain, "
               "while the rewards of this frame come to %d",
               before.money, after.money, rewards, rewardsLeast) +
           (rewardsMost != rewardsLeast ? Say(" to %d", rewardsMost) : "");
  }
  int lives = std::max(0, before.lives - livesLost);
  if (after.lives != lives) {
    return Say("lives went from %d to %d while %d monsters walked out", before.lives, after.lives, leaving);
  }
  return "";
}

std::string NotAFreshLevel(const LevelShot& now, StartValues start) {
  TowerManager& tm = TowerManager::GetInstance();
  if (now.money != start.money || now.lives != start.lives) {
    return Say("a fresh level with money %d and lives %d; the data file says %d and %d", now.money, now.lives,
               start.money, start.lives);
  }
  for (int i = 0; i < TOWER_POOL_SIZE; ++i) {
    if (now.towers[i].inPlay) return Say("a fresh level with tower %d in play", i);
  }
  if (now.wave != 0) return Say("a fresh level at wave %d", now.wave + 1);
  if (tm.buildMode || tm.placing || tm.buildType != 0) {
    return Say("a fresh level in build mode (%d), with a tower (%d) of type %d in hand", tm.buildMode, tm.placing,
               tm.buildType);
  }
  const MapData& map = MapData::GetInstance();
  for (int c = 0; c < GRID_CELLS; ++c) {
    if (map.cellState[c] != CELL_NO_TOWER) return Say("a fresh level with cell %d marked %d", c, map.cellState[c]);
    if (map.cells[c] != MapFileCode(c)) {
      return Say("a fresh level with cell %d of code %d; the map file says %d", c, map.cells[c], MapFileCode(c));
    }
  }
  return "";
}
