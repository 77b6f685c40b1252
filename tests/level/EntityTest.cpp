// Monsters, towers, bullets, particles and overlays inside a running level.
#include <vector>

#include "LevelHarness.h"
#include "entities/Bullet.h"
#include "entities/Particle.h"
#include "entities/ParticleSystem.h"
#include "entities/SmokeEmitter.h"
#include "entities/Tutorial.h"
#include "entities/Warning.h"
#include "resources/ResourceManager.h"

namespace {

class EntityTest : public LevelTest {
 protected:
  void SetUp() override {
    LevelTest::SetUp();
    HoldWaves();
    Towers().money = 1000;
  }
  // A monster standing still at a position, with plenty of health.
  Monster* StillMonster(int index, float x, float y, int health = 1000) {
    Monster* m = PlaceMonster(index, x, y);
    m->baseVelocity = m->velocity = {0.0f, 0.0f};
    m->maxHealth = m->health = health;
    m->cell = 1;  // anywhere but the exit
    return m;
  }
  Tower* BuildSomewhere(int type) {
    int column = 0, row = 0;
    FindFreeCell(&column, &row);
    Tower* t = Build(type, column, row);
    EXPECT_NE(nullptr, t);
    return t;
  }
  // The first bullet of a tower in flight, or null.
  static Bullet* Flying(Tower* t) {
    for (Bullet* b : t->bullets) {
      if (!b->dead) return b;
    }
    return nullptr;
  }
  // Runs frames until the tower has a bullet in flight; returns it (or null after the limit).
  Bullet* WaitForShot(Tower* t, int frames) {
    for (int i = 0; i < frames; ++i) {
      Frame();
      if (Bullet* b = Flying(t)) return b;
    }
    return nullptr;
  }
};

// ---- Monsters ----

TEST_F(EntityTest, GreenBarShowsWholeTenthsOfHealthAndNoMaximumShowsItEmpty) {
  Monster* m = StillMonster(0, 0.0f, 0.0f, 100);
  m->health = 45;
  Frame();
  EXPECT_FLOAT_EQ(0.8f, m->greenBar->scale.x);
  EXPECT_FLOAT_EQ(1.0f, m->redBar->scale.x);
  m->health = 9;
  Frame();
  EXPECT_FLOAT_EQ(0.0f, m->greenBar->scale.x);
  EXPECT_FALSE(m->dead);
  for (int maximum : {0, -3}) {
    m->maxHealth = maximum;
    m->health = 5;
    Frame();
    EXPECT_FLOAT_EQ(0.0f, m->greenBar->scale.x) << maximum;
  }
}

TEST_F(EntityTest, KilledMonsterPaysShowsItsHalfPictureAndFadesForOneSecond) {
  Monster* m = StillMonster(0, 0.0f, 0.0f, 10);
  ResourceManager* rm = ResourceManager::GetInstance();
  m->SetTexture(rm->GetMonsterTexture(MON_SEAL));
  m->reward = 7;
  int money = Towers().money;
  m->TakeDamage(4);
  EXPECT_TRUE(m->hitFlash);
  EXPECT_EQ(money, Towers().money);
  m->TakeDamage(6);
  EXPECT_TRUE(m->dying);
  EXPECT_EQ(rm->GetMonsterTexture(MON_SEAL_HALF), m->texture);
  EXPECT_EQ(money + 7, Towers().money);
  Seconds(0.5);
  EXPECT_NEAR(0.5f, m->alpha, 0.02f);
  EXPECT_FALSE(m->dead);
  // A hit during the fade pays again and brings the picture back to full.
  m->TakeDamage(1);
  EXPECT_EQ(money + 14, Towers().money);
  EXPECT_FLOAT_EQ(1.0f, m->alpha);
  Seconds(1.05);
  EXPECT_TRUE(m->dead);
  EXPECT_EQ(10, m->health);  // reset for the next spawn
}

TEST_F(EntityTest, HitMonsterBlinksTwiceWithoutItsBars) {
  Monster* m = StillMonster(0, 0.0f, 0.0f);
  m->TakeDamage(1);
  Frame();
  EXPECT_FLOAT_EQ(0.0f, m->alpha);
  EXPECT_FLOAT_EQ(1.0f, m->redBar->alpha);
  Seconds(0.6);
  EXPECT_FALSE(m->hitFlash);
  EXPECT_FLOAT_EQ(1.0f, m->alpha);
}

// The random player's accounts catch the one life of the other waves.
TEST_F(EntityTest, MonsterAtTheExitInTheLastWaveCostsFiveLivesButNeverBelowZero) {
  Towers().lives = 9;
  Waves().currentWave = 9;
  const int left[2] = {4, 0};
  for (int index : {0, 1}) {
    Monster* m = StillMonster(index, 0.0f, 0.0f);
    m->cell = Map().endCell;
    Frame();
    EXPECT_TRUE(m->dead);
    EXPECT_EQ(left[index], Towers().lives);
    EXPECT_EQ(index ? STATE_LOSE : STATE_LEVEL, GameStateManager::GetInstance().nextState);
  }
  GameStateManager::GetInstance().nextState = STATE_LEVEL;
}

TEST_F(EntityTest, MonsterWithSpeed60CrossesACellPerSecondAndStopsHalfASecondToTurn) {
  Monster* m = StillMonster(0, 0.0f, 0.0f);
  Map().FindStartAndEnd();
  m->cell = Map().startCell;
  m->position = m->stepTarget = {-510.0f, 330.0f - 60.0f * static_cast<float>(Map().startCell / 22)};
  m->baseVelocity = m->velocity = {60.0f, 60.0f};
  Seconds(1.0);
  EXPECT_NEAR(-450.0f, m->position.x, 1.5f);
  EXPECT_EQ(Map().startCell, m->cell);  // a cell is entered at its far side
  Seconds(0.05);
  EXPECT_EQ(Map().startCell + 1, m->cell);
}

TEST_F(EntityTest, MonsterLeavingTheGridOnABrokenMapLeavesPlayWithoutCost) {
  int lives = Towers().lives;
  int corner = Index(21, 0);
  ASSERT_NE(corner, Map().endCell);
  Monster* m = StillMonster(0, 750.0f, 330.0f);
  m->cell = corner;
  m->baseVelocity = m->velocity = {120.0f, 120.0f};
  Seconds(1.0);
  EXPECT_TRUE(m->dead);
  EXPECT_EQ(lives, Towers().lives);
}

TEST_F(EntityTest, DrillLookingPastTheRowEndChangesNothing) {
  Waves().currentWave = 3;
  Map().cells[Index(21, 0)] = 3;
  Map().cells[Index(0, 1)] = 1;
  Monster* m = StillMonster(0, 690.0f, 330.0f);
  m->cell = Index(20, 0);
  m->baseVelocity = m->velocity = {120.0f, 120.0f};
  Seconds(0.6);
  EXPECT_EQ(1, Map().cells[Index(0, 1)]);
  Seconds(0.6);
  EXPECT_TRUE(m->dead);
}

// ---- Towers and bullets ----

TEST_F(EntityTest, TowerShootsTheMonsterFurthestAlongWhateverTheirOrder) {
  Tower* t = BuildSomewhere(1);
  ASSERT_NE(nullptr, t);
  StillMonster(0, t->position.x - 50.0f, t->position.y);
  StillMonster(1, t->position.x + 50.0f, t->position.y);
  Bullet* b = WaitForShot(t, 130);
  ASSERT_NE(nullptr, b);
  EXPECT_EQ(1, b->targetIndex);
  EXPECT_GT(b->velocity.x, 0.0f);
}

TEST_F(EntityTest, TowerTieInXGoesToTheLaterMonsterThatBeatsTheLastTargetHeight) {
  Tower* t = BuildSomewhere(1);
  ASSERT_NE(nullptr, t);
  Monster* first = StillMonster(0, t->position.x + 30.0f, t->position.y - 40.0f);
  Monster* second = StillMonster(1, t->position.x + 30.0f, t->position.y + 40.0f);
  first->velocity.y = second->velocity.y = -1.0f;  // both walk down
  t->targetPos = {-510.0f, 330.0f};
  Bullet* b = WaitForShot(t, 130);
  ASSERT_NE(nullptr, b);
  EXPECT_EQ(1, b->targetIndex);
}

TEST_F(EntityTest, TowerFiresEveryTwoSecondsAndPassesOverDyingMonsters) {
  Tower* t = BuildSomewhere(1);
  ASSERT_NE(nullptr, t);
  Season().currentSeason = 2;
  Monster* m = StillMonster(0, t->position.x + 40.0f, t->position.y);
  std::vector<int> shots;
  bool wasFlying = false;
  for (int i = 0; i < 620; ++i) {
    Frame();
    bool flying = Flying(t) != nullptr;
    if (flying && !wasFlying) shots.push_back(i);
    wasFlying = flying;
  }
  ASSERT_EQ(5u, shots.size());
  for (size_t k = 1; k < shots.size(); ++k) EXPECT_NEAR(120, shots[k] - shots[k - 1], 1) << "shot " << k;
  EXPECT_EQ(1000 - 5 * t->damage, m->health);
  m->health = 0;
  m->dying = true;
  m->alpha = 100.0f;  // keeps it fading for the whole check
  Seconds(0.3);       // the last bullet lands
  EXPECT_EQ(nullptr, WaitForShot(t, 150));
}

TEST_F(EntityTest, OwnSeasonBoostsDamageByHalfAndTheChangeTakesItBack) {
  Tower* t = BuildSomewhere(2);
  ASSERT_NE(nullptr, t);
  Season().currentSeason = 1;
  Frame();
  t->damage = 10;
  Season().currentSeason = 2;
  Frame();
  EXPECT_EQ(15, t->damage);
  Frame();
  EXPECT_EQ(15, t->damage);
  Season().currentSeason = 4;
  Frame();
  EXPECT_EQ(10, t->damage);
}

TEST_F(EntityTest, UpgradeStrengthComesAfterThreeSecondsWithoutFiringMeanwhileAndOnlyForThoseWhoCanPay) {
  Season().currentSeason = 4;
  Tower* t = BuildSomewhere(1);
  ASSERT_NE(nullptr, t);
  t->damage = 10;
  t->range = 120;
  int column = t->cell % 22, row = t->cell / 22;
  StillMonster(0, t->position.x + 40.0f, t->position.y);
  Towers().money = 49;
  Click(CellX(column), CellY(row));      // select
  Click(CellX(column + 1), CellY(row));  // the upgrade cell, one short of its price
  EXPECT_EQ(1, t->level);
  Towers().money = 129;
  Click(CellX(column), CellY(row));
  Click(CellX(column + 1), CellY(row));
  EXPECT_EQ(2, t->level);
  EXPECT_EQ(79, Towers().money);
  EXPECT_TRUE(t->upgrading);
  EXPECT_EQ(nullptr, WaitForShot(t, 175));
  Seconds(0.1);
  EXPECT_EQ(20, t->damage);
  EXPECT_EQ(150, t->range);
  EXPECT_FALSE(t->upgrading);
  Click(CellX(column + 1), CellY(row));  // the level-3 upgrade, one short of its price
  EXPECT_EQ(2, t->level);
  EXPECT_EQ(79, Towers().money);
  Towers().money = 80;
  Click(CellX(column), CellY(row));
  Click(CellX(column + 1), CellY(row));
  EXPECT_EQ(3, t->level);
  EXPECT_EQ(0, Towers().money);
  Seconds(3.1);
  EXPECT_EQ(30, t->damage);
  EXPECT_EQ(180, t->range);
}

TEST_F(EntityTest, SellingPaysFifteenFortyOrEightyByLevel) {
  const int expected[3] = {15, 40, 80};
  for (int level = 1; level <= 3; ++level) {
    Tower* t = BuildSomewhere(4);
    ASSERT_NE(nullptr, t);
    t->level = level;
    int cellIndex = t->cell, column = cellIndex % 22, row = cellIndex / 22;
    int money = Towers().money;
    Click(CellX(column), CellY(row));
    Click(CellX(column - 1), CellY(row));  // the sell cell
    EXPECT_EQ(money + expected[level - 1], Towers().money) << "level " << level;
    EXPECT_TRUE(t->dead);
    EXPECT_EQ(1, Map().cells[cellIndex]);
    EXPECT_EQ(9, Map().cellState[cellIndex]);
  }
}

TEST_F(EntityTest, BulletWhoseTargetLeftIsRemovedAndAMissFliesOutOfTheField) {
  Tower* t = BuildSomewhere(1);
  ASSERT_NE(nullptr, t);
  Monster* m = StillMonster(0, t->position.x + 100.0f, t->position.y);
  Bullet* b = WaitForShot(t, 130);
  ASSERT_NE(nullptr, b);
  m->SetDead(true);
  Frame();
  EXPECT_TRUE(b->dead);
  m = StillMonster(0, t->position.x, t->position.y + 60.0f);
  b = WaitForShot(t, 130);
  ASSERT_NE(nullptr, b);
  m->position.x += 200.0f;  // out of the bullet's way
  Seconds(2.0);
  EXPECT_TRUE(b->dead);
}

// ---- Particles and overlays ----

TEST_F(EntityTest, UpgradingTowerPuffsFourSmokeParticlesEveryBurst) {
  Tower* t = BuildSomewhere(1);
  ASSERT_NE(nullptr, t);
  t->level = 2;
  t->upgrading = true;
  Seconds(0.7);
  auto alive = [&] {
    int n = 0;
    for (Particle* p : t->upgradeEffect->particles) n += p->dead ? 0 : 1;
    return n;
  };
  EXPECT_EQ(0, alive());
  Seconds(0.2);
  EXPECT_EQ(4, alive());
  Seconds(0.8);
  EXPECT_EQ(8, alive());
}

TEST_F(EntityTest, WinterParticlesAreSnowballsFallingFromAboveTheView) {
  Season().currentSeason = 4;
  ParticleSystem& ps = ParticleSystem::GetInstance();
  ps.Reset();
  Seconds(0.82);
  Particle* p = nullptr;
  for (Particle* q : ps.particles) {
    if (!q->dead) p = q;
  }
  ASSERT_NE(nullptr, p);
  EXPECT_EQ(ResourceManager::GetInstance()->GetBulletTexture(BULLET_SNOWBALL), p->texture);
  EXPECT_FLOAT_EQ(-150.0f, p->velocity.y);
  EXPECT_LT(p->position.y, 480.0f);
  EXPECT_GT(p->position.y, 470.0f);
}

TEST_F(EntityTest, TutorialShowsTenSecondsThenFadesInOne) {
  Tutorial* tut = Level()->tutorial;
  Seconds(9.9);
  EXPECT_FLOAT_EQ(1.0f, tut->alpha);
  Seconds(0.6);
  EXPECT_LT(tut->alpha, 0.6f);
  Seconds(0.6);
  EXPECT_TRUE(tut->finished);
  EXPECT_LE(tut->alpha, 0.0f);
}

TEST_F(EntityTest, WarningPulsesThreeTimesBeforeTheFirstDrillingWaveOnly) {
  Warning* w = Level()->warning;
  Waves().currentWave = 3;
  float peak = 0.0f;
  for (int i = 0; i < 300; ++i) {
    Frame();
    peak = std::max(peak, w->alpha);
  }
  EXPECT_FLOAT_EQ(0.7f, peak);
  EXPECT_EQ(3, w->pulseCount);
  EXPECT_TRUE(w->soundPlayed);
  Waves().currentWave = 4;
  Frame();
  EXPECT_FALSE(w->soundPlayed);
  Waves().currentWave = 6;
  Frame();
  EXPECT_TRUE(w->soundPlayed);
  EXPECT_FLOAT_EQ(0.0f, w->alpha);
}

}  // namespace
