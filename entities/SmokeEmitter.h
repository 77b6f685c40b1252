// The smoke a tower puffs while it upgrades: four puffs every 0.8 s.
#pragma once
#include <vector>

#include "entities/Particle.h"

class SmokeEmitter {
 public:
  explicit SmokeEmitter(int count = 500);
  ~SmokeEmitter();
  void Reset();
  void Update();
  void Emit();
  void Draw();

  std::vector<Particle*> particles;
  VXVec2 position;
  VXVec2 direction;
  float emitTimer;
  bool emitting;  // the tower holds its fire while this is set
};
