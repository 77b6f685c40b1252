// The ten waves: the countdown before each, spawning, the end of a wave with
// its bonus and season roll, and the victory after the last.
#pragma once
#include <vector>

class Wave;
class Monster;

enum { WAVE_COUNT = 10 };

class WaveManager {
 public:
  static WaveManager& GetInstance();

  void BuildWaves();  // level Load
  void Update();
  void ResetWaves();  // level Free
  void Clear();       // level Unload

  // The current wave's monsters, or null before the waves exist.
  const std::vector<Monster*>* CurrentWaveMonsters() const;
  // A monster of the current wave by index, or null when there is none.
  Monster* CurrentWaveMonster(int monsterIndex) const;

  std::vector<Wave*> waves;
  float timeToNextWave;
  float spawnDelay;
  int currentWave;

 private:
  WaveManager();
  ~WaveManager();
};
