// The how-to-play picture shown for ten seconds at the start of a level.
#pragma once
#include "entities/Sprite.h"

class Tutorial : public Sprite {
 public:
  Tutorial();
  void SetDead(bool isDead) override;
  void Update() override;

  float showTimer;
  bool finished;
};
