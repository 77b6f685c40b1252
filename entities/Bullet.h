// A tower's shot: flies straight at where its target stood when fired.
#pragma once
#include "entities/Sprite.h"

class Bullet : public Sprite {
 public:
  Bullet();
  void SetDead(bool isDead) override;
  // Flight, hit test against its target in the current wave, field bounds.
  void Update() override;

  float speed;
  int targetIndex;  // in the current wave's monsters
  int damage;
};
