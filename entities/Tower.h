// A tower of one season on one grid cell: aims at the most advanced monster
// of the current wave in range, fires every 2 s, upgrades to level 3.
#pragma once
#include <vector>

#include "entities/SimpleSprites.h"
#include "entities/Sprite.h"

class Bullet;
class SmokeEmitter;

class Tower : public Sprite {
 public:
  Tower();
  ~Tower() override;
  void SetDead(bool isDead) override;
  void Update() override;

  void PlaceAtCell(int cellIndex);
  void SetTexture(VXGfxTexture* tex);
  void SetMesh(VXGfxVertexList* vertexList);

  void UpdateSeasonAndUpgrade();
  void Fire();
  void UpdateLevelTexture();
  void UpdateMenu();

  // Where a tower on a cell offers its options: the sale on the cell to its
  // left, the upgrade on the cell to its right. The entry and exit columns
  // never come into view, so an option that would fall there goes below the
  // tower instead (above it on the field's last row).
  static int SellCellOf(int cellIndex);
  static int UpgradeCellOf(int cellIndex);
  // Its sale and upgrade markers are on screen: the player opened its menu by clicking it.
  bool MenuShown() const;

  std::vector<Bullet*> bullets;
  int targetIndex;
  float fireTimer;
  float menuScale;
  VXVec2 targetPos;
  float bulletSpeed;
  float upgradeTime;
  float upgradeTimer;
  bool hasTarget;
  bool seasonBoost;
  bool upgrading;
  bool selected;
  bool menuDisabled;
  int damage;
  int range;
  int level;
  int baseDamage;
  TowerUpgrade* upgradeMarker;
  TowerSell* sellMarker;
  TowerRadius* rangeMarker;
  SmokeEmitter* upgradeEffect;

 private:
  void ChooseTarget();
  void Launch();
};

enum { BULLETS_PER_TOWER = 50 };
