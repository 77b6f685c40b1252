// The bot's plan and actions; see Bot.h.
#include "Bot.h"

#include <algorithm>

#include "BotInput.h"
#include "VXInput.h"
#include "entities/Tower.h"
#include "level/TowerManager.h"
#include "shell/GameStateManager.h"

namespace {
const int kBuildRange = 120;    // a new tower's range
const int kUpgradeRange = 180;  // a level-3 tower's range
const int kThinkFrames = 15;    // a quarter of a second between looks at the board
}  // namespace

Bot::Bot(BotStyle botStyle) : view(), style(botStyle), nextType(1), towersBuilt(0), upgradesBought(0) {}

BotResult Bot::Play(double secondsLimit) {
  long start = BotFramesPlayed();
  long limit = start + static_cast<long>(secondsLimit * 60.0);
  while (BotInLevel() && BotFramesPlayed() < limit) Think();
  BotResult r = {};
  r.seconds = static_cast<double>(BotFramesPlayed() - start) / 60.0;
  // The level's last frame, before the asked-for screen replaces it.
  view.Look();
  r.wave = view.wave;
  r.money = view.money;
  r.lives = view.lives;
  r.towersBuilt = towersBuilt;
  r.upgradesBought = upgradesBought;
  // The asked-for screen takes over at the start of the next frame.
  if (!BotInLevel()) BotFrame();
  r.state = GameStateManager::GetInstance().currentState;
  return r;
}

void Bot::Think() {
  view.Look();
  int standing = static_cast<int>(view.towers.size());
  // A few towers first, more as the waves grow; upgrades in between.
  int wanted = std::min(style.maxTowers, 4 + 2 * view.wave);
  Tower* upgrade = style.upgrades ? UpgradeWanted() : nullptr;
  bool build = standing < wanted || (!upgrade && standing < style.maxTowers);
  int cell = build ? view.BestFreeCell(kBuildRange) : -1;
  if (cell >= 0) {
    if (view.money >= TOWER_PRICE && Build(nextType, cell)) nextType = nextType % 4 + 1;
  } else if (upgrade) {
    int price = upgrade->level == 1 ? UPGRADE_PRICE_2 : UPGRADE_PRICE_3;
    if (view.money >= price) Upgrade(upgrade);
  }
  for (int i = 0; i < kThinkFrames && BotInLevel(); ++i) BotFrame();
}

Tower* Bot::UpgradeWanted() const {
  Tower* best = nullptr;
  int bestCount = 0;
  for (Tower* t : view.towers) {
    if (t->level >= 3 || t->upgrading || CellColumn(t->cell) > 19) continue;
    int count = view.PathInRange(t->cell, kUpgradeRange);
    if (count > bestCount || (count == bestCount && best && t->level < best->level)) {
      best = t;
      bestCount = count;
    }
  }
  return best;
}

bool Bot::Build(int type, int cell) {
  BotShowColumnsUpTo(CellColumn(cell));
  if (!TowerManager::GetInstance().buildMode && !BotPressInLevel(VX_KEY_B)) return false;
  if (!BotClickInLevel(BotBuildButtonX(type), BUILD_BAR_Y)) return false;
  if (!BotClickInLevel(BotColumnX(CellColumn(cell)), BotRowY(CellRow(cell)))) return false;
  bool built = TowerManager::GetInstance().FindTowerOn(cell) != nullptr;
  if (built) ++towersBuilt;
  return built;
}

// A click on the tower opens its menu; its right cell buys the next level.
bool Bot::Upgrade(Tower* tower) {
  int cell = tower->cell, level = tower->level;
  BotShowColumnsUpTo(CellColumn(cell) + 1);
  if (!BotClickAway() || !BotClickInLevel(BotColumnX(CellColumn(cell)), BotRowY(CellRow(cell))) ||
      !BotClickInLevel(BotColumnX(CellColumn(cell) + 1), BotRowY(CellRow(cell)))) {
    return false;
  }
  bool bought = !tower->dead && tower->cell == cell && tower->level == level + 1;
  if (bought) ++upgradesBought;
  return bought;
}

// The cell left of a selected tower sells it.
bool Bot::Sell(Tower* tower) {
  int cell = tower->cell;
  BotShowColumnsUpTo(CellColumn(cell));
  if (!BotClickAway() || !BotClickInLevel(BotColumnX(CellColumn(cell)), BotRowY(CellRow(cell))) ||
      !BotClickInLevel(BotColumnX(CellColumn(cell) - 1), BotRowY(CellRow(cell)))) {
    return false;
  }
  return TowerManager::GetInstance().FindTowerOn(cell) == nullptr;
}
