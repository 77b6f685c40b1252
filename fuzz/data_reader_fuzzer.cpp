// Fuzzes the game-data reader alone: the bytes in, and every value it writes
// out held where the rest of the game can take it.
#include "ReaderTarget.h"
#include "data/DataFault.h"
#include "data/DataInput.h"
#include "entities/Monster.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"

namespace {

// What the game is built to take: season boosts, upgrades, squared ranges and
// rewards summed over a whole game all stay inside an int.
const int kMost = 100000;
const int kMostRange = 10000;
const int kMostCount = 1000;  // half an hour of spawning

bool Within(int value, int lo, int hi) {
  return value >= lo && value <= hi;
}

bool WholeWithin(float value) {
  return value >= -kMost && value <= kMost && value == static_cast<float>(static_cast<int>(value));
}

// Every value back to what the level's Load leaves, so inputs do not meet.
void Clear() {
  DataInput& data = DataInput::GetInstance();
  data.startMoney = data.startLives = 0;
  for (std::map<int, int>& stats : data.towerStats) stats.clear();
  for (Wave* w : WaveManager::GetInstance().waves) {
    w->monsterCount = 0;
    for (Monster* m : w->monsters) {
      m->maxHealth = m->health = 0;
      m->velocity = m->baseVelocity = {0.0f, 0.0f};
      m->baseReward = m->reward = 0;
    }
  }
}

void CheckWave(const Wave& wave) {
  Require(wave.monsters.size() == MONSTERS_PER_WAVE, "a wave keeps its 30 monsters");
  Require(Within(wave.monsterCount, 0, kMostCount), "a wave's monster count lies in 0..1000");
  const Monster& first = *wave.monsters.front();
  Require(first.health == first.maxHealth && Within(first.health, -kMost, kMost),
          "health is its maximum, within 100000 either way");
  Require(WholeWithin(first.baseVelocity.x) && first.baseVelocity.y == first.baseVelocity.x,
          "speed is a whole number within 100000 either way, the same on both axes");
  Require(first.velocity.x == first.baseVelocity.x && first.velocity.y == first.baseVelocity.y,
          "velocity starts at the base speed");
  Require(first.reward == first.baseReward && Within(first.reward, 0, kMost),
          "the reward is its base, in 0..100000: kills never take money away");
  for (const Monster* m : wave.monsters) {
    Require(m->health == first.health && m->baseVelocity.x == first.baseVelocity.x && m->reward == first.reward,
            "every monster of a wave has the same values");
  }
}

void CheckTower(const DataInput& data, int type) {
  const std::map<int, int>& stats = data.towerStats[type - 1];
  const int most[3] = {kMost, kMostRange, kMost};
  for (const std::pair<const int, int>& stat : stats) {
    Require(stat.first >= STAT_DAMAGE && stat.first <= STAT_BULLET_SPEED, "only damage, range and bullet speed");
    Require(Within(stat.second, 0, most[stat.first]), "damage and speed in 0..100000, range in 0..10000");
  }
  size_t keys = stats.size();
  Require(data.GetTowerStat(type, STAT_BULLET_SPEED + 1) == 0 && stats.size() == keys,
          "an absent stat reads 0 and is not added");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  StartReaders();
  WaveManager::GetInstance().BuildWaves();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Clear();
  rig::WriteData("DataInput.txt", data, size);
  DataInput& values = DataInput::GetInstance();
  DataFaultClear();
  bool playable = values.LoadDataFile();
  Require(playable == (DataFaultText()[0] == '\0'), "a file is refused exactly when its fault is named");
  Require(Within(values.startMoney, -kMost, kMost) && Within(values.startLives, playable ? 1 : 0, kMost),
          "money within 100000 either way, lives in 1..100000 once the file is read");
  const std::vector<Wave*>& waves = WaveManager::GetInstance().waves;
  Require(waves.size() == WAVE_COUNT, "the reader keeps the ten waves");
  for (const Wave* w : waves) CheckWave(*w);
  for (int type = 1; type <= 4; ++type) CheckTower(values, type);
  return 0;
}
