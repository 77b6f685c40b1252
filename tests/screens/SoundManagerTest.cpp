// The sound manager over the sound layer: which channel a sound takes, the
// mute switch, and the error lines.
#include "ScreenHarness.h"
#include "resources/SoundManager.h"

class SoundManagerTest : public ScreenTest {
 protected:
  void TearDown() override {
    sound->soundEnabled = true;
    sound->Stop();
  }
  SoundManager* sound = SoundManager::GetInstance();
};

TEST_F(SoundManagerTest, EveryIdInTheTableGivesItsSoundAndNoneOutsideWhateverPlays) {
  for (int id = 0; id < SOUND_COUNT; ++id) EXPECT_NE(nullptr, sound->GetSound(id)) << id;
  EXPECT_EQ(sound->sounds[SOUND_WIN_BG], sound->GetSound(SOUND_WIN_BG));
  sound->Play(sound->GetSound(SOUND_MENU_BG));
  sound->Play(sound->GetSound(SOUND_BUTTON_CLICK));
  for (int id : {-1, int{SOUND_COUNT}, SOUND_COUNT + 1, 1000}) EXPECT_EQ(nullptr, sound->GetSound(id)) << id;
}

TEST_F(SoundManagerTest, MusicTakesTheMusicChannelAndEffectsTheEffectChannel) {
  sound->Play(sound->GetSound(SOUND_MENU_BG));
  AudioChannel* first = sound->musicChannel;
  sound->Play(sound->GetSound(SOUND_MENU_BG));
  EXPECT_NE(first, sound->musicChannel) << "the second play's channel is kept";
  EXPECT_TRUE(MusicPlaying());

  AudioChannel* music = sound->musicChannel;
  sound->Play(sound->GetSound(SOUND_LOSE_BG));  // a background, but played as an effect
  EXPECT_EQ(music, sound->musicChannel);
  EXPECT_TRUE(EffectPlaying());
  EXPECT_TRUE(MusicPlaying());
}

TEST_F(SoundManagerTest, SoundOffPlaysNothingAndLeavesBothChannelsButStopStillStops) {
  sound->Play(sound->GetSound(SOUND_MENU_BG));
  AudioChannel* music = sound->musicChannel;
  AudioChannel* effect = sound->effectChannel;
  sound->soundEnabled = false;
  ::testing::internal::CaptureStdout();
  sound->Play(sound->GetSound(SOUND_WIN_BG));
  sound->Play(sound->GetSound(SOUND_BUTTON_CLICK));
  EXPECT_EQ("", ::testing::internal::GetCapturedStdout());
  EXPECT_EQ(music, sound->musicChannel);
  EXPECT_EQ(effect, sound->effectChannel);
  EXPECT_TRUE(MusicPlaying());
  sound->Stop();
  EXPECT_FALSE(MusicPlaying());
}

TEST_F(SoundManagerTest, AFailedCallPrintsOneFmodErrorLineWithItsCodeAndKeepsTheChannel) {
  sound->Play(sound->GetSound(SOUND_BUTTON_CLICK));
  AudioChannel* effect = sound->effectChannel;
  ::testing::internal::CaptureStdout();
  sound->ErrorCheck(AUDIO_ERR_FILE_NOT_FOUND);
  sound->ErrorCheck(AUDIO_OK);
  sound->Play(nullptr);
  EXPECT_EQ("FMOD error! << (4)\nFMOD error! << (1)\n", ::testing::internal::GetCapturedStdout());
  EXPECT_EQ(effect, sound->effectChannel);
  EXPECT_NE(AUDIO_OK, sound->result);
}
