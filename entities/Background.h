// The seasonal picture behind the playing field.
#pragma once
#include "entities/Sprite.h"

class Background : public Sprite {
 public:
  Background();
  void SetDead(bool isDead) override;
  // Follows the season the ground shows, so it changes when the sweep ends.
  void Update() override;
};
