// The random player's choices and checks; see RandomPlayer.h.
#include "RandomPlayer.h"

#include <algorithm>
#include <cstdio>

#include "PlayData.h"
#include "PlayRules.h"
#include "VXFrameRateController.h"
#include "VXGraphics.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "bot/BotInput.h"
#include "data/GUIData.h"
#include "data/MapChoice.h"
#include "data/MapData.h"
#include "entities/SimpleSprites.h"
#include "entities/Tower.h"
#include "level/LevelOne.h"
#include "level/TowerManager.h"
#include "resources/ResourceManager.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {

RandomPlayer* sPlayer = nullptr;

// Shipped data: the maps take turns at fixed frames, so a shorter run replays
// the start of a longer one. Rich and harsh data: a map keeps its turn until a
// game on it has ended, or this long.
const long kFramesPerMap = 16000;
const long kLongestTurn = 90000;
// As the bot's engine: every frame exactly 1/60 s.
const int64_t kClockRate = 600000;

void CheckedFrame() {
  FrameLoopRunFrame();
  if (sPlayer) sPlayer->AfterFrame();
}

GameStateManager& States() {
  return GameStateManager::GetInstance();
}

LevelOne* RunningLevel() {
  return States().currentState == STATE_LEVEL ? dynamic_cast<LevelOne*>(States().currentLevel) : nullptr;
}

// Full-screen display scales: a window, two whole ones, and a 1366 x 768 screen.
const float kScales[4][2] = {{1.0f, 1.0f}, {2.0f, 2.0f}, {1.5f, 1.5f}, {1366.0f / 960.0f, 768.0f / 720.0f}};

// A cell-sized picture covers a world point: left and top edges inclusive, as
// the rasteriser fills them.
bool Covers(VXVec2 centre, VXVec2 p) {
  return p.x >= centre.x - 30.0f && p.x < centre.x + 30.0f && p.y <= centre.y + 30.0f && p.y > centre.y - 30.0f;
}

int CellAt(VXVec2 centre) {
  return static_cast<int>((330.0f - centre.y) / 60.0f) * GRID_COLUMNS + static_cast<int>((centre.x + 510.0f) / 60.0f);
}

// What the frame before a click showed of the level.
struct Shown {
  bool preview, green;
  VXVec2 previewAt;
  VXVec2 cursor;  // the world point at the middle of the cursor's pixel
  bool buildMode, placing;
  int money;
  struct Markers {
    float sellScale, upgradeScale;
    VXVec2 sell, upgrade;
    bool upgrading;  // its new picture shows: the markers are on their way out
  } markers[TOWER_POOL_SIZE];
};

Shown sShown;

}  // namespace

RandomPlayer::RandomPlayer(uint32_t seed, PlayData playData)
    : random(seed),
      data(playData),
      scaleX(kScales[seed % 4][0]),
      scaleY(kScales[seed % 4][1]),
      cursorX(480),
      cursorY(360),
      clicksX(),
      clicksY(),
      clickNext(0),
      run(),
      recentNext(0),
      shots(),
      shotNow(0),
      levelLastFrame(false),
      restartAsked(false),
      pausedLastFrame(false),
      start() {
  for (int i = 0; i < 8; ++i) {
    clicksX[i] = 480;
    clicksY[i] = 360;
  }
}

RandomRun RandomPlayer::Play(long frames) {
  run = RandomRun();
  run.brokenAt = -1;
  PlayDataFolder folder(data);
  start = ReadStartValues();
  sPlayer = this;
  BotSetFrameRunner(CheckedFrame);
  // Every run starts from the main menu at clock 0, as in a fresh program:
  // the game's own draws are seeded from the clock's whole seconds.
  VXClockUseScripted(kClockRate, 0);
  int map = Uniform(0, 1);
  long turnStart = 0;
  int gamesEnded = 0;
  int failedEntries = 0;
  States().nextState = STATE_MAINMENU;
  while (run.frames < frames && run.brokenAt < 0) {
    int ended = run.reach.wins + run.reach.losses;
    bool turnOver = data == DATA_SHIPPED ? run.frames >= turnStart + kFramesPerMap
                                         : ended > gamesEnded || run.frames >= turnStart + kLongestTurn;
    if (turnOver && States().currentState != STATE_WIN && States().currentState != STATE_LOSE) {
      map = 1 - map;
      turnStart = data == DATA_SHIPPED ? run.frames / kFramesPerMap * kFramesPerMap : run.frames;
      gamesEnded = ended;
    }
    if (States().nextState == STATE_RESTART) {
      BotFrame();  // the level starts again from the pause menu's Try again
    } else if (States().currentState == STATE_WIN || States().currentState == STATE_LOSE) {
      ActOnEndScreen();
    } else if (BotInLevel() && mapChoice == map) {
      Act();
    } else {
      EnterLevel(map);
      if (!BotInLevel() && ++failedEntries > 3) Break("the level did not start from the main menu");
    }
  }
  BotSetFrameRunner(nullptr);
  sPlayer = nullptr;
  gVXScreenScaleX = gVXScreenScaleY = 1.0f;
  return run;
}

void RandomPlayer::AfterFrame() {
  ++run.frames;
  LevelOne* level = RunningLevel();
  bool restarted = level && restartAsked;
  bool fresh = level && (!levelLastFrame || restarted);
  levelLastFrame = level != nullptr;
  restartAsked = States().nextState == STATE_RESTART;
  if (run.brokenAt >= 0 || !level) return;
  shotNow = 1 - shotNow;
  LevelShot& now = shots[shotNow];
  now.Take();
  std::string broken = fresh ? NotAFreshLevel(now, start) : UnexplainedChange(shots[1 - shotNow], now);
  if (broken.empty()) broken = BrokenRule();
  if (!broken.empty()) {
    Break(broken);
    return;
  }
  if (restarted) ++run.reach.restarts;
  if (!fresh) CountReach();
}

void RandomPlayer::CountReach() {
  Reach& r = run.reach;
  const LevelShot& now = shots[shotNow];
  const LevelShot& before = shots[1 - shotNow];
  LevelOne* level = RunningLevel();
  if (level->paused && !pausedLastFrame) ++r.pauses;
  pausedLastFrame = level->paused;
  int inPlay = 0;
  for (int i = 0; i < TOWER_POOL_SIZE; ++i) {
    const LevelShot::TowerState& a = now.towers[i];
    inPlay += a.inPlay;
    TowerChange change = ChangeOf(before, now, i);
    r.builds += change.built;
    r.sales += change.sold;
    if (change.upgraded) ++(a.level == 2 ? r.upgradesTo2 : r.upgradesTo3);
  }
  r.mostTowers = std::max(r.mostTowers, inPlay);
  r.furthestWave = std::max(r.furthestWave, now.wave + 1);
  for (int w = 0; w < WAVE_COUNT; ++w) {
    for (int m = 0; m < MONSTERS_PER_WAVE; ++m) {
      if (now.monsters[w][m].drills && now.monsters[w][m].inPlay && !before.monsters[w][m].inPlay) ++r.drillers;
    }
  }
  if (States().nextState == STATE_WIN) ++r.wins;
  if (States().nextState == STATE_LOSE) ++r.losses;
}

void RandomPlayer::Act() {
  LevelOne* level = RunningLevel();
  if (level && level->paused) {
    ActPaused();
    return;
  }
  // Rich games are to be won: they seldom pause, and build and upgrade a lot.
  bool rich = data == DATA_RICH;
  int escape = rich ? 1 : 20;
  int roll = Uniform(0, 999);
  if (roll < 640) {
    ClickSomewhere(roll / 10);
  } else if (roll < 760) {
    Press(VX_KEY_B);
  } else if (roll < 760 + escape) {
    Press(VX_KEY_ESCAPE);
  } else if (roll < 800) {
    Hold(VX_KEY_RBUTTON, Uniform(1, 10));
  } else if (roll < 840) {
    ScrollAndClickAnEdge();
  } else if (roll < (rich ? 950 : 860)) {
    BuildSomewhere();
  } else if (roll < (rich ? 985 : 880)) {
    UpgradeARecentClick();
  } else {
    int x = Uniform(1, 949);
    PointAt(x, Uniform(0, 719));
    Wait(roll < 990 ? Uniform(1, 240) : 1);
  }
}

// What a player does to build: B, a season on the build bar, a cell of the field.
void RandomPlayer::BuildSomewhere() {
  Press(VX_KEY_B);
  int x = 461 + 110 * Uniform(0, 3);
  x += Uniform(0, 68);
  Click(x, Uniform(621, 689));
  x = 60 * Uniform(0, 15);
  x += Uniform(1, 58);
  int y = 60 * Uniform(1, 9);
  y += Uniform(1, 58);
  Click(x, y);
}

// Back to a recent click (a tower built there, perhaps), its menu opened and
// its upgrade cell clicked; again once that upgrade is done.
void RandomPlayer::UpgradeARecentClick() {
  int back = Uniform(0, 7);
  int x = clicksX[back], y = clicksY[back];
  int times = Uniform(1, 2);
  for (int i = 0; i < times; ++i) {
    Click(x, y);
    Wait(Uniform(1, 30));
    Click(x + 60, y);
    if (i + 1 < times) Wait(Uniform(180, 240));
  }
}

// Arguments are drawn one statement at a time: their order must not depend on the compiler.
void RandomPlayer::ClickSomewhere(int roll) {
  int x = 0, y = 0;
  int last = (clickNext + 7) % 8;
  if (roll < 18) {
    // A cell of the view, anywhere inside it.
    x = 60 * Uniform(0, 15);
    x += Uniform(1, 58);
    y = 60 * Uniform(0, 11);
    y += Uniform(1, 58);
  } else if (roll < 34) {
    // Beside the last click, or on it: where a tower's options lie.
    int side = Uniform(0, 3);
    x = clicksX[last] + (side == 0 ? -60 : side == 1 ? 60 : 0);
    y = clicksY[last] + (side == 2 ? 60 : side == 3 ? -60 : 0);
  } else if (roll < 44) {
    // Back to one of the last clicks: a tower built there, its menu.
    int back = Uniform(0, 7);
    x = clicksX[back];
    y = clicksY[back];
  } else if (roll < 56) {
    x = 461 + 110 * Uniform(0, 3);
    x += Uniform(0, 68);
    y = Uniform(621, 689);
  } else if (roll < 63) {
    x = Uniform(0, 959);
    y = Uniform(0, 719);
  } else {
    x = Uniform(0, 1) ? -Uniform(1, 100) : 960 + Uniform(0, 100);
    y = Uniform(-50, 770);
  }
  Click(x, y);
}

// The cursor at an edge scrolls the view; back inside, the view creeps onto
// a whole column a unit a frame while the player clicks on or beside the
// edge of a cell as it is drawn.
void RandomPlayer::ScrollAndClickAnEdge() {
  int x = Uniform(0, 1) ? Uniform(950, 965) : Uniform(-5, 0);
  Note("cursor at the edge x %d", x);
  PointAt(x, Uniform(0, 719));
  Wait(Uniform(1, 60));
  if (Uniform(0, 1)) return;
  int shift = static_cast<int>(gVXCamPosX) % 60;
  x = 60 * Uniform(1, 14) - shift;
  x += Uniform(-2, 1);
  int y = 60 * Uniform(1, 9);
  y += Uniform(1, 58);
  Click(x, y);
}

void RandomPlayer::ActPaused() {
  const PauseButtonRect* button = nullptr;
  int roll = Uniform(0, 99);
  if (RunningLevel()->confirmQuit) {
    button = roll < 30 ? &kPauseYes : roll < 80 ? &kPauseNo : nullptr;
  } else {
    button = roll < 45 ? &kPauseResume : roll < 60 ? &kPauseTryAgain : roll < 75 ? &kPauseReturn : nullptr;
  }
  if (button) {
    int x = Uniform(button->left, button->right);
    Click(x, Uniform(button->top, button->bottom));
  } else if (roll < 90) {
    Press(VX_KEY_ESCAPE);
  } else {
    int x = Uniform(0, 959);
    Click(x, Uniform(0, 719));
  }
}

// The victory and defeat screens: play again, map selection or the main menu
// (never the defeat screen's quit area), on a window of scale 1 as the menus.
void RandomPlayer::ActOnEndScreen() {
  static const int kButtons[3][4] = {{360, 600, 300, 350}, {350, 615, 370, 430}, {310, 655, 455, 500}};
  const int* b = kButtons[Uniform(0, 2)];
  int x = Uniform(b[0], b[1]);
  int y = Uniform(b[2], b[3]);
  Note("end screen click %d, %d", x, y);
  int screen = States().currentState;
  gVXScreenScaleX = gVXScreenScaleY = 1.0f;
  BotClick(x, y);
  BotFrame();
  gVXScreenScaleX = scaleX;
  gVXScreenScaleY = scaleY;
  if (States().currentState != screen) ++run.reach.endScreenClicks;
}

void RandomPlayer::EnterLevel(int map) {
  Note("enter map %d", map + 1);
  // The menus are clicked on a window of scale 1.
  gVXScreenScaleX = gVXScreenScaleY = 1.0f;
  if (BotEnterLevelFromMenu(map)) {
    ++run.reach.levelsEntered;
    run.reach.mapsPlayed |= 1 << map;
  }
  gVXScreenScaleX = scaleX;
  gVXScreenScaleY = scaleY;
}

void RandomPlayer::PointAt(int x, int y) {
  cursorX = static_cast<int>(static_cast<float>(x) * scaleX + 0.5f);
  cursorY = static_cast<int>(static_cast<float>(y) * scaleY + 0.5f);
  VXInputScriptCursor(cursorX, cursorY);
}

// A click through the real input path: the button up for a frame, then down.
void RandomPlayer::Click(int x, int y) {
  Note("click %d, %d", x, y);
  clicksX[clickNext] = x;
  clicksY[clickNext] = y;
  clickNext = (clickNext + 1) % 8;
  PointAt(x, y);
  VXInputScriptKey(VX_KEY_LBUTTON, false);
  BotFrame();
  CheckClick(x, y);
  VXInputScriptKey(VX_KEY_LBUTTON, false);
}

// What the click did against what the frame before it showed: the preview,
// the markers and the money.
void RandomPlayer::CheckClick(int x, int y) {
  LevelOne* level = RunningLevel();
  bool checked = level && !level->paused && run.brokenAt < 0;
  if (checked) {
    TowerManager& tm = TowerManager::GetInstance();
    GUIData& gui = GUIData::GetInstance();
    const GUITile* preview = gui.guiTiles.size() > 6 ? gui.guiTiles[6] : nullptr;
    Shown& s = sShown;
    s.preview = preview && tm.placing && !preview->dead;
    s.green = s.preview && preview->texture == ResourceManager::GetInstance()->GetMiscTexture(MISC_GREEN_TILE);
    s.previewAt = s.preview ? preview->position : VXVec2{0.0f, 0.0f};
    s.cursor = {(static_cast<float>(cursorX) + 0.5f) / scaleX - 480.0f + gVXCamPosX,
                360.0f - (static_cast<float>(cursorY) + 0.5f) / scaleY};
    s.buildMode = tm.buildMode;
    s.placing = tm.placing;
    s.money = tm.money;
    for (int i = 0; i < TOWER_POOL_SIZE; ++i) {
      const Tower* t = tm.towers[static_cast<size_t>(i)];
      bool on = !t->dead;
      s.markers[i] = {on ? t->sellMarker->scale.x : 0.0f, on ? t->upgradeMarker->scale.x : 0.0f,
                      t->sellMarker->position, t->upgradeMarker->position, t->upgrading};
    }
    if (s.preview && !Covers(s.previewAt, s.cursor)) {
      Break("the preview is not under the cursor");
      checked = false;
    }
  }
  const LevelShot before = shots[shotNow];
  VXInputScriptKey(VX_KEY_LBUTTON, true);
  BotFrame();
  if (!checked || !RunningLevel() || run.brokenAt >= 0) return;
  const Shown& s = sShown;
  const LevelShot& after = shots[shotNow];
  bool inWindow = x >= 0 && x < 960 && y >= 0 && y < 720;
  int bought = 0;
  bool built = false;
  for (int i = 0; i < TOWER_POOL_SIZE; ++i) {
    const LevelShot::TowerState& b = before.towers[i];
    const LevelShot::TowerState& a = after.towers[i];
    const Shown::Markers& m = s.markers[i];
    TowerChange change = ChangeOf(before, after, i);
    if (change.built) {
      ++bought;
      built = true;
      if (!s.green || a.cell != CellAt(s.previewAt)) Break("a tower was built where no green preview showed");
    }
    bool sold = change.sold;
    // A marker grows from nothing when the menu opens: its cell is the target.
    bool onSell = m.sellScale > 0.0f && Covers(m.sell, s.cursor);
    if (sold && (!onSell || s.buildMode)) Break("a tower was sold by a click off its sell marker");
    if (!sold && b.inPlay && m.sellScale == 1.0f && onSell && !s.buildMode && !m.upgrading && inWindow) {
      Break("a click on a sell marker sold nothing");
    }
    bought += sold;
    bool upgraded = change.upgraded;
    int price = b.level == 1 ? UPGRADE_PRICE_2 : UPGRADE_PRICE_3;
    bool onUpgrade = m.upgradeScale > 0.0f && Covers(m.upgrade, s.cursor);
    if (upgraded && (!onUpgrade || s.money < price)) Break("a tower was upgraded by a click off its upgrade marker");
    if (!upgraded && b.inPlay && b.level < 3 && m.upgradeScale == 1.0f && onUpgrade && s.money >= price && !s.placing &&
        !m.upgrading && inWindow) {
      Break("a click on an affordable upgrade marker upgraded nothing");
    }
    bought += upgraded;
  }
  if (bought > 1) Break("one click bought more than one thing");
  if (s.green && inWindow && !built) Break("no tower was built where the preview was green");
}

void RandomPlayer::Press(unsigned char key) {
  Note("key 0x%02x", key);
  BotPress(key);
}

void RandomPlayer::Hold(unsigned char key, int frames) {
  Note("key 0x%02x held %d frames", key, frames);
  VXInputScriptKey(key, true);
  Wait(frames);
  VXInputScriptKey(key, false);
}

void RandomPlayer::Wait(int frames) {
  for (int i = 0; i < frames && run.brokenAt < 0; ++i) BotFrame();
}

// Not std::uniform_int_distribution, whose draws differ between libraries: a
// seed must replay the same inputs everywhere.
int RandomPlayer::Uniform(int lo, int hi) {
  return lo + static_cast<int>(random() % static_cast<uint32_t>(hi - lo + 1));
}

void RandomPlayer::Note(const char* format, int a, int b) {
  char text[80];
  int at = std::snprintf(text, sizeof(text), "frame %ld: ", run.frames);
  std::snprintf(text + at, sizeof(text) - static_cast<size_t>(at), format, a, b);
  recent[recentNext] = text;
  recentNext = (recentNext + 1) % kRecent;
}

void RandomPlayer::Break(const std::string& rule) {
  if (run.brokenAt >= 0) return;
  run.brokenAt = run.frames;
  run.broken = rule + "\nthe last actions (logical window pixels):";
  for (int i = 0; i < kRecent; ++i) {
    const std::string& action = recent[(recentNext + i) % kRecent];
    if (!action.empty()) run.broken += "\n  " + action;
  }
}
