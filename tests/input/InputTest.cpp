// The per-frame input sample: edge queries across frames and the cursor in
// logical pixels, driven through the scripted state of a headless engine.
#include <gtest/gtest.h>

#include "VXInput.h"
#include "VXSystem.h"

namespace {

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    VXSysInitHeadless(960, 720, 60);
    VXInputSetScripted(true);
    VXInputScriptClear();
    VXSysReset();
    gVXScreenScaleX = gVXScreenScaleY = 1.0f;
  }
  void TearDown() override {
    VXInputSetScripted(false);
    gVXScreenScaleX = gVXScreenScaleY = 1.0f;
    VXSysExit();
  }
};

// A key held from the first frame is triggered only there, another key
// pressed later does not trigger it again, and a reset makes it trigger anew.
TEST_F(InputTest, HeldKeyIsTriggeredInTheFirstFrameOnlyAndReleasedInTheFrameAfterLettingGo) {
  VXInputScriptKey(VX_KEY_B, true);
  VXInputUpdate();
  EXPECT_TRUE(VXInputCheckTriggered(VX_KEY_B));
  EXPECT_FALSE(VXInputCheckReleased(VX_KEY_B));
  VXInputScriptKey(VX_KEY_SPACE, true);
  for (int frame = 0; frame < 3; ++frame) {
    VXInputUpdate();
    EXPECT_TRUE(VXInputCheckCurr(VX_KEY_B));
    EXPECT_TRUE(VXInputCheckPrev(VX_KEY_B));
    EXPECT_FALSE(VXInputCheckTriggered(VX_KEY_B));
    EXPECT_FALSE(VXInputCheckReleased(VX_KEY_B));
    EXPECT_EQ(frame == 0, VXInputCheckTriggered(VX_KEY_SPACE));
  }
  EXPECT_FALSE(VXInputCheckCurr(VX_KEY_RETURN));
  VXInputScriptKey(VX_KEY_B, false);
  VXInputUpdate();
  EXPECT_FALSE(VXInputCheckCurr(VX_KEY_B));
  EXPECT_TRUE(VXInputCheckReleased(VX_KEY_B));
  VXInputUpdate();
  EXPECT_FALSE(VXInputCheckReleased(VX_KEY_B));
  VXSysReset();
  VXInputUpdate();
  EXPECT_TRUE(VXInputCheckTriggered(VX_KEY_SPACE));
}

TEST_F(InputTest, ToggleBitAloneDoesNotCountAsDown) {
  gVXInputKeyCurr[0x14] = 0x01;
  gVXInputKeyPrev[0x14] = 0x00;
  EXPECT_FALSE(VXInputCheckCurr(0x14));
  EXPECT_FALSE(VXInputCheckTriggered(0x14));
  gVXInputKeyCurr[0x14] = 0x81;
  EXPECT_TRUE(VXInputCheckTriggered(0x14));
}

TEST_F(InputTest, CursorIsDividedByTheScreenScaleAndTruncatedTowardZero) {
  gVXScreenScaleX = 2.0f;
  gVXScreenScaleY = 1.5f;
  int x = 0, y = 0;
  VXInputScriptCursor(1000, 600);
  VXInputUpdate();
  VXInputGetCursorPosition(&x, &y);
  EXPECT_EQ(500, x);
  EXPECT_EQ(400, y);

  VXInputScriptCursor(7, -3);
  VXInputUpdate();
  VXInputGetCursorPosition(&x, &y);
  EXPECT_EQ(3, x);
  EXPECT_EQ(-2, y);  // -3 / 1.5

  VXInputScriptCursor(-3, 0);
  VXInputUpdate();
  VXInputGetCursorPosition(&x, &y);
  EXPECT_EQ(-1, x);
  EXPECT_EQ(0, y);
}

TEST_F(InputTest, CursorDeltaIsTheChangeSinceTheLastSampleScaledLikeThePosition) {
  VXInputScriptCursor(100, 100);
  VXInputUpdate();
  EXPECT_EQ(100, gVXInputMouseDX);
  VXInputScriptCursor(105, 91);
  VXInputUpdate();
  EXPECT_EQ(5, gVXInputMouseDX);
  EXPECT_EQ(-9, gVXInputMouseDY);
  gVXScreenScaleX = 2.0f;
  gVXScreenScaleY = 1.5f;
  int dx = 0, dy = 0;
  VXInputGetCursorPositionDelta(&dx, &dy);
  EXPECT_EQ(2, dx);
  EXPECT_EQ(-6, dy);
}

TEST_F(InputTest, CursorIsVisibleWhileTheDisplayCounterIsNotNegative) {
  int start = VXInputShowCursor(1);
  EXPECT_EQ(start - 1, VXInputShowCursor(0));
  EXPECT_EQ(start - 2, VXInputShowCursor(0));
  EXPECT_EQ(start - 1, VXInputShowCursor(1));
}

}  // namespace
