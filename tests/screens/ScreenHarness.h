// Drives the game in-process: headless engine, scripted cursor, keys and clock.
#pragma once
#include <gtest/gtest.h>

#include "screens/ScreenKit.h"
#include "shell/GameStateManager.h"

class ScreenTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  // Leaves the running screen through the quit state, so none outlives the suite.
  static void TearDownTestSuite();
  void SetUp() override;

  GameStateManager& States() { return GameStateManager::GetInstance(); }
  template <class T>
  T* Screen() {
    return dynamic_cast<T*>(States().currentLevel);
  }

  void Frame();
  void Frames(int count);
  // A fresh object of the state, entered and run for one frame.
  void Enter(int state);
  // One frame with the key up, then one with it down: a trigger in the second.
  void Press(unsigned char key);
  void Click(int x, int y);
  void PressAndClick(unsigned char key, int x, int y);
  int Asked() { return States().nextState; }
  // Forgets what the last click asked for, so the screen stays.
  void Stay() { States().nextState = States().currentState; }

  // Clicks each corner of the box, expecting `asked`, then one pixel outside
  // each edge, expecting nothing.
  void ExpectBox(const ScreenBox& box, int asked);

  bool MusicPlaying();
  bool EffectPlaying();
};
