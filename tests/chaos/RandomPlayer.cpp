// The random player's choices and checks; see RandomPlayer.h.
#include "RandomPlayer.h"

#include <bitset>
#include <cstdio>

#include "PlayRules.h"
#include "VXFrameRateController.h"
#include "VXGraphics.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "bot/BotInput.h"
#include "data/GUIData.h"
#include "data/MapChoice.h"
#include "entities/SimpleSprites.h"
#include "entities/Tower.h"
#include "level/LevelOne.h"
#include "level/TowerManager.h"
#include "resources/ResourceManager.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {

RandomPlayer* sPlayer = nullptr;

const long kFramesPerMap = 16000;
// As the bot's engine: every frame exactly 1/60 s.
const int64_t kClockRate = 600000;

void CheckedFrame() {
  FrameLoopRunFrame();
  if (sPlayer) sPlayer->AfterFrame();
}

LevelOne* RunningLevel() {
  GameStateManager& gsm = GameStateManager::GetInstance();
  return gsm.currentState == STATE_LEVEL ? dynamic_cast<LevelOne*>(gsm.currentLevel) : nullptr;
}

// Full-screen display scales: a window, two whole ones, and a 1366 x 768 screen.
const float kScales[4][2] = {{1.0f, 1.0f}, {2.0f, 2.0f}, {1.5f, 1.5f}, {1366.0f / 960.0f, 768.0f / 720.0f}};

// The grid cell whose centre the placement preview stands on.
int PreviewCell(const GUITile* preview) {
  int column = (static_cast<int>(preview->position.x) + 510) / 60;
  int row = (330 - static_cast<int>(preview->position.y)) / 60;
  return row * 22 + column;
}

typedef std::bitset<TOWER_POOL_SIZE> TowerSet;

TowerSet TowersInPlay() {
  TowerSet set;
  const std::vector<Tower*>& towers = TowerManager::GetInstance().towers;
  for (size_t i = 0; i < towers.size() && i < set.size(); ++i) set[i] = !towers[i]->dead;
  return set;
}

}  // namespace

RandomPlayer::RandomPlayer(uint32_t seed)
    : random(seed),
      scaleX(kScales[seed % 4][0]),
      scaleY(kScales[seed % 4][1]),
      lastX(480),
      lastY(360),
      run(),
      recentNext(0) {}

RandomRun RandomPlayer::Play(long frames) {
  run = RandomRun();
  run.brokenAt = -1;
  sPlayer = this;
  BotSetFrameRunner(CheckedFrame);
  // Every run starts from the main menu at clock 0, as in a fresh program:
  // the game's own draws are seeded from the clock's whole seconds.
  VXClockUseScripted(kClockRate, 0);
  int first = Uniform(0, 1);
  int failedEntries = 0;
  GameStateManager::GetInstance().nextState = STATE_MAINMENU;
  while (run.frames < frames && run.brokenAt < 0) {
    // The maps take turns at fixed frames, so a shorter run replays the start of a longer one.
    int map = (first + static_cast<int>(run.frames / kFramesPerMap)) % 2;
    if (BotInLevel() && mapChoice == map) {
      Act();
      continue;
    }
    EnterLevel(map);
    if (!BotInLevel() && ++failedEntries > 3) Break("the level did not start from the main menu");
  }
  BotSetFrameRunner(nullptr);
  sPlayer = nullptr;
  gVXScreenScaleX = gVXScreenScaleY = 1.0f;
  return run;
}

void RandomPlayer::AfterFrame() {
  ++run.frames;
  if (run.brokenAt >= 0 || !RunningLevel()) return;
  std::string broken = BrokenRule();
  if (!broken.empty()) Break(broken);
}

void RandomPlayer::Act() {
  LevelOne* level = RunningLevel();
  if (level && level->paused) {
    ActPaused();
    return;
  }
  int roll = Uniform(0, 99);
  if (roll < 64) {
    ClickSomewhere(roll);
  } else if (roll < 76) {
    Press(VX_KEY_B);
  } else if (roll < 78) {
    Press(VX_KEY_ESCAPE);
  } else if (roll < 80) {
    Hold(VX_KEY_RBUTTON, Uniform(1, 10));
  } else if (roll < 84) {
    int x = Uniform(0, 1) ? Uniform(950, 965) : Uniform(-5, 0);
    Note("cursor at the edge x %d", x);
    PointAt(x, Uniform(0, 719));
    Wait(Uniform(5, 60));
  } else {
    int x = Uniform(1, 949);
    PointAt(x, Uniform(0, 719));
    Wait(roll < 96 ? Uniform(1, 240) : 1);
  }
}

// Arguments are drawn one statement at a time: their order must not depend on the compiler.
void RandomPlayer::ClickSomewhere(int roll) {
  int x = 0, y = 0;
  if (roll < 25) {
    // A cell of the view, anywhere inside it.
    x = 60 * Uniform(0, 15);
    x += Uniform(1, 58);
    y = 60 * Uniform(0, 11);
    y += Uniform(1, 58);
  } else if (roll < 45) {
    // The cell beside the last click, or the same one: where a tower's options lie.
    x = lastX + 60 * Uniform(-1, 1);
    y = lastY;
  } else if (roll < 57) {
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

void RandomPlayer::EnterLevel(int map) {
  Note("enter map %d", map + 1);
  // The menus are clicked on a window of scale 1.
  gVXScreenScaleX = gVXScreenScaleY = 1.0f;
  if (BotEnterLevelFromMenu(map)) {
    ++run.levelsEntered;
    run.mapsPlayed |= 1 << map;
  }
  gVXScreenScaleX = scaleX;
  gVXScreenScaleY = scaleY;
}

void RandomPlayer::PointAt(int x, int y) {
  VXInputScriptCursor(static_cast<int>(static_cast<float>(x) * scaleX + 0.5f),
                      static_cast<int>(static_cast<float>(y) * scaleY + 0.5f));
}

// A click through the real input path. With a tower in hand, the frame before
// the button goes down shows the preview over the cell under the cursor: the
// click must build exactly where it was green.
void RandomPlayer::Click(int x, int y) {
  Note("click %d, %d", x, y);
  lastX = x;
  lastY = y;
  PointAt(x, y);
  VXInputScriptKey(VX_KEY_LBUTTON, false);
  BotFrame();
  LevelOne* level = RunningLevel();
  TowerManager& tm = TowerManager::GetInstance();
  GUIData& gui = GUIData::GetInstance();
  GUITile* preview = level && gui.guiTiles.size() > 6 ? gui.guiTiles[6] : nullptr;
  bool inWindow = x >= 0 && x < 960 && y >= 0 && y < 720;
  bool shown = preview && inWindow && !level->paused && tm.placing && !preview->dead;
  bool green = shown && preview->texture == ResourceManager::GetInstance()->GetMiscTexture(MISC_GREEN_TILE);
  bool canPay = tm.money >= TOWER_PRICE && tm.FindIdleTower();
  // In build mode a click on the selected tower's sell cell neither sells nor builds.
  Tower* selected = tm.FindTowerOn(tm.selectedCell);
  bool sellCell = shown && selected && PreviewCell(preview) == selected->cell - 1;
  float camera = gVXCamPosX;
  TowerSet before = TowersInPlay();
  VXInputScriptKey(VX_KEY_LBUTTON, true);
  BotFrame();
  VXInputScriptKey(VX_KEY_LBUTTON, false);
  // A view that scrolled between the two frames puts another cell under the cursor.
  if (!shown || !RunningLevel() || camera != gVXCamPosX || run.brokenAt >= 0) return;
  bool built = (TowersInPlay() & ~before).any();
  if (built) ++run.towersBuilt;
  if (built && !green) Break("a tower was built where the preview was red");
  if (!built && green && canPay && !sellCell) Break("no tower was built where the preview was green");
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
  run.brokenAt = run.frames;
  run.broken = rule + "\nthe last actions (logical window pixels):";
  for (int i = 0; i < kRecent; ++i) {
    const std::string& action = recent[(recentNext + i) % kRecent];
    if (!action.empty()) run.broken += "\n  " + action;
  }
}
