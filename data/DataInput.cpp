// Reader of the labelled integers of the game-data file. Before each value
// comes a label: any word without white space, ending in one space. A file
// longer than one pass of 64 values is read again from the money on.
#include "data/DataInput.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "data/DataFault.h"
#include "data/DataFile.h"
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

namespace {

// Every value is held to a range in which the game's arithmetic (season boosts,
// upgrades, squared ranges, rewards summed over a game) cannot overflow an int,
// and in which a level can be played: a life to lose, monsters that walk, a wave
// that ends within the half hour, kills that never take money away.
const int kAnyValue = 100000;
const int kMaxCount = 1000;
const int kMaxRange = 10000;

struct Range {
  int lo, hi;
};
const Range kMoney = {-kAnyValue, kAnyValue};
const Range kLives = {1, kAnyValue};
const Range kWaveField[5] = {
    {INT_MIN, INT_MAX}, {0, kMaxCount}, {-kAnyValue, kAnyValue}, {1, kAnyValue}, {0, kAnyValue}};
const Range kTowerStat[3] = {{0, kAnyValue}, {0, kMaxRange}, {0, kAnyValue}};
const Range kUnheld = {INT_MIN, INT_MAX};

const char* const kWaveFieldName[5] = {"index", "count", "health", "speed", "reward"};
const char* const kTowerName[4] = {"Spring", "Summer", "Autumn", "Winter"};
const char* const kTowerStatName[3] = {"damage", "range", "bullet speed"};

enum { SLOT_WAVES = 2, SLOT_TOWERS = SLOT_WAVES + 5 * WAVE_COUNT, SLOTS_PER_PASS = SLOT_TOWERS + 3 * 4 };
static_assert(SLOTS_PER_PASS <= 64, "one bit per value of a pass");

// One reading of the file. Values are numbered by their place in a pass, so
// that a file of many passes says what it holds once per value, not per pass.
class DataReader {
 public:
  explicit DataReader(const std::string& text) : scan(text), slot(0), said(0), wave(0) {}
  // One pass of 64 values; false once the file has been named for a value it lacks.
  bool Pass();
  bool AtEnd() { return scan.AtEnd(); }

 private:
  bool Read(int* out, Range range);
  void Fault(DataScanner::Result label, DataScanner::Result number) const;
  bool WaveRecord();
  void Name(char* out, size_t size) const;
  bool FirstWord();

  DataScanner scan;
  int slot;
  uint64_t said;
  int wave;  // index of the record being read
};

void DataReader::Name(char* out, size_t size) const {
  if (slot == 0) {
    std::snprintf(out, size, "money");
  } else if (slot == 1) {
    std::snprintf(out, size, "lives");
  } else if (slot < SLOT_TOWERS) {
    int field = (slot - SLOT_WAVES) % 5;
    if (field == 0) {
      std::snprintf(out, size, "the index of wave record %d", (slot - SLOT_WAVES) / 5 + 1);
    } else {
      std::snprintf(out, size, "wave %d's %s", wave, kWaveFieldName[field]);
    }
  } else {
    int stat = slot - SLOT_TOWERS;
    std::snprintf(out, size, "the %s tower's %s", kTowerName[stat / 3], kTowerStatName[stat % 3]);
  }
}

// True the first time this load says something about the current value.
bool DataReader::FirstWord() {
  uint64_t bit = uint64_t(1) << slot;
  if (said & bit) return false;
  said |= bit;
  return true;
}

// Names the file, the line and the value that could not be read.
void DataReader::Fault(DataScanner::Result label, DataScanner::Result number) const {
  char name[64];
  Name(name, sizeof(name));
  if (number == DataScanner::END) {
    DataFaultReport("%s line %d: the file ends before %s.", kDataFile, scan.Line(), name);
  } else if (label == DataScanner::BAD) {
    DataFaultReport("%s line %d: the label before %s does not end in one space: \"%s\".", kDataFile, scan.Line(), name,
                    scan.Token().c_str());
  } else {
    DataFaultReport("%s line %d: %s is not a whole number: \"%s\".", kDataFile, scan.Line(), name,
                    scan.Token().c_str());
  }
}

// Skips the label and reads one value, held to the range. A value that cannot
// be read stores nothing.
bool DataReader::Read(int* out, Range range) {
  int value = 0;
  DataScanner::Result label = scan.Label();
  DataScanner::Result number = label == DataScanner::READ ? scan.Int(&value) : label;
  if (number != DataScanner::READ) {
    Fault(label, number);
    return false;
  }
  int held = value < range.lo ? range.lo : (value > range.hi ? range.hi : value);
  if (held != value && FirstWord()) {
    char name[64];
    Name(name, sizeof(name));
    std::printf("%s line %d: %s %d held to %d.\n", kDataFile, scan.Line(), name, value, held);
  }
  *out = held;
  ++slot;
  return true;
}

// One wave record. Values reach the wave's monsters as soon as they are read.
bool DataReader::WaveRecord() {
  std::vector<Wave*>& waves = WaveManager::GetInstance().waves;
  if (!Read(&wave, kWaveField[0])) return false;
  Wave* w = (wave >= 0 && wave < static_cast<int>(waves.size())) ? waves[static_cast<size_t>(wave)] : nullptr;
  if (!w) {
    --slot;
    if (FirstWord()) {
      std::printf("%s line %d: wave index %d is not a wave (0 to %d); its record is left out.\n", kDataFile,
                  scan.Line(), wave, static_cast<int>(waves.size()) - 1);
    }
    ++slot;
  }
  // A record left out is still read past, without holding what nothing uses.
  int count = 0, health = 0, speed = 0, reward = 0;
  if (!Read(&count, w ? kWaveField[1] : kUnheld)) return false;
  if (w) w->monsterCount = count;
  if (!Read(&health, w ? kWaveField[2] : kUnheld)) return false;
  if (w) {
    for (Monster* m : w->monsters) m->maxHealth = m->health = health;
  }
  if (!Read(&speed, w ? kWaveField[3] : kUnheld) || !Read(&reward, w ? kWaveField[4] : kUnheld)) return false;
  if (!w) return true;
  float s = static_cast<float>(speed);
  for (Monster* m : w->monsters) {
    m->velocity = m->baseVelocity = {s, s};
    m->baseReward = m->reward = reward;
  }
  return true;
}

bool DataReader::Pass() {
  DataInput& data = DataInput::GetInstance();
  slot = 0;
  if (!Read(&data.startMoney, kMoney) || !Read(&data.startLives, kLives)) return false;
  for (int r = 0; r < WAVE_COUNT; ++r) {
    if (!WaveRecord()) return false;
  }
  for (int t = 0; t < 4; ++t) {
    for (int key = STAT_DAMAGE; key <= STAT_BULLET_SPEED; ++key) {
      int value = 0;
      if (!Read(&value, kTowerStat[key])) return false;
      data.towerStats[t][key] = value;
    }
  }
  return true;
}

}  // namespace

bool DataInput::LoadDataFile() {
  std::string text;
  if (!DataFileRead(kDataFile, &text)) {
    DataFaultReport("%s is missing or is not a file.", kDataFile);
    return false;
  }
  DataReader reader(text);
  do {
    if (!reader.Pass()) return false;
  } while (!reader.AtEnd());
  return true;
}
