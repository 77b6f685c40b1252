// Every screen of the game drawn through the renderer's fast path and through
// its reference path (every piece of state sent to GL at every draw, as the
// renderer did before it had a fast path) must give the same frame to the
// last pixel, windowed and full screen: the splash fades, every menu with
// each of its buttons lit, both quit questions, victory and defeat, and the
// level from its first frame to the heaviest scene the rules allow, with the
// build previews, a tower's options, upgrades with smoke, season sweeps,
// scrolling and the pause menu. The game is driven through its own frame
// loop and input on a scripted clock; each state is then drawn frozen.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Bot.h"
#include "BotInput.h"
#include "VXFrameRateController.h"
#include "VXGfxInternal.h"
#include "VXGraphics.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "bench/level/HeavyScene.h"
#include "data/MapData.h"
#include "entities/Tower.h"
#include "level/LevelOne.h"
#include "level/SeasonState.h"
#include "level/TowerManager.h"
#include "screens/MainMenu.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {

GameStateManager& States() {
  return GameStateManager::GetInstance();
}

// The frame loop's pass without drawing (the states are drawn frozen, by the
// checks), but for the first frame of a screen, which loads what it draws.
void UpdateOnlyFrame() {
  GameStateManager& gsm = States();
  if (gsm.nextState != gsm.currentState || !gsm.currentLevel) {
    FrameLoopRunFrame();
    return;
  }
  VXFrameRateControllerStart();
  VXInputUpdate();
  gsm.currentLevel->Update();
  VXFrameRateControllerEnd();
}

class ScreensPixelsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // At 60 frames a second, as the game: the scripted clock moves 1/60 s a frame.
    ASSERT_EQ(1, VXSysInit(nullptr, 1, 960, 720, 0, 60, nullptr)) << "needs a display (run under xvfb-run)";
    VXSysReset();
    VXInputSetScripted(true);
    VXInputScriptCursor(480, 360);
    VXClockUseScripted(600000, 0);
    VXGfxSetBackgroundColor(0.0f, 0.0f, 0.0f);
    BotSetFrameRunner(UpdateOnlyFrame);
  }
  static void TearDownTestSuite() {
    BotQuitGame();
    BotSetFrameRunner(nullptr);
    VXGfxUseReferencePath(false);
    VXSysExit();
  }

  static LevelOne* Level() { return dynamic_cast<LevelOne*>(States().currentLevel); }

  static std::vector<unsigned char> DrawFrozen(bool reference) {
    VXGfxUseReferencePath(reference);
    VXSysFrameStart();
    States().currentLevel->Draw();
    int w = 0, h = 0;
    VXSysGetDrawableSize(&w, &h);
    std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * 4);
    VXGfxReadPixels(pixels.data(), w, h);
    VXSysFrameEnd();
    VXGfxUseReferencePath(false);
    return pixels;
  }

  // With ORVANE_SHOTS naming a folder, every state checked is written there
  // as a PNG, for a person to look at.
  static void SaveShot(const std::vector<unsigned char>& pixels, int w, int h, const std::string& state) {
    const char* dir = std::getenv("ORVANE_SHOTS");
    if (!dir || !dir[0]) return;
    char name[512];
    std::snprintf(name, sizeof(name), "%s/%03d %s.png", dir, sChecked, state.c_str());
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(pixels.data()), w, h, 32, w * 4,
                                                        SDL_PIXELFORMAT_RGBA32);
    if (s) IMG_SavePNG(s, name);
    SDL_FreeSurface(s);
  }

  static void ExpectSameFrame(const std::string& state) {
    int w = 0, h = 0;
    VXSysGetDrawableSize(&w, &h);
    const std::vector<unsigned char> reference = DrawFrozen(true);
    const std::vector<unsigned char> fast = DrawFrozen(false);
    ASSERT_EQ(reference.size(), fast.size());
    long differing = 0;
    size_t first = 0;
    for (size_t i = 0; i < reference.size(); i += 4) {
      // The window has no alpha to show: red, green and blue are the picture.
      const bool same = reference[i] == fast[i] && reference[i + 1] == fast[i + 1] && reference[i + 2] == fast[i + 2];
      if (!same && differing++ == 0) first = i;
    }
    SaveShot(fast, w, h, state);
    if (getenv("ORVANE_SHOTS")) SaveShot(reference, w, h, state + " reference");
    EXPECT_EQ(0, differing) << state << ", " << w << "x" << h << ": first at pixel (" << (first / 4) % w << ", "
                            << (first / 4) / w << "), reference (" << int(reference[first]) << ", "
                            << int(reference[first + 1]) << ", " << int(reference[first + 2]) << "), fast ("
                            << int(fast[first]) << ", " << int(fast[first + 1]) << ", " << int(fast[first + 2]) << ")";
    ++sChecked;
  }

  static void Check(const std::string& state) { ExpectSameFrame(gVXFullScreen ? state + ", full screen" : state); }

  // The cursor on a point (window pixels) for a frame, then the check.
  static void CheckHover(int x, int y, const std::string& state) {
    BotPointAt(x, y);
    BotFrame();
    Check(state);
  }

  static void Enter(int state) {
    States().nextState = state;
    BotPointAt(5, 5);
    BotFrame();
    ASSERT_EQ(state, States().currentState);
  }

  // A cell with the code wanted, away from the edges of the view (camera at 0).
  static int CellWithCode(int code) {
    for (int cell = 0; cell < GRID_CELLS; ++cell) {
      const int column = cell % GRID_COLUMNS, row = cell / GRID_COLUMNS;
      if (column >= 4 && column <= 12 && row >= 3 && row <= 8 && MapData::GetInstance().CodeAt(cell) == code)
        return cell;
    }
    return -1;
  }

  static void SweepHalfWay() {
    SeasonState& s = SeasonState::GetInstance();
    if (!s.seasonSweep) {
      s.currentSeason = s.shownSeason % 4 + 1;
      s.seasonSweep = true;
    }
    BotFrames(8);
  }

  // The whole game, checking each state on the way.
  static void WalkEveryScreen();

  static int sChecked;
};

int ScreensPixelsTest::sChecked = 0;

// Windowed, and full screen on the screen's own size, whatever its scale:
// each in its own process, so that the two can run side by side.
TEST_F(ScreensPixelsTest, FastPathDrawsEveryScreenInAWindowAsTheReferencePathDoes) {
  WalkEveryScreen();
}

TEST_F(ScreensPixelsTest, FastPathDrawsEveryScreenInFullScreenAsTheReferencePathDoes) {
  VXToogleFullScreen(true);
  WalkEveryScreen();
  VXToogleFullScreen(false);
}

void ScreensPixelsTest::WalkEveryScreen() {
  // The splashes fading in, held and fading out.
  Enter(STATE_LOGO);
  for (int frames : {20, 100, 120, 30}) {
    BotFrames(frames);
    Check("logo after " + std::to_string(BotFramesPlayed()) + " frames");
  }
  Enter(STATE_TEAMNAME);
  for (int frames : {15, 25, 30}) {
    BotFrames(frames);
    Check("team splash after " + std::to_string(frames) + " more frames");
  }

  Enter(STATE_MAINMENU);
  Check("main menu");
  const char* const menuButtons[] = {"new game", "help", "options", "credits", "exit"};
  for (int b = 0; b < 5; ++b) CheckHover(480, 300 + 70 * b, std::string("main menu, ") + menuButtons[b] + " lit");
  BotClick(480, 580);
  ASSERT_TRUE(dynamic_cast<MainMenu*>(States().currentLevel)->quitConfirm);
  CheckHover(5, 5, "main menu's quit question");
  CheckHover(480, 357, "main menu's quit question, yes lit");
  CheckHover(480, 477, "main menu's quit question, no lit");

  Enter(STATE_MAPSELECT);
  Check("map selection");
  CheckHover(350, 400, "map selection, first map lit");
  CheckHover(610, 400, "map selection, second map lit");
  CheckHover(150, 577, "map selection, back lit");

  Enter(STATE_OPTIONS);
  Check("options");
  CheckHover(637, 360, "options, full screen switch lit");
  CheckHover(637, 455, "options, sound switch lit");
  BotClick(637, 455);
  CheckHover(5, 5, "options, sound off");
  BotClick(637, 455);
  CheckHover(150, 577, "options, back lit");

  Enter(STATE_HELP);
  Check("help");
  CheckHover(830, 605, "help, next lit");
  CheckHover(130, 605, "help, back lit");
  Enter(STATE_HELP2);
  Check("help, the goal");
  CheckHover(130, 605, "help, the goal, back lit");
  Enter(STATE_CREDITS);
  Check("credits");
  CheckHover(150, 577, "credits, back lit");

  for (int state : {STATE_WIN, STATE_LOSE}) {
    const std::string name = state == STATE_WIN ? "victory" : "defeat";
    Enter(state);
    Check(name);
    for (int b = 0; b < 3; ++b) CheckHover(480, 320 + 80 * b, name + ", button " + std::to_string(b + 1) + " lit");
  }

  // The second map, fresh, then the first map played for a while.
  ASSERT_TRUE(BotEnterLevelFromMenu(1));
  Check("second map, fresh");
  ASSERT_TRUE(BotEnterLevelFromMenu(0));
  Check("first map, fresh, tutorial up");
  SweepHalfWay();
  Check("fresh level, a sweep half-way");

  // Build mode with both previews, and the warning without the money.
  TowerManager& tm = TowerManager::GetInstance();
  ASSERT_TRUE(BotPressInLevel(VX_KEY_B));
  ASSERT_TRUE(BotClickInLevel(BotBuildButtonX(2), BUILD_BAR_Y));
  const int free = CellWithCode(CODE_BUILDABLE), path = CellWithCode(CODE_PATH);
  ASSERT_GE(free, 0);
  ASSERT_GE(path, 0);
  CheckHover(BotColumnX(free % GRID_COLUMNS), BotRowY(free / GRID_COLUMNS), "build mode, the preview on free ground");
  CheckHover(BotColumnX(path % GRID_COLUMNS), BotRowY(path / GRID_COLUMNS), "build mode, the preview on the path");
  const int money = tm.money;
  tm.money = 0;
  VXInputScriptKey(VX_KEY_B, true);
  BotFrame();
  Check("not enough money");
  VXInputScriptKey(VX_KEY_B, false);
  tm.money = money;
  BotFrame();

  // The bot's defence in full swing: waves, bullets, upgrades.
  Bot bot(BotStyle{10, true});
  bot.Play(70.0);
  ASSERT_TRUE(BotInLevel());
  Check("a wave in play");
  Tower* tower = nullptr;
  for (Tower* t : tm.towers) {
    if (!t->dead && !tower && t->cell % GRID_COLUMNS <= VIEW_COLUMNS - 1) tower = t;
  }
  ASSERT_NE(nullptr, tower);
  BotShowColumnsUpTo(1);
  ASSERT_TRUE(BotClickAway());
  ASSERT_TRUE(BotClickInLevel(BotColumnX(tower->cell % GRID_COLUMNS), BotRowY(tower->cell / GRID_COLUMNS)));
  BotFrames(15);
  Check("a tower's options growing");
  BotFrames(30);
  Check("a tower's options");
  tm.money = 1000;
  ASSERT_TRUE(BotClickInLevel(BotColumnX(tower->cell % GRID_COLUMNS + 1), BotRowY(tower->cell / GRID_COLUMNS)));
  ASSERT_TRUE(tower->upgrading);
  BotFrames(60);
  Check("an upgrade under way, with smoke");
  SweepHalfWay();
  Check("upgrades and a sweep half-way");
  BotPointAt(959, 360);
  BotFrames(7);
  Check("the view scrolling");
  BotFrames(60);
  Check("the view at its right stop");
  BotPointAt(480, 360);

  ASSERT_TRUE(BotPressInLevel(VX_KEY_ESCAPE));
  ASSERT_TRUE(Level()->paused);
  Check("the pause menu");
  CheckHover(480, 320, "the pause menu, resume lit");
  CheckHover(480, 400, "the pause menu, try again lit");
  CheckHover(480, 477, "the pause menu, return lit");
  BotClick(480, 477);
  ASSERT_TRUE(Level()->confirmQuit);
  CheckHover(5, 5, "the pause menu's quit question");
  CheckHover(480, 357, "the pause menu's quit question, yes lit");
  CheckHover(480, 477, "the pause menu's quit question, no lit");
  BotClick(480, 477);
  ASSERT_TRUE(BotPressInLevel(VX_KEY_ESCAPE));
  ASSERT_FALSE(Level()->paused);

  HeavySceneBuild();
  // Long enough for the upgrading towers to fill the air with smoke.
  for (int i = 0; i < 100; ++i) {
    HeavySceneKeep();
    BotFrame();
  }
  Check("the heaviest scene during a sweep");
  for (int i = 0; i < 30 && SeasonState::GetInstance().seasonSweep; ++i) BotFrame();
  Check("the heaviest scene between sweeps");
  std::printf("%d frames compared\n", sChecked);
}

}  // namespace
