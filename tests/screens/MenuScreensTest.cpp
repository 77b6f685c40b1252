// Map selection, options, the help pages, credits and the win and lose screens.
#include "ScreenHarness.h"
#include "VXSystem.h"
#include "data/MapChoice.h"
#include "resources/SoundManager.h"
#include "screens/Options.h"

using MapSelectTest = ScreenTest;
using OptionsTest = ScreenTest;
using PagesTest = ScreenTest;
using EndScreenTest = ScreenTest;

namespace {
const ScreenBox kMenuBack = {95, 210, 555, 600};  // map selection, options, credits
const ScreenBox kHelpBack = {70, 190, 575, 635};
const ScreenBox kHelpNext = {770, 890, 575, 635};
const ScreenBox kFirstMap = {260, 440, 300, 515};
const ScreenBox kSecondMap = {520, 700, 300, 515};
const ScreenBox kPlayAgain = {360, 600, 290, 350};
const ScreenBox kTryAgain = {360, 600, 300, 350};
const ScreenBox kMapSelect = {350, 615, 370, 430};
const ScreenBox kReturnToMenu = {310, 655, 455, 500};
const ScreenBox kQuitArea = {355, 605, 535, 585};
}  // namespace

TEST_F(MapSelectTest, BackAndBothMapsInsideTheirBoxesOnlyAndEachMapWritesItsChoice) {
  Enter(STATE_MAPSELECT);
  ExpectBox(kMenuBack, STATE_MAINMENU);
  ExpectBox(kSecondMap, STATE_LEVEL);
  EXPECT_EQ(1, mapChoice);
  ExpectBox(kFirstMap, STATE_LEVEL);
  EXPECT_EQ(0, mapChoice);
}

TEST_F(MapSelectTest, GoingBackStopsTheMenuMusicAndTheMenuStartsItAgain) {
  Enter(STATE_MAINMENU);
  Click(450, 300);
  Frame();
  ASSERT_EQ(STATE_MAPSELECT, States().currentState);
  EXPECT_TRUE(MusicPlaying());
  Click(100, 560);
  EXPECT_EQ(STATE_MAINMENU, Asked());
  States().nextState = STATE_QUIT;  // leave without entering the menu: its music would start again
  Frame();
  EXPECT_FALSE(MusicPlaying());
  Enter(STATE_MAINMENU);
  EXPECT_TRUE(MusicPlaying());
}

TEST_F(OptionsTest, EachSwitchActsAtAClickInsideItsBoxOnly) {
  Enter(STATE_OPTIONS);
  Options* options = Screen<Options>();
  ASSERT_TRUE(options->fullScreen && options->soundOn);
  SoundManager* sound = SoundManager::GetInstance();
  sound->Play(sound->GetSound(SOUND_MENU_BG));
  Click(600, 335);
  EXPECT_FALSE(options->fullScreen);
  EXPECT_FALSE(gVXFullScreen);
  Click(675, 385);
  EXPECT_TRUE(gVXFullScreen);
  Click(600, 430);
  EXPECT_FALSE(options->soundOn);
  EXPECT_FALSE(sound->soundEnabled);
  EXPECT_FALSE(MusicPlaying());
  // The off face lights up to 685, but a click counts only to 675.
  const int outside[][2] = {{676, 455}, {680, 455}, {599, 455}, {640, 400}, {640, 334}, {640, 481}};
  for (const auto& o : outside) Click(o[0], o[1]);
  EXPECT_FALSE(options->soundOn);
  EXPECT_TRUE(options->fullScreen);
  Click(675, 480);
  EXPECT_TRUE(sound->soundEnabled);
  EXPECT_TRUE(MusicPlaying());
  EXPECT_EQ(STATE_OPTIONS, Asked());
}

TEST_F(OptionsTest, SwitchesAreRememberedBetweenVisitsAndSoundOffMutesLaterSounds) {
  Enter(STATE_OPTIONS);
  Click(640, 360);
  Click(640, 455);
  ExpectBox(kMenuBack, STATE_MAINMENU);
  Click(100, 560);
  Frame();
  ASSERT_EQ(STATE_MAINMENU, States().currentState);
  EXPECT_FALSE(gFullScreenOption);
  EXPECT_FALSE(gSoundOption);
  EXPECT_FALSE(MusicPlaying()) << "the menu's Initialize must not play while sound is off";

  Enter(STATE_OPTIONS);
  EXPECT_FALSE(Screen<Options>()->fullScreen);
  EXPECT_FALSE(Screen<Options>()->soundOn);
  Click(640, 360);
  Click(640, 455);
  EXPECT_TRUE(MusicPlaying());
  Click(100, 560);
  Frame();
  EXPECT_TRUE(gFullScreenOption);
  EXPECT_TRUE(gSoundOption);
  VXToogleFullScreen(false);
}

TEST_F(PagesTest, HelpPagesAndCreditsLeadWhereTheirButtonsSay) {
  Enter(STATE_HELP);
  ExpectBox(kHelpBack, STATE_MAINMENU);
  ExpectBox(kHelpNext, STATE_HELP2);
  Enter(STATE_HELP2);
  ExpectBox(kHelpBack, STATE_HELP);
  Click(800, 600);  // where page one has its next button
  EXPECT_EQ(STATE_HELP2, Asked());
  Enter(STATE_CREDITS);
  ExpectBox(kMenuBack, STATE_MAINMENU);
  Click(70, 635);  // the help pages' back corner lies outside the credits' box
  EXPECT_EQ(STATE_CREDITS, Asked());
}

TEST_F(PagesTest, HelpNextBackBackReturnsToTheMenuWithAClickAtEachChangeAndTheMusicThroughout) {
  Enter(STATE_MAINMENU);
  const int route[][3] = {
      {480, 360, STATE_HELP}, {800, 600, STATE_HELP2}, {100, 600, STATE_HELP}, {100, 600, STATE_MAINMENU}};
  for (const auto& step : route) {
    AudioChannel* before = SoundManager::GetInstance()->effectChannel;
    Click(step[0], step[1]);
    Frame();
    EXPECT_EQ(step[2], States().currentState);
    EXPECT_NE(before, SoundManager::GetInstance()->effectChannel) << "no click into " << step[2];
    EXPECT_TRUE(MusicPlaying()) << "in " << step[2];
  }
}

TEST_F(EndScreenTest, WinButtonsInsideTheirBoxesAndPlayAgainKeepsTheMap) {
  mapChoice = 1;
  Enter(STATE_WIN);
  EXPECT_TRUE(MusicPlaying());
  ExpectBox(kPlayAgain, STATE_LEVEL);
  ExpectBox(kMapSelect, STATE_MAPSELECT);
  ExpectBox(kReturnToMenu, STATE_MAINMENU);
  Click(480, 560);
  EXPECT_EQ(STATE_WIN, Asked());
  EXPECT_EQ(1, mapChoice);
  Click(480, 400);
  Frame();
  ASSERT_EQ(STATE_MAPSELECT, States().currentState);
  EXPECT_FALSE(MusicPlaying()) << "the victory music stops on leaving";
  EXPECT_EQ(1, mapChoice);
  mapChoice = 0;
}

// The defeat sting plays as an effect; a channel taken by a later sound counts as stopped.
TEST_F(EndScreenTest, LoseButtonsInsideTheirBoxesAndTheQuitAreaAndLeavingStopsTheDefeatSound) {
  mapChoice = 1;
  Enter(STATE_MAINMENU);
  Enter(STATE_LOSE);
  EXPECT_TRUE(EffectPlaying());
  AudioChannel* defeat = SoundManager::GetInstance()->effectChannel;
  ExpectBox(kTryAgain, STATE_LEVEL);
  ExpectBox(kMapSelect, STATE_MAPSELECT);
  ExpectBox(kReturnToMenu, STATE_MAINMENU);
  ExpectBox(kQuitArea, STATE_QUIT);
  EXPECT_EQ(1, mapChoice);
  mapChoice = 0;
  Click(480, 400);
  Frame();
  ASSERT_EQ(STATE_MAPSELECT, States().currentState);
  bool playing = false;
  AudioChannelIsPlaying(defeat, &playing);
  EXPECT_FALSE(playing) << "the defeat sound goes on after leaving";
}
