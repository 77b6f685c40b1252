// The level's timings and rules of play, driven through the real input path.
#include "LevelHarness.h"
#include "VXInput.h"
#include "data/GUIData.h"
#include "entities/SimpleSprites.h"
#include "entities/Tutorial.h"

namespace {

class PlayTest : public LevelTest {
 protected:
  Wave* WaveAt(int i) { return Waves().waves[static_cast<size_t>(i)]; }
  static bool AnyInPlay(Wave* w) {
    for (Monster* m : w->monsters) {
      if (!m->dead) return true;
    }
    return false;
  }
  // Frames until a monster of the wave is in play; -1 past the limit.
  int FramesUntilSpawn(Wave* w, int limit) {
    int before = w->spawnedCount;
    for (int i = 1; i <= limit; ++i) {
      Frame();
      if (w->spawnedCount > before) return i;
    }
    return -1;
  }
};

// ---- Waves ----

TEST_F(PlayTest, FirstMonsterAppearsAbout13Point1SecondsIntoTheLevelAndTheNextEveryOneAndAHalf) {
  int frames = FramesUntilSpawn(WaveAt(0), 1200) + 1;  // entering took a frame
  EXPECT_NEAR(13.1, frames / 60.0, 3.0 / 60.0);
  EXPECT_TRUE(AnyInPlay(WaveAt(0)));
  EXPECT_EQ(Map().startCell, WaveAt(0)->monsters[0]->cell);
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(1.5, FramesUntilSpawn(WaveAt(0), 200) / 60.0, 1.5 / 60.0);
}

TEST_F(PlayTest, WaveEndPaysItsBonusOnceAndTheNextWaveFollowsSevenSecondsLater) {
  Wave* w = WaveAt(0);
  w->monsterCount = 1;
  ASSERT_GT(FramesUntilSpawn(w, 1200), 0);
  Monster* m = w->monsters[0];
  int money = Towers().money;
  m->reward = 0;
  m->TakeDamage(1000000);
  for (int frames = 0; !m->dead && frames < 200; ++frames) Frame();
  Frame();
  EXPECT_EQ(money + 30, Towers().money);
  EXPECT_EQ(1, Waves().currentWave);
  EXPECT_FLOAT_EQ(7.0f, Waves().timeToNextWave);
  int next = FramesUntilSpawn(WaveAt(1), 1200);
  EXPECT_NEAR(10.1, (next + 1) / 60.0, 3.0 / 60.0);
  EXPECT_EQ(money + 30, Towers().money);
}

TEST_F(PlayTest, EmptyWaveEndsAfterTheDelayAndTheLastWaveAsksForVictory) {
  for (int i = 0; i < 10; ++i) WaveAt(i)->monsterCount = 0;
  Waves().currentWave = 9;
  Waves().timeToNextWave = 0.0f;
  int money = Towers().money;
  GameStateManager& gsm = GameStateManager::GetInstance();
  int frames = 0;
  while (gsm.nextState == STATE_LEVEL && frames < 200) {
    Frame();
    ++frames;
  }
  EXPECT_EQ(STATE_WIN, gsm.nextState);
  EXPECT_NEAR(1.6, frames / 60.0, 2.0 / 60.0);
  EXPECT_EQ(9, Waves().currentWave);
  EXPECT_FLOAT_EQ(7.0f, Waves().timeToNextWave);
  EXPECT_EQ(money + 30, Towers().money);
  gsm.nextState = STATE_LEVEL;
}

TEST_F(PlayTest, FullWaveSpawnsNothingMore) {
  Wave* w = WaveAt(0);
  w->monsterCount = 40;
  for (Monster* m : w->monsters) m->SetDead(false);
  int spawned = w->spawnedCount;
  w->SpawnMonster();
  EXPECT_EQ(spawned, w->spawnedCount);
}

// ---- Building ----

TEST_F(PlayTest, BuildModeNeedsThirtyMoney) {
  Towers().money = 29;
  Press(VX_KEY_B);
  EXPECT_FALSE(Towers().buildMode);
  Towers().money = 30;
  Press(VX_KEY_B);
  EXPECT_TRUE(Towers().buildMode);
  Press(VX_KEY_B);
  EXPECT_FALSE(Towers().buildMode);
}

TEST_F(PlayTest, BuildClickWithAllFiftyTowersInPlayChangesNothing) {
  int column = 0, row = 0;
  FindFreeCell(&column, &row);
  for (Tower* t : Towers().towers) {
    t->PlaceAtCell(0);
    t->SetDead(false);
  }
  Towers().money = 100;
  Build(1, column, row);
  EXPECT_EQ(100, Towers().money);
  EXPECT_EQ(1, Map().cells[Index(column, row)]);
  EXPECT_EQ(9, Map().cellState[Index(column, row)]);
  EXPECT_TRUE(Towers().placing);  // the tower stays in hand
}

TEST_F(PlayTest, ClickWithTheCursorOutsideTheWindowIsIgnored) {
  int column = 0, row = 0;
  FindFreeCell(&column, &row);
  Tower* t = Build(1, column, row);
  ASSERT_NE(nullptr, t);
  int selected = Towers().selectedCell;
  const int outside[4][2] = {{-61, 100}, {1000, 100}, {100, -70}, {100, 800}};
  for (const auto& p : outside) {
    Click(p[0], p[1]);
    EXPECT_EQ(selected, Towers().selectedCell) << p[0] << ", " << p[1];
  }
  Press(VX_KEY_B);
  Click(495, 655);
  for (const auto& p : outside) Click(p[0], p[1]);
  EXPECT_EQ(1, Towers().buildType);  // still in hand: nothing was built
  EXPECT_EQ(t, Towers().FindTowerOn(t->cell));
}

// The preview of a tower in hand hides over the header and the build bar.
TEST_F(PlayTest, BuildBarButtonsAnswerOnlyInsideTheirSixtyNinePixelsAndHideThePreview) {
  GUIData& gui = GUIData::GetInstance();
  const int probes[][3] = {{495, 655, 1}, {461, 621, 1}, {529, 689, 1}, {530, 655, 0}, {495, 620, 0},
                           {571, 655, 2}, {749, 655, 3}, {791, 689, 4}, {860, 655, 0}, {495, 690, 0}};
  for (const auto& p : probes) {
    VXInputScriptCursor(p[0], p[1]);
    Frame();
    EXPECT_EQ(p[2], gui.HitTest()) << p[0] << ", " << p[1];
  }
  Press(VX_KEY_B);
  Click(495, 655);
  ASSERT_TRUE(Towers().placing);
  GUITile* preview = gui.guiTiles[6];
  for (int y : {20, 300, 660}) {
    VXInputScriptCursor(300, y);
    Frame();
    EXPECT_EQ(y != 300, preview->dead) << y;
  }
}

// ---- Camera ----

TEST_F(PlayTest, CursorAtTheRightEdgeScrollsTo240AndTheViewSettlesOnAColumn) {
  HoldWaves();
  VXInputScriptCursor(959, 300);
  Seconds(1.0);
  EXPECT_FLOAT_EQ(240.0f, gVXCamPosX);
  VXInputScriptCursor(0, 300);
  Frames(5);
  EXPECT_FLOAT_EQ(215.0f, gVXCamPosX);
  Frames(5);
  EXPECT_FLOAT_EQ(190.0f, gVXCamPosX);
  VXInputScriptCursor(480, 300);
  Frames(40);
  EXPECT_FLOAT_EQ(180.0f, gVXCamPosX);
  VXInputScriptKey(VX_KEY_RBUTTON, true);
  Frame();
  VXInputScriptKey(VX_KEY_RBUTTON, false);
  EXPECT_FLOAT_EQ(0.0f, gVXCamPosX);
}

// ---- Pause and restart ----

TEST_F(PlayTest, PauseFreezesTheWorldUntilEscapeClosesIt) {
  ASSERT_GT(FramesUntilSpawn(WaveAt(0), 1200), 0);
  Monster* m = WaveAt(0)->monsters[0];
  Press(VX_KEY_ESCAPE);
  ASSERT_TRUE(Level()->paused);
  VXVec2 at = m->position;
  float countdown = WaveAt(0)->timer->remaining;
  Seconds(3.0);
  EXPECT_FLOAT_EQ(at.x, m->position.x);
  EXPECT_FLOAT_EQ(countdown, WaveAt(0)->timer->remaining);
  EXPECT_EQ(1, WaveAt(0)->spawnedCount);
  Press(VX_KEY_ESCAPE);
  EXPECT_FALSE(Level()->paused);
  Frames(2);
  EXPECT_GT(m->position.x, at.x);
}

TEST_F(PlayTest, PauseMenuAsksBeforeReturningToTheMenu) {
  Press(VX_KEY_ESCAPE);
  Click(480, 480);  // return to menu
  EXPECT_TRUE(Level()->confirmQuit);
  Press(VX_KEY_ESCAPE);  // only clicks while the question is open
  EXPECT_TRUE(Level()->paused);
  Click(480, 470);  // no
  EXPECT_FALSE(Level()->confirmQuit);
  Click(480, 320);  // resume
  EXPECT_FALSE(Level()->paused);
  Press(VX_KEY_ESCAPE);
  Click(480, 480);
  Click(480, 350);  // yes
  EXPECT_EQ(STATE_MAINMENU, GameStateManager::GetInstance().nextState);
  GameStateManager::GetInstance().nextState = STATE_LEVEL;
}

TEST_F(PlayTest, RestartRenewsTheLevelOnTheSameObjects) {
  int column = 0, row = 0;
  FindFreeCell(&column, &row);
  LevelOne* level = Level();
  Tower* first = Towers().towers[0];
  Wave* wave = WaveAt(0);
  Tower* t = Build(1, column, row);
  ASSERT_NE(nullptr, t);
  Seconds(14.0);
  ASSERT_TRUE(AnyInPlay(wave));
  Press(VX_KEY_ESCAPE);
  Click(480, 400);  // try again
  EXPECT_EQ(STATE_RESTART, GameStateManager::GetInstance().nextState);
  Frame();
  EXPECT_EQ(level, Level());
  EXPECT_EQ(first, Towers().towers[0]);
  EXPECT_EQ(wave, WaveAt(0));
  EXPECT_TRUE(t->dead);
  EXPECT_EQ(9, Map().cellState[Index(column, row)]);
  EXPECT_GE(Season().currentSeason, 1);
  EXPECT_LE(Season().currentSeason, 4);
  EXPECT_FALSE(Level()->paused);
  EXPECT_FLOAT_EQ(1.0f, Level()->tutorial->alpha);
  EXPECT_FALSE(AnyInPlay(wave));
}

TEST_F(PlayTest, SeasonRollWithinOneSecondDrawsTheSameSeason) {
  Season().RollSeason();
  int season = Season().currentSeason;
  for (int i = 0; i < 5; ++i) {
    Season().RollSeason();
    EXPECT_EQ(season, Season().currentSeason);
  }
  Season().shownSeason = season;
  Season().RollSeason();
  EXPECT_FALSE(Season().seasonSweep);
}

}  // namespace
