// Wave progression.
#include "entities/WaveManager.h"

#include <cstddef>

#include "entities/Monster.h"
#include "entities/Sprite.h"
#include "entities/Wave.h"
#include "level/SeasonState.h"
#include "level/TowerManager.h"
#include "shell/GameStateManager.h"

static const float kFirstCountdown = 10.0f;
static const float kNextCountdown = 7.0f;
static const float kSpawnDelay = 1.6f;
static const int kWaveBonus = 30;

WaveManager& WaveManager::GetInstance() {
  static WaveManager instance;
  return instance;
}

WaveManager::WaveManager() : timeToNextWave(kFirstCountdown), spawnDelay(0.0f), currentWave(0) {}

WaveManager::~WaveManager() {
  Clear();
}

void WaveManager::BuildWaves() {
  waves.reserve(WAVE_COUNT);
  for (int i = 0; i < WAVE_COUNT; ++i) waves.push_back(new Wave(i == 3 || i == 6, i));
}

void WaveManager::ResetWaves() {
  currentWave = 0;
  timeToNextWave = kFirstCountdown;
  spawnDelay = 0.0f;
  for (Wave* w : waves) {
    w->timer->Reset();
    w->monsterCount = 0;
    w->spawnedCount = 0;
  }
}

void WaveManager::Clear() {
  for (Wave* w : waves) delete w;
  waves.clear();
}

const std::vector<Monster*>* WaveManager::CurrentWaveMonsters() const {
  if (currentWave < 0 || currentWave >= static_cast<int>(waves.size())) return nullptr;
  return &waves[static_cast<size_t>(currentWave)]->monsters;
}

Monster* WaveManager::CurrentWaveMonster(int monsterIndex) const {
  const std::vector<Monster*>* monsters = CurrentWaveMonsters();
  if (!monsters || monsterIndex < 0 || monsterIndex >= static_cast<int>(monsters->size())) return nullptr;
  return (*monsters)[static_cast<size_t>(monsterIndex)];
}

void WaveManager::Update() {
  if (timeToNextWave > 0.0f) {
    timeToNextWave -= FrameDt();
    return;
  }
  spawnDelay += FrameDt();
  if (!(spawnDelay > kSpawnDelay)) return;
  if (currentWave < 0 || currentWave >= static_cast<int>(waves.size())) return;
  Wave* w = waves[static_cast<size_t>(currentWave)];
  if (static_cast<unsigned>(w->spawnedCount) < static_cast<unsigned>(w->monsterCount)) {
    w->timer->Start();
    return;
  }
  if (w->monsters.empty()) return;
  for (const Monster* m : w->monsters) {
    if (!m->dead) return;  // still walking or fading
  }
  timeToNextWave = kNextCountdown;
  spawnDelay = 0.0f;
  TowerManager::GetInstance().AddMoney(kWaveBonus);
  if (currentWave >= static_cast<int>(waves.size()) - 1) {
    GameStateManager::GetInstance().nextState = STATE_WIN;
  } else {
    currentWave += 1;
  }
  SeasonState::GetInstance().RollSeason();
}
