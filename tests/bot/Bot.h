// A simple player: builds towers of each season in turn on the free cells
// that see the most path, then spends on upgrading the towers that see the
// most path. Plays only through keys and clicks.
#pragma once
#include "BoardView.h"

struct BotStyle {
  int maxTowers;  // towers the bot builds at most
  bool upgrades;  // whether it buys upgrades
};

struct BotResult {
  int state;  // the screen the level asked for at its end
  int wave;   // the wave in play at the end, 0..9
  int towersBuilt;
  int upgradesBought;
  int money;
  int lives;
  double seconds;  // game time in the level
};

class Bot {
 public:
  explicit Bot(BotStyle botStyle);

  // Plays the running level until it asks for another screen or the time runs out.
  BotResult Play(double secondsLimit);

  // The player's actions, each true when the board shows its effect.
  bool Build(int type, int cell);
  bool Upgrade(Tower* tower);
  bool Sell(Tower* tower);

  BoardView view;

 private:
  void Think();
  // The tower below level 3 that sees the most path, or null.
  Tower* UpgradeWanted() const;

  BotStyle style;
  int nextType;
  int towersBuilt;
  int upgradesBought;
};
