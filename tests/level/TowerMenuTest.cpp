// Clicks around towers: an upgrade or a sale goes to the tower it was offered
// for, a request no tower takes blocks nothing, and money stays between zero
// and its bound whatever the clicks and whatever the data file.
#include <stdlib.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <string>

#include "LevelHarness.h"
#include "VXInput.h"
#include "data/DataInput.h"

namespace {

class TowerMenuTest : public LevelTest {
 protected:
  void SetUp() override {
    LevelTest::SetUp();
    HoldWaves();
  }
  // Five buildable cells in a row in view, from column - 1 to column + 3.
  void FreeRunOfFive(int* column, int* row) {
    for (int r = 1; r < 10; ++r) {
      for (int c = 2; c + 3 <= 16; ++c) {
        bool free = true;
        for (int k = -1; k <= 3; ++k) free = free && Map().cells[Index(c + k, r)] == 1;
        if (free) {
          *column = c;
          *row = r;
          return;
        }
      }
    }
    FAIL() << "no five free cells in a row";
  }
  void ClickCell(int column, int row) { Click(CellX(column), CellY(row)); }
  // A tower of a type on the first free cell, paid from 100 money; its column and row.
  Tower* BuildOnFreeCell(int type, int* column, int* row) {
    FindFreeCell(column, row);
    Towers().money = 100;
    return Build(type, *column, *row);
  }
  // B, then a build-bar button: a tower of the type in hand.
  void TakeTower(int type) {
    Press(VX_KEY_B);
    Click(495 + 110 * (type - 1), 655);
    ASSERT_TRUE(Towers().placing);
  }
};

// ---- Upgrades ----

TEST_F(TowerMenuTest, UpgradeClickThatAlsoBuildsUpgradesOnlyTheSelectedTowerAndOnlyIfStillAffordable) {
  const int startMoney[2] = {60, 200};
  for (int money : startMoney) {
    EnterLevel(0);
    HoldWaves();
    int column = 0, row = 0;
    Tower* selected = BuildOnFreeCell(1, &column, &row);
    ASSERT_NE(nullptr, selected);
    TakeTower(2);
    ClickCell(column, row);  // selects the tower; its cell is taken, so the new one stays in hand
    Towers().money = money;
    ClickCell(column + 1, row);  // its upgrade cell, free grass: the tower in hand lands there
    Frames(2);
    Tower* built = Towers().FindTowerOn(Index(column + 1, row));
    ASSERT_NE(nullptr, built) << "from " << money;
    EXPECT_EQ(1, built->level) << "from " << money;
    // 60 - 30 leaves too little for the upgrade; 200 - 30 pays it.
    EXPECT_EQ(money == 60 ? 1 : 2, selected->level) << "from " << money;
    EXPECT_EQ(money == 60 ? 30 : 120, Towers().money) << "from " << money;
  }
}

TEST_F(TowerMenuTest, RequestForATowerOutOfPlayLeavesBuildModeFree) {
  // At the level start the selection names the first tower of the pool, out of play on cell 0.
  Click(90, 30);
  Click(30, 30);
  Press(VX_KEY_B);
  EXPECT_TRUE(Towers().buildMode);
  EXPECT_EQ(100, Towers().money);
  Press(VX_KEY_B);
  // The same after a sale: the sold tower is still the selection.
  int column = 0, row = 0;
  Tower* t = BuildOnFreeCell(1, &column, &row);
  ASSERT_NE(nullptr, t);
  ClickCell(column, row);
  ClickCell(column - 1, row);
  ASSERT_TRUE(t->dead);
  Towers().money = 100;
  Click(90, 30);
  Click(30, 30);
  Press(VX_KEY_B);
  EXPECT_TRUE(Towers().buildMode);
  EXPECT_EQ(100, Towers().money);
}

// ---- Sales ----

TEST_F(TowerMenuTest, SaleRefusedInBuildModeIsDroppedNotCarriedToALaterClick) {
  int column = 0, row = 0;
  Tower* t = BuildOnFreeCell(1, &column, &row);
  ASSERT_NE(nullptr, t);
  ClickCell(column, row);
  Press(VX_KEY_B);
  ClickCell(column - 1, row);  // its sell cell, in build mode: no sale
  EXPECT_FALSE(t->dead);
  Press(VX_KEY_B);
  Click(CellX(6), CellY(11));  // the build bar, over grass
  EXPECT_FALSE(t->dead);
  EXPECT_EQ(0, Map().cells[Index(6, 11)]);
  // Building works again at once (the cells beside a tower are never the free cell found).
  int other = 0, otherRow = 0;
  FindFreeCell(&other, &otherRow);
  EXPECT_NE(nullptr, Build(2, other, otherRow));
  EXPECT_FALSE(t->dead);
}

TEST_F(TowerMenuTest, OptionsBelongToTheTowerTheLastClickSelected) {
  int column = 0, row = 0;
  FreeRunOfFive(&column, &row);
  Tower* t = Build(1, column + 1, row);
  ASSERT_NE(nullptr, t);
  Towers().money = 100;
  ClickCell(column + 1, row);  // selects the tower
  ClickCell(column + 3, row);  // away: its menu closes
  ClickCell(column + 2, row);  // its upgrade cell, beside the last click only
  Press(VX_KEY_B);             // no request stands in the way
  EXPECT_TRUE(Towers().buildMode);
  Press(VX_KEY_B);
  ClickCell(column + 1, row);  // the tower again
  EXPECT_EQ(1, t->level);
  EXPECT_EQ(100, Towers().money);
  ClickCell(column - 1, row);  // away
  ClickCell(column, row);      // its sell cell, beside the last click only
  Click(30, 30);               // the header's first cell, grass
  EXPECT_FALSE(t->dead);
  EXPECT_EQ(100, Towers().money);
  EXPECT_EQ(0, Map().cells[Index(1, 0)]);
}

// ---- Money ----

TEST_F(TowerMenuTest, BuildClickWithoutTheMoneyForATowerChangesNothing) {
  int column = 0, row = 0;
  FindFreeCell(&column, &row);
  TakeTower(1);
  Towers().money = 29;  // spent on an upgrade since build mode began
  ClickCell(column, row);
  EXPECT_EQ(nullptr, Towers().FindTowerOn(Index(column, row)));
  EXPECT_EQ(29, Towers().money);
  EXPECT_EQ(1, Map().cells[Index(column, row)]);
  EXPECT_TRUE(Towers().placing);  // still in hand
}

// The data file with every value at the largest the reader accepts, read from a scratch folder.
void LoadLargestData() {
  char home[4096];
  ASSERT_NE(nullptr, getcwd(home, sizeof(home)));
  char scratch[] = "/tmp/orvane-money-XXXXXX";
  ASSERT_NE(nullptr, mkdtemp(scratch));
  ASSERT_EQ(0, chdir(scratch));
  ASSERT_EQ(0, system("mkdir -p Resources"));
  {
    std::ofstream out("Resources/DataInput.txt");
    const std::string big = std::to_string(INT_MAX);
    out << "Money: " << big << "\nLives: " << big << "\n";
    for (int w = 0; w < 10; ++w) {
      out << "Wave: " << w << "\nCount: " << big << "\nHealth: 1\nSpeed: 0\nReward: " << big << "\n";
    }
    for (int t = 0; t < 4; ++t) out << "Damage: " << big << "\nRange: " << big << "\nBulletSpeed: " << big << "\n";
  }
  DataInput::GetInstance().LoadDataFile();
  ASSERT_EQ(0, chdir(home));
  ASSERT_EQ(0, system((std::string("rm -rf ") + scratch).c_str()));
}

TEST_F(TowerMenuTest, MoneyStopsAtItsBoundWithTheLargestRewardsTheDataFileAllows) {
  LoadLargestData();
  Towers().InitFromData();
  ASSERT_GT(Towers().money, 0);
  Wave* w = Waves().waves[0];
  Monster* m = PlaceMonster(0, 0.0f, 0.0f);
  ASSERT_GT(m->reward, 0);
  // A dying monster hit again pays again: far more than an int holds.
  long long paid = Towers().money;
  int before = Towers().money;
  for (int hit = 0; hit < 30000; ++hit) {
    m->TakeDamage(1);
    paid += m->reward;
    ASSERT_GE(Towers().money, before) << "after " << hit << " hits";
    before = Towers().money;
  }
  ASSERT_GT(paid, static_cast<long long>(INT_MAX));
  // Stopped well inside an int: the largest payment the data allows still fits above it.
  int bound = Towers().money;
  m->TakeDamage(1);
  EXPECT_EQ(bound, Towers().money);
  EXPECT_LE(static_cast<long long>(bound) + m->reward, static_cast<long long>(INT_MAX) / 2);
  // The wave bonus and a sale at the bound keep it there.
  w->monsterCount = 0;
  for (Monster* each : w->monsters) each->SetDead(true);
  Waves().timeToNextWave = 0.0f;
  Seconds(2.0);
  EXPECT_EQ(1, Waves().currentWave);
  EXPECT_EQ(bound, Towers().money);
}

}  // namespace
