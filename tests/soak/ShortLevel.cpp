// A short level on the headless engine for valgrind: the menu, both maps with
// towers and monsters, the pause menu's try-again, and the quit path, so that
// every singleton is torn down at exit as in the game.
#include <cstdio>

#include "LevelRig.h"
#include "VXInput.h"
#include "entities/WaveManager.h"
#include "level/TowerManager.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

static void PlayFor(int frames) {
  WaveManager::GetInstance().timeToNextWave = 0.0f;
  TowerManager::GetInstance().money = 1000;
  rig::Press(VX_KEY_B);
  rig::Click(495, 655);
  rig::Click(630, 150);
  VXInputScriptCursor(480, 360);
  rig::Frames(frames);
}

int main() {
  rig::Start(ORVANE_BUILT_RESOURCES, 20);
  rig::Enter(STATE_LOGO);
  rig::Frames(5);
  for (unsigned char map = 0; map < 2; ++map) {
    rig::EnterLevel(map);
    PlayFor(200);
    rig::Press(VX_KEY_ESCAPE);
    rig::Click(480, 400);  // try again
    PlayFor(100);
  }
  rig::Enter(STATE_MAINMENU);
  GameStateManager::GetInstance().nextState = STATE_QUIT;
  while (!FrameLoopShouldQuit()) rig::Frame();
  std::printf("short level done\n");
  return 0;
}
