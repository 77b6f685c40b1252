// A monster that never takes a fork: it drills a straight way ahead, turning
// the cells in front of it into path and destroying towers in its way.
#pragma once
#include "entities/Monster.h"

class SuperMonster : public Monster {
 public:
  SuperMonster();
  void SetDead(bool isDead) override;

  bool madeFirstFork;
  bool madeSecondFork;

  // Walks by Monster::Update with these rules changed: no random draw, forks
  // lead straight on, only codes 4 and 5 turn, the exit costs one life.
 protected:
  void DrawChoice() override {}
  void EnterCell(int code) override;
  bool GoesStraight(int code) const override;
  void LookAhead() override;
  bool TurnsRight(int code) const override;
  int ExitCost() const override { return 1; }
};
