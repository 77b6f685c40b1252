// The bot's hands on the headless engine; see BotInput.h.
#include "BotInput.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "../HeadlessGame.h"
#include "VXGraphics.h"
#include "VXInput.h"
#include "entities/Sprite.h"
#include "level/LevelOne.h"
#include "level/TowerManager.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {
long sFrames = 0;
void (*sRunFrame)() = FrameLoopRunFrame;
// Main menu's New Game and the two map cards, in window pixels.
const int kNewGame[2] = {450, 297};
const int kMapCard[2][2] = {{350, 400}, {610, 400}};
// Where the cursor rests: inside the window, away from the scrolling edges.
const int kRestX = 480, kRestY = 360;
}  // namespace

void BotStartEngine() {
  static bool started = false;
  if (started) return;
  started = true;
  // A rate divisible by 60, so every frame is exactly 1/60 s.
  StartHeadlessGame(600000);
  VXInputScriptClear();
  VXInputScriptCursor(kRestX, kRestY);
}

// With ORVANE_BOT_TRACE naming a file, every frame in the level appends a
// digest of the board there, so two builds' games can be compared frame by frame.
static void TraceFrame() {
  static FILE* trace = nullptr;
  static bool opened = false;
  if (!opened) {
    opened = true;
    const char* path = std::getenv("ORVANE_BOT_TRACE");
    if (path && path[0]) trace = std::fopen(path, "w");
  }
  if (!trace || !BotInLevel()) return;
  unsigned long long h = 1469598103934665603ull;
  auto mix = [&h](const void* p, size_t n) {
    const unsigned char* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 1099511628211ull;
  };
  for (const Sprite* s : LevelOne::GetInstance()->sprites) {
    if (s->dead) continue;
    mix(&s->type, sizeof s->type);
    mix(&s->position, sizeof s->position);
  }
  const TowerManager& tm = TowerManager::GetInstance();
  std::fprintf(trace, "%ld money %d lives %d cam %g sel %d build %d place %d %016llx\n", sFrames, tm.money, tm.lives,
               static_cast<double>(gVXCamPosX), tm.selectedCell, tm.buildMode, tm.placing, h);
}

void BotFrame() {
  sRunFrame();
  ++sFrames;
  TraceFrame();
}

void BotSetFrameRunner(void (*runFrame)()) {
  sRunFrame = runFrame ? runFrame : FrameLoopRunFrame;
}

void BotFrames(int count) {
  for (int i = 0; i < count; ++i) BotFrame();
}

long BotFramesPlayed() {
  return sFrames;
}

void BotQuitGame() {
  GameStateManager::GetInstance().nextState = STATE_QUIT;
  for (int i = 0; i < 3 && !FrameLoopShouldQuit(); ++i) BotFrame();
}

bool BotInLevel() {
  GameStateManager& gsm = GameStateManager::GetInstance();
  return gsm.currentState == STATE_LEVEL && gsm.nextState == STATE_LEVEL;
}

bool BotEnterLevelFromMenu(int map) {
  GameStateManager& gsm = GameStateManager::GetInstance();
  VXInputScriptClear();
  if (gsm.currentState != STATE_MAINMENU) {
    gsm.nextState = STATE_MAINMENU;
    BotFrame();
  }
  BotClick(kNewGame[0], kNewGame[1]);
  BotFrame();
  if (gsm.currentState != STATE_MAPSELECT) return false;
  BotClick(kMapCard[map][0], kMapCard[map][1]);
  BotFrame();
  BotPointAt(kRestX, kRestY);
  return gsm.currentState == STATE_LEVEL;
}

void BotPress(unsigned char key) {
  VXInputScriptKey(key, false);
  BotFrame();
  VXInputScriptKey(key, true);
  BotFrame();
  VXInputScriptKey(key, false);
}

void BotClick(int x, int y) {
  BotPointAt(x, y);
  BotPress(VX_KEY_LBUTTON);
}

bool BotPressInLevel(unsigned char key) {
  VXInputScriptKey(key, false);
  if (!BotInLevel()) return false;
  BotFrame();
  if (!BotInLevel()) return false;
  VXInputScriptKey(key, true);
  BotFrame();
  VXInputScriptKey(key, false);
  return true;
}

bool BotClickInLevel(int x, int y) {
  BotPointAt(x, y);
  return BotPressInLevel(VX_KEY_LBUTTON);
}

// The first pixel of the real window whose logical position is the one
// given: full screen stretches the logical pixels over the screen's.
static int ClientPixel(int logical, float scale) {
  int client = static_cast<int>(std::ceil(static_cast<float>(logical) * scale));
  while (client > 0 && static_cast<int>(static_cast<float>(client - 1) / scale) >= logical) --client;
  while (static_cast<int>(static_cast<float>(client) / scale) < logical) ++client;
  return client;
}

void BotPointAt(int x, int y) {
  VXInputScriptCursor(ClientPixel(x, gVXScreenScaleX), ClientPixel(y, gVXScreenScaleY));
}

void BotShowColumnsUpTo(int last) {
  BotPointAt(kRestX, kRestY);
  if (last <= VIEW_COLUMNS) {
    // Holding the right button puts the view back at the left end.
    if (gVXCamPosX != 0.0f) {
      VXInputScriptKey(VX_KEY_RBUTTON, true);
      BotFrame();
      VXInputScriptKey(VX_KEY_RBUTTON, false);
    }
    return;
  }
  // The cursor on the right edge scrolls the view 5 units a frame to its stop.
  BotPointAt(959, kRestY);
  for (int i = 0; i < 100 && gVXCamPosX < static_cast<float>(CAMERA_MAX_X) && BotInLevel(); ++i) BotFrame();
  BotPointAt(kRestX, kRestY);
}

int BotColumnX(int column) {
  return 60 * (column - 1) + 30 - static_cast<int>(gVXCamPosX);
}

int BotRowY(int row) {
  return 60 * row + 30;
}

bool BotClickAway() {
  // The header's first cell: no tower stands in row 0.
  return BotClickInLevel(30, 30);
}

int BotBuildButtonX(int type) {
  return 495 + 110 * (type - 1);
}
