// The level-wide seasonal particles: a picture of the season in force drops
// from above the field every 0.8 s.
#pragma once
#include <vector>

#include "entities/Particle.h"

class ParticleSystem {
 public:
  static ParticleSystem& GetInstance();

  void CreateParticles();  // level Load: 100 particles
  void Reset();            // level Free
  void Update();
  void Emit();
  void Release();  // level Unload
  // Living particles dimmed to alphaScale of their own transparency.
  void Draw(float alphaScale);

  std::vector<Particle*> particles;
  float emitInterval;
  float emitTimer;

 private:
  ParticleSystem();
  ~ParticleSystem();
};
