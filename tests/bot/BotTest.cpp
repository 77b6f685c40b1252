// Whole games played by the bot from the main menu: the shipped tuning can be
// won on both maps by a simple plan, is not won by a token defence, and an
// idle player loses.
#include <gtest/gtest.h>

#include <cstdio>

#include "Bot.h"
#include "BotInput.h"
#include "shell/GameStateManager.h"

namespace {

// Longer than any game: ten waves of at most 30 monsters and their pauses.
const double kGameSeconds = 1800.0;

class BotTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { BotStartEngine(); }
  static void TearDownTestSuite() { BotQuitGame(); }

  BotResult PlayMap(int map, BotStyle style) {
    BotResult r = {};
    r.state = -1;
    if (!BotEnterLevelFromMenu(map)) {
      ADD_FAILURE() << "the level did not start from the main menu";
      return r;
    }
    Bot bot(style);
    r = bot.Play(kGameSeconds);
    std::printf(
        "map %d, up to %d towers%s: screen %d at wave %d after %.0f s; %d towers built, %d upgrades, "
        "money %d, lives %d\n",
        map + 1, style.maxTowers, style.upgrades ? " with upgrades" : "", r.state, r.wave + 1, r.seconds, r.towersBuilt,
        r.upgradesBought, r.money, r.lives);
    return r;
  }
};

const BotStyle kPlanned = {30, true};
const BotStyle kToken = {2, false};
const BotStyle kIdle = {0, false};

TEST_F(BotTest, PlannedDefenceWinsTheFirstMap) {
  BotResult r = PlayMap(0, kPlanned);
  EXPECT_EQ(STATE_WIN, r.state);
  EXPECT_GT(r.lives, 0);
}

TEST_F(BotTest, PlannedDefenceWinsTheSecondMap) {
  BotResult r = PlayMap(1, kPlanned);
  EXPECT_EQ(STATE_WIN, r.state);
  EXPECT_GT(r.lives, 0);
}

TEST_F(BotTest, TwoTowersWithoutUpgradesLoseBothMaps) {
  for (int map = 0; map < 2; ++map) {
    BotResult r = PlayMap(map, kToken);
    EXPECT_EQ(STATE_LOSE, r.state) << "map " << map + 1;
    EXPECT_EQ(2, r.towersBuilt);
  }
}

TEST_F(BotTest, IdlePlayerReachesTheDefeatScreen) {
  BotResult r = PlayMap(0, kIdle);
  EXPECT_EQ(STATE_LOSE, r.state);
  EXPECT_EQ(0, r.towersBuilt);
  EXPECT_LE(r.wave, 2);
}

}  // namespace
