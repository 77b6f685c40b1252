// Frame pacing and measurement, mostly on the scripted clock.
#include <gtest/gtest.h>

#include "VXFrameRateController.h"

class FrameClock : public testing::Test {
 protected:
  void TearDown() override { VXClockUseSystem(); }

  // Start, some work, End: one frame.
  static void Frame(double workSeconds) {
    VXFrameRateControllerStart();
    VXClockAdvance(workSeconds);
    VXFrameRateControllerEnd();
  }
};

TEST_F(FrameClock, NoFrameEndsBeforeTheMinimum) {
  // An odd frequency so that 1/60 s is not a whole number of counts.
  VXClockUseScripted(3579545, 12345);
  VXFrameRateControllerInit(60);
  const double oneCount = 1.0 / 3579545.0;
  for (int i = 0; i < 100; ++i) {
    Frame(i % 3 == 0 ? 0.0 : 0.01);
    ASSERT_GE(gVXFrameTime, 1.0 / 60.0);
    ASSERT_LT(gVXFrameTime, 1.0 / 60.0 + oneCount);
  }
  EXPECT_EQ(100u, VXFrameRateControllerGetFrameCount());
}

// A suspended laptop or a debugger stop must not move the world by the whole pause.
TEST_F(FrameClock, AFrameUpToAQuarterSecondIsMeasuredAndAStallCountsAsOne) {
  VXClockUseScripted(1000000000, 0);
  VXFrameRateControllerInit(60);
  Frame(0.25);
  EXPECT_DOUBLE_EQ(0.25, gVXFrameTime);
  EXPECT_DOUBLE_EQ(4.0, gVXFrameRate);
  Frame(10.0);
  EXPECT_DOUBLE_EQ(0.25, gVXFrameTime);
  EXPECT_DOUBLE_EQ(4.0, gVXFrameRate);
  Frame(0.1);
  EXPECT_DOUBLE_EQ(0.1, gVXFrameTime);
  // Below four frames a second the longest frame is the minimum.
  VXFrameRateControllerInit(2);
  Frame(0.0);
  EXPECT_DOUBLE_EQ(0.5, gVXFrameTime);
  Frame(3.0);
  EXPECT_DOUBLE_EQ(0.5, gVXFrameTime);
}

TEST_F(FrameClock, AFrameOfExactlyTheMinimumDoesNotWait) {
  VXClockUseScripted(64, 0);
  VXFrameRateControllerInit(64);
  VXFrameRateControllerStart();
  VXClockAdvance(1.0 / 64.0);
  const int64_t before = VXClockCounter();
  VXFrameRateControllerEnd();
  EXPECT_EQ(before, VXClockCounter());
  EXPECT_DOUBLE_EQ(1.0 / 64.0, gVXFrameTime);
}

TEST_F(FrameClock, WithoutALimitEndTakesOneSample) {
  VXClockUseScripted(1000, 0);
  VXFrameRateControllerInit(0);
  EXPECT_EQ(0.0, gVXFrameTimeMin);
  EXPECT_EQ(0.0, gVXFrameTime);
  VXFrameRateControllerStart();
  VXClockAdvance(0.003);
  VXFrameRateControllerEnd();
  EXPECT_EQ(3, VXClockCounter());
  EXPECT_DOUBLE_EQ(0.003, gVXFrameTime);
}

// An End without a Start after Init must still finish, not spin forever.
TEST_F(FrameClock, InitAndResetGiveOneOverTheLimitButResetKeepsTheFrameStart) {
  VXClockUseScripted(1000, 0);
  VXFrameRateControllerInit(50);
  EXPECT_DOUBLE_EQ(0.02, VXFrameRateControllerGetFrameTime());
  VXFrameRateControllerEnd();
  EXPECT_GE(gVXFrameTime, 0.02);
  Frame(0.5);
  VXFrameRateControllerStart();
  VXClockAdvance(0.1);
  VXFrameRateControllerReset();
  EXPECT_EQ(0u, VXFrameRateControllerGetFrameCount());
  EXPECT_DOUBLE_EQ(0.02, gVXFrameTime);
  EXPECT_DOUBLE_EQ(50.0, gVXFrameRate);
  VXFrameRateControllerEnd();
  EXPECT_DOUBLE_EQ(0.1, gVXFrameTime);
  EXPECT_EQ(1u, VXFrameRateControllerGetFrameCount());
}

TEST_F(FrameClock, AdvanceRoundsToTheNearestCountAndNeverGoesBack) {
  VXClockUseScripted(3, 10);
  VXClockAdvance(0.5);  // 1.5 counts
  EXPECT_EQ(12, VXClockCounter());
  VXClockAdvance(0.1);  // 0.3 counts
  EXPECT_EQ(12, VXClockCounter());
  VXClockAdvance(-5.0);
  EXPECT_EQ(12, VXClockCounter());
  EXPECT_EQ(1, VXClockIsScripted());
  VXClockUseSystem();
  EXPECT_EQ(0, VXClockIsScripted());
  VXClockUseScripted(0, 7);  // a zero rate would divide by zero
  EXPECT_EQ(1, VXClockFrequency());
  EXPECT_DOUBLE_EQ(7.0, VXGetTime(nullptr));
}

TEST_F(FrameClock, GetTimeSplitsWholeSecondsAndWritesOnlyThroughAPointer) {
  VXClockUseScripted(1000, 12345);
  EXPECT_DOUBLE_EQ(12.345, VXGetTime(nullptr));
  double t = -1.0;
  EXPECT_DOUBLE_EQ(12.345, VXGetTime(&t));
  EXPECT_DOUBLE_EQ(12.345, t);
  VXClockUseScripted(3, 3000001);
  EXPECT_DOUBLE_EQ(1000000.0 + 1.0 / 3.0, VXGetTime(nullptr));
}

TEST_F(FrameClock, TheSystemClockPacesARealFrame) {
  VXClockUseSystem();
  const double before = VXGetTime(nullptr);
  VXFrameRateControllerInit(60);
  VXFrameRateControllerStart();
  VXFrameRateControllerEnd();
  EXPECT_GE(gVXFrameTime, 1.0 / 60.0);
  EXPECT_GE(VXGetTime(nullptr) - before, 1.0 / 60.0);
}
