// The level's tuning from Resources/DataInput.txt: starting money and lives,
// the ten wave records (written straight into the waves' monsters) and the
// four tower types' damage, range and bullet speed.
#pragma once
#include <map>

enum TowerStat { STAT_DAMAGE = 0, STAT_RANGE = 1, STAT_BULLET_SPEED = 2 };

class DataInput {
 public:
  static DataInput& GetInstance();

  // Needs the waves to exist. False when the file cannot give a playable
  // level: missing ("File could not be opened."), or a value that cannot be
  // read, which stops the reading there. Either is named in one line.
  // Values held to their range say so, once each.
  bool LoadDataFile();
  // The value of a tower type (1..4) under a key, or 0; never inserts.
  int GetTowerStat(int towerType, int key) const;

  int startLives;
  int startMoney;
  std::map<int, int> towerStats[4];

 private:
  DataInput();
};
