// A running level allocates nothing: every object of play is pooled at Load.
// Start-up and the level's Load are left out; a restart reads its three data
// files again (each stream takes a buffer) but must give back whatever it takes.
#include <gtest/gtest.h>

#include "AllocationCounter.h"
#include "Bot.h"
#include "BotInput.h"
#include "VXInput.h"
#include "data/DataInput.h"
#include "entities/Tower.h"
#include "entities/WaveManager.h"
#include "level/TowerManager.h"
#include "shell/GameStateManager.h"

namespace {

const BotStyle kPlanned = {30, true};
// Window pixels of the pause menu's Try again button.
const int kTryAgain[2] = {480, 400};

class AllocationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { BotStartEngine(); }
  static void TearDownTestSuite() { BotQuitGame(); }
  void SetUp() override { ASSERT_TRUE(BotEnterLevelFromMenu(0)); }
};

TEST_F(AllocationTest, BuildingFightingUpgradingAndSellingAllocateNothing) {
  // Two towers leave money for upgrades early.
  Bot bot({2, true});
  AllocationCounterArm();
  // Past the first wave's end: its bonus, a season roll and the ground's sweep.
  BotResult r = bot.Play(100.0);
  BotPressInLevel(VX_KEY_ESCAPE);
  BotFrames(30);
  BotPressInLevel(VX_KEY_ESCAPE);
  bot.view.Look();
  ASSERT_FALSE(bot.view.towers.empty());
  Tower* first = bot.view.towers.front();
  EXPECT_TRUE(bot.Sell(first));
  AllocationCount c = AllocationCounterDisarm();
  EXPECT_TRUE(BotInLevel());
  EXPECT_GE(WaveManager::GetInstance().currentWave, 1);
  EXPECT_GT(r.towersBuilt, 0);
  EXPECT_GT(r.upgradesBought, 0);
  EXPECT_EQ(0, c.allocations) << "run with ORVANE_ALLOC_TRACE=1 for the backtraces";
  EXPECT_EQ(0, c.frees);
}

TEST_F(AllocationTest, RestartGivesBackWhatItTakesAndTheNewGameAllocatesNothing) {
  Bot bot(kPlanned);
  bot.Play(20.0);
  AllocationCounterArm();
  BotPressInLevel(VX_KEY_ESCAPE);
  BotClick(kTryAgain[0], kTryAgain[1]);
  BotFrame();
  AllocationCount restart = AllocationCounterDisarm();
  ASSERT_TRUE(BotInLevel());
  EXPECT_EQ(DataInput::GetInstance().startMoney, TowerManager::GetInstance().money);
  EXPECT_EQ(nullptr, TowerManager::GetInstance().FindTowerOn(bot.view.towers.empty() ? -1 : bot.view.towers[0]->cell));
  EXPECT_EQ(restart.allocations, restart.frees) << "run with ORVANE_ALLOC_TRACE=1 for the backtraces";

  Bot again(kPlanned);
  AllocationCounterArm();
  again.Play(40.0);
  AllocationCount play = AllocationCounterDisarm();
  EXPECT_EQ(0, play.allocations) << "run with ORVANE_ALLOC_TRACE=1 for the backtraces";
}

}  // namespace
