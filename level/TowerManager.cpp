// The player's operations on the grid: build mode, building, selecting,
// upgrading and selling. Every operation, and the preview, turns the cursor
// into a cell the one way CellUnder does.
#include "level/TowerManager.h"

#include <cmath>
#include <cstddef>

#include "VXGraphics.h"
#include "VXInput.h"
#include "data/DataInput.h"
#include "data/GUIData.h"
#include "data/MapData.h"
#include "entities/SimpleSprites.h"
#include "entities/SmokeEmitter.h"
#include "entities/Tower.h"
#include "level/LevelCamera.h"
#include "level/LevelOne.h"
#include "resources/ResourceManager.h"
#include "resources/SoundManager.h"

TowerManager& TowerManager::GetInstance() {
  static TowerManager instance;
  return instance;
}

TowerManager::TowerManager() {
  ResetSelection();
}

TowerManager::~TowerManager() {
  DeleteTowers();
}

void TowerManager::CreateTowers() {
  std::vector<Sprite*>& sprites = LevelOne::GetInstance()->sprites;
  towers.reserve(TOWER_POOL_SIZE);
  for (int i = 0; i < TOWER_POOL_SIZE; ++i) {
    Tower* t = new Tower();
    towers.push_back(t);
    // At the front: the last tower made is drawn first, before every other sprite.
    sprites.insert(sprites.begin(), t);
  }
}

void TowerManager::DeleteTowers() {
  for (Tower* t : towers) delete t;
  towers.clear();
}

void TowerManager::InitFromData() {
  DataInput& data = DataInput::GetInstance();
  lives = data.startLives;
  money = data.startMoney;
}

void TowerManager::ResetSelection() {
  clickColumn = clickRow = buildType = selectedTowerCode = 0;
  money = lives = selectedCell = selectedTowerIndex = 0;
  towerMenu = sellOffered = upgradeOffered = buildMode = placing = menuLocked = false;
}

Tower* TowerManager::FindTowerOn(int cellIndex) const {
  for (Tower* t : towers) {
    if (!t->dead && t->cell == cellIndex) return t;
  }
  return nullptr;
}

Tower* TowerManager::FindIdleTower() const {
  for (Tower* t : towers) {
    if (t->dead) return t;
  }
  return nullptr;
}

void TowerManager::AddMoney(int amount) {
  const long long bound = MONEY_BOUND;
  long long sum = static_cast<long long>(money) + amount;
  money = static_cast<int>(sum > bound ? bound : sum < -bound ? -bound : sum);
}

int TowerManager::CellUnderCursor(float camX) {
  float x = 0.0f, y = 0.0f;
  VXInputGetCursorPoint(&x, &y);
  // Whole columns of world units from the grid's left edge; the view's left
  // edge is camX - 480 and the grid's is -540.
  int column = static_cast<int>(std::floor((x + camX) / TILE_SIZE)) + 1;
  int row = static_cast<int>(std::floor(y / TILE_SIZE));
  if (column < 0 || column >= GRID_COLUMNS || row < 0 || row >= GRID_ROWS) return -1;
  return row * GRID_COLUMNS + column;
}

bool TowerManager::CanBuildAt(int cellIndex) const {
  return MapData::InField(cellIndex) && MapData::GetInstance().CodeAt(cellIndex) == CODE_BUILDABLE &&
         money >= TOWER_PRICE && FindIdleTower();
}

// A click with the cursor outside the window would give a cell outside the grid.
static bool ClickInWindow(int px, int py) {
  return px >= 0 && px < gVXWindowWidth && py >= 0 && py < gVXWindowHeight;
}

void TowerManager::HandleInput() {
  int px = 0, py = 0;
  VXInputGetCursorPosition(&px, &py);
  bool click = VXInputCheckTriggered(VX_KEY_LBUTTON) && ClickInWindow(px, py);
  // The cell the player saw under the cursor, in the view the last frame drew.
  int cell = click ? CellUnderCursor(LevelCamera::GetInstance().shownX) : -1;
  if (cell < 0) click = false;
  if (click) SelectOnGrid(cell);
  if (VXInputCheckTriggered(VX_KEY_B)) {
    buildMode = money >= TOWER_PRICE && !upgradeOffered && !buildMode;
    // Leaving build mode puts the tower in hand back: no later click builds it unseen.
    if (!buildMode) {
      placing = false;
      buildType = 0;
    }
  }
  if (sellOffered) {
    MapData& map = MapData::GetInstance();
    if (!buildMode && click && MapData::InGrid(selectedCell) && map.cells[selectedCell] == CODE_GRASS) {
      map.cells[selectedCell] = CODE_BUILDABLE;
      map.cellState[selectedCell] = CELL_NO_TOWER;
      SellTower();
      towerMenu = false;
    }
    // Refused in build mode, the sale is dropped: kept, it would act on a later click's cell.
    sellOffered = false;
    return;
  }
  if (buildMode && click) BuildOnGrid(px, py, cell);
}

bool TowerManager::OptionCellOfATower(int cellIndex) const {
  const MapData& map = MapData::GetInstance();
  const int neighbours[4] = {cellIndex + 1, cellIndex - 1, cellIndex + GRID_COLUMNS, cellIndex - GRID_COLUMNS};
  for (int n : neighbours) {
    if (map.StateAt(n) == CELL_NO_TOWER) continue;
    if (Tower::SellCellOf(n) == cellIndex || Tower::UpgradeCellOf(n) == cellIndex) return true;
  }
  return false;
}

void TowerManager::SelectOnGrid(int cell) {
  MapData& map = MapData::GetInstance();
  // Options act only where the player sees them: on a menu open before this click.
  const Tower* shown = TowerWithMenuShown();
  clickColumn = cell % GRID_COLUMNS - 1;
  clickRow = cell / GRID_COLUMNS;
  int previous = selectedCell;
  selectedCell = cell;
  for (Tower* t : towers) t->selected = false;
  bool besidePrevious = selectedCell == Tower::SellCellOf(previous) || selectedCell == Tower::UpgradeCellOf(previous);
  if (map.StateAt(selectedCell) == CELL_NO_TOWER && !besidePrevious) {
    towerMenu = false;
    menuLocked = false;
  } else {
    towerMenu = true;
    if (OptionCellOfATower(selectedCell) && !menuLocked) {
      SelectTower();
      menuLocked = true;
    }
  }
  if (!towerMenu) return;
  if (!menuLocked) SelectTower();
  // A sold or never built tower has no options.
  Tower* t = OfferedTower();
  if (!t) return;
  t->menuDisabled = false;
  if (t->upgradeEffect->emitting && !t->selected) return;
  // Options act only while their markers show: not for a selection an empty
  // click beside the tower left behind, nor for a tower just built, whose
  // menu was never opened. With a tower in hand the click is for that tower.
  if (t != shown || placing) return;
  bool onLeft = selectedCell == Tower::SellCellOf(t->cell);
  bool onRight = selectedCell == Tower::UpgradeCellOf(t->cell);
  if (t->level == 1) {
    sellOffered = onLeft;
    upgradeOffered = onRight && money >= UPGRADE_PRICE_2 && !upgradeOffered;
  } else if (t->level == 2) {
    upgradeOffered = onRight && money >= UPGRADE_PRICE_3 && !upgradeOffered;
    sellOffered = onLeft;
  } else if (t->level == 3) {
    upgradeOffered = false;
    sellOffered = onLeft;
  } else {
    upgradeOffered = sellOffered = false;
  }
  if (upgradeOffered || sellOffered) selectedCell = previous;
}

void TowerManager::BuildOnGrid(int px, int py, int cell) {
  clickColumn = px / 60;
  clickRow = (py - 600) / 60;
  int hit = GUIData::GetInstance().HitTest();
  if (hit != 0) {
    buildType = hit;
    placing = true;
  }
  if (buildType == 0) return;
  clickColumn = cell % GRID_COLUMNS - 1;
  clickRow = cell / GRID_COLUMNS;
  // With all 50 towers in play, or the money spent on an upgrade since build
  // mode began, the click does nothing: no tower, no charge, the cell unchanged.
  if (!CanBuildAt(cell)) return;
  MapData::GetInstance().cells[cell] = CODE_GRASS;
  placing = false;
  selectedCell = cell;
  BuildTower();
  buildType = 0;
}

void TowerManager::BuildTower() {
  Tower* t = FindIdleTower();
  if (!t) return;
  t->PlaceAtCell(selectedCell);
  int k = buildType * t->level;
  if (k >= 1 && k <= 4) {
    DataInput& data = DataInput::GetInstance();
    t->SetTexture(ResourceManager::GetInstance()->GetTowerTexture(3 * (k - 1)));
    t->type = k;
    t->damage = t->baseDamage = data.GetTowerStat(k, STAT_DAMAGE);
    t->range = data.GetTowerStat(k, STAT_RANGE);
    t->bulletSpeed = static_cast<float>(data.GetTowerStat(k, STAT_BULLET_SPEED));
    if (MapData::InGrid(selectedCell)) MapData::GetInstance().cellState[selectedCell] = k;
  }
  t->SetMesh(ResourceManager::GetInstance()->GetMesh(MESH_TOWER));
  t->SetDead(false);
  buildMode = !buildMode;
  SoundManager* sm = SoundManager::GetInstance();
  sm->Play(sm->GetSound(SOUND_TOWER_BUILD));
  money -= TOWER_PRICE;
}

void TowerManager::SellTower() {
  Tower* t = FindTowerOn(selectedCell);
  if (!t) return;
  AddMoney(t->level == 2 ? SELL_PRICE_2 : t->level == 3 ? SELL_PRICE_3 : SELL_PRICE_1);
  t->SetDead(true);
  SoundManager* sm = SoundManager::GetInstance();
  sm->Play(sm->GetSound(SOUND_SELL));
  if (MapData::InGrid(selectedCell)) MapData::GetInstance().cellState[selectedCell] = CELL_NO_TOWER;
}

Tower* TowerManager::OfferedTower() const {
  if (selectedTowerIndex < 0 || selectedTowerIndex >= static_cast<int>(towers.size())) return nullptr;
  Tower* t = towers[static_cast<size_t>(selectedTowerIndex)];
  return t->dead ? nullptr : t;
}

Tower* TowerManager::TowerWithMenuShown() const {
  Tower* t = OfferedTower();
  return t && t->MenuShown() ? t : nullptr;
}

// The tower on selectedCell may be another one: the click that asked for the
// upgrade can also have built a tower there.
Tower* TowerManager::CarryOutUpgrade() {
  if (!upgradeOffered) return nullptr;
  upgradeOffered = false;
  Tower* t = OfferedTower();
  if (!t || t->level > 2) return nullptr;
  int price = t->level == 1 ? UPGRADE_PRICE_2 : UPGRADE_PRICE_3;
  if (money < price) return nullptr;
  // The new level shows at once; its strength comes after the upgrade time.
  t->level += 1;
  t->upgrading = true;
  money -= price;
  SoundManager* sm = SoundManager::GetInstance();
  sm->Play(sm->GetSound(SOUND_TOWER_BUILD));
  t->selected = false;
  return t;
}

int TowerManager::SelectTower() {
  Tower* upgraded = CarryOutUpgrade();
  int index = -1;
  for (size_t i = 0; i < towers.size(); ++i) {
    if (!towers[i]->dead && towers[i]->cell == selectedCell) {
      index = static_cast<int>(i);
      break;
    }
  }
  if (index < 0) return 0;
  Tower* t = towers[static_cast<size_t>(index)];
  selectedTowerIndex = index;
  selectedTowerCode = t->type + 4 * (t->level - 1);
  t->selected = t != upgraded;
  GUIData& gui = GUIData::GetInstance();
  for (int j = 0; j < 3; ++j) {
    if (gui.levelPips[j]) gui.levelPips[j]->type = j < t->level ? 1 : 0;
  }
  return t->damage;
}
