// Bullet flight and hit.
#include "entities/Bullet.h"

#include <cmath>

#include "entities/Monster.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"

static const float kHitBox = 20.0f;

Bullet::Bullet() : speed(0.0f), targetIndex(0), damage(0) {
  position = {-510.0f, 330.0f};
}

void Bullet::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) {
    // mesh and damage stay: a hit reads the damage after the reset.
    ResetPlacement();
    position = {-510.0f, 330.0f};
    texture = nullptr;
    alpha = 1.0f;
    speed = 0.0f;
    targetIndex = 0;
  }
}

void Bullet::Update() {
  Monster* target = WaveManager::GetInstance().CurrentWaveMonster(targetIndex);
  float dt = FrameDt();
  position.x += velocity.x * dt;
  position.y += velocity.y * dt;
  // A target out of play waits parked at the origin: hitting it there would
  // pay for nothing and spoil its next spawn. A dying one is still in play.
  if (!target || target->dead) {
    SetDead(true);
    return;
  }
  if (std::fabs(position.x - target->position.x) < kHitBox && std::fabs(position.y - target->position.y) < kHitBox) {
    SetDead(true);
    target->TakeDamage(damage);
  }
  if (position.x < -570.0f || position.x > 750.0f || position.y < -330.0f || position.y > 390.0f) SetDead(true);
}
