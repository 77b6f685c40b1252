// An enemy that walks the map's path cell by cell from the entry to the exit,
// turning on turn and fork cells, with two health bars above it.
#pragma once
#include "entities/SimpleSprites.h"
#include "entities/Sprite.h"

class Monster : public Sprite {
 public:
  Monster();
  ~Monster() override;
  void SetDead(bool isDead) override;
  void Update() override;

  void TakeDamage(int amount);
  void SetTexture(VXGfxTexture* tex);
  void SetMesh(VXGfxVertexList* vertexList);
  void UpdateHitFlash();

  int moveAxis;  // 0 along x, 1 along y
  int maxHealth;
  int health;
  int baseReward;
  int reward;
  int blinksLeft;
  VXVec2 stepTarget;  // centre of the cell the monster is in
  VXVec2 baseVelocity;
  float targetRotation;
  float blinkTimer;
  bool turningLeft;
  bool turningRight;
  bool hitFlash;
  bool dying;
  int takeBranch;
  RedHealthBar* redBar;
  GreenHealthBar* greenBar;

 protected:
  // The walking rules that a drilling monster changes.
  virtual void DrawChoice();
  virtual void EnterCell(int code);
  virtual bool GoesStraight(int code) const;
  virtual void LookAhead() {}
  virtual bool TurnsRight(int code) const;
  virtual int ExitCost() const;

  int choice;  // this frame's random fork choice, 0 or 1

 private:
  void Walk(float dt);
  void Turn(float dt);
  void UpdateBars();
};
