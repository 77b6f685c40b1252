// Idle values of the simple sprites.
#include "entities/SimpleSprites.h"

void RedHealthBar::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) ResetCommon();
}

void GreenHealthBar::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) {
    ResetCommon();
    scale = {0.0f, 0.0f};
  }
}

void TowerUpgrade::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) ResetCommon();
}

void Tile::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) ResetCommon();
}

void TowerRadius::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) {
    float keep = alpha;
    ResetCommon();
    alpha = keep;
  }
}

TowerSell::TowerSell() {
  type = 5;
}

void TowerSell::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) {
    ResetCommon();
    type = 5;
  }
}
