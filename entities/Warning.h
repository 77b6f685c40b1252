// The red warning pulsed before the waves of drilling monsters.
#pragma once
#include "entities/Sprite.h"

class Warning : public Sprite {
 public:
  Warning();
  void SetDead(bool isDead) override;
  void Update() override;

  int pulseCount;
  bool fadingOut;
  bool soundPlayed;
};
