// The drilling monster. Its look-ahead past the grid's edge, or across the end
// of a row (column 21 + 1 would be the next row's column 0), looks at nothing.
#include "entities/SuperMonster.h"

#include "data/MapData.h"
#include "entities/Tower.h"
#include "level/TowerManager.h"

SuperMonster::SuperMonster() : madeFirstFork(false), madeSecondFork(false) {}

void SuperMonster::SetDead(bool isDead) {
  Monster::SetDead(isDead);
  if (isDead) madeFirstFork = madeSecondFork = false;
}

void SuperMonster::EnterCell(int code) {
  if (code == 6) madeFirstFork = true;
  if (code == 7) madeSecondFork = true;
}

bool SuperMonster::GoesStraight(int code) const {
  return code == 3 || code == 6 || code == 7;
}

bool SuperMonster::TurnsRight(int code) const {
  return code == 4;
}

void SuperMonster::LookAhead() {
  int ahead = -1;
  if (moveAxis == 0) {
    ahead = MapData::IsRowEnd(cell) ? -1 : cell + 1;
  } else if (velocity.y < 0.0f) {
    ahead = cell + 22;
  } else if (velocity.y > 0.0f) {
    ahead = cell - 22;
  }
  if (!MapData::InGrid(ahead)) return;
  MapData& map = MapData::GetInstance();
  int code = map.cells[ahead];
  if (code == 4 && !madeFirstFork) {
    // The first turn it drills through becomes a fork, the second a fork of the second kind.
    map.cells[ahead] = 6;
    madeFirstFork = true;
  } else if (code == 4 && !madeSecondFork) {
    map.cells[ahead] = 7;
    madeSecondFork = true;
  } else if (code == 1 || code == 2) {
    map.cells[ahead] = 3;
  } else if (code == 0) {
    TowerManager& tm = TowerManager::GetInstance();
    if (Tower* t = tm.FindTowerOn(ahead)) {
      t->SetDead(true);
      map.cellState[ahead] = 9;
    }
    map.cells[ahead] = 3;
  }
}
