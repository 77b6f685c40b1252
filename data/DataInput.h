// The level's tuning from Resources/DataInput.txt: starting money and lives,
// the ten wave records (written straight into the waves' monsters) and the
// four tower types' damage, range and bullet speed.
#pragma once
#include <map>

enum TowerStat { STAT_DAMAGE = 0, STAT_RANGE = 1, STAT_BULLET_SPEED = 2 };

class DataInput {
 public:
  static DataInput& GetInstance();

  // Needs the waves to exist. A missing file prints "File could not be
  // opened." and keeps every value; a bad value stops the reading there.
  void LoadDataFile();
  // The value of a tower type (1..4) under a key, or 0; never inserts.
  int GetTowerStat(int towerType, int key) const;

  int startLives;
  int startMoney;
  std::map<int, int> towerStats[4];

 private:
  DataInput();
};
