// Towers: season boost, upgrades, targeting, firing and the marker menu.
#include "entities/Tower.h"

#include <cstddef>

#include "data/MapData.h"
#include "entities/Bullet.h"
#include "entities/Monster.h"
#include "entities/SmokeEmitter.h"
#include "entities/Wave.h"
#include "entities/WaveManager.h"
#include "level/LevelOne.h"
#include "level/SeasonState.h"
#include "resources/ResourceManager.h"

static const float kFireInterval = 2.0f;
static const VXVec2 kNoTarget = {-510.0f, 330.0f};
static const VXVec2 kOffScreen = {1000.0f, 1000.0f};

Tower::Tower()
    : targetIndex(0),
      fireTimer(0.0f),
      menuScale(0.0f),
      targetPos(kNoTarget),
      bulletSpeed(0.0f),
      upgradeTime(3.0f),
      upgradeTimer(0.0f),
      hasTarget(false),
      seasonBoost(false),
      upgrading(false),
      selected(false),
      menuDisabled(true),
      damage(0),
      range(0),
      level(1),
      baseDamage(0) {
  std::vector<Sprite*>& sprites = LevelOne::GetInstance()->sprites;
  bullets.reserve(BULLETS_PER_TOWER);
  for (int i = 0; i < BULLETS_PER_TOWER; ++i) {
    Bullet* b = new Bullet();
    bullets.push_back(b);
    sprites.push_back(b);
  }
  rangeMarker = new TowerRadius();
  rangeMarker->alpha = 0.25f;
  upgradeMarker = new TowerUpgrade();
  sellMarker = new TowerSell();
  sprites.push_back(rangeMarker);
  sprites.push_back(upgradeMarker);
  sprites.push_back(sellMarker);
  upgradeEffect = new SmokeEmitter(500);
}

Tower::~Tower() {
  for (Bullet* b : bullets) delete b;
  bullets.clear();
  delete rangeMarker;
  delete upgradeMarker;
  delete sellMarker;
  delete upgradeEffect;
}

void Tower::SetDead(bool isDead) {
  dead = isDead;
  if (isDead) {
    // baseDamage keeps its value; bullets in flight fly on.
    ResetCommon();
    upgrading = false;
    menuDisabled = true;
    bulletSpeed = 0.0f;
    seasonBoost = false;
    damage = 0;
    upgradeEffect->Reset();
    level = 1;
    selected = false;
    hasTarget = false;
    range = 0;
    fireTimer = 0.0f;
    menuScale = 0.0f;
    targetPos = kNoTarget;
    targetIndex = 0;
    upgradeTime = 3.0f;
    upgradeTimer = 0.0f;
  }
  rangeMarker->SetDead(isDead);
  upgradeMarker->SetDead(isDead);
  sellMarker->SetDead(isDead);
}

void Tower::Update() {
  UpdateSeasonAndUpgrade();
  Fire();
  UpdateLevelTexture();
  UpdateMenu();
  upgradeEffect->Update();
}

static VXVec2 CentreOf(int cellIndex) {
  return MapData::CellCentre(cellIndex % GRID_COLUMNS, cellIndex / GRID_COLUMNS);
}

void Tower::PlaceAtCell(int cellIndex) {
  cell = cellIndex;
  position = CentreOf(cellIndex);
  upgradeEffect->position = position;
}

void Tower::SetTexture(VXGfxTexture* tex) {
  ResourceManager* rm = ResourceManager::GetInstance();
  texture = tex;
  rangeMarker->texture = rm->GetBulletTexture(BULLET_SNOWBALL);
  upgradeMarker->texture = rm->GetMiscTexture(MISC_UPGRADE1);
  sellMarker->texture = rm->GetMiscTexture(MISC_SELL1);
}

void Tower::SetMesh(VXGfxVertexList* vertexList) {
  ResourceManager* rm = ResourceManager::GetInstance();
  mesh = vertexList;
  rangeMarker->mesh = rm->GetMesh(MESH_TOWER_RADIUS1);
  upgradeMarker->mesh = rm->GetMesh(MESH_GRID);
  sellMarker->mesh = rm->GetMesh(MESH_GRID);
}

void Tower::UpdateSeasonAndUpgrade() {
  int season = SeasonState::GetInstance().currentSeason;
  // The pair of integer divisions restores the old damage up to rounding (7 -> 10 -> 7).
  if (season == type && !seasonBoost) {
    seasonBoost = true;
    damage += damage / 2;
  } else if (season != type && seasonBoost) {
    seasonBoost = false;
    damage -= damage / 3;
  }
  if (!upgrading) return;
  upgradeTimer += FrameDt();
  upgradeEffect->emitting = true;
  if (upgradeTimer >= upgradeTime) {
    // The level was raised when the upgrade started; the strength comes now.
    if (level == 2) {
      damage = 2 * damage;
      range += range / 4;
    } else if (level == 3) {
      damage += damage / 2;
      range += range / 5;
    }
    upgradeTimer = 0.0f;
    upgrading = false;
    upgradeEffect->emitting = false;
  }
}

void Tower::Fire() {
  if (upgradeEffect->emitting) return;
  fireTimer += FrameDt();
  if (fireTimer < kFireInterval) return;
  ChooseTarget();
  if (!hasTarget) return;
  hasTarget = false;
  Launch();
}

void Tower::ChooseTarget() {
  const std::vector<Monster*>* monsters = WaveManager::GetInstance().CurrentWaveMonsters();
  if (!monsters) return;
  float range2 = static_cast<float>(range * range);
  for (size_t i = 0; i < monsters->size(); ++i) {
    const Monster* m = (*monsters)[i];
    if (m->dead || m->health <= 0) continue;
    float dx = m->position.x - position.x;
    float dy = m->position.y - position.y;
    int dist2 = static_cast<int>(dx * dx + dy * dy);
    if (!(static_cast<float>(dist2) < range2)) continue;
    // Monsters walk towards +x, so the largest x is the furthest along; a tie
    // goes to the one further along its vertical leg.
    if (m->position.x > targetPos.x) {
      targetPos.x = m->position.x;
      targetIndex = static_cast<int>(i);
      hasTarget = true;
    } else if (m->position.x == targetPos.x) {
      if ((m->velocity.y < 0.0f && targetPos.y > m->position.y) ||
          (m->velocity.y > 0.0f && m->position.y > targetPos.y)) {
        targetPos.y = m->position.y;
        targetIndex = static_cast<int>(i);
        hasTarget = true;
      }
    }
  }
}

void Tower::Launch() {
  Bullet* b = nullptr;
  for (Bullet* candidate : bullets) {
    if (candidate->dead) {
      b = candidate;
      break;
    }
  }
  if (!b) return;  // no free bullet: retried next frame
  Monster* target = WaveManager::GetInstance().CurrentWaveMonster(targetIndex);
  if (!target) return;
  b->damage = damage;
  b->position = position;
  b->speed = bulletSpeed;
  b->targetIndex = targetIndex;
  float dx = target->position.x - b->position.x;
  float dy = target->position.y - b->position.y;
  VXVec2 d = {dx, dy};
  float length = VXVec2Length(&d);
  if (length > 0.0f) {
    b->velocity = {dx * (1.0f / length) * b->speed, dy * (1.0f / length) * b->speed};
  } else {
    b->velocity = {0.0f, 0.0f};
  }
  ResourceManager* rm = ResourceManager::GetInstance();
  b->mesh = rm->GetMesh(MESH_BULLET);
  if (type >= 1 && type <= 4) b->texture = rm->GetBulletTexture(type - 1);
  b->SetDead(false);
  fireTimer = 0.0f;
  targetPos.x = kNoTarget.x;
  targetIndex = 0;
}

void Tower::UpdateLevelTexture() {
  if (level == 2 || level == 3) SetTexture(ResourceManager::GetInstance()->GetTowerTexture(3 * (type - 1) + level - 1));
}

// Below the tower, or above it where below is under the build bar.
static int VerticalOptionCell(int cellIndex) {
  return cellIndex / GRID_COLUMNS < FIELD_LAST_ROW ? cellIndex + GRID_COLUMNS : cellIndex - GRID_COLUMNS;
}

int Tower::SellCellOf(int cellIndex) {
  return cellIndex % GRID_COLUMNS > 1 ? cellIndex - 1 : VerticalOptionCell(cellIndex);
}

int Tower::UpgradeCellOf(int cellIndex) {
  return cellIndex % GRID_COLUMNS < GRID_COLUMNS - 2 ? cellIndex + 1 : VerticalOptionCell(cellIndex);
}

bool Tower::MenuShown() const {
  return !menuDisabled && selected && !upgrading;
}

void Tower::UpdateMenu() {
  float dt = FrameDt();
  if (menuDisabled) {
    Sprite* markers[3] = {rangeMarker, upgradeMarker, sellMarker};
    for (Sprite* s : markers) {
      s->scale = {0.0f, 0.0f};
      s->position = kOffScreen;
    }
    return;
  }
  ResourceManager* rm = ResourceManager::GetInstance();
  if (MenuShown()) {
    if (level == 2) {
      upgradeMarker->texture = rm->GetMiscTexture(MISC_UPGRADE2);
      sellMarker->texture = rm->GetMiscTexture(MISC_SELL2);
      rangeMarker->mesh = rm->GetMesh(MESH_TOWER_RADIUS2);
    } else if (level >= 3) {
      upgradeMarker->texture = rm->GetMiscTexture(MISC_UPGRADE2);
      sellMarker->texture = rm->GetMiscTexture(MISC_SELL3);
      rangeMarker->mesh = rm->GetMesh(MESH_TOWER_RADIUS3);
    }
    menuScale += 2.0f * dt;
    rangeMarker->position = position;
    sellMarker->position = CentreOf(SellCellOf(cell));
    if (level <= 2) {
      upgradeMarker->position = CentreOf(UpgradeCellOf(cell));
      if (menuScale >= 1.0f) {
        menuScale = 1.0f;
        rangeMarker->scale = upgradeMarker->scale = sellMarker->scale = {1.0f, 1.0f};
      } else {
        rangeMarker->scale = upgradeMarker->scale = sellMarker->scale = {menuScale, menuScale};
      }
    } else if (menuScale >= 1.0f) {
      // Nothing left to buy: the upgrade marker leaves, the others stay as they were.
      upgradeMarker->position = kOffScreen;
      upgradeMarker->scale = {0.0f, 0.0f};
      menuScale = 1.0f;
    } else {
      rangeMarker->scale = upgradeMarker->scale = sellMarker->scale = {menuScale, menuScale};
    }
    return;
  }
  menuScale -= 2.0f * dt;
  if (menuScale > 0.0f) {
    rangeMarker->scale = upgradeMarker->scale = sellMarker->scale = {menuScale, menuScale};
  } else {
    rangeMarker->position = upgradeMarker->position = sellMarker->position = kOffScreen;
    menuScale = 0.0f;
  }
}
