// The logo and team picture: fade timings on 1/60 s frames and who may skip.
#include "ScreenHarness.h"
#include "VXInput.h"
#include "screens/Logo.h"
#include "screens/TeamName.h"

using SplashTest = ScreenTest;

TEST_F(SplashTest, LogoCannotBeSkippedReachesFullOpacityAfter240FramesThenFadesOutInASecond) {
  Enter(STATE_LOGO);  // the first Update
  Click(480, 360);    // eight frames of trying to skip it
  Press(VX_KEY_ESCAPE);
  Press(VX_KEY_SPACE);
  Press(VX_KEY_RETURN);
  ASSERT_EQ(STATE_LOGO, Asked());
  Frames(230);
  EXPECT_FALSE(Screen<Logo>()->fadedIn);
  EXPECT_LT(Screen<Logo>()->alpha, 1.0f);
  Frame();
  EXPECT_TRUE(Screen<Logo>()->fadedIn);
  EXPECT_EQ(1.0f, Screen<Logo>()->alpha);

  // No hold: the fade-out takes the next second.
  Frames(59);
  EXPECT_EQ(STATE_LOGO, Asked());
  Frame();
  EXPECT_EQ(STATE_TEAMNAME, Asked());
  Frame();
  EXPECT_EQ(STATE_TEAMNAME, States().currentState);
}

TEST_F(SplashTest, TeamPictureFadesInAfter60FramesHoldsAndFadesOut) {
  Enter(STATE_TEAMNAME);
  Frames(58);
  EXPECT_FALSE(Screen<TeamName>()->fadedIn);
  Frame();
  EXPECT_TRUE(Screen<TeamName>()->fadedIn);
  EXPECT_GE(Screen<TeamName>()->alpha, 1.0f);

  // A second of hold (the timer runs from 3 s past 4 s), then a second of fade
  // from slightly above full opacity.
  Frames(118);
  EXPECT_EQ(STATE_TEAMNAME, Asked());
  EXPECT_LT(Screen<TeamName>()->alpha, 0.04f);
  Frames(2);
  EXPECT_EQ(STATE_MAINMENU, Asked());
}

TEST_F(SplashTest, TeamPictureIsSkippedByEitherButtonEscapeEnterOrSpace) {
  for (unsigned char key : {VX_KEY_LBUTTON, VX_KEY_RBUTTON, VX_KEY_ESCAPE, VX_KEY_RETURN, VX_KEY_SPACE}) {
    Enter(STATE_TEAMNAME);
    Press(key);
    EXPECT_EQ(STATE_MAINMENU, Asked()) << "key " << int(key);
    Frame();
    EXPECT_EQ(STATE_MAINMENU, States().currentState);
  }
}
