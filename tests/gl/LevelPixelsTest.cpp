// The playing level drawn through the renderer's fast path and through its
// reference path (the general shader, blending as asked, every draw sent)
// must give the same frame to the last pixel: with the tutorial up, in the
// heaviest scene, during and between season sweeps, with a tower selected,
// with the view scrolled and under the pause menu, windowed and full screen.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "VXFrameRateController.h"
#include "VXGfxInternal.h"
#include "VXGraphics.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "bench/level/HeavyScene.h"
#include "data/MapChoice.h"
#include "entities/Tower.h"
#include "level/LevelOne.h"
#include "level/SeasonState.h"
#include "level/TowerManager.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {

class LevelPixelsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_EQ(1, VXSysInit(nullptr, 1, 960, 720, 0, 0, nullptr)) << "needs a display (run under xvfb-run)";
    VXSysReset();
    VXInputSetScripted(true);
    VXInputScriptCursor(480, 360);
    VXClockUseScripted(600000, 0);
    VXGfxSetBackgroundColor(0.0f, 0.0f, 0.0f);
  }
  static void TearDownTestSuite() {
    GameStateManager& gsm = GameStateManager::GetInstance();
    gsm.nextState = STATE_QUIT;
    while (!FrameLoopShouldQuit()) FrameLoopRunFrame();
    VXGfxUseReferencePath(false);
    VXSysExit();
  }

  static LevelOne* Level() { return dynamic_cast<LevelOne*>(GameStateManager::GetInstance().currentLevel); }

  static void EnterLevel() {
    GameStateManager& gsm = GameStateManager::GetInstance();
    mapChoice = 0;
    gsm.nextState = STATE_LEVEL;
    FrameLoopRunFrame();
    ASSERT_EQ(STATE_LEVEL, gsm.currentState);
  }

  // Moves the game on; the frames are not drawn, which only costs time here.
  static void Play(int frames) {
    for (int i = 0; i < frames; ++i) {
      VXFrameRateControllerStart();
      VXInputUpdate();
      Level()->Update();
      VXFrameRateControllerEnd();
    }
  }

  static std::vector<unsigned char> DrawFrozen(bool reference) {
    VXGfxUseReferencePath(reference);
    VXSysFrameStart();
    Level()->Draw();
    int w = 0, h = 0;
    VXSysGetDrawableSize(&w, &h);
    std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * 4);
    VXGfxReadPixels(pixels.data(), w, h);
    VXSysFrameEnd();
    VXGfxUseReferencePath(false);
    return pixels;
  }

  // The same state drawn through both paths (none of these states has an
  // upgrade waiting, the one thing drawing would change in the game).
  static void ExpectSameFrame(const char* state) {
    int w = 0, h = 0;
    VXSysGetDrawableSize(&w, &h);
    const std::vector<unsigned char> reference = DrawFrozen(true);
    const std::vector<unsigned char> fast = DrawFrozen(false);
    ASSERT_EQ(reference.size(), fast.size());
    long differing = 0;
    size_t first = 0;
    for (size_t i = 0; i < reference.size(); i += 4) {
      // The window has no alpha to show: red, green and blue are the picture.
      bool same = reference[i] == fast[i] && reference[i + 1] == fast[i + 1] && reference[i + 2] == fast[i + 2];
      if (!same && differing++ == 0) first = i;
    }
    EXPECT_EQ(0, differing) << state << ", " << w << "x" << h << ": first at pixel (" << (first / 4) % w << ", "
                            << (first / 4) / w << "), reference (" << int(reference[first]) << ", "
                            << int(reference[first + 1]) << ", " << int(reference[first + 2]) << "), fast ("
                            << int(fast[first]) << ", " << int(fast[first + 1]) << ", " << int(fast[first + 2]) << ")";
  }

  static void Sweep(bool on) {
    SeasonState& s = SeasonState::GetInstance();
    if (on && !s.seasonSweep) {
      s.currentSeason = s.shownSeason % 4 + 1;
      s.seasonSweep = true;
    }
    for (int i = 0; i < 30 && !on && s.seasonSweep; ++i) Play(1);
  }

  // Both windowed and full screen (the screen's own size, whatever its scale).
  static void ExpectSameFrameBothWays(const char* state) {
    ExpectSameFrame(state);
    VXToogleFullScreen(true);
    ExpectSameFrame(state);
    VXToogleFullScreen(false);
  }
};

TEST_F(LevelPixelsTest, FastPathDrawsEveryLevelStateAsTheReferencePathDoes) {
  EnterLevel();
  Sweep(true);
  Play(5);
  ExpectSameFrameBothWays("fresh level during a sweep, tutorial up");
  Sweep(false);
  ExpectSameFrameBothWays("fresh level between sweeps");

  HeavySceneBuild();
  // Long enough for the upgrading towers to fill the air with smoke.
  for (int i = 0; i < 100; ++i) {
    HeavySceneKeep();
    Play(1);
  }
  ExpectSameFrameBothWays("heaviest scene during a sweep");
  TowerManager& tm = TowerManager::GetInstance();
  for (int i = 0; i < 30 && SeasonState::GetInstance().seasonSweep; ++i) Play(1);
  ExpectSameFrameBothWays("heaviest scene between sweeps");

  // A tower selected: its range, sell and upgrade markers and the damage text.
  const Tower* tower = nullptr;
  for (const Tower* t : tm.towers) {
    if (!t->dead && !tower) tower = t;
  }
  ASSERT_NE(nullptr, tower);
  // The camera is at the origin: world (x, y) lies under the cursor (480 + x, 360 - y).
  VXInputScriptCursor(480 + static_cast<int>(tower->position.x), 360 - static_cast<int>(tower->position.y));
  VXInputScriptKey(VX_KEY_LBUTTON, true);
  Play(1);
  VXInputScriptKey(VX_KEY_LBUTTON, false);
  Play(1);
  ASSERT_NE(0, tm.SelectTower());
  ExpectSameFrameBothWays("a tower selected");

  // The cursor on the right edge scrolls the view.
  VXInputScriptCursor(959, 360);
  Play(20);
  VXInputScriptCursor(480, 360);
  ASSERT_NE(0.0f, gVXCamPosX);
  ExpectSameFrameBothWays("the view scrolled");

  VXInputScriptKey(VX_KEY_ESCAPE, true);
  Play(1);
  VXInputScriptKey(VX_KEY_ESCAPE, false);
  Play(1);
  ASSERT_TRUE(Level()->paused);
  ExpectSameFrameBothWays("the pause menu");
}

}  // namespace
