// The in-process harness for the screen tests.
#include "ScreenHarness.h"

#include "../HeadlessGame.h"
#include "VXInput.h"
#include "resources/SoundManager.h"
#include "shell/FrameLoop.h"

void ScreenTest::SetUpTestSuite() {
  static bool started = false;
  if (started) return;
  started = true;
  // A microsecond counter: each frame ends at the first tick at or past 1/60 s
  // (16667 us), as a busy-wait on a real counter does.
  StartHeadlessGame(1000000);
}

void ScreenTest::TearDownTestSuite() {
  GameStateManager::GetInstance().nextState = STATE_QUIT;
  FrameLoopRunFrame();
}

void ScreenTest::SetUp() {
  VXInputScriptClear();
}

void ScreenTest::Frame() {
  FrameLoopRunFrame();
}

void ScreenTest::Frames(int count) {
  for (int i = 0; i < count; ++i) Frame();
}

void ScreenTest::Enter(int state) {
  if (States().currentState == state) {
    States().nextState = STATE_QUIT;
    Frame();
  }
  States().nextState = state;
  Frame();
  ASSERT_EQ(state, States().currentState);
}

void ScreenTest::Press(unsigned char key) {
  VXInputScriptKey(key, false);
  Frame();
  VXInputScriptKey(key, true);
  Frame();
  VXInputScriptKey(key, false);
}

void ScreenTest::Click(int x, int y) {
  VXInputScriptCursor(x, y);
  Press(VX_KEY_LBUTTON);
}

void ScreenTest::PressAndClick(unsigned char key, int x, int y) {
  VXInputScriptCursor(x, y);
  VXInputScriptKey(key, false);
  VXInputScriptKey(VX_KEY_LBUTTON, false);
  Frame();
  VXInputScriptKey(key, true);
  VXInputScriptKey(VX_KEY_LBUTTON, true);
  Frame();
  VXInputScriptKey(key, false);
  VXInputScriptKey(VX_KEY_LBUTTON, false);
}

void ScreenTest::ExpectBox(const ScreenBox& b, int asked) {
  const int here = States().currentState;
  const int corners[4][2] = {{b.left, b.top}, {b.right, b.top}, {b.left, b.bottom}, {b.right, b.bottom}};
  for (const auto& c : corners) {
    Click(c[0], c[1]);
    EXPECT_EQ(asked, Asked()) << "corner (" << c[0] << ", " << c[1] << ")";
    Stay();
  }
  const int midX = (b.left + b.right) / 2, midY = (b.top + b.bottom) / 2;
  const int outside[4][2] = {{b.left - 1, midY}, {b.right + 1, midY}, {midX, b.top - 1}, {midX, b.bottom + 1}};
  for (const auto& o : outside) {
    Click(o[0], o[1]);
    EXPECT_EQ(here, Asked()) << "outside at (" << o[0] << ", " << o[1] << ")";
    Stay();
  }
}

static bool ChannelPlaying(AudioChannel* channel) {
  bool playing = false;
  return AudioChannelIsPlaying(channel, &playing) == AUDIO_OK && playing;
}

bool ScreenTest::MusicPlaying() {
  return ChannelPlaying(SoundManager::GetInstance()->musicChannel);
}

bool ScreenTest::EffectPlaying() {
  return ChannelPlaying(SoundManager::GetInstance()->effectChannel);
}
