// The frame loop without a window: when it ends, and the frame time a screen sees.
#include <gtest/gtest.h>

#include <vector>

#include "VXFrameRateController.h"
#include "VXSystem.h"
#include "shell/FrameLoop.h"
#include "shell/GameStateManager.h"

namespace {

int gQuitAfterUpdates = -1;  // the screen asks for the quit state in this many updates
double gWorkSeconds = 0.0;   // how long each Update "takes" on the scripted clock
std::vector<double> gSeenFrameTimes;
int gDrawn = 0;

class TimedScreen : public BaseLevel {
 public:
  void Load() override {}
  void Initialize() override {}
  void Update() override {
    gSeenFrameTimes.push_back(gVXFrameTime);
    VXClockAdvance(gWorkSeconds);
    if (gQuitAfterUpdates > 0 && --gQuitAfterUpdates == 0) GameStateManager::GetInstance().nextState = STATE_QUIT;
  }
  void Draw() override { ++gDrawn; }
  void Free() override {}
  void Unload() override {}
};

BaseLevel* MakeTimedScreen(int) {
  return new TimedScreen;
}

}  // namespace

class FrameLoop : public testing::Test {
 protected:
  void SetUp() override {
    VXClockUseScripted(1000000, 0);
    VXSysInitHeadless(960, 720, 60);
    VXSysReset();
    gsm.SetFactory(MakeTimedScreen);
    gsm.currentState = -1;
    gsm.nextState = STATE_LOGO;
    gQuitAfterUpdates = -1;
    gWorkSeconds = 0.0;
    gSeenFrameTimes.clear();
    gDrawn = 0;
  }
  void TearDown() override {
    gsm.nextState = STATE_QUIT;
    gsm.Update();
    gsm.SetFactory(nullptr);
    VXClockUseSystem();
  }

  // Runs the loop as the program does; returns the number of frames run.
  int RunUntilQuit(int maxFrames) {
    int frames = 0;
    while (!FrameLoopShouldQuit() && frames < maxFrames) {
      FrameLoopRunFrame();
      ++frames;
    }
    return frames;
  }

  GameStateManager& gsm = GameStateManager::GetInstance();
};

TEST_F(FrameLoop, QuitEndsTheLoopOneFrameAfterItIsCarriedOut) {
  gQuitAfterUpdates = 3;
  // Frames 1-3 run the screen (the third asks to quit and still draws),
  // frame 4 deletes it and runs nothing, the test before frame 5 stops the loop.
  EXPECT_EQ(4, RunUntilQuit(100));
  EXPECT_EQ(3, gDrawn);
  EXPECT_EQ(nullptr, gsm.currentLevel);
}

TEST_F(FrameLoop, AScreenReadsThePreviousFramesTime) {
  gQuitAfterUpdates = 4;
  gWorkSeconds = 0.25;
  RunUntilQuit(100);
  ASSERT_EQ(4u, gSeenFrameTimes.size());
  EXPECT_DOUBLE_EQ(1.0 / 60.0, gSeenFrameTimes[0]);  // set by the reset
  EXPECT_DOUBLE_EQ(0.25, gSeenFrameTimes[1]);
  EXPECT_DOUBLE_EQ(0.25, gSeenFrameTimes[3]);
}
