// Reader of the labelled integers of the game-data file. Before each value it
// skips up to and including the next space (at most 256 characters), so a
// label is any space-free word ending in one space.
#include "data/DataInput.h"

#include <climits>
#include <cstddef>
#include <cstdio>
#include <fstream>

#include "entities/Monster.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"

static const char* kDataFile = "Resources/DataInput.txt";

DataInput& DataInput::GetInstance() {
  static DataInput instance;
  return instance;
}

DataInput::DataInput() : startLives(0), startMoney(0) {}

int DataInput::GetTowerStat(int towerType, int key) const {
  if (towerType < 1 || towerType > 4) return 0;
  const std::map<int, int>& stats = towerStats[towerType - 1];
  std::map<int, int>::const_iterator it = stats.find(key);
  return it == stats.end() ? 0 : it->second;
}

// Every value is held to a range in which the game's arithmetic (season boosts,
// upgrades, squared ranges, rewards summed over a game) cannot overflow an int.
static const int kAnyValue = 100000;
static const int kMaxCount = 100000;
static const int kMaxRange = 10000;
static const int kMinSpeed = 1;

// Skips the label and reads one int; a failed read stores nothing.
static bool ReadValue(std::istream& in, int* out, int lo = -kAnyValue, int hi = kAnyValue) {
  in.ignore(256, ' ');
  int value = 0;
  if (!(in >> value)) return false;
  *out = value < lo ? lo : (value > hi ? hi : value);
  return true;
}

// Damage, range and bullet speed: never negative.
static const int kTowerStatMax[3] = {kAnyValue, kMaxRange, kAnyValue};

// One wave record. An index outside the waves is read past and ignored.
static void ReadWaveRecord(std::istream& in) {
  int index = 0, count = 0, health = 0, speed = 0, reward = 0;
  if (!ReadValue(in, &index, -1, 10)) return;
  std::vector<Wave*>& waves = WaveManager::GetInstance().waves;
  Wave* w = (index >= 0 && index < static_cast<int>(waves.size())) ? waves[static_cast<size_t>(index)] : nullptr;
  if (!ReadValue(in, &count, 0, kMaxCount)) return;
  if (w) w->monsterCount = count;
  if (!ReadValue(in, &health)) return;
  if (w) {
    for (Monster* m : w->monsters) m->maxHealth = m->health = health;
  }
  bool haveSpeed = ReadValue(in, &speed, INT_MIN);
  bool haveReward = haveSpeed && ReadValue(in, &reward);
  if (!w || !haveReward) return;
  // A monster that cannot move waits in the hidden entry column and holds the wave open for ever.
  if (speed < kMinSpeed) {
    std::printf("Monster speed %d held to %d.\n", speed, kMinSpeed);
    speed = kMinSpeed;
  }
  float s = static_cast<float>(speed);
  for (Monster* m : w->monsters) {
    m->velocity = m->baseVelocity = {s, s};
    m->baseReward = m->reward = reward;
  }
}

void DataInput::LoadDataFile() {
  std::ifstream in(kDataFile);
  if (!in.is_open()) {
    std::printf("File could not be opened.\n");
    return;
  }
  if (in.peek() == std::char_traits<char>::eof()) return;
  // A file longer than one pass is read again from the top values on; a
  // failed read ends the reading (it would otherwise loop for ever).
  while (in.good()) {
    ReadValue(in, &startMoney);
    ReadValue(in, &startLives);
    for (int r = 0; r < 10; ++r) ReadWaveRecord(in);
    for (int t = 0; t < 4; ++t) {
      for (int key = STAT_DAMAGE; key <= STAT_BULLET_SPEED; ++key) {
        int value = 0;
        if (ReadValue(in, &value, 0, kTowerStatMax[key])) towerStats[t][key] = value;
      }
    }
  }
}
