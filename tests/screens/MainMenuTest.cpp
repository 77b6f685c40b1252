// The main menu: its boxes, the quit question and the menu music.
#include "ScreenHarness.h"
#include "VXInput.h"
#include "resources/SoundManager.h"
#include "screens/MainMenu.h"

using MainMenuTest = ScreenTest;

namespace {
const ScreenBox kNewGame = {300, 600, 275, 320};
const ScreenBox kHelp = {425, 535, 340, 385};
const ScreenBox kOptions = {375, 580, 410, 465};
const ScreenBox kCredits = {395, 560, 485, 530};
const ScreenBox kExit = {435, 530, 555, 600};
const ScreenBox kYes = {425, 535, 335, 380};
const ScreenBox kNo = {440, 525, 455, 500};
}  // namespace

TEST_F(MainMenuTest, EachButtonAsksForItsScreenInsideItsInclusiveBoxOnly) {
  Enter(STATE_MAINMENU);
  ExpectBox(kNewGame, STATE_MAPSELECT);
  ExpectBox(kHelp, STATE_HELP);
  ExpectBox(kOptions, STATE_OPTIONS);
  ExpectBox(kCredits, STATE_CREDITS);
  EXPECT_FALSE(Screen<MainMenu>()->quitConfirm);
}

TEST_F(MainMenuTest, ExitButtonAsksTheQuitQuestionWithAClickAndAClickOutsideEveryBoxIsSilent) {
  Enter(STATE_MAINMENU);
  const int corners[4][2] = {
      {kExit.left, kExit.top}, {kExit.right, kExit.top}, {kExit.left, kExit.bottom}, {kExit.right, kExit.bottom}};
  for (const auto& c : corners) {
    AudioChannel* before = SoundManager::GetInstance()->effectChannel;
    Click(c[0], c[1]);
    EXPECT_TRUE(Screen<MainMenu>()->quitConfirm);
    EXPECT_NE(before, SoundManager::GetInstance()->effectChannel) << "no click sound";
    Screen<MainMenu>()->quitConfirm = false;
  }
  AudioChannel* before = SoundManager::GetInstance()->effectChannel;
  for (const auto& o : {std::make_pair(434, 577), std::make_pair(531, 577), std::make_pair(482, 554),
                        std::make_pair(482, 601), std::make_pair(299, 300)}) {
    Click(o.first, o.second);
    EXPECT_FALSE(Screen<MainMenu>()->quitConfirm) << o.first << ", " << o.second;
  }
  EXPECT_EQ(before, SoundManager::GetInstance()->effectChannel);
  EXPECT_EQ(STATE_MAINMENU, Asked());
}

TEST_F(MainMenuTest, EscapeShowsTheQuestionAndEscapeAgainKeepsItWithAnotherClickSound) {
  Enter(STATE_MAINMENU);
  Press(VX_KEY_ESCAPE);
  EXPECT_TRUE(Screen<MainMenu>()->quitConfirm);
  AudioChannel* first = SoundManager::GetInstance()->effectChannel;
  Press(VX_KEY_ESCAPE);
  EXPECT_TRUE(Screen<MainMenu>()->quitConfirm);
  EXPECT_NE(first, SoundManager::GetInstance()->effectChannel);
  EXPECT_EQ(STATE_MAINMENU, Asked());
}

TEST_F(MainMenuTest, WithTheQuestionShownOnlyYesAndNoCount) {
  Enter(STATE_MAINMENU);
  Press(VX_KEY_ESCAPE);
  Click(450, 300);  // the new-game box
  EXPECT_EQ(STATE_MAINMENU, Asked());
  EXPECT_TRUE(Screen<MainMenu>()->quitConfirm);
  Click(480, 360);  // in both the help box and the yes box
  EXPECT_EQ(STATE_QUIT, Asked());
  Stay();
  ExpectBox(kYes, STATE_QUIT);
  EXPECT_TRUE(Screen<MainMenu>()->quitConfirm);
  Click(kNo.right, kNo.bottom);
  EXPECT_FALSE(Screen<MainMenu>()->quitConfirm);
  EXPECT_EQ(STATE_MAINMENU, Asked());
}

TEST_F(MainMenuTest, EscapeAndAClickInOneFrameMeetTheQuestion) {
  Enter(STATE_MAINMENU);
  PressAndClick(VX_KEY_ESCAPE, 480, 360);
  EXPECT_EQ(STATE_QUIT, Asked());  // not help
}

TEST_F(MainMenuTest, QuittingStopsTheMenuMusic) {
  Enter(STATE_MAINMENU);
  EXPECT_TRUE(MusicPlaying());
  Press(VX_KEY_ESCAPE);
  Click(480, 360);
  Frame();
  EXPECT_EQ(STATE_QUIT, States().currentState);
  EXPECT_FALSE(MusicPlaying());
}
