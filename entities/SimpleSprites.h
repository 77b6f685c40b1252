// Sprites whose only behaviour is their idle values: health bars, tiles,
// build-bar tiles and the three markers a tower shows around itself.
#pragma once
#include "entities/Sprite.h"

class RedHealthBar : public Sprite {
 public:
  void SetDead(bool isDead) override;
  void Update() override {}
};

// Scale (0, 0) when idle: an empty bar until its monster sizes it.
class GreenHealthBar : public Sprite {
 public:
  void SetDead(bool isDead) override;
  void Update() override {}
};

class TowerUpgrade : public Sprite {
 public:
  void SetDead(bool isDead) override;
  void Update() override {}
};

class Tile : public Sprite {
 public:
  void SetDead(bool isDead) override;
  void Update() override {}
};

// A build-bar slot; `type` holds its index (or a level pip's lit flag).
class GUITile : public Tile {};

// The range circle keeps its transparency across resets (0.25 for a tower).
class TowerRadius : public Sprite {
 public:
  void SetDead(bool isDead) override;
  void Update() override {}
};

class TowerSell : public Sprite {
 public:
  TowerSell();
  void SetDead(bool isDead) override;
  void Update() override {}
};
