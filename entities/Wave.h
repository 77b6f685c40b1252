// One wave: a fixed pool of 30 monsters of one kind and the timer that puts
// them on the map entry every 1.5 s.
#pragma once
#include <vector>

#include "entities/Timer.h"

class Monster;

enum { MONSTERS_PER_WAVE = 30 };

class Wave {
 public:
  Wave(bool super, int waveIndex);
  ~Wave();
  // The timer's callback: the first idle monster onto the entry cell.
  void SpawnMonster();

  std::vector<Monster*> monsters;
  int monsterCount;
  int spawnedCount;
  int index;
  Timer<Wave>* timer;  // owned by the timer list
};
