// Both shipped maps walked by the real monster code: every fork choice leads
// from the entry to the exit, and the drilling monsters of waves 3 and 6 cut
// their straight way through and still reach the exit.
#include <set>

#include "LevelHarness.h"
#include "entities/SuperMonster.h"

namespace {

class MapWalkTest : public LevelTest {
 protected:
  void SetUp() override {}  // each test enters the map it walks

  struct Walk {
    bool reachedExit = false;
    std::set<int> cells;
    bool firstFork = false, secondFork = false;
  };

  // Spawns one monster of a wave on the entry and runs the level until it
  // leaves play, steering every fork choice to `choice`.
  Walk WalkOne(int waveIndex, int choice) {
    Walk walk;
    HoldWaves();
    Wave* w = Waves().waves[static_cast<size_t>(waveIndex)];
    w->SpawnMonster();
    Monster* m = nullptr;
    for (Monster* candidate : w->monsters) {
      if (!candidate->dead) m = candidate;
    }
    if (!m) return walk;
    SuperMonster* drill = dynamic_cast<SuperMonster*>(m);
    m->maxHealth = m->health = 1000000;  // nothing may stop it
    int lives = Towers().lives = 100;
    for (int frame = 0; frame < 60 * 240 && !m->dead; ++frame) {
      SteerForkChoice(choice);
      walk.cells.insert(m->cell);
      if (drill) {
        walk.firstFork = walk.firstFork || drill->madeFirstFork;
        walk.secondFork = walk.secondFork || drill->madeSecondFork;
      }
      Frame();
    }
    walk.reachedExit = m->dead && Towers().lives == lives - 1;
    return walk;
  }
};

TEST_F(MapWalkTest, SecondMapLeadsToTheExitWhateverTheForkChoice) {
  EnterLevel(1);
  Walk straight = WalkOne(0, 0);
  Walk turning = WalkOne(1, 1);
  EXPECT_TRUE(straight.reachedExit);
  EXPECT_TRUE(turning.reachedExit);
  // The two choices take different ways.
  EXPECT_NE(straight.cells, turning.cells);
}

TEST_F(MapWalkTest, DrillingMonstersMakeTheirTwoForksAndReachTheExitOnBothMaps) {
  for (unsigned char map = 0; map < 2; ++map) {
    EnterLevel(map);
    for (int wave : {3, 6}) {
      Walk walk = WalkOne(wave, 0);
      EXPECT_TRUE(walk.reachedExit) << "map " << int(map) << " wave " << wave;
      EXPECT_TRUE(walk.firstFork) << "map " << int(map) << " wave " << wave;
      EXPECT_TRUE(walk.secondFork) << "map " << int(map) << " wave " << wave;
    }
    int forks = 0, seconds = 0;
    for (int i = 0; i < 264; ++i) {
      forks += Map().cells[i] == 6;
      seconds += Map().cells[i] == 7;
    }
    EXPECT_GE(forks, 1);
    EXPECT_GE(seconds, 1);
  }
}

TEST_F(MapWalkTest, AfterTheDrillOrdinaryMonstersTakeBothRoutesOnTheFirstMap) {
  EnterLevel(0);
  Walk before = WalkOne(0, 0);
  ASSERT_TRUE(before.reachedExit);
  EXPECT_TRUE(before.cells.count(Map().startCell));
  Walk drill = WalkOne(3, 0);
  ASSERT_TRUE(drill.reachedExit);
  Walk straight = WalkOne(0, 0);
  Walk turning = WalkOne(1, 1);
  EXPECT_TRUE(straight.reachedExit);
  EXPECT_TRUE(turning.reachedExit);
  EXPECT_NE(straight.cells, turning.cells);
  // One of the two is the way the map had before the drill.
  EXPECT_TRUE(straight.cells == before.cells || turning.cells == before.cells);
}

TEST_F(MapWalkTest, DrillingMonsterDestroysATowerInItsWay) {
  EnterLevel(0);
  // The first drilling monster cuts along the entry row: a tower there is in its way.
  Map().FindStartAndEnd();
  int row = Map().startCell / 22;
  int target = -1;
  for (int column = 2; column < 16 && target < 0; ++column) {
    if (Map().cells[Index(column, row)] == 1) target = column;
  }
  ASSERT_GE(target, 0);
  Towers().money = 100;
  Tower* t = Build(1, target, row);
  ASSERT_NE(nullptr, t);
  t->range = 0;  // it must not shoot the drill
  Walk drill = WalkOne(3, 0);
  EXPECT_TRUE(drill.reachedExit);
  EXPECT_TRUE(t->dead);
  EXPECT_EQ(3, Map().cells[Index(target, row)]);
  EXPECT_EQ(9, Map().cellState[Index(target, row)]);
}

}  // namespace
