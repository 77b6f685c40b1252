// What the two opening pictures share: a fade held by a timer. Each screen
// adds its own timings and picture.
#pragma once
#include "shell/BaseLevel.h"

class SplashScreen : public BaseLevel {
 public:
  // The timer starts past the logo's hold, so its fade-out begins at once.
  void Load() override {
    timer = 3.0f;
    alpha = 0.0f;
    fadedIn = false;
  }
  void Initialize() override {}
  void Free() override {}
  void Unload() override {}

  float timer;  // seconds of hold
  float alpha;  // 0 invisible, 1 opaque
  bool fadedIn;
};
