// The tower pool, the player's money and lives, and the selection state of
// the player's clicks on the grid (build, select, upgrade, sell).
#pragma once
#include <vector>

class Tower;

// Prices of play.
enum {
  TOWER_PRICE = 30,
  UPGRADE_PRICE_2 = 50,
  UPGRADE_PRICE_3 = 80,
  SELL_PRICE_1 = 15,
  SELL_PRICE_2 = 40,
  SELL_PRICE_3 = 80,
  TOWER_POOL_SIZE = 50,
  // Money saturates here, well inside an int: the largest payment a data file allows still fits above it.
  MONEY_BOUND = 999999999,
};

class TowerManager {
 public:
  static TowerManager& GetInstance();

  void CreateTowers();    // level Load: the 50-tower pool
  void DeleteTowers();    // level Unload
  void InitFromData();    // level Initialize: money and lives from the data file
  void ResetSelection();  // level Free: every field but the pool to zero

  // The player's clicks and the B key, once per frame.
  void HandleInput();
  void BuildTower();
  void SellTower();
  // Damage of the tower on selectedCell (0 when none); records it as the
  // selection and first carries out a pending upgrade of the tower it was
  // offered for.
  int SelectTower();
  // Money in or out, held between -MONEY_BOUND and MONEY_BOUND.
  void AddMoney(int amount);
  // The grid cell drawn under the cursor with the camera at camX, or -1 off
  // the grid. The preview, the clicks and the tower options all ask this one
  // question.
  static int CellUnderCursor(float camX);
  // A click there now would build the tower in hand: a free grass cell of the
  // field, a tower left in the pool and the money for it.
  bool CanBuildAt(int cellIndex) const;

  // First tower in play on a cell, or null.
  Tower* FindTowerOn(int cellIndex) const;
  // First tower out of play, or null when all 50 stand on the map.
  Tower* FindIdleTower() const;

  std::vector<Tower*> towers;
  int clickColumn;
  int clickRow;
  int buildType;
  int selectedTowerCode;
  int money;
  int lives;
  int selectedCell;
  int selectedTowerIndex;
  bool towerMenu;
  bool sellOffered;
  bool upgradeOffered;
  bool buildMode;
  bool placing;
  bool menuLocked;

 private:
  TowerManager();
  ~TowerManager();
  void SelectOnGrid(int cell);
  void BuildOnGrid(int px, int py, int cell);
  // The tower the options were offered for, while it is in play; else null.
  Tower* OfferedTower() const;
  // That tower while its markers are on screen; else null.
  Tower* TowerWithMenuShown() const;
  // A tower standing on a cell whose options would lie on this one.
  bool OptionCellOfATower(int cellIndex) const;
  // Upgrades the tower it was offered for, if the price is there now; the
  // request is spent either way. The upgraded tower, or null.
  Tower* CarryOutUpgrade();
};
