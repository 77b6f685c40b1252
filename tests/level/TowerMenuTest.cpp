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
#include "data/GUIData.h"
#include "entities/SimpleSprites.h"
#include "resources/ResourceManager.h"

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

// With a tower in hand, a click on the selected tower's upgrade cell (free
// grass under the green preview) builds there and buys nothing else.
TEST_F(TowerMenuTest, ClickWithATowerInHandOnTheUpgradeCellOnlyBuilds) {
  int column = 0, row = 0;
  Tower* selected = BuildOnFreeCell(1, &column, &row);
  ASSERT_NE(nullptr, selected);
  TakeTower(2);
  ClickCell(column, row);  // opens its menu; its cell is taken, so the new tower stays in hand
  Frames(2);
  ASSERT_TRUE(selected->MenuShown());
  Towers().money = 200;
  ClickCell(column + 1, row);
  Frames(2);
  Tower* built = Towers().FindTowerOn(Index(column + 1, row));
  ASSERT_NE(nullptr, built);
  EXPECT_EQ(1, built->level);
  EXPECT_EQ(1, selected->level);
  EXPECT_EQ(170, Towers().money);
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

// A tower just built is selected, but its markers are not on screen: its
// options wait until a click on the tower opens its menu.
TEST_F(TowerMenuTest, FreshTowerOptionsActOnlyOnceItsMenuIsOpened) {
  for (int side : {1, -1}) {  // its upgrade cell, its sell cell
    EnterLevel(0);
    HoldWaves();
    int column = 0, row = 0;
    Tower* t = BuildOnFreeCell(1, &column, &row);
    ASSERT_NE(nullptr, t);
    ClickCell(column + side, row);
    Frames(2);
    EXPECT_TRUE(!t->dead && t->level == 1 && Towers().money == 70) << "side " << side;
    ClickCell(column, row);  // opens its menu
    Frames(2);
    ClickCell(column + side, row);
    Frames(2);
    EXPECT_TRUE(side > 0 ? t->level == 2 && Towers().money == 20 : t->dead && Towers().money == 85) << "side " << side;
  }
}

// The entry and exit columns never come into view: a tower on the first or
// last column the view reaches shows that option below it (above it on the
// last row of the field), in view, and a click on the marker acts.
TEST_F(TowerMenuTest, TowersOnTheEdgeColumnsAreSoldAndUpgradedThroughMarkersInView) {
  struct Case {
    int column, row;
    bool sale;  // else the upgrade
  };
  const Case cases[] = {{1, 9, true}, {1, 4, true}, {20, 1, false}, {20, 9, false}};
  for (const Case& c : cases) {
    EnterLevel(0);
    HoldWaves();
    ASSERT_EQ(1, Map().cells[Index(c.column, c.row)]) << c.column << ", " << c.row;
    Towers().money = 100;
    if (c.column > 16) {  // scroll to the right end
      VXInputScriptCursor(959, 360);
      Seconds(1.0);
      VXInputScriptCursor(480, 360);
      Frame();
      ASSERT_FLOAT_EQ(240.0f, gVXCamPosX);
    }
    int x = CellX(c.column) - static_cast<int>(gVXCamPosX);
    Press(VX_KEY_B);
    Click(495, 655);
    Click(x, CellY(c.row));
    Tower* t = Towers().FindTowerOn(Index(c.column, c.row));
    ASSERT_NE(nullptr, t);
    Click(x, CellY(c.row));  // opens its menu
    Seconds(1.0);
    Sprite* marker = c.sale ? static_cast<Sprite*>(t->sellMarker) : static_cast<Sprite*>(t->upgradeMarker);
    VXVec2 at = marker->position;
    ASSERT_GT(marker->scale.x, 0.0f);
    EXPECT_TRUE(at.x - 30.0f >= gVXWinMinX && at.x + 30.0f <= gVXWinMaxX && at.y - 30.0f >= -240.0f &&
                at.y + 30.0f <= 300.0f)
        << "marker at " << at.x << ", " << at.y << " outside the field in view";
    Click(static_cast<int>(at.x - gVXCamPosX) + 480, 360 - static_cast<int>(at.y));
    Frames(2);
    if (c.sale) {
      EXPECT_TRUE(t->dead) << c.column << ", " << c.row;
      EXPECT_EQ(85, Towers().money);
    } else {
      EXPECT_EQ(2, t->level) << c.column << ", " << c.row;
      EXPECT_EQ(20, Towers().money);
    }
  }
}

// The preview is green only where a click builds: never without the money for
// a tower, and never once build mode has ended and put the tower in hand back.
TEST_F(TowerMenuTest, PreviewIsRedWhereAClickWouldNotBuildAndNothingBuildsUnseen) {
  int column = 0, row = 0;
  Tower* t = BuildOnFreeCell(1, &column, &row);
  ASSERT_NE(nullptr, t);
  Towers().money = 60;
  Press(VX_KEY_B);         // build mode with 60
  ClickCell(column, row);  // opens the menu
  Frames(2);
  ClickCell(column + 1, row);  // buys the upgrade: 10 left, still in build mode
  ASSERT_EQ(2, t->level);
  ASSERT_EQ(10, Towers().money);
  ASSERT_TRUE(Towers().buildMode);
  Click(495, 655);  // a tower in hand
  ASSERT_TRUE(Towers().placing);
  int free = 0, freeRow = 0;
  FindFreeCell(&free, &freeRow);
  VXInputScriptCursor(CellX(free), CellY(freeRow));
  Frame();
  GUITile* preview = GUIData::GetInstance().guiTiles[6];
  ASSERT_FALSE(preview->dead);
  EXPECT_EQ(ResourceManager::GetInstance()->GetMiscTexture(MISC_RED_TILE), preview->texture);
  ClickCell(free, freeRow);
  EXPECT_EQ(nullptr, Towers().FindTowerOn(Index(free, freeRow)));
  EXPECT_EQ(10, Towers().money);
  // B ends build mode and puts the tower back: after B again no preview shows and no click builds.
  Towers().money = 100;
  Press(VX_KEY_B);
  Press(VX_KEY_B);
  ASSERT_TRUE(Towers().buildMode);
  VXInputScriptCursor(CellX(free), CellY(freeRow));
  Frame();
  EXPECT_TRUE(preview->dead);
  ClickCell(free, freeRow);
  EXPECT_EQ(nullptr, Towers().FindTowerOn(Index(free, freeRow)));
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
