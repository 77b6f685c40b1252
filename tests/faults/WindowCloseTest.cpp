// Closing the window in any screen takes the quit path: the screen is freed,
// unloaded and deleted, and the loop ends. The real program's exit status in
// a few of them is checked by close_in_screens.sh.
#include <gtest/gtest.h>

#include "LevelRig.h"
#include "VXInput.h"
#include "VXSystem.h"
#include "level/TowerManager.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {

class WindowClose : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static bool started = false;
    if (!started) rig::Start(ORVANE_BUILT_RESOURCES, 60);
    started = true;
  }
  // Closes the window and runs frames until the loop would end; false if it does not.
  static bool CloseEndsTheLoop() {
    VXSysCloseWindow();
    for (int i = 0; i < 3 && !FrameLoopShouldQuit(); ++i) rig::Frame();
    bool ended = FrameLoopShouldQuit() && GameStateManager::GetInstance().currentLevel == nullptr;
    gVXWindowExists = 1;  // the next case gets its window back, as a new run would
    return ended;
  }
};

TEST_F(WindowClose, EveryScreenEndsTheLoopWhenTheWindowCloses) {
  for (int state : {STATE_LOGO, STATE_TEAMNAME, STATE_MAINMENU, STATE_MAPSELECT, STATE_OPTIONS, STATE_HELP, STATE_HELP2,
                    STATE_CREDITS, STATE_LEVEL, STATE_WIN, STATE_LOSE}) {
    rig::Enter(state);
    rig::Frames(30);
    ASSERT_EQ(state, GameStateManager::GetInstance().currentState);
    EXPECT_TRUE(CloseEndsTheLoop()) << "screen " << state;
  }
}

TEST_F(WindowClose, LevelEndsTheLoopWhenClosedPausedAskingToQuitOrBuilding) {
  rig::EnterLevel(1);
  rig::Press(VX_KEY_ESCAPE);
  EXPECT_TRUE(CloseEndsTheLoop()) << "paused";
  rig::EnterLevel(0);
  rig::Press(VX_KEY_ESCAPE);
  rig::Click(480, 477);  // return to menu: the question
  EXPECT_TRUE(CloseEndsTheLoop()) << "asking";
  rig::EnterLevel(0);
  TowerManager::GetInstance().money = 1000;
  rig::Press(VX_KEY_B);
  rig::Click(495, 655);  // carrying a tower
  EXPECT_TRUE(CloseEndsTheLoop()) << "building";
}

}  // namespace
