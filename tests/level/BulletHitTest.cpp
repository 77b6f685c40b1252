// A bullet's hit: it lands only on a target still in play, dying ones included.
#include "LevelHarness.h"
#include "entities/Bullet.h"

namespace {

class BulletHitTest : public LevelTest {
 protected:
  void SetUp() override {
    LevelTest::SetUp();
    HoldWaves();
  }
  // A monster of the current wave with health 10 and reward 5, out of play.
  Monster* Target(int index) {
    Monster* m = Waves().waves[static_cast<size_t>(Waves().currentWave)]->monsters[static_cast<size_t>(index)];
    m->maxHealth = 10;
    m->baseReward = 5;
    m->SetDead(true);
    return m;
  }
  // A bullet standing still at a point, aimed at a monster of the current wave.
  Bullet* BulletAt(float x, float y, int targetIndex) {
    Bullet* b = Towers().towers[0]->bullets[0];
    b->SetDead(false);
    b->position = {x, y};
    b->velocity = {0.0f, 0.0f};
    b->targetIndex = targetIndex;
    b->damage = 100;
    return b;
  }
};

TEST_F(BulletHitTest, TargetThatLeftPlayIsNotHitWhereItIsParked) {
  Monster* m = Target(0);
  ASSERT_FLOAT_EQ(0.0f, m->position.x);  // the idle monster waits at the origin
  int money = Towers().money;
  Bullet* b = BulletAt(5.0f, 5.0f, 0);
  Frame();
  EXPECT_TRUE(b->dead);
  EXPECT_EQ(money, Towers().money);
  EXPECT_EQ(10, m->health);
  EXPECT_FALSE(m->dying);
  EXPECT_FALSE(m->hitFlash);
  // Its next spawn walks in whole instead of fading out at the entry.
  PlaceMonster(0, 0.0f, 0.0f);
  m->velocity = {0.0f, 0.0f};
  m->cell = 1;  // anywhere but the exit
  Frame();
  EXPECT_FALSE(m->dead);
  EXPECT_FLOAT_EQ(1.0f, m->alpha);
}

TEST_F(BulletHitTest, DyingTargetIsStillHitAndPaysAgain) {
  Monster* m = Target(0);
  PlaceMonster(0, 100.0f, 0.0f);
  int money = Towers().money;
  m->TakeDamage(10);
  ASSERT_TRUE(m->dying);
  Bullet* b = BulletAt(105.0f, 5.0f, 0);
  Frame();
  EXPECT_TRUE(b->dead);
  EXPECT_EQ(money + 10, Towers().money);
  EXPECT_EQ(-100, m->health);
}

}  // namespace
