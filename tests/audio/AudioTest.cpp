// The sound layer on the game's own sounds: results for bad handles, a device
// that will not open, files that are missing or broken, channel reuse and the
// single music voice.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "audio/Audio.h"

namespace {
// The game's own sounds: a click of a few hundredths of a second, the defeat
// sting of a few seconds, and the menu music.
const char* const kClick = "Resources/Sound/ButtonClick.ogg";
const char* const kSting = "Resources/Sound/LoseBG.ogg";
const char* const kMusic = "Resources/Sound/MenuBG.ogg";

std::string WriteGarbage() {
  std::string path = ::testing::TempDir() + "garbage.ogg";
  std::ofstream(path) << "this is not a sound file at all, just some text";
  return path;
}

bool Playing(AudioChannel* channel) {
  bool playing = false;
  EXPECT_EQ(AUDIO_OK, AudioChannelIsPlaying(channel, &playing));
  return playing;
}

// Polls until the channel has stopped, for up to two seconds.
bool StopsWithin2s(AudioChannel* channel) {
  for (int i = 0; i < 200; ++i) {
    if (!Playing(channel)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

class AudioSystemStarted : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(AUDIO_OK, AudioSystemCreate(&system));
    ASSERT_EQ(AUDIO_OK, AudioSystemInit(system, channels, 0));
  }
  void TearDown() override { EXPECT_EQ(AUDIO_OK, AudioSystemRelease(system)); }
  AudioSystem* system = nullptr;
  int channels = 32;
};

class AudioOneChannel : public AudioSystemStarted {
 protected:
  AudioOneChannel() { channels = 1; }
};
}  // namespace

TEST(AudioHandles, EveryCallOnANullHandleAnswersNonZero) {
  AudioChannel* channel = nullptr;
  AudioSound* sound = nullptr;
  bool playing = false;
  EXPECT_NE(AUDIO_OK, AudioSystemInit(nullptr, 32, 0));
  EXPECT_NE(AUDIO_OK, AudioSystemCreateStream(nullptr, "x.ogg", AUDIO_HARDWARE, &sound));
  EXPECT_NE(AUDIO_OK, AudioSystemCreateSound(nullptr, "x.ogg", AUDIO_HARDWARE, &sound));
  EXPECT_NE(AUDIO_OK, AudioSystemPlaySound(nullptr, -1, nullptr, false, &channel));
  EXPECT_NE(AUDIO_OK, AudioSystemUpdate(nullptr));
  EXPECT_NE(AUDIO_OK, AudioSystemRelease(nullptr));
  EXPECT_NE(AUDIO_OK, AudioSoundSetMode(nullptr, AUDIO_LOOP_NORMAL));
  EXPECT_NE(AUDIO_OK, AudioSoundRelease(nullptr));
  EXPECT_NE(AUDIO_OK, AudioChannelStop(nullptr));
  EXPECT_NE(AUDIO_OK, AudioChannelSetVolume(nullptr, 0.5f));
  EXPECT_NE(AUDIO_OK, AudioChannelIsPlaying(nullptr, &playing));
  EXPECT_EQ(nullptr, sound);
  EXPECT_EQ(nullptr, channel);
}

TEST(AudioHandles, ASystemWhoseDeviceWillNotOpenRunsSilent) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  AudioSystem* system = nullptr;
  ASSERT_EQ(AUDIO_OK, AudioSystemCreate(&system));
  EXPECT_EQ(AUDIO_ERR_INIT, AudioSystemInit(system, 32, 0));

  AudioSound* sound = nullptr;
  EXPECT_EQ(AUDIO_ERR_NOT_INITIALIZED, AudioSystemCreateSound(system, kClick, AUDIO_HARDWARE, &sound));
  EXPECT_EQ(AUDIO_ERR_NOT_INITIALIZED, AudioSystemCreateStream(system, kClick, AUDIO_HARDWARE, &sound));
  EXPECT_EQ(nullptr, sound);
  AudioChannel* channel = nullptr;
  EXPECT_NE(AUDIO_OK, AudioSystemPlaySound(system, -1, sound, false, &channel));
  EXPECT_EQ(nullptr, channel);
  EXPECT_EQ(AUDIO_ERR_NOT_INITIALIZED, AudioSystemUpdate(system));
  EXPECT_EQ(AUDIO_OK, AudioSystemRelease(system));
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

TEST_F(AudioSystemStarted, ASecondStartIsRefusedAndMissingAndBrokenFilesAreToldApartAndLeaveNoSound) {
  AudioSystem* second = nullptr;
  ASSERT_EQ(AUDIO_OK, AudioSystemCreate(&second));
  EXPECT_EQ(AUDIO_ERR_INIT, AudioSystemInit(second, 32, 0));
  EXPECT_EQ(AUDIO_ERR_INIT, AudioSystemInit(system, 32, 0));
  EXPECT_EQ(AUDIO_OK, AudioSystemRelease(second));
  AudioSound* sound = nullptr;
  EXPECT_EQ(AUDIO_ERR_FILE_NOT_FOUND, AudioSystemCreateSound(system, "no/such/file.ogg", AUDIO_HARDWARE, &sound));
  EXPECT_EQ(AUDIO_ERR_FILE_NOT_FOUND, AudioSystemCreateStream(system, "no/such/file.ogg", AUDIO_HARDWARE, &sound));
  std::string garbage = WriteGarbage();
  EXPECT_EQ(AUDIO_ERR_FORMAT, AudioSystemCreateSound(system, garbage.c_str(), AUDIO_HARDWARE, &sound));
  EXPECT_EQ(AUDIO_ERR_FORMAT, AudioSystemCreateStream(system, garbage.c_str(), AUDIO_HARDWARE, &sound));
  EXPECT_EQ(nullptr, sound);
}

TEST_F(AudioSystemStarted, ASampleWithoutLoopEndsWhileALoopedOneGoesOn) {
  AudioSound* once = nullptr;
  AudioSound* looped = nullptr;
  ASSERT_EQ(AUDIO_OK, AudioSystemCreateSound(system, kClick, AUDIO_HARDWARE, &once));
  ASSERT_EQ(AUDIO_OK, AudioSystemCreateSound(system, kClick, AUDIO_HARDWARE, &looped));
  ASSERT_EQ(AUDIO_OK, AudioSoundSetMode(looped, AUDIO_LOOP_NORMAL));

  AudioChannel* a = nullptr;
  AudioChannel* b = nullptr;
  ASSERT_EQ(AUDIO_OK, AudioSystemPlaySound(system, -1, once, false, &a));
  ASSERT_EQ(AUDIO_OK, AudioSystemPlaySound(system, -1, looped, false, &b));
  EXPECT_NE(a, b);
  EXPECT_TRUE(StopsWithin2s(a));
  EXPECT_TRUE(Playing(b));
  EXPECT_EQ(AUDIO_OK, AudioChannelSetVolume(b, 0.5f));
  EXPECT_EQ(AUDIO_OK, AudioChannelStop(b));
  EXPECT_FALSE(Playing(b));
  EXPECT_EQ(AUDIO_OK, AudioSystemUpdate(system));
  EXPECT_EQ(AUDIO_OK, AudioSoundRelease(once));
  EXPECT_EQ(AUDIO_OK, AudioSoundRelease(looped));
}

// On the one channel a one-shot gives way to the next sound, whose channel its
// stale handle never touches; a looping sound never gives way.
TEST_F(AudioOneChannel, TheOldestOneShotGivesWayAndItsStaleHandleNeverTouchesTheNewSound) {
  AudioSound* sting = nullptr;
  AudioSound* loop = nullptr;
  ASSERT_EQ(AUDIO_OK, AudioSystemCreateSound(system, kSting, AUDIO_LOOP_OFF, &sting));
  ASSERT_EQ(AUDIO_OK, AudioSystemCreateSound(system, kClick, AUDIO_LOOP_NORMAL, &loop));
  AudioChannel* first = nullptr;
  AudioChannel* second = nullptr;
  ASSERT_EQ(AUDIO_OK, AudioSystemPlaySound(system, -1, sting, false, &first));
  ASSERT_EQ(AUDIO_OK, AudioSystemPlaySound(system, -1, loop, false, &second));
  EXPECT_EQ(AUDIO_ERR_CHANNEL_STOLEN, AudioChannelStop(first));
  EXPECT_EQ(AUDIO_ERR_CHANNEL_STOLEN, AudioChannelSetVolume(first, 0.0f));
  EXPECT_TRUE(Playing(second));
  AudioChannel* none = nullptr;
  EXPECT_EQ(AUDIO_ERR_CHANNEL_ALLOC, AudioSystemPlaySound(system, -1, sting, false, &none));
  EXPECT_EQ(nullptr, none);
}

TEST_F(AudioSystemStarted, AStreamStartedWhileAnotherPlaysTakesOverTheMusicVoice) {
  AudioSound* one = nullptr;
  AudioSound* two = nullptr;
  ASSERT_EQ(AUDIO_OK, AudioSystemCreateStream(system, kMusic, AUDIO_LOOP_NORMAL, &one));
  ASSERT_EQ(AUDIO_OK, AudioSystemCreateStream(system, kMusic, AUDIO_LOOP_NORMAL, &two));
  AudioChannel* first = nullptr;
  AudioChannel* second = nullptr;
  ASSERT_EQ(AUDIO_OK, AudioSystemPlaySound(system, -1, one, false, &first));
  ASSERT_EQ(AUDIO_OK, AudioSystemPlaySound(system, -1, two, false, &second));
  bool playing = false;
  EXPECT_EQ(AUDIO_ERR_CHANNEL_STOLEN, AudioChannelIsPlaying(first, &playing));
  EXPECT_TRUE(Playing(second));
  // Releasing the playing stream silences the voice; its handle is then stale.
  EXPECT_EQ(AUDIO_OK, AudioSoundRelease(two));
  EXPECT_NE(AUDIO_OK, AudioChannelStop(second));
}

TEST_F(AudioSystemStarted, ChannelHandlesOfAReleasedSystemAreRefused) {
  AudioSound* sound = nullptr;
  ASSERT_EQ(AUDIO_OK, AudioSystemCreateSound(system, kSting, AUDIO_HARDWARE, &sound));
  AudioChannel* channel = nullptr;
  ASSERT_EQ(AUDIO_OK, AudioSystemPlaySound(system, -1, sound, false, &channel));
  EXPECT_EQ(AUDIO_OK, AudioSystemRelease(system));  // releases the sound too
  EXPECT_NE(AUDIO_OK, AudioChannelStop(channel));
  ASSERT_EQ(AUDIO_OK, AudioSystemCreate(&system));  // for TearDown
}
