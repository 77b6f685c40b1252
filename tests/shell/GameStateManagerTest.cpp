// The game state manager's life-cycle order, restart, and request rules, and
// the frame loop around it, checked with screens that record every call.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "VXFrameRateController.h"
#include "VXSystem.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {

std::vector<std::string> gCalls;
int gAskInUpdate = -1;      // a screen writes this into nextState during its Update
int gAskInInitialize = -1;  // ... or during its Initialize
bool gAskForever = false;   // help and its second page send the player to each other on entry
std::vector<double> gSeenFrameTimes;
double gWorkSeconds = 0.0;  // how long each Update "takes" on the scripted clock

class RecordingScreen : public BaseLevel {
 public:
  explicit RecordingScreen(int id) : id_(id) { Log("create"); }
  ~RecordingScreen() override { Log("delete"); }
  void Load() override { Log("Load"); }
  void Initialize() override {
    Log("Initialize");
    if (gAskInInitialize >= 0) GameStateManager::GetInstance().nextState = gAskInInitialize;
    gAskInInitialize = -1;
    if (gAskForever) GameStateManager::GetInstance().nextState = id_ == STATE_HELP ? STATE_HELP2 : STATE_HELP;
  }
  void Update() override {
    Log("Update");
    gSeenFrameTimes.push_back(gVXFrameTime);
    VXClockAdvance(gWorkSeconds);
    if (gAskInUpdate >= 0) GameStateManager::GetInstance().nextState = gAskInUpdate;
    gAskInUpdate = -1;
  }
  void Draw() override { Log("Draw"); }
  void Free() override { Log("Free"); }
  void Unload() override { Log("Unload"); }

 private:
  void Log(const char* what) { gCalls.push_back(std::string(what) + " " + std::to_string(id_)); }
  int id_;
};

BaseLevel* RecordingFactory(int id) {
  gCalls.push_back("factory " + std::to_string(id));
  return new RecordingScreen(id);
}

using Calls = std::vector<std::string>;

}  // namespace

class StateManager : public testing::Test {
 protected:
  void SetUp() override {
    gsm.SetFactory(RecordingFactory);
    ToFreshManager();
  }
  void TearDown() override {
    ToFreshManager();
    gsm.SetFactory(nullptr);
  }

  // Quits whatever runs, then looks like the manager before its first frame.
  void ToFreshManager() {
    gsm.nextState = STATE_QUIT;
    gsm.Update();
    gsm.nextState = STATE_LOGO;
    gsm.currentState = -1;
    gAskInUpdate = gAskInInitialize = -1;
    gCalls.clear();
    gSeenFrameTimes.clear();
  }

  void Enter(int id) {
    gsm.nextState = id;
    gsm.Update();
    gCalls.clear();
  }

  GameStateManager& gsm = GameStateManager::GetInstance();
};

TEST_F(StateManager, FirstFrameEntersTheLogoAndLeavingFreesUnloadsAndDeletesBeforeEnteringTheNext) {
  gsm.Update();
  EXPECT_EQ((Calls{"factory 0", "create 0", "Load 0", "Initialize 0", "Update 0", "Draw 0"}), gCalls);
  EXPECT_EQ(STATE_LOGO, gsm.currentState);
  Enter(STATE_MAINMENU);
  gsm.nextState = STATE_MAPSELECT;
  gsm.Update();
  EXPECT_EQ((Calls{"Free 2", "Unload 2", "delete 2", "factory 3", "create 3", "Load 3", "Initialize 3", "Update 3",
                   "Draw 3"}),
            gCalls);
  EXPECT_EQ(STATE_MAPSELECT, gsm.currentState);
  EXPECT_EQ(STATE_MAPSELECT, gsm.nextState);
}

TEST_F(StateManager, RestartKeepsTheSameObjectWithoutLoadOrUnload) {
  Enter(STATE_LEVEL);
  BaseLevel* level = gsm.currentLevel;
  gsm.nextState = STATE_RESTART;
  gsm.Update();
  EXPECT_EQ((Calls{"Free 4", "Initialize 4", "Update 4", "Draw 4"}), gCalls);
  EXPECT_EQ(level, gsm.currentLevel);
  EXPECT_EQ(STATE_LEVEL, gsm.currentState);
  EXPECT_EQ(STATE_LEVEL, gsm.nextState);
}

TEST_F(StateManager, AskingForTheRunningStateChangesNothingAndAskingInUpdateLeavesNextFrame) {
  Enter(STATE_HELP);
  BaseLevel* help = gsm.currentLevel;
  gAskInUpdate = STATE_HELP;
  gsm.Update();
  EXPECT_EQ(help, gsm.currentLevel);
  gAskInUpdate = STATE_HELP2;
  gsm.Update();
  EXPECT_EQ((Calls{"Update 7", "Draw 7", "Update 7", "Draw 7"}), gCalls);
  EXPECT_EQ(STATE_HELP, gsm.currentState);
  gCalls.clear();
  gsm.Update();
  EXPECT_EQ("Free 7", gCalls.front());
  EXPECT_EQ(STATE_HELP2, gsm.currentState);
}

// Quit, a restart with nothing running and ids outside the table make no screen.
TEST_F(StateManager, StatesThatAreNoScreenDeleteTheRunningOneAndRunNothing) {
  gsm.nextState = STATE_RESTART;
  gsm.Update();
  EXPECT_TRUE(gCalls.empty());
  EXPECT_EQ(STATE_RESTART, gsm.currentState);
  for (int id : {int{STATE_QUIT}, 42}) {
    Enter(STATE_MAINMENU);
    gsm.nextState = id;
    gsm.Update();
    EXPECT_EQ((Calls{"Free 2", "Unload 2", "delete 2"}), gCalls) << id;
    EXPECT_EQ(nullptr, gsm.currentLevel);
    EXPECT_EQ(id, gsm.currentState);
    gCalls.clear();
    gsm.Update();
    EXPECT_TRUE(gCalls.empty());
  }
}

// A screen that sends the player on while entering or starting again never
// runs a frame of its own (it would show as an empty one); two screens that
// keep sending the player to each other still let the frame end.
TEST_F(StateManager, ARequestMadeWhileEnteringOrStartingAgainIsMetInTheSameFrame) {
  gAskInInitialize = STATE_MAINMENU;
  gsm.nextState = STATE_TEAMNAME;
  gsm.Update();
  EXPECT_EQ((Calls{"factory 1", "create 1", "Load 1", "Initialize 1", "Free 1", "Unload 1", "delete 1", "factory 2",
                   "create 2", "Load 2", "Initialize 2", "Update 2", "Draw 2"}),
            gCalls);
  EXPECT_EQ(STATE_MAINMENU, gsm.currentState);
  Enter(STATE_LEVEL);
  gAskInInitialize = STATE_MAPSELECT;
  gsm.nextState = STATE_RESTART;
  gsm.Update();
  EXPECT_EQ((Calls{"Free 4", "Initialize 4", "Free 4", "Unload 4", "delete 4", "factory 3", "create 3", "Load 3",
                   "Initialize 3", "Update 3", "Draw 3"}),
            gCalls);
  EXPECT_EQ(STATE_MAPSELECT, gsm.currentState);

  gAskForever = true;
  gsm.nextState = STATE_HELP;
  gsm.Update();
  gAskForever = false;
  EXPECT_EQ(4, std::count(gCalls.begin(), gCalls.end(), "Initialize 7") +
                   std::count(gCalls.begin(), gCalls.end(), "Initialize 8"));
  EXPECT_NE(gsm.currentState, gsm.nextState);  // the rest waits for the next frame
}

// Frames 1-3 run the screen (the third asks to quit and still draws), frame 4
// deletes it and runs nothing, and the test before frame 5 ends the loop.
TEST_F(StateManager, TheLoopEndsOneFrameAfterTheQuitAndAScreenReadsThePreviousFramesTime) {
  VXClockUseScripted(1000000, 0);
  VXSysInitHeadless(960, 720, 60);
  VXSysReset();
  gWorkSeconds = 0.25;
  int frames = 0;
  for (; !FrameLoopShouldQuit() && frames < 100; ++frames) {
    if (frames == 2) gAskInUpdate = STATE_QUIT;
    FrameLoopRunFrame();
  }
  gWorkSeconds = 0.0;
  VXClockUseSystem();
  EXPECT_EQ(4, frames);
  EXPECT_EQ(nullptr, gsm.currentLevel);
  EXPECT_EQ("delete 0", gCalls.back());
  ASSERT_EQ(3u, gSeenFrameTimes.size());
  EXPECT_DOUBLE_EQ(1.0 / 60.0, gSeenFrameTimes[0]);  // set by the reset
  EXPECT_DOUBLE_EQ(0.25, gSeenFrameTimes[1]);
  EXPECT_DOUBLE_EQ(0.25, gSeenFrameTimes[2]);
}
